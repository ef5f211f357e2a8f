#include <array>

#include "app/shell.h"
#include "core/phase.h"
#include "sound/sound.h"
#include "ui/toggle.h"

namespace velondo::app {

namespace {

constexpr std::array<std::string_view, 8> kFarewells = {
    "Alla prossima!", "A presto!",    "Ciao!",           "Arrivederci!",
    "...studia!",     "Torna presto!", "Ci rivediamo...", "Ti aspetto!",
};
constexpr Color kPanelButtonOn = Rgb(255, 128, 128);
constexpr Color kPressed = Rgb(255, 192, 192);
constexpr int kExitPanel = 7;
constexpr int kFarewellSample = 34;  // "34la.wav"

constexpr const char* kExitSaveMessage =
    "ATTENZIONE! L'uscita dal Programma in questo momento cancellerà tutti i dati "
    "dell'impostazione corrente (che non è ancora stata salvata). Vuoi dunque salvare "
    "l'impostazione corrente prima di uscire da Velondo?";

}  // namespace

std::string_view FarewellText(int index) { return kFarewells[static_cast<size_t>(index - 1)]; }

void ExitButtonClick(Program& p) {
    MainWindow& m = p.main;
    Control& button = m.lblVisualizza[11];
    const bool noises = sound::ProgramNoisesOn(p);
    if (!ui::IsOn(button)) {
        // Opening the exit panel closes the other panels of the group.
        ui::SetOn(button, m.lblSfondi[11], kPanelButtonOn);
        m.FraSpiegazioni[kExitPanel].visible = true;
        for (int panel : {4, 6, 8}) m.FraSpiegazioni[panel].visible = false;
        for (int other : {9, 10}) ui::SetOff(m.lblVisualizza[other], m.lblSfondi[other]);
        ui::SetOff(m.lblVisualizzaB[13], m.lblSfondiB[13]);
        if (noises) sound::PlaySound(p, sound::players::Gregoriano);
    } else {
        ui::SetOff(button, m.lblSfondi[11]);
        m.FraSpiegazioni[kExitPanel].visible = false;
        if (m.lblQuando.visible) {
            m.lblQuando.visible = false;
            m.fraLogo.visible = false;
        }
        if (noises) sound::PlaySound(p, sound::players::Click);
    }
}

void ExitAnswerClick(Program& p, int index) {
    if (!MayStart(p, Flow::Exit)) return;
    MainWindow& m = p.main;
    const bool unsavedNamedProfile = !p.state.FileSalvato && ui::IsOn(m.lblSave[1]);
    if (index == 1 || (index == 0 && unsavedNamedProfile && p.hooks.showSavePrompt)) {
        if (ui::IsOn(m.lblVisualizza[11])) ExitButtonClick(p);
        m.FraSpiegazioni[kExitPanel].visible = false;
    }
    if (index == 1) return;  // "No": the program goes on as it was
    if (unsavedNamedProfile && p.hooks.showSavePrompt) {
        m.FraSpiegazioni[0].visible = false;
        p.hooks.showSavePrompt(p, kExitSaveMessage);
        p.state.ExitPending = true;
        return;  // the prompt's answer continues with the farewell
    }
    Farewell(p);
}

void Farewell(Program& p) {
    MainWindow& m = p.main;
    if (sound::ProgramNoisesOn(p)) sound::PlaySound(p, sound::Piano(kFarewellSample));
    for (int i = 0; i <= 1; ++i) {
        m.lblVuoiUscire[i].visible = false;
        m.lblSfondoVuoiUscire[i].visible = false;
    }
    const int i = ClockChoice(8, p.ports.random->next(), p.ports.clock->now());
    m.lblVarie[13].caption = std::string(FarewellText(i));
    m.lblVarie[13].visible = true;
    // After the save prompt the exit panel is closed: the goodbye needs it open to be seen.
    m.FraSpiegazioni[kExitPanel].visible = true;
    m.TmrEsci.setEnabled(true);
}

void ExitTimer(Program& p) {
    p.main.TmrEsci.setEnabled(false);
    Run(p.hooks.writeSmallStateFiles, p);
    p.main.frmVelondo7Principale2.visible = false;
    p.ended = true;
}

void InstallExit(Program& p) {
    p.hooks.farewell = Farewell;
    p.handlers.add("lblVisualizza", "Click", 11, 11,
                   [](Program& prog, const Event&) { ExitButtonClick(prog); });
    p.handlers.add("lblVuoiUscire", "MouseDown", [](Program& prog, const Event& e) {
        if (e.index < 0 || e.index > 1) return;
        ui::SetOn(prog.main.lblVuoiUscire[e.index], prog.main.lblSfondoVuoiUscire[e.index], kPressed);
    });
    p.handlers.add("lblVuoiUscire", "MouseUp", [](Program& prog, const Event& e) {
        if (e.index < 0 || e.index > 1) return;
        ui::SetOff(prog.main.lblVuoiUscire[e.index], prog.main.lblSfondoVuoiUscire[e.index]);
    });
    p.handlers.add("lblVuoiUscire", "Click", [](Program& prog, const Event& e) {
        if (e.index == 0 || e.index == 1) ExitAnswerClick(prog, e.index);
    });
    p.handlers.add("TmrEsci", "Timer", [](Program& prog, const Event&) { ExitTimer(prog); });
}

}  // namespace velondo::app
