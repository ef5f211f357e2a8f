#include "ui/name_rows.h"

#include <array>
#include <string>

#include "sound/sound.h"
#include "ui/keyboard.h"
#include "ui/toggle.h"

namespace velondo::ui {

namespace {

struct RowDesign {
    ControlArray MainWindow::*labels;
    ControlArray MainWindow::*spellings;
    int code;
    Color text;
    double topOnWhite, topOnBlack;
};

// Sharps and double sharps stand above a white key's natural, flats below it; on a black
// key the names stand in the grey strip, double accidentals on top.
constexpr std::array<RowDesign, kNameRows> kRows = {{
    {&MainWindow::lblNaturaliT, &MainWindow::lblNaturali, 1, classcolor::Natural, 10815, 0},
    {&MainWindow::lblDiesisT, &MainWindow::lblDiesis, 2, classcolor::Sharp, 10500, 8550},
    {&MainWindow::lblBemolliT, &MainWindow::lblBemolli, 4, classcolor::Flat, 11130, 8760},
    {&MainWindow::lblDDiesisT, &MainWindow::lblDDiesis, 8, classcolor::DoubleSharp, 10500, 8340},
    {&MainWindow::lblDBemolliT, &MainWindow::lblDBemolli, 16, classcolor::DoubleFlat, 11130, 8340},
}};
constexpr double kNameWidth = 540, kNameHeight = 330, kBlackNameShift = 105;

struct ButtonDesign {
    const char* caption;  // the sign drawn on the button
    Color captionColor;
    const char* toolTip;
    Color onColor;
    bool onAtDesign;
    double left, top;
};

// Buttons 1 … 7 stand in the third row of the options box, 8 in its second row.
constexpr std::array<ButtonDesign, 8> kButtons = {{
    {"N", Rgb(0, 0, 0), "Mostra nomi note naturali", Rgb(253, 247, 215), true, 9870, 1365},
    {"#", Rgb(255, 0, 0), "Mostra nomi note con diesis", Rgb(255, 192, 192), false, 10412, 1365},
    {"b", Rgb(0, 0, 255), "Mostra nomi note con bemolli", Rgb(192, 192, 255), false, 10954, 1365},
    {"x", Rgb(255, 128, 0), "Mostra nomi note con doppi diesis", Rgb(255, 224, 192), false, 11496,
     1365},
    {"bb", Rgb(0, 128, 128), "Mostra nomi note con doppi bemolli", Rgb(192, 255, 255), false,
     12038, 1365},
    {"Tut", Rgb(0, 0, 0), "Mostra tutti i nomi delle note", kSummaryOnColor, false, 13125, 1365},
    {"Sel", Rgb(0, 0, 0), "Mostra i nomi delle note selezionate", kSummaryOnColor, true, 12580,
     1365},
    {"\u2592", Rgb(96, 96, 96), "Ombreggia tasti e nomi non utilizzati", kShadingOnColor, false,
     11496, 840},
}};
constexpr double kButtonSize = 435;

const ButtonDesign& Button(int i) { return kButtons[static_cast<size_t>(i - 1)]; }
bool IsOn(Program& p, int i) { return p.main.lblVisualizza[i].on; }
void Set(Program& p, int i, bool on) {
    SetToggle(p.main.lblVisualizza[i], p.main.lblSfondi[i], on, Button(i).onColor);
}

void ClickSound(Program& p) {
    if (sound::ProgramNoisesOn(p)) sound::PlaySound(p, sound::players::Click);
}
void ClickSoundUnlessSilent(Program& p) {
    if (!p.state.SilentClicks) ClickSound(p);
}

int TotalShown(const Program& p) {
    try {
        return std::stoi(p.state.TotAlterazioni);
    } catch (...) {
        return 0;
    }
}

void ShowName(Program& p, int row, int k, bool show) {
    RowLabels(p, row)[k].visible = show && HasName(p, row, k);
}

}  // namespace

ControlArray& RowLabels(Program& p, int row) {
    return p.main.*kRows[static_cast<size_t>(row - 1)].labels;
}
ControlArray& RowSpellings(Program& p, int row) {
    return p.main.*kRows[static_cast<size_t>(row - 1)].spellings;
}
int RowCode(int row) { return kRows[static_cast<size_t>(row - 1)].code; }
bool HasName(Program& p, int row, int key) { return !RowSpellings(p, row)[key].caption.empty(); }

constexpr double kNameFont = 9.75, kLongNameFont = 9;  // points
constexpr double kAscent = 0.905;  // of Arial, as a part of the font size

void DesignNameRows(Program& p) {
    for (int r = 1; r <= kNameRows; ++r) {
        const RowDesign& d = kRows[static_cast<size_t>(r - 1)];
        for (int k = 1; k <= 49; ++k) {
            Control& c = RowLabels(p, r)[k];
            c.caption = RowSpellings(p, r)[k].caption;
            const bool black = IsBlackKey(k);
            c.move(black ? KeyLeft(k) - kBlackNameShift : KeyLeft(k),
                   black ? d.topOnBlack : d.topOnWhite, kNameWidth, kNameHeight);
            c.opaque = false;
            c.border = false;
            c.align = Align::Center;
            c.fontName = "Arial";
            c.bold = true;
            c.fontSize = c.caption == "Solbb" ? kLongNameFont : kNameFont;
            // The smaller five-letter name moves down by the difference in ascent, so
            // that it stands on the baseline of its row.
            if (c.caption == "Solbb") c.top += (kNameFont - kLongNameFont) * 20 * kAscent;
            c.foreColor = d.text;
            c.z = kZNames;
            c.visible = r == 1 && HasName(p, r, k);
        }
    }
    p.state.TotAlterazioni = "1";
}

void DesignNameButtons(Program& p) {
    auto& m = p.main;
    for (int i = 1; i <= 8; ++i) {
        const ButtonDesign& d = Button(i);
        for (Control* c : {&m.lblSfondi[i], &m.lblSigle[i], &m.lblVisualizza[i]})
            c->move(d.left, d.top, kButtonSize, kButtonSize);
        m.lblSfondi[i].opaque = true;
        Control& sign = m.lblSigle[i];
        sign.opaque = false;
        sign.caption = d.caption;
        sign.foreColor = d.captionColor;
        sign.fontName = "Arial";
        sign.bold = true;
        sign.fontSize = 9.75;
        sign.align = Align::Center;
        sign.centredVertically = true;
        Control& surface = m.lblVisualizza[i];
        surface.opaque = false;
        surface.border = true;
        surface.toolTip = d.toolTip;
        Set(p, i, d.onAtDesign);
    }
}

void InstallNameButtons(Program& p) {
    p.handlers.add("lblVisualizza", "Click", 1, 8,
                   [](Program& prog, const Event& e) { ClickNameButton(prog, e.index); });
}

void ClickNameButton(Program& p, int i) {
    if (i >= 1 && i <= 5)
        ToggleNameRow(p, i);
    else if (i == 6)
        ShowAllNames(p);
    else if (i == 7)
        ShowSelectedNames(p);
    else if (i == 8)
        ApplyShading(p);
}

void SilentClick(Program& p, int i) {
    const bool before = p.state.SilentClicks;
    p.state.SilentClicks = true;
    ClickNameButton(p, i);
    p.state.SilentClicks = before;
}

void ToggleNameRow(Program& p, int i) {
    ClickSoundUnlessSilent(p);
    const bool shading = IsOn(p, 8);
    int total = TotalShown(p);
    if (IsOn(p, i)) {
        Set(p, i, false);
        for (int k = 1; k <= 49; ++k) ShowName(p, i, k, false);
        total -= RowCode(i);
    } else {
        Set(p, i, true);
        for (int k = 1; k <= 49; ++k) ShowName(p, i, k, !(shading && OutOfRange(p, k)));
        total += RowCode(i);
    }
    p.state.TotAlterazioni = std::to_string(total);
    Set(p, 7, p.state.TotSelezionati == p.state.TotAlterazioni);
    Set(p, 6, total == 31);
}

void ShowAllNames(Program& p) {
    ClickSound(p);  // heard even when replayed
    const bool wasOn = IsOn(p, 6);
    Set(p, 6, !wasOn);
    // Turning all rows off replays only the rows that are on, so a row can never be
    // switched on by it.
    for (int i = 1; i <= 5; ++i)
        if (IsOn(p, i) == wasOn) SilentClick(p, i);
    if (!wasOn && p.state.TotSelezionati != "31") Set(p, 7, false);
}

void ShowSelectedNames(Program& p) {
    ClickSound(p);  // heard even when replayed
    if (IsOn(p, 7)) {
        Set(p, 7, false);
        for (int i = 1; i <= 5; ++i)
            if (IsOn(p, i)) SilentClick(p, i);
        return;
    }
    Set(p, 6, false);
    for (int i = 1; i <= 5; ++i) {
        const bool inPool = p.main.lblVoceOpzioni[5 + i].caption != "0";
        if (inPool != IsOn(p, i)) SilentClick(p, i);
    }
    Set(p, 7, true);
}

void ApplyShading(Program& p) {
    ClickSoundUnlessSilent(p);
    auto& m = p.main;
    if (IsOn(p, 8)) {
        Set(p, 8, false);
        for (int k = 1; k <= 49; ++k) {
            m.ShpTasto[k].fillColor = PlainColor(k);
            for (int r = 1; r <= kNameRows; ++r)
                if (IsOn(p, r)) ShowName(p, r, k, true);
        }
        if (p.state.ColoreIndex == keycolors::ShadedBlack) p.state.ColoreIndex = keycolors::Black;
        if (p.state.ColoreIndex == keycolors::ShadedWhite) p.state.ColoreIndex = keycolors::White;
        return;
    }
    Set(p, 8, true);
    for (int k = 1; k <= 49; ++k) {
        const bool out = OutOfRange(p, k);
        m.ShpTasto[k].fillColor = out ? ShadedColor(k) : PlainColor(k);
        if (out)
            for (int r = 1; r <= kNameRows; ++r)
                if (IsOn(p, r)) ShowName(p, r, k, false);
    }
    if (OutOfRange(p, IndexKey(p))) {
        if (p.state.ColoreIndex == keycolors::White) p.state.ColoreIndex = keycolors::ShadedWhite;
        if (p.state.ColoreIndex == keycolors::Black) p.state.ColoreIndex = keycolors::ShadedBlack;
    }
}

}  // namespace velondo::ui
