#include "ui/name_rows.h"

#include <array>
#include <string>

#include "core/text_number.h"
#include "notation/notation.h"
#include "sound/sound.h"
#include "ui/keyboard.h"
#include "ui/options.h"

namespace velondo::ui {

namespace {

struct RowDesign {
    ControlArray MainWindow::*labels;
    ControlArray MainWindow::*spellings;
    double topOnWhite, topOnBlack;
};

// Sharps and double sharps stand above a white key's natural, flats below it; on a black
// key the names stand in the grey strip, double accidentals on top.
constexpr std::array<RowDesign, kNameRows> kRows = {{
    {&MainWindow::lblNaturaliT, &MainWindow::lblNaturali, 10815, 0},
    {&MainWindow::lblDiesisT, &MainWindow::lblDiesis, 10500, 8550},
    {&MainWindow::lblBemolliT, &MainWindow::lblBemolli, 11130, 8760},
    {&MainWindow::lblDDiesisT, &MainWindow::lblDDiesis, 10500, 8340},
    {&MainWindow::lblDBemolliT, &MainWindow::lblDBemolli, 11130, 8340},
}};
constexpr double kNameWidth = 540, kNameHeight = 330, kBlackNameShift = 105;

// Row r shows the names of spelling class r.
const notation::SpellingClassFacts& RowFacts(int row) {
    return notation::Facts(static_cast<notation::Spelling>(row - 1));
}

bool IsOn(const Program& p, int i) { return p.main.isOn(NameButton(i)); }
void Set(Program& p, int i, bool on) { options::Set(p, NameButton(i), on); }
// A click of the program's own on name button i, without its click sound.
void SilentClick(Program& p, int i) { options::SilentClick(p, NameButton(i)); }

void ClickSound(Program& p) {
    if (sound::ProgramNoisesOn(p)) sound::PlaySound(p, sound::players::Click);
}
void ClickSoundUnlessSilent(Program& p) {
    if (!p.state.SilentClicks) ClickSound(p);
}

int TotalShown(const Program& p) { return NumberOf(p.state.TotAlterazioni).value_or(0); }

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
int RowCode(int row) { return RowFacts(row).rowCode; }
bool HasName(Program& p, int row, int key) { return !RowSpellings(p, row)[key].caption.empty(); }

constexpr double kNameFont = 9.75, kLongNameFont = 9;  // points
constexpr double kAscent = 0.905;                      // of Arial, as a part of the font size

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
            c.foreColor = RowFacts(r).colour;
            c.z = kZNames;
            c.visible = r == 1 && HasName(p, r, k);
        }
    }
    p.state.TotAlterazioni = "1";
}

void InstallNameButtons(Program& p) {
    options::Own(p, Option::NaturalNames, [](Program& prog) { ToggleNameRow(prog, 1); });
    options::Own(p, Option::SharpNames, [](Program& prog) { ToggleNameRow(prog, 2); });
    options::Own(p, Option::FlatNames, [](Program& prog) { ToggleNameRow(prog, 3); });
    options::Own(p, Option::DoubleSharpNames, [](Program& prog) { ToggleNameRow(prog, 4); });
    options::Own(p, Option::DoubleFlatNames, [](Program& prog) { ToggleNameRow(prog, 5); });
    options::Own(p, Option::AllNames, ShowAllNames);
    options::Own(p, Option::SelectedNames, ShowSelectedNames);
    options::Own(p, Option::Shading, ApplyShading);
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
