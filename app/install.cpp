#include "app/install.h"

#include "app/shell.h"

namespace velondo::app {

namespace {

// The splash: its picture over a one-line credit, centred on the design screen.
void DesignSplash(SplashWindow& s) {
    s.frmSplashVelondo7.move(2880, 2010, 9600, 7500);
    s.frmSplashVelondo7.backColor = colors::Parchment;
    s.frmSplashVelondo7.visible = false;
    s.ImgScreen.move(0, 0, 9600, 7200);
    for (int i = 0; i <= 2; ++i) s.lblSplash[i].visible = false;
    Control& credit = s.lblSplash[3];
    credit.move(0, 7215, 9600, 285);
    credit.caption = "Velondo 7 · lettura delle note in sette chiavi";
    credit.fontSize = 9;
    credit.italic = true;
    credit.align = Align::Center;
    credit.foreColor = colors::DarkBrown;
}

}  // namespace

void Install(Program& p) {
    p.fields.add("Dir", p.state.Dir);
    p.fields.add("PercorsoFileDaAprire", p.state.PercorsoFileDaAprire);
    p.fields.add("NomeFileDialogo", p.state.NomeFileDialogo);
    p.fields.add("ExitPending", p.state.ExitPending);

    DesignSplash(p.splash);
    p.handlers.add("frmSplashVelondo7", "Load",
                   [](Program& prog, const Event&) { SplashLoad(prog); });
    p.handlers.add("TmrVia", "Timer", [](Program& prog, const Event&) { SplashTimer(prog); });
    p.handlers.add("frmVelondo7Principale2", "Load",
                   [](Program& prog, const Event&) { MainLoad(prog); });
    p.handlers.add("TmrScaricaSplash", "Timer",
                   [](Program& prog, const Event&) { UnloadSplash(prog); });
    InstallExit(p);
}

}  // namespace velondo::app
