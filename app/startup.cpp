#include <array>

#include "app/shell.h"
#include "input/input.h"
#include "sound/sound.h"
#include "ui/help.h"
#include "ui/layout.h"

namespace velondo::app {

namespace {

constexpr double kDesignHeight = 11520;
constexpr std::array<int, 10> kSplashMs = {2000, 2025, 2050, 2075, 2100,
                                           2125, 2150, 2200, 2250, 2300};
constexpr const char* kExampleProfile = "00000 - Esempio da non cancellare.txt";

}  // namespace

int SplashDuration(int index) { return kSplashMs[static_cast<size_t>(index - 1)]; }

void ScaleSplash(Program& p) {
    const ScreenSize screen = p.ports.screen->size();
    const double fy = screen.height / kDesignHeight, fx = screen.width / ui::kDesignWidth;
    SplashWindow& s = p.splash;
    for (Control* c : {&s.frmSplashVelondo7, &s.ImgScreen, &s.lblSplash[3]}) {
        c->height *= fy;
        c->top *= fy;
        c->width *= fx;
        c->left *= fx;
    }
    s.lblSplash[3].fontSize *= screen.height / 11550;
}

void SplashLoad(Program& p) {
    p.ports.random->seedFromClock(p.ports.clock->now());
    if (p.ports.screen->size().height != kDesignHeight) ScaleSplash(p);
    // The splash shares nothing with the main window but the data root, found the same way;
    // an installed tree gets the student's own copy first, which the probe then finds.
    PrepareDataRoot(p);
    p.state.Dir = FindDataRoot(p);
    p.splash.ImgScreen.picture = p.path("Velondo7/Grafica/Schermata.jpg");
    sound::LoadSplashMusic(p);
    const DateTime now = p.ports.clock->now();
    const double r = p.ports.random->next();
    const int j = ChoiceIndex(10, r + now.minute / 60.0 - now.hour / 25.0);
    p.splash.TmrVia.setInterval(SplashDuration(j));
    p.splash.TmrVia.setEnabled(true);
    sound::PlaySound(p, sound::players::GregorianoSplash);
    p.splash.frmSplashVelondo7.visible = true;
    p.splashLoaded = true;
}

void SplashTimer(Program& p) {
    p.splash.TmrVia.setEnabled(false);
    MainLoad(p);
    p.main.TmrScaricaSplash.setEnabled(true);
}

void MainLoad(Program& p) {
    MainWindow& m = p.main;
    p.state.Dir = FindDataRoot(p);
    p.state.NomeFileDialogo = kExampleProfile;
    p.state.PercorsoFileDaAprire = p.path("Velondo7/Impostazioni/") + kExampleProfile;
    p.ports.random->seedFromClock(p.ports.clock->now());

    // The panels over the staff area; the save prompt stands smaller in its middle.
    for (int i = 0; i < kPanels; ++i) {
        const Panel panel = static_cast<Panel>(i);
        if (panel == Panel::SavePrompt)
            m.panel(panel).place(2843, 3570);
        else
            m.panel(panel).place(165, 2100);
    }
    m.fraLogo.place(5880, 210);
    m.FraStampa.place(0, 0);
    m.fraPreparaStampa.place(4890, 3675);

    Run(p.hooks.readDefaultProfile, p);
    Run(p.hooks.rebuildHistogram, p);
    if (p.ports.screen->size().height != kDesignHeight) ui::ScaleLayout(p);
    ui::FillHelpList(p);
    Run(p.hooks.readOptions, p);
    Run(p.hooks.syncOptionButtons, p);
    if (m.isOn(Option::KeyMovement))  // keys show their edge
        for (int k = 1; k <= 49; ++k) m.lblTasto[k].border = true;

    const std::string grafica = p.path("Velondo7/Grafica/");
    m.ImgChiave.picture = grafica + "Ch01.gif";
    m.ImgChiavePiccola.picture = grafica + "Ch01.gif";
    for (int k = 1; k <= 7; ++k)
        m.ImgSceltaChiave[k].picture = grafica + "Ch0" + std::to_string(k) + ".gif";
    // Each clef's reference note on its own line.
    constexpr std::array<const char*, 7> kReferenceNotes = {"14", "12", "14", "16",
                                                            "18", "16", "18"};
    for (int k = 8; k <= 14; ++k)
        m.ImgSceltaChiave[k].picture =
            grafica + kReferenceNotes[static_cast<size_t>(k - 8)] + ".gif";
    constexpr std::array<const char*, 5> kAccidentals = {"16", "16di", "16be", "16dd", "16db"};
    for (int i = 1; i <= 5; ++i)
        m.ImgSceltaAlterazioni[i].picture =
            grafica + kAccidentals[static_cast<size_t>(i - 1)] + ".gif";
    m.ImgVarie[6].picture = grafica + "Logo.jpg";
    m.ImgTavola.picture = grafica + "Tavola.gif";

    Run(p.hooks.loadSounds, p);
    Run(p.hooks.readStudentName, p);
    if (sound::ProgramNoisesOn(p)) sound::PlaySound(p, sound::players::Tic);

    m.panel(Panel::Main).visible = true;
    ShowDataRootProblem(p);
    m.frmVelondo7Principale2.visible = true;
    p.mainLoaded = true;
    input::StartListening(p);
}

void UnloadSplash(Program& p) {
    p.main.TmrScaricaSplash.setEnabled(false);
    p.splash.TmrVia.setEnabled(false);
    p.splash.frmSplashVelondo7.visible = false;
    p.splashLoaded = false;
}

}  // namespace velondo::app
