// Velondo: the program. Qt draws the windows and runs the timers; SDL2_mixer plays.
#include <QApplication>
#include <cstdlib>

#include "app/wiring.h"
#include "core/system_adapters.h"
#include "sound/sdl/sdl_sound.h"
#include "view/main_view.h"
#include "view/qt_adapters.h"

using namespace velondo;

int main(int argc, char** argv) {
    // SDL would otherwise catch SIGTERM for an event queue nobody reads: the program must
    // still end when the session asks it to.
    ::setenv("SDL_NO_SIGNAL_HANDLERS", "1", 0);
    QApplication app(argc, argv);
    QApplication::setApplicationName("Velondo");

    view::EventGate gate;
    SystemClock clock;
    SystemRandom random;
    SystemFiles files;
    StderrLog log;
    view::QtTimers timers(gate);
    view::QtScreen screen;
    view::QtLocale locale;
    view::QtDialogs dialogs;
    view::QtPrinter printer;
    sound::SdlSound sound;
    Program program(
        Ports{&clock, &random, &timers, &sound, &dialogs, &printer, &screen, &locale, &files, &log});
    timers.attach(program);
    InstallAll(program);

    view::ProgramViews views(program, gate);
    dialogs.setParent(&views.main);
    printer.setWindow(&views.main);
    gate.afterEvent = [&] {
        views.sync();
        if (program.ended) QApplication::quit();
    };
    gate.run([&] { program.call("frmSplashVelondo7", "Load"); });
    return QApplication::exec();
}
