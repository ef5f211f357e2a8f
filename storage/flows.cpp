#include "storage/flows.h"

#include <string>

#include "core/phase.h"
#include "drill/drill.h"
#include "drill/results.h"
#include "exercise/accidentals.h"
#include "exercise/clef.h"
#include "exercise/panel_look.h"
#include "exercise/pool.h"
#include "exercise/range.h"
#include "sound/sound.h"
#include "ui/options.h"

namespace velondo::storage {
namespace {


constexpr int kHeading = 0;
constexpr int kOptionText0 = 0;  // lblSpiegazione(1 … 3): the texts of the three options
constexpr int kNote = 4;
constexpr int kSquare0 = 4;      // lblSpiegazione(5 … 7): the colour square beside option i
constexpr int kSignalKey = 41;   // piano sample played as a signal by the flows

void Show(Program& p, Panel panel, bool visible) { p.main.panel(panel).visible = visible; }

void Noise(Program& p, const PlayerRef& player) {
    if (sound::ProgramNoisesOn(p)) sound::PlaySound(p, player);
}

void FocusNameBox(Program& p) { p.main.focused = &p.main.TxtNomeAlunno; }

// The square beside the pressed option button (the "Ok" buttons light themselves).
Control& PressSquare(Program& p, int i) {
    return i >= 1 && i <= 3 ? p.main.lblSpiegazione[kSquare0 + i] : p.main.lblPulsante[i];
}

void PressLook(Program& p, int i, bool pressed) {
    if (i < 0 || i > 4) return;
    p.main.lblPulsante[i].on = pressed;
    PressSquare(p, i).backColor = pressed ? colors::Pink : colors::White;
}

// A panel of the options box that is open is closed with its button.
void ClosePanel(Program& p, Option button, Panel panel) {
    if (!p.main.isOn(button)) return;
    options::Set(p, button, false);
    Show(p, panel, false);
}

}  // namespace

void RangeOk(Program& p) {
    if (!MayStart(p, Flow::ConfirmRange)) return;
    auto& s = p.state;
    p.main.lblVoceOpzioni[0].caption = s.PiuAcuta;
    p.main.lblVoceOpzioni[1].caption = s.PiuGrave;
    p.main.lblVoceOpzioni[2].caption =
        std::to_string(s.EstensioneIntervallo) + exercise::IntervalSuffixField(p);
    exercise::ConfirmRange(p);
    exercise::ShowAccidentalChoices(p);
    Show(p, Panel::Accidentals, true);
    Show(p, Panel::Range, false);
    Noise(p, sound::players::Tic);
}

void AccidentalsOk(Program& p, bool replayed) {
    if (!MayStart(p, Flow::ConfirmAccidentals)) return;
    exercise::ConfirmAccidentals(p, replayed);
    if (!replayed)
        p.main.lblSpiegazione[exercise::kPanelFiveExplanation].caption =
            exercise::PanelFiveText(exercise::kMinNotes);
    Noise(p, sound::players::Tic);
    Show(p, Panel::Name, true);
    FocusNameBox(p);
    Show(p, Panel::Accidentals, false);
}

void PractiseCurrentProfile(Program& p) {
    if (!MayStart(p, Flow::Practise)) return;
    auto& m = p.main;
    p.state.PulsantePremuto = 1;
    drill::ResetExercise(p);
    // The replayed steps are silent: the option is switched off for them without a click.
    const bool noises = m.isOn(Option::ProgramNoises);
    if (noises) options::Set(p, Option::ProgramNoises, false);
    exercise::RepeatClef(p);
    RangeOk(p);
    AccidentalsOk(p, true);
    drill::CloseResultsPanel(p);
    ClosePanel(p, Option::Exit, Panel::Exit);
    ClosePanel(p, Option::ClefTable, Panel::ClefTable);
    m.ImgVarie[6].visible = false;
    if (noises) options::Set(p, Option::ProgramNoises, true);

    m.lblSpiegazione[exercise::kPanelFiveExplanation].caption =
        exercise::PanelFiveText(exercise::SelectedNoteCount(p));
    Show(p, Panel::Name, true);
    FocusNameBox(p);
    Show(p, Panel::Main, false);
    Noise(p, sound::Piano(kSignalKey));
}

void CreateProfile(Program& p) {
    if (!MayStart(p, Flow::CreateProfile)) return;
    p.state.PulsantePremuto = 2;
    StartNewProfile(p);
}

void StartNewProfile(Program& p) {
    auto& m = p.main;
    Noise(p, sound::Piano(kSignalKey));
    drill::ResetExercise(p);
    drill::ClearResults(p);
    // "Esci" stays off until the first line of notes of the new profile is on the staff.
    OptionControls exit = m.option(Option::Exit);
    exit.surface.enabled = exit.sign.enabled = false;
    Show(p, Panel::Clef, true);
    Show(p, Panel::Main, false);
}

void DesignMainPanel(Program& p) {
    using namespace exercise;
    auto& m = p.main;
    constexpr Panel P = Panel::Main;
    PanelHeading(p, m.lblSpiegazione[kHeading], P,
                 "Scegli una delle seguenti opzioni cliccando il pulsante corrispondente:");
    const char* options[3] = {"Esercitati con l'impostazione corrente",
                              "Crea una nuova impostazione",
                              "Carica un'impostazione già salvata"};
    for (int i = 1; i <= 3; ++i) {
        double top = 1350 + 900 * (i - 1);
        Control& square = InPanel(p, m.lblSpiegazione[kSquare0 + i], P, 1560, top + 150, 300, 300);
        ButtonFace(square);
        square.caption.clear();
        ButtonFace(InPanel(p, m.lblPulsante[i], P, 2010, top + 75, 450, 450), 14);
        m.lblPulsante[i].caption = std::to_string(i);
        PanelText(p, m.lblSpiegazione[kOptionText0 + i], P, 2700, top + 110, 11000, 420,
                  options[i - 1], 14, true);
    }
    Control& note = PanelText(
        p, m.lblSpiegazione[kNote], P, 1500, 4200, 12000, 1400,
        "Velondo ti permette di creare tutte le impostazioni che desideri: una volta salvate, "
        "queste saranno in ogni momento disponibili senza doverle più ricreare. I dati "
        "dell'impostazione corrente sono riportati in alto a sinistra, e corrispondono sempre a "
        "quelli dell'ultimo esercizio svolto: in ogni impostazione sono compresi anche i "
        "relativi istogrammi e i dati di classifica.",
        12);
    note.italic = true;
}

void InstallFlows(Program& p) {
    auto& h = p.handlers;
    h.add("lblPulsante", "Click", [](Program& prog, const Event& e) {
        switch (e.index) {
            case 0: RangeOk(prog); break;
            case 1: PractiseCurrentProfile(prog); break;
            case 2: CreateProfile(prog); break;
            case 4: AccidentalsOk(prog); break;
            default: break;  // loading a saved profile comes with the profile files
        }
    });
    h.add("lblPulsante", "MouseDown",
          [](Program& prog, const Event& e) { PressLook(prog, e.index, true); });
    h.add("lblPulsante", "MouseUp",
          [](Program& prog, const Event& e) { PressLook(prog, e.index, false); });
    // The hidden command of the accidentals panel, and Enter on the clef and accidentals
    // panels (the range panel's twin command does nothing).
    h.add("cmdPulsante4", "Click", [](Program& prog, const Event&) { AccidentalsOk(prog); });
    h.add("cmdPulsante0", "Click", [](Program&, const Event&) {});
    h.add("frmVelondo7Principale2", "KeyDown", [](Program& prog, const Event& e) {
        if (e.keyCode != 13) return;
        if (prog.main.panel(Panel::Clef).visible)
            exercise::RepeatClef(prog);
        else if (prog.main.panel(Panel::Accidentals).visible)
            AccidentalsOk(prog);
    });
    p.fields.add("PulsantePremuto", p.state.PulsantePremuto);
    p.fields.add("NomeFile", p.state.NomeFile);
}

}  // namespace velondo::storage
