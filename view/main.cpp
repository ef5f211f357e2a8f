// Velondo: the program. Qt draws the windows and runs the timers; SDL2_mixer plays.
#include <QApplication>

#include "app/wiring.h"
#include "core/system_adapters.h"
#include "sound/sdl/sdl_sound.h"
#include "view/main_view.h"
#include "view/qt_adapters.h"

using namespace velondo;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Velondo");

    view::EventGate gate;
    SystemClock clock;
    SystemRandom random;
    SystemFiles files;
    view::QtTimers timers(gate);
    view::QtScreen screen;
    view::QtLocale locale;
    view::QtDialogs dialogs;
    view::QtPrinter printer;
    sound::SdlSound sound;
    Program program(
        Ports{&clock, &random, &timers, &sound, &dialogs, &printer, &screen, &locale, &files});
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
