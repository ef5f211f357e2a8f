#include "storage/flows.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string>

#include "core/phase.h"
#include "drill/drill.h"
#include "drill/results.h"
#include "exercise/accidentals.h"
#include "exercise/clef.h"
#include "exercise/panel_look.h"
#include "exercise/pool.h"
#include "exercise/range.h"
#include "exercise/settings.h"
#include "notation/notation.h"
#include "sound/sound.h"
#include "storage/line_format.h"
#include "storage/profile.h"
#include "storage/profile_files.h"
#include "ui/options.h"
#include "ui/toggle.h"

namespace velondo::storage {
namespace {

constexpr int kHeading = 0;
constexpr int kOptionText0 = 0;  // lblSpiegazione(1 … 3): the texts of the three options
constexpr int kNote = 4;
constexpr int kSquare0 = 4;  // lblSpiegazione(5 … 7): the colour square beside option i
constexpr notation::SampleNumber kSignalKey{41};  // piano sample played as a signal by the flows

constexpr Color kAnswerPressed = Rgb(255, 128, 128);  // darker than the prompt's pink

void Show(Program& p, Panel panel, bool visible) { p.main.panel(panel).visible = visible; }

bool EqualsIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

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

bool UnsavedResults(const Program& p) {
    // A results board that is only in memory: after a trial on a saved profile without "SA",
    // or after a write that failed. The prompt guards it while "ScN" is on, and whatever
    // the toggles say when the last write failed.
    return !p.state.FileSalvato && (p.main.isOn(Option::NamedSave) || p.state.SaveFailed);
}

bool EnterStartsNextTrial(const Program& p) {
    const MainWindow& m = p.main;
    return drill::AwaitsNextTrial(p) && m.panel(Panel::Main).visible &&
           !m.panel(Panel::SavePrompt).visible && !m.TmrEsci.enabled() && !p.state.ExitPending;
}

void PractiseAndStart(Program& p) {
    PractiseCurrentProfile(p);
    drill::NameBoxKey(p, 13);
}

void CreateProfile(Program& p) {
    if (!MayStart(p, Flow::CreateProfile)) return;
    p.state.PulsantePremuto = 2;
    if (UnsavedResults(p))
        ShowSavePrompt(p, texts::CreateMessage);
    else
        StartNewProfile(p);
}

void LoadProfileOption(Program& p) {
    if (!MayStart(p, Flow::LoadProfile)) return;
    p.state.PulsantePremuto = 3;
    if (UnsavedResults(p))
        ShowSavePrompt(p, texts::LoadMessage);
    else
        LoadProfileFlow(p);
}

void LoadProfileFlow(Program& p) {
    auto& s = p.state;
    FileDialogRequest request{"Carica un'impostazione già salvata", texts::ProfileFilter,
                              ProfileFolder(p), s.NomeFileDialogo};
    std::optional<std::string> chosen = p.ports.dialogs->openFile(request);
    // Cancelling the choice leaves everything as it was.
    if (!chosen) return;
    // A file picked in another folder is looked for in the profile folder; no name at all
    // stands for the example profile.
    const std::string candidate =
        ProfileFolder(p) + std::filesystem::path(*chosen).filename().string();
    std::optional<std::vector<FieldValue>> values =
        CheckProfile(p, WithExampleFallback(p, candidate));
    if (!values) return;  // refused: the working profile, its board and the panels are untouched

    s.PercorsoFileDaAprire = candidate;
    drill::PaintRow(p, s.Inserimento, colors::Black);
    drill::ResetExercise(p);
    drill::ClearResults(p);
    ApplyProfile(p, *values);
    drill::RebuildHistogram(p);
    PractiseCurrentProfile(p);
    s.NomeFile = s.PercorsoFileDaAprire;
    const std::string& clefName = p.main.lblVoceOpzioni[3].caption;
    for (int c = 1; c <= notation::kClefs; ++c)
        if (notation::Clef(notation::ClefNumber{c}).name == clefName)
            p.main.ImgChiave.picture = p.path(notation::ClefImagePath(notation::ClefNumber{c}));
    Show(p, Panel::SavePrompt, false);
}

void SaveAsFlow(Program& p) {
    auto& s = p.state;
    const std::string& name = p.main.lblVoceOpzioni[exercise::kProfileNameItem].caption;
    FileDialogRequest request{"Salva l'impostazione con nome", texts::ProfileFilter,
                              ProfileFolder(p), name + ".txt"};
    std::optional<std::string> chosen = p.ports.dialogs->saveFile(request);
    if (!chosen) return;  // the prompt stays open, nothing is written
    std::string path = *chosen;
    const std::string file = std::filesystem::path(path).filename().string();
    if (file.empty()) return;
    if (file.size() < 4 || !EqualsIgnoringCase(file.substr(file.size() - 4), ".txt"))
        path += ".txt";
    Show(p, Panel::SavePrompt, false);
    if (!SaveProfileAs(p, path)) {
        // Nothing was saved: the prompt comes back so that another name can be tried.
        Show(p, Panel::SavePrompt, true);
        return;
    }
    s.FileSalvato = true;
    s.SaveFailed = false;
    if (s.ExitPending)
        Run(p.hooks.farewell, p);
    else if (s.PulsantePremuto != 2)
        LoadProfileFlow(p);
    else
        CreateProfile(p);
}

void ShowSavePrompt(Program& p, const std::string& message) {
    Noise(p, sound::players::Avviso);
    p.main.lblMessaggioSalva.caption = message;
    Show(p, Panel::SavePrompt, true);
}

void SavePromptAnswer(Program& p, int index) {
    if (!MayStart(p, Flow::SaveAs)) return;
    auto& s = p.state;
    if (index == 0) {
        Noise(p, sound::players::Click);
        SaveAsFlow(p);
        return;
    }
    if (s.ExitPending) {
        Noise(p, sound::players::Click);
        Show(p, Panel::SavePrompt, false);
        Run(p.hooks.farewell, p);
    } else if (s.PulsantePremuto != 2) {
        Show(p, Panel::SavePrompt, false);
        LoadProfileFlow(p);
    } else {
        // The unsaved results are dropped.
        Show(p, Panel::SavePrompt, false);
        StartNewProfile(p);
    }
}

void SaveModeClick(Program& p, Option mode) {
    const Option other = mode == Option::AutoSave ? Option::NamedSave : Option::AutoSave;
    const bool on = !p.main.isOn(mode);
    options::Set(p, mode, on);
    if (on) options::Set(p, other, false);
    if (!p.state.SilentClicks) Noise(p, sound::players::Click);
}

void SaveAfterTrial(Program& p) {
    auto& s = p.state;
    if (s.NomeFile.empty()) {
        // A default profile that could not be written is guarded like unsaved results.
        const bool ok = WriteDefaultProfile(p);
        s.FileSalvato = ok;
        s.SaveFailed = !ok;
    } else if (p.main.isOn(Option::AutoSave)) {
        const bool ok = WriteProfile(p);
        s.FileSalvato = ok;
        s.SaveFailed = !ok;
    } else {
        s.FileSalvato = false;
    }
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
                              "Crea una nuova impostazione", "Carica un'impostazione già salvata"};
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

void DesignSavePrompt(Program& p) {
    using namespace exercise;
    auto& m = p.main;
    Control& panel = m.panel(Panel::SavePrompt);
    Control& message = m.lblMessaggioSalva;
    message.parent = &panel;
    message.move(240, 180, 9195, 1230);
    message.bold = true;
    message.fontSize = 11.25;
    message.foreColor = Rgb(192, 0, 0);
    message.align = Align::Center;
    message.wordWrap = true;
    Control& hint = m.lblSuggerimentoSalva;
    hint.parent = &panel;
    hint.move(240, 1440, 9195, 540);
    hint.caption = texts::SaveHint;
    hint.italic = true;
    hint.fontSize = 9;
    hint.align = Align::Center;
    hint.wordWrap = true;
    const char* answers[2] = {"Sì", "No"};
    for (int i = 0; i <= 1; ++i) {
        const double left = 2865 + 2745.0 * i, top = 2130, width = 1200, height = 600;
        Control& button = m.lblAttenzioneSalva[i];
        ui::DesignAnswerButton(panel, m.lblSfondoAttenzioneSalva[i], button, left, top, width,
                               height, answers[i], 15.75);
        button.move(left, top + 90, width, height - 90);
    }
}

void InstallFlows(Program& p) {
    auto& h = p.handlers;
    h.add("lblPulsante", "Click", [](Program& prog, const Event& e) {
        switch (e.index) {
            case 0: RangeOk(prog); break;
            case 1: PractiseCurrentProfile(prog); break;
            case 2: CreateProfile(prog); break;
            case 3: LoadProfileOption(prog); break;
            case 4: AccidentalsOk(prog); break;
            default: break;
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
        else if (EnterStartsNextTrial(prog))
            PractiseAndStart(prog);
    });
    options::Own(p, Option::AutoSave, [](Program& prog) { SaveModeClick(prog, Option::AutoSave); });
    options::Own(p, Option::NamedSave,
                 [](Program& prog) { SaveModeClick(prog, Option::NamedSave); });
    h.add("lblAttenzioneSalva", "Click", 0, 1,
          [](Program& prog, const Event& e) { SavePromptAnswer(prog, e.index); });
    h.add("lblAttenzioneSalva", "MouseDown", 0, 1, [](Program& prog, const Event& e) {
        ui::SetOn(prog.main.lblAttenzioneSalva[e.index],
                  prog.main.lblSfondoAttenzioneSalva[e.index], kAnswerPressed);
    });
    h.add("lblAttenzioneSalva", "MouseUp", 0, 1, [](Program& prog, const Event& e) {
        ui::SetOff(prog.main.lblAttenzioneSalva[e.index],
                   prog.main.lblSfondoAttenzioneSalva[e.index]);
    });
    // The name goes into the ranking and the files: only what they can hold is taken.
    h.add("TxtNomeAlunno", "Change", [](Program& prog, const Event&) {
        std::string& text = prog.main.TxtNomeAlunno.text;
        if (std::string fit = FitName(text); fit != text) text = fit;
    });
    p.hooks.saveAfterTrial = SaveAfterTrial;
    p.hooks.readDefaultProfile = [](Program& prog) { ReadDefaultProfile(prog); };
    p.hooks.showSavePrompt = ShowSavePrompt;
    p.fields.add("FileSalvato", p.state.FileSalvato);
    p.fields.add("SaveFailed", p.state.SaveFailed);
    p.fields.add("PulsantePremuto", p.state.PulsantePremuto);
    p.fields.add("NomeFile", p.state.NomeFile);
}

}  // namespace velondo::storage
