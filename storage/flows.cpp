#include "storage/flows.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string>

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
#include "ui/toggle.h"

namespace velondo::storage {
namespace {

using exercise::kAccidentalsPanel;
using exercise::kClefPanel;
using exercise::kNamePanel;
constexpr int kRangePanel = 2;

constexpr int kHeading = 0;
constexpr int kOptionText0 = 0;  // lblSpiegazione(1 … 3): the texts of the three options
constexpr int kNote = 4;
constexpr int kSquare0 = 4;      // lblSpiegazione(5 … 7): the colour square beside option i
constexpr int kSignalKey = 41;   // piano sample played as a signal by the flows

constexpr Color kNoisesOnColor = Rgb(255, 192, 192);  // "Rumori del programma" when on
constexpr Color kSaveModeOn = Rgb(255, 224, 192);     // &H00C0E0FF
constexpr Color kAnswerPressed = Rgb(255, 128, 128);  // darker than the prompt's pink
constexpr int kExitButton = 11;                       // "Esci" of the options box
constexpr int kAutoSave = 0, kNamedSave = 1;          // lblSave: "SA", "ScN"

void Show(Program& p, int panel, bool visible) { p.main.FraSpiegazioni[panel].visible = visible; }

bool EqualsIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
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
void ClosePanel(Program& p, Control& surface, Control& square, int panel) {
    if (!ui::IsOn(surface)) return;
    ui::SetOff(surface, square);
    Show(p, panel, false);
}

}  // namespace

void RangeOk(Program& p) {
    auto& s = p.state;
    p.main.lblVoceOpzioni[0].caption = s.PiuAcuta;
    p.main.lblVoceOpzioni[1].caption = s.PiuGrave;
    p.main.lblVoceOpzioni[2].caption =
        std::to_string(s.EstensioneIntervallo) + exercise::IntervalSuffixField(p);
    exercise::ConfirmRange(p);
    exercise::ShowAccidentalChoices(p);
    Show(p, kAccidentalsPanel, true);
    Show(p, kRangePanel, false);
    Noise(p, sound::players::Tic);
}

void AccidentalsOk(Program& p, bool replayed) {
    exercise::ConfirmAccidentals(p, replayed);
    if (!replayed)
        p.main.lblSpiegazione[exercise::kPanelFiveExplanation].caption =
            exercise::PanelFiveText(exercise::kMinNotes);
    Noise(p, sound::players::Tic);
    Show(p, kNamePanel, true);
    FocusNameBox(p);
    Show(p, kAccidentalsPanel, false);
}

void PractiseCurrentProfile(Program& p) {
    auto& m = p.main;
    p.state.PulsantePremuto = 1;
    drill::ResetExercise(p);
    // The replayed steps are silent: the option is switched off for them without a click.
    const bool noises = ui::IsOn(m.lblVisualizzaB[10]);
    if (noises) ui::SetOff(m.lblVisualizzaB[10], m.lblSfondiB[10]);
    exercise::RepeatClef(p);
    RangeOk(p);
    AccidentalsOk(p, true);
    drill::CloseResultsPanel(p);
    ClosePanel(p, m.lblVisualizza[11], m.lblSfondi[11], 7);   // exit question
    ClosePanel(p, m.lblVisualizzaB[13], m.lblSfondiB[13], 6);  // clef table
    m.ImgVarie[6].visible = false;
    if (noises) ui::SetOn(m.lblVisualizzaB[10], m.lblSfondiB[10], kNoisesOnColor);

    m.lblSpiegazione[exercise::kPanelFiveExplanation].caption =
        exercise::PanelFiveText(exercise::SelectedNoteCount(p));
    Show(p, kNamePanel, true);
    FocusNameBox(p);
    Show(p, kMainPanel, false);
    Noise(p, sound::Piano(kSignalKey));
}

bool UnsavedResults(const Program& p) {
    // A results board that is only in memory: after a trial on a saved profile without "SA",
    // or after a write that failed. The prompt guards it while "ScN" is on, and whatever
    // the toggles say when the last write failed.
    return !p.state.FileSalvato && (ui::IsOn(p.main.lblSave[kNamedSave]) || p.state.SaveFailed);
}

void CreateProfile(Program& p) {
    p.state.PulsantePremuto = 2;
    if (UnsavedResults(p))
        ShowSavePrompt(p, texts::CreateMessage);
    else
        StartNewProfile(p);
}

void LoadProfileOption(Program& p) {
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
    std::optional<std::vector<FieldValue>> values = CheckProfile(p, WithExampleFallback(p, candidate));
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
    Show(p, kSavePromptPanel, false);
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
    if (file.size() < 4 || !EqualsIgnoringCase(file.substr(file.size() - 4), ".txt")) path += ".txt";
    Show(p, kSavePromptPanel, false);
    if (!SaveProfileAs(p, path)) {
        // Nothing was saved: the prompt comes back so that another name can be tried.
        Show(p, kSavePromptPanel, true);
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
    Show(p, kSavePromptPanel, true);
}

void SavePromptAnswer(Program& p, int index) {
    auto& s = p.state;
    if (index == 0) {
        Noise(p, sound::players::Click);
        SaveAsFlow(p);
        return;
    }
    if (s.ExitPending) {
        Noise(p, sound::players::Click);
        Show(p, kSavePromptPanel, false);
        Run(p.hooks.farewell, p);
    } else if (s.PulsantePremuto != 2) {
        Show(p, kSavePromptPanel, false);
        LoadProfileFlow(p);
    } else {
        // The unsaved results are dropped.
        Show(p, kSavePromptPanel, false);
        StartNewProfile(p);
    }
}

void SaveModeClick(Program& p, int index) {
    auto& m = p.main;
    const int other = 1 - index;
    if (ui::IsOn(m.lblSave[index])) {
        ui::SetOff(m.lblSave[index], m.lblSfondoSave[index]);
    } else {
        ui::SetOn(m.lblSave[index], m.lblSfondoSave[index], kSaveModeOn);
        ui::SetOff(m.lblSave[other], m.lblSfondoSave[other]);
    }
    Noise(p, sound::players::Click);
}

void SaveAfterTrial(Program& p) {
    auto& s = p.state;
    if (s.NomeFile.empty()) {
        // A default profile that could not be written is guarded like unsaved results.
        const bool ok = WriteDefaultProfile(p);
        s.FileSalvato = ok;
        s.SaveFailed = !ok;
    } else if (ui::IsOn(p.main.lblSave[kAutoSave])) {
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
    m.lblVisualizza[kExitButton].enabled = false;
    m.lblSigle[kExitButton].enabled = false;
    Show(p, kClefPanel, true);
    Show(p, kMainPanel, false);
}

void DesignMainPanel(Program& p) {
    using namespace exercise;
    auto& m = p.main;
    constexpr int P = kMainPanel;
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

void DesignSavePrompt(Program& p) {
    using namespace exercise;
    auto& m = p.main;
    Control& panel = m.FraSpiegazioni[kSavePromptPanel];
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
        Control& square = m.lblSfondoAttenzioneSalva[i];
        square.parent = &panel;
        square.move(left, top, width, height);
        square.opaque = true;
        square.backColor = colors::White;
        Control& button = m.lblAttenzioneSalva[i];
        button.parent = &panel;
        button.move(left, top + 90, width, height - 90);
        button.caption = answers[i];
        button.bold = true;
        button.fontSize = 15.75;
        button.align = Align::Center;
        button.border = true;
        button.on = false;
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
    h.add("lblSave", "Click", 0, 1, [](Program& prog, const Event& e) { SaveModeClick(prog, e.index); });
    h.add("lblAttenzioneSalva", "Click", 0, 1,
          [](Program& prog, const Event& e) { SavePromptAnswer(prog, e.index); });
    h.add("lblAttenzioneSalva", "MouseDown", 0, 1, [](Program& prog, const Event& e) {
        ui::SetOn(prog.main.lblAttenzioneSalva[e.index], prog.main.lblSfondoAttenzioneSalva[e.index],
                  kAnswerPressed);
    });
    h.add("lblAttenzioneSalva", "MouseUp", 0, 1, [](Program& prog, const Event& e) {
        ui::SetOff(prog.main.lblAttenzioneSalva[e.index], prog.main.lblSfondoAttenzioneSalva[e.index]);
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
        if (prog.main.FraSpiegazioni[kClefPanel].visible)
            prog.call("Command4", "Click");
        else if (prog.main.FraSpiegazioni[kAccidentalsPanel].visible)
            prog.call("cmdPulsante4", "Click");
    });
    p.fields.add("PulsantePremuto", p.state.PulsantePremuto);
    p.fields.add("NomeFile", p.state.NomeFile);
}

}  // namespace velondo::storage
