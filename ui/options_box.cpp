#include "ui/options_box.h"

#include <array>

#include "notation/notation.h"
#include "sound/sound.h"
#include "ui/clef_table.h"
#include "ui/keyboard.h"
#include "ui/options.h"

namespace velondo::ui {

namespace {

constexpr std::array<int, 8> kClefLine = {0, 2, 1, 2, 3, 4, 3, 4};
constexpr std::array<Option, 4> kPanelGroup = {Option::ClefTable, Option::Results, Option::Exit,
                                               Option::Help};

int ClefNumberOf(const std::string& text) {
    auto clef = notation::ClefFromText(text);
    return clef ? clef->value : 0;
}

bool On(const Program& p, Option o) { return p.main.isOn(o); }

void ClickSound(Program& p) {
    if (sound::ProgramNoisesOn(p)) sound::PlaySound(p, sound::players::Click);
}

void ShowAll(ControlArray& a, bool show) {
    for (int i = a.lo(); i <= a.hi(); ++i) a[i].visible = show;
}

void HideKeyboardMarkers(Program& p) { ShowAll(p.main.ShpVerticale, false); }
void ShowBarLines(Program& p, bool show) { ShowAll(p.main.ShpBattute, show); }
void ShowNameBoxes(Program& p, bool show) {
    ShowAll(p.main.lblNomeNota, show);
    p.main.ShpCollegamento.visible = show;
}

void KeyBorders(Program& p, bool border) {
    for (int k = 1; k <= 49; ++k) p.main.lblTasto[k].border = border;
}

// The key left green by "anche nel rilascio" gets its own colour back.
void RepaintIndexKey(Program& p) { p.main.ShpTasto[IndexKey(p)].fillColor = p.state.ColoreIndex; }

void ToggleWhilePressed(Program& p) {
    if (On(p, Option::HighlightWhilePressed)) {
        options::Set(p, Option::HighlightWhilePressed, false);
        return;
    }
    options::Set(p, Option::HighlightWhilePressed, true);
    options::Set(p, Option::HighlightAfterRelease, false);
    RepaintIndexKey(p);
}

void ToggleAfterRelease(Program& p) {
    if (On(p, Option::HighlightAfterRelease)) {
        options::Set(p, Option::HighlightAfterRelease, false);
        RepaintIndexKey(p);
        return;
    }
    options::Set(p, Option::HighlightAfterRelease, true);
    options::Set(p, Option::HighlightWhilePressed, false);
}

void OpenClefTable(Program& p) {
    p.state.ChiaveScelta2 = p.state.ChiaveScelta;
    SelectClefButton(p, ClefNumberOf(p.state.ChiaveScelta2));
    OpenInGroup(p, Option::ClefTable);
    if (On(p, Option::StaffLine))
        ShowReferenceLine(p);
    else
        ShowAll(p.main.ShpLineaNota2, false);
    FillClefTable(p);
}

// The option's own action; the click sound follows in OptionClick.
void OptionAction(Program& p, Option o) {
    const bool turnOn = !On(p, o);
    switch (o) {
        case Option::StaffLine:
            options::Set(p, o, turnOn);
            if (turnOn)
                ShowReferenceLine(p);
            else
                HideReferenceLines(p);
            break;
        case Option::KeyboardLine:
            options::Set(p, o, turnOn);
            if (turnOn)
                notation::ShowReferenceKey(p);
            else
                HideKeyboardMarkers(p);
            break;
        case Option::BarLines:
            options::Set(p, o, turnOn);
            ShowBarLines(p, turnOn);
            break;
        case Option::PositionMarks:
            options::Set(p, o, turnOn);
            ShowNameBoxes(p, turnOn);
            break;
        case Option::HighlightWhilePressed: ToggleWhilePressed(p); break;
        case Option::HighlightAfterRelease: ToggleAfterRelease(p); break;
        case Option::KeyMovement:
            options::Set(p, o, turnOn);
            KeyBorders(p, turnOn);
            break;
        case Option::ClefTable:
            if (turnOn)
                OpenClefTable(p);
            else
                CloseInGroup(p, o);
            break;
        default:  // the sound gates are plain toggles
            options::Set(p, o, turnOn);
            break;
    }
}

// Every option of the box: its action, then the click unless the program replays it.
// Read after the action: switching the noises off is silent, switching them on is heard.
void OptionClick(Program& p, Option o) {
    OptionAction(p, o);
    if (!p.state.SilentClicks) ClickSound(p);
}

// "Help" clicks on opening and closing, replayed or not.
void HelpClick(Program& p) {
    if (On(p, Option::Help))
        CloseInGroup(p, Option::Help);
    else
        OpenInGroup(p, Option::Help);
    ClickSound(p);
}

}  // namespace

Panel PanelOf(Option o) {
    switch (o) {
        case Option::Results: return Panel::Results;
        case Option::Exit: return Panel::Exit;
        case Option::Help: return Panel::Help;
        default: break;
    }
    return Panel::ClefTable;
}

void OpenInGroup(Program& p, Option o) {
    MainWindow& m = p.main;
    for (Option other : kPanelGroup) {
        if (other == o) continue;
        m.panel(PanelOf(other)).visible = false;
        options::Set(p, other, false);
    }
    options::Set(p, o, true);
    m.panel(PanelOf(o)).visible = true;
}

void CloseInGroup(Program& p, Option o) {
    MainWindow& m = p.main;
    options::Set(p, o, false);
    m.panel(PanelOf(o)).visible = false;
    if ((o == Option::Results || o == Option::Exit) && m.lblQuando.visible) {
        m.lblQuando.visible = false;
        m.fraLogo.visible = false;
    }
}

int ClefReferenceLine(int clef) {
    return clef >= 1 && clef <= 7 ? kClefLine[static_cast<size_t>(clef)] : 0;
}

void ShowReferenceLine(Program& p) {
    MainWindow& m = p.main;
    ShowAll(m.ShpLineaNota, false);
    ShowAll(m.ShpLineaNota2, false);
    if (int n = ClefReferenceLine(ClefNumberOf(p.state.ChiaveScelta)))
        m.ShpLineaNota[n].visible = true;
    m.lblTonoChiave.visible = true;
    if (int n = ClefReferenceLine(ClefNumberOf(p.state.ChiaveScelta2)))
        m.ShpLineaNota2[n].visible = true;
    m.lblTonoChiave2.visible = true;
    ShowAll(m.lblLineaDel, true);
    m.lblVarie[kTableWordDel].visible = true;
    m.lblVarie[kTableWordLinea].visible = true;
}

void HideReferenceLines(Program& p) {
    MainWindow& m = p.main;
    ShowAll(m.ShpLineaNota, false);
    ShowAll(m.ShpLineaNota2, false);
    ShowAll(m.lblLineaDel, false);
    m.lblTonoChiave.visible = false;
    m.lblTonoChiave2.visible = false;
    m.lblVarie[kTableWordDel].visible = false;
    m.lblVarie[kTableWordLinea].visible = false;
}

void SyncOptionButtons(Program& p) {
    for (Option o : {Option::StaffLine, Option::KeyboardLine, Option::BarLines,
                     Option::PositionMarks, Option::HighlightWhilePressed, Option::KeyMovement,
                     Option::HighlightAfterRelease, Option::ProgramNoises, Option::KeyboardSounds,
                     Option::ErrorVoice, Option::AutoSave, Option::NamedSave})
        options::Set(p, o, On(p, o));
    if (!On(p, Option::StaffLine)) HideReferenceLines(p);
    if (!On(p, Option::KeyboardLine)) HideKeyboardMarkers(p);
    if (!On(p, Option::BarLines)) ShowBarLines(p, false);
    if (!On(p, Option::PositionMarks)) ShowNameBoxes(p, false);
    // The shading is applied afresh: set off, then its click replayed in silence.
    if (On(p, Option::Shading)) {
        options::Set(p, Option::Shading, false);
        options::SilentClick(p, Option::Shading);
    }
}

void InstallOptionsBox(Program& p) {
    p.hooks.syncOptionButtons = SyncOptionButtons;
    for (Option o :
         {Option::StaffLine, Option::KeyboardLine, Option::BarLines, Option::PositionMarks,
          Option::HighlightWhilePressed, Option::KeyMovement, Option::HighlightAfterRelease,
          Option::ProgramNoises, Option::KeyboardSounds, Option::ErrorVoice, Option::ClefTable})
        options::Own(p, o, [o](Program& prog) { OptionClick(prog, o); });
    options::Own(p, Option::Help, HelpClick);
}

}  // namespace velondo::ui
