#include "ui/options_box.h"

#include <array>

#include "notation/notation.h"
#include "sound/sound.h"
#include "ui/clef_table.h"
#include "ui/keyboard.h"
#include "ui/name_rows.h"
#include "ui/toggle.h"

namespace velondo::ui {

namespace {

constexpr std::array<int, 8> kClefLine = {0, 2, 1, 2, 3, 4, 3, 4};
constexpr std::array<PanelButton, 3> kPanelButtons = {PanelButton::Help, PanelButton::Dati,
                                                      PanelButton::Esci};

Control& Surface(Program& p, int i) { return p.main.lblVisualizzaB[i]; }
Control& Square(Program& p, int i) { return p.main.lblSfondiB[i]; }
Control& Surface(Program& p, PanelButton b) { return p.main.lblVisualizza[static_cast<int>(b)]; }
Control& Square(Program& p, PanelButton b) { return p.main.lblSfondi[static_cast<int>(b)]; }

int ClefNumberOf(const std::string& text) {
    auto clef = notation::ClefFromText(text);
    return clef ? clef->value : 0;
}

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
void RepaintIndexKey(Program& p) {
    p.main.ShpTasto[IndexKey(p)].fillColor = p.state.ColoreIndex;
}

void ToggleOnlyWhilePressed(Program& p) {
    if (OptionOn(p, option::OnlyWhilePressed)) {
        SetOption(p, option::OnlyWhilePressed, false);
        return;
    }
    SetOption(p, option::OnlyWhilePressed, true);
    SetOption(p, option::AlsoOnRelease, false);
    RepaintIndexKey(p);
}

void ToggleAlsoOnRelease(Program& p) {
    if (OptionOn(p, option::AlsoOnRelease)) {
        SetOption(p, option::AlsoOnRelease, false);
        RepaintIndexKey(p);
        return;
    }
    SetOption(p, option::AlsoOnRelease, true);
    SetOption(p, option::OnlyWhilePressed, false);
}

// The option's own action; returns nothing, the click sound follows in ClickOption.
void OptionAction(Program& p, int i) {
    const bool turnOn = !OptionOn(p, i);
    switch (i) {
        case option::StaffLine:
            SetOption(p, i, turnOn);
            if (turnOn)
                ShowReferenceLine(p);
            else
                HideReferenceLines(p);
            break;
        case option::KeyboardLine:
            SetOption(p, i, turnOn);
            if (turnOn)
                notation::ShowReferenceKey(p);
            else
                HideKeyboardMarkers(p);
            break;
        case option::BarLines:
            SetOption(p, i, turnOn);
            ShowBarLines(p, turnOn);
            break;
        case option::NameBoxes:
            SetOption(p, i, turnOn);
            ShowNameBoxes(p, turnOn);
            break;
        case option::OnlyWhilePressed: ToggleOnlyWhilePressed(p); break;
        case option::AlsoOnRelease: ToggleAlsoOnRelease(p); break;
        case option::KeyMovement:
            SetOption(p, i, turnOn);
            KeyBorders(p, turnOn);
            break;
        case option::ProgramNoises:
        case option::KeyboardSounds:
        case option::ErrorVoice: SetOption(p, i, turnOn); break;
        case option::ClefTable:
            if (turnOn)
                OpenClefTable(p);
            else
                CloseClefTable(p);
            break;
        default: break;
    }
}

void ClickHelpButton(Program& p) {
    if (PanelButtonOn(p, PanelButton::Help)) return ClickToClose(p, PanelButton::Help);
    OpenPanelButton(p, PanelButton::Help);
    ClickSound(p);
}

}  // namespace

int PanelOf(PanelButton b) {
    switch (b) {
        case PanelButton::Help: return 8;
        case PanelButton::Dati: return 4;
        case PanelButton::Esci: break;
    }
    return 7;
}

Color OptionOnColor(int i) {
    if (i <= option::KeyboardLine) return optioncolor::Line;
    if (i <= option::NameBoxes) return optioncolor::Staff;
    if (i <= option::AlsoOnRelease) return optioncolor::Keys;
    if (i <= option::ErrorVoice) return optioncolor::Sound;
    return optioncolor::Panel;
}

bool OptionOn(const Program& p, int i) { return IsOn(p.main.lblVisualizzaB[i]); }

void SetOption(Program& p, int i, bool on) {
    SetToggle(Surface(p, i), Square(p, i), on, OptionOnColor(i));
}

void ClickOption(Program& p, int i) {
    if (i < option::First || i > option::Last) return;
    OptionAction(p, i);
    // Read after the action: switching the noises off is silent, switching them on is heard.
    if (!p.state.SilentClicks) ClickSound(p);
}

void SilentClickOption(Program& p, int i) {
    const bool before = p.state.SilentClicks;
    p.state.SilentClicks = true;
    ClickOption(p, i);
    p.state.SilentClicks = before;
}

int ClefReferenceLine(int clef) {
    return clef >= 1 && clef <= 7 ? kClefLine[static_cast<size_t>(clef)] : 0;
}

void ShowReferenceLine(Program& p) {
    MainWindow& m = p.main;
    ShowAll(m.ShpLineaNota, false);
    ShowAll(m.ShpLineaNota2, false);
    if (int n = ClefReferenceLine(ClefNumberOf(p.state.ChiaveScelta))) m.ShpLineaNota[n].visible = true;
    m.lblTonoChiave.visible = true;
    if (int n = ClefReferenceLine(ClefNumberOf(p.state.ChiaveScelta2))) m.ShpLineaNota2[n].visible = true;
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

bool PanelButtonOn(const Program& p, PanelButton b) {
    return IsOn(p.main.lblVisualizza[static_cast<int>(b)]);
}

void OpenPanelButton(Program& p, PanelButton b) {
    MainWindow& m = p.main;
    SetOn(Surface(p, b), Square(p, b), optioncolor::Panel);
    m.FraSpiegazioni[PanelOf(b)].visible = true;
    for (PanelButton other : kPanelButtons) {
        if (other == b) continue;
        m.FraSpiegazioni[PanelOf(other)].visible = false;
        SetOff(Surface(p, other), Square(p, other));
    }
    m.FraSpiegazioni[kClefTablePanel].visible = false;
    SetOption(p, option::ClefTable, false);
}

void ClosePanelButton(Program& p, PanelButton b) {
    MainWindow& m = p.main;
    SetOff(Surface(p, b), Square(p, b));
    m.FraSpiegazioni[PanelOf(b)].visible = false;
    if (b != PanelButton::Help && m.lblQuando.visible) {
        m.lblQuando.visible = false;
        m.fraLogo.visible = false;
    }
}

void ClickToClose(Program& p, PanelButton b) {
    ClosePanelButton(p, b);
    ClickSound(p);
}

void OpenClefTable(Program& p) {
    MainWindow& m = p.main;
    SetOption(p, option::ClefTable, true);
    p.state.ChiaveScelta2 = p.state.ChiaveScelta;
    SelectClefButton(p, ClefNumberOf(p.state.ChiaveScelta2));
    for (PanelButton b : kPanelButtons) {
        m.FraSpiegazioni[PanelOf(b)].visible = false;
        SetOff(Surface(p, b), Square(p, b));
    }
    if (OptionOn(p, option::StaffLine))
        ShowReferenceLine(p);
    else
        ShowAll(m.ShpLineaNota2, false);
    FillClefTable(p);
    m.FraSpiegazioni[kClefTablePanel].visible = true;
}

void CloseClefTable(Program& p) {
    SetOption(p, option::ClefTable, false);
    p.main.FraSpiegazioni[kClefTablePanel].visible = false;
}

void SyncOptionButtons(Program& p) {
    MainWindow& m = p.main;
    for (int i = option::StaffLine; i <= option::ErrorVoice; ++i) SetOption(p, i, OptionOn(p, i));
    if (!OptionOn(p, option::StaffLine)) HideReferenceLines(p);
    if (!OptionOn(p, option::KeyboardLine)) HideKeyboardMarkers(p);
    if (!OptionOn(p, option::BarLines)) ShowBarLines(p, false);
    if (!OptionOn(p, option::NameBoxes)) ShowNameBoxes(p, false);
    for (int i = 0; i <= 1; ++i) SetToggle(m.lblSave[i], m.lblSfondoSave[i], IsOn(m.lblSave[i]), optioncolor::Save);
    // The shading is applied afresh: set off, then its click replayed in silence.
    const bool before = p.state.SilentClicks;
    p.state.SilentClicks = true;
    if (IsOn(m.lblVisualizza[8])) {
        SetOff(m.lblVisualizza[8], m.lblSfondi[8]);
        ui::SilentClick(p, 8);
    }
    p.state.SilentClicks = before;
}

void InstallOptionsBox(Program& p) {
    p.hooks.syncOptionButtons = SyncOptionButtons;
    p.handlers.add("lblVisualizzaB", "Click", option::First, option::Last,
                   [](Program& prog, const Event& e) { ClickOption(prog, e.index); });
    p.handlers.add("lblVisualizza", "Click", 9, 9,
                   [](Program& prog, const Event&) { ClickHelpButton(prog); });
}

}  // namespace velondo::ui
