// Velondo: the program. Qt draws the windows and runs the timers; SDL2_mixer plays;
// RtMidi listens to MIDI keyboards.
#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QSocketNotifier>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>

#include "app/shell.h"
#include "app/wiring.h"
#include "view/main_view.h"
#include "view/real_ports.h"

using namespace velondo;

namespace {

constexpr const char* kVersionLine = "velondo " VELONDO_VERSION;
constexpr const char* kHelpLine =
    "Uso: velondo [--help | --version]: allenamento alla lettura delle note in sette chiavi.";

// The write end of the pipe on which a signal handler wakes the event loop.
int signalPipe[2] = {-1, -1};

void OnTerminate(int signal) {
    const char byte = static_cast<char>(signal);
    [[maybe_unused]] ssize_t n = ::write(signalPipe[1], &byte, 1);
}

// SIGTERM (the session ends) and SIGINT end the program as one of its events, so that the
// student's options and name are written as at the exit, and the process exits with 0.
void EndOnSignals(view::EventGate& gate, Program& program) {
    if (::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, qApp);
    auto end = std::make_shared<std::function<void()>>();
    *end = [&gate, &program, end] {
        // A dialog's own event loop runs inside a handler: end once that handler is done.
        if (gate.busy > 0) {
            QTimer::singleShot(100, qApp, [end] { (*end)(); });
            return;
        }
        gate.run([&program] { app::EndSession(program); });
        QApplication::quit();
    };
    QObject::connect(notifier, &QSocketNotifier::activated, qApp, [end] {
        char bytes[16];
        while (::read(signalPipe[0], bytes, sizeof bytes) > 0) {
        }
        (*end)();
    });
    struct sigaction action {};
    action.sa_handler = OnTerminate;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
}

}  // namespace

int main(int argc, char** argv) {
    // The two questions every Linux program answers, before any window or sound is opened.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) return std::puts(kVersionLine), 0;
        if (std::strcmp(argv[i], "--help") == 0) return std::puts(kHelpLine), 0;
    }
    // SDL would otherwise catch SIGTERM for an event queue nobody reads: the program must
    // still end when the session asks it to.
    ::setenv("SDL_NO_SIGNAL_HANDLERS", "1", 0);
    QApplication app(argc, argv);  // takes the toolkit's own options out of argv
    if (argc > 1) {
        std::fprintf(stderr, "velondo: opzione sconosciuta: %s\n%s\n", argv[1], kHelpLine);
        return 2;
    }
    QApplication::setApplicationName("Velondo");
    QApplication::setApplicationVersion(VELONDO_VERSION);
    QGuiApplication::setDesktopFileName(VELONDO_APP_ID);

    view::EventGate gate;
    view::RealPorts real(gate);
    Program program(real.ports());
    program.dataPlaces = app::PlatformPlaces(QCoreApplication::applicationDirPath().toStdString());
    real.attach(program);
    InstallAll(program);

    view::ProgramViews views(program, gate);
    real.dialogs.setParent(&views.main);
    gate.afterEvent = [&] {
        views.sync();
        if (program.ended) QApplication::quit();
    };
    EndOnSignals(gate, program);
    gate.run([&] { program.call("frmSplashVelondo7", "Load"); });
    return QApplication::exec();
}
