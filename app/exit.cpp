#include <array>

#include "app/shell.h"
#include "core/phase.h"
#include "drill/drill.h"
#include "sound/sound.h"
#include "ui/options.h"
#include "ui/options_box.h"
#include "ui/toggle.h"

namespace velondo::app {

namespace {

constexpr std::array<std::string_view, 8> kFarewells = {
    "Alla prossima!", "A presto!",     "Ciao!",           "Arrivederci!",
    "...studia!",     "Torna presto!", "Ci rivediamo...", "Ti aspetto!",
};
constexpr notation::SampleNumber kFarewellSample{34};  // "34la.wav"

constexpr const char* kExitSaveMessage =
    "ATTENZIONE! L'uscita dal Programma in questo momento cancellerà tutti i dati "
    "dell'impostazione corrente (che non è ancora stata salvata). Vuoi dunque salvare "
    "l'impostazione corrente prima di uscire da Velondo?";

}  // namespace

std::string_view FarewellText(int index) { return kFarewells[static_cast<size_t>(index - 1)]; }

void ExitButtonClick(Program& p) {
    const bool opening = !p.main.isOn(Option::Exit);
    // Opening the exit panel closes the other panels of the group.
    if (opening)
        ui::OpenInGroup(p, Option::Exit);
    else
        ui::CloseInGroup(p, Option::Exit);
    if (sound::ProgramNoisesOn(p))
        sound::PlaySound(p, opening ? sound::players::Gregoriano : sound::players::Click);
}

void ExitAnswerClick(Program& p, int index) {
    if (!MayStart(p, Flow::Exit)) return;
    MainWindow& m = p.main;
    // Results only in memory: unsaved with "ScN" on, or left there by a save that failed.
    const bool unsavedNamedProfile =
        !p.state.FileSalvato && (m.isOn(Option::NamedSave) || p.state.SaveFailed);
    if (index == 1 || (index == 0 && unsavedNamedProfile && p.hooks.showSavePrompt)) {
        if (m.isOn(Option::Exit)) ExitButtonClick(p);
        m.panel(Panel::Exit).visible = false;
    }
    if (index == 1) return;  // "No": the program goes on as it was
    if (unsavedNamedProfile && p.hooks.showSavePrompt) {
        m.panel(Panel::Main).visible = false;
        p.hooks.showSavePrompt(p, kExitSaveMessage);
        p.state.ExitPending = true;
        return;  // the prompt's answer continues with the farewell
    }
    Farewell(p);
}

void Farewell(Program& p) {
    MainWindow& m = p.main;
    // The exit is confirmed: a countdown or trial still under way must not take the
    // window back from the goodbye.
    drill::StopDrill(p);
    if (sound::ProgramNoisesOn(p)) sound::PlaySound(p, sound::Piano(kFarewellSample));
    for (int i = 0; i <= 1; ++i) {
        m.lblVuoiUscire[i].visible = false;
        m.lblSfondoVuoiUscire[i].visible = false;
    }
    const int i = ClockChoice(8, p.ports.random->next(), p.ports.clock->now());
    m.lblVarie[13].caption = std::string(FarewellText(i));
    m.lblVarie[13].visible = true;
    // After the save prompt the exit panel is closed: the goodbye needs it open to be seen.
    m.panel(Panel::Exit).visible = true;
    m.TmrEsci.setEnabled(true);
}

void ExitTimer(Program& p) {
    p.main.TmrEsci.setEnabled(false);
    if (p.dataWritable()) Run(p.hooks.writeSmallStateFiles, p);
    p.main.frmVelondo7Principale2.visible = false;
    p.ended = true;
}

void EndSession(Program& p) {
    if (p.ended) return;
    // Before the main window has loaded its state there is nothing of the student's to keep,
    // and writing would replace the files with the defaults.
    if (p.mainLoaded && p.dataWritable()) Run(p.hooks.writeSmallStateFiles, p);
    p.main.frmVelondo7Principale2.visible = false;
    p.ended = true;
}

void InstallExit(Program& p) {
    p.hooks.farewell = Farewell;
    options::Own(p, Option::Exit, ExitButtonClick);
    p.handlers.add("lblVuoiUscire", "MouseDown", [](Program& prog, const Event& e) {
        if (e.index < 0 || e.index > 1) return;
        ui::SetOn(prog.main.lblVuoiUscire[e.index], prog.main.lblSfondoVuoiUscire[e.index],
                  colors::Pink);
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
