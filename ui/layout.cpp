#include "ui/layout.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "notation/notation.h"
#include "ui/keyboard.h"
#include "ui/options_box.h"
#include "ui/toggle.h"

namespace velondo::ui {

namespace {

struct Rect {
    double left, top, width, height;
};

// --- top panel ------------------------------------------------------------
constexpr Rect kTopPanel{60, 105, 15240, 2070};
constexpr Rect kRangeBox{210, 210, 1170, 1695};
constexpr Rect kSummaryBox{1470, 210, 4320, 1695};
constexpr Rect kLogoBox{5880, 210, 3585, 1695};
constexpr Rect kOptionsBox{9555, 210, 4320, 1695};
constexpr Rect kOptionsColumn{13965, 210, 1170, 1680};

// Settings summary: captions in two columns, each value beside its caption.
struct SummaryRow {
    const char* caption;
    double left, top, captionWidth, valueWidth;
};
constexpr double kSummaryRowHeight = 255;
constexpr std::array<SummaryRow, 11> kSummary = {{
    {"Nota più acuta:", 1560, 600, 1290, 900},
    {"Nota più grave:", 1560, 855, 1290, 900},
    {"Intervallo:", 1560, 1110, 1290, 900},
    {"Chiave:", 1560, 1365, 1290, 1290},
    {"", 1560, 1620, 0, 0},  // no caption: its value is not used
    {"Note differenti:", 1560, 1620, 1290, 900},
    {"Naturali:", 4170, 600, 1260, 330},
    {"Diesis:", 4170, 855, 1260, 330},
    {"Bemolli:", 4170, 1110, 1260, 330},
    // The longest caption, "Doppi Bemolli:", needs about 1160 of these 1260: the rest is the
    // gap before its value (three digits at most).
    {"Doppi Diesis:", 4170, 1365, 1260, 330},
    {"Doppi Bemolli:", 4170, 1620, 1260, 330},
}};

constexpr std::array<const char*, 3> kCredits = {
    "Velondo 7 · le note in sette chiavi",
    "Violino, Soprano, Mezzosoprano, Contralto,",
    "Tenore, Baritono e Basso",
};

// --- the window, top panel, logo --------------------------------------------------------
void Box(Control& c, const Rect& r, Color fill, int borderWidth) {
    c.move(r.left, r.top, r.width, r.height);
    c.filled = true;
    c.fillColor = fill;
    c.backColor = fill;
    c.border = borderWidth > 0;
    c.borderWidth = borderWidth > 0 ? borderWidth : 1;
    c.borderColor = colors::Black;
}

void DesignTopPanel(MainWindow& m) {
    Box(m.ShpPannelloAlto, kTopPanel, colors::PanelGrey, 2);
    Box(m.ShpRiquadroEstensione, kRangeBox, colors::White, 1);
    Box(m.ShpRiquadroRiepilogo, kSummaryBox, colors::White, 1);
    Box(m.ShpRiquadroLogo, kLogoBox, colors::Cream, 1);
    Box(m.ShpRiquadroOpzioni, kOptionsBox, colors::WindowBack, 1);
    Box(m.ShpRiquadroOpzioniDestra, kOptionsColumn, colors::WindowBack, 1);

    m.ImgChiavePiccola.move(525, 630, 330, 855);

    for (int i = 0; i <= 10; ++i) {
        const SummaryRow& r = kSummary[static_cast<size_t>(i)];
        Control& caption = m.lblOpzioni[i];
        caption.move(r.left, r.top, r.captionWidth, kSummaryRowHeight);
        caption.caption = r.caption;
        caption.fontSize = 9;
        caption.visible = i != 4;
        caption.wordWrap = false;  // one line each, whatever the font
        Control& value = m.lblVoceOpzioni[i];
        value.move(r.left + r.captionWidth, r.top, r.valueWidth, kSummaryRowHeight);
        value.fontSize = 9;
        value.bold = true;
        value.visible = i != 4;
        value.wordWrap = false;
    }
    Control& title = m.lblVoceOpzioni[11];
    title.move(kSummaryBox.left + 60, 270, kSummaryBox.width - 120, 285);
    title.fontSize = 9.75;
    title.bold = true;
    title.foreColor = colors::DarkRed;
    title.align = Align::Center;

    m.ImgVarie[6].move(6390, 255, 2565, 1065);
    for (int i = 0; i < 3; ++i) {
        Control& line = m.lblTitolo[i];
        line.move(kLogoBox.left + 60, 1335 + 180.0 * i, kLogoBox.width - 120, 180);
        line.caption = kCredits[static_cast<size_t>(i)];
        line.fontSize = 7.5;
        line.italic = i > 0;
        line.foreColor = colors::Brown;
        line.align = Align::Center;
    }
}

// --- staff area ---------------------------------------------------------------------------
constexpr Rect kStaffArea{60, 1995, 15240, 6315};
constexpr double kSlotStep = 1050;
constexpr std::array<double, 13> kHighlightLeft = {1215, 2260, 3310,  4360,  5410,  6460, 7510,
                                                   8565, 9610, 10650, 11710, 12750, 13815};
constexpr double kStaffTop = 4410, kLineSpacing = 315, kStaffHeight = 1275;
constexpr double kStaffLeft = 210, kStaffRight = 15030;

void Line(Control& c, double left, double top, double width, double height, int thickness,
          Color colour) {
    c.move(left, top, width, height);
    c.borderWidth = thickness;
    c.borderColor = colour;
}

void DesignStaff(Program& p) {
    MainWindow& m = p.main;
    Box(m.ShpPentagrammaGrande, kStaffArea, colors::White, 2);
    m.ImgChiave.move(315, 3780, 780, 2535);

    for (int s = 1; s <= 13; ++s) {
        m.ImgNota[s].move(1260 + kSlotStep * (s - 1), 2205, 960, 5685);
        m.ImgNota[s].visible = false;

        Control& frame = m.ShpEvidenzia[s];
        frame.move(kHighlightLeft[static_cast<size_t>(s - 1)], 2205, 1065, 5790);
        frame.filled = false;
        frame.border = true;
        frame.borderWidth = 4;
        frame.borderColor = colors::Green;
        frame.visible = false;

        Control& name = m.lblNomeNota[s];
        name.move(1365 + kSlotStep * (s - 1), 7800, 750, 330);
        name.opaque = true;
        name.backColor = colors::Cream;
        name.border = true;
        name.bold = true;
        name.fontSize = 11.25;
        name.align = Align::Center;
    }
    // Lines counted from the bottom, like the clefs' reference lines.
    for (int n = 1; n <= 5; ++n)
        Line(m.LinRigo[n], kStaffLeft, kStaffTop + kLineSpacing * (5 - n), kStaffRight - kStaffLeft,
             0, 2, colors::Black);
    Line(m.LinFine[1], 210, kStaffTop, 0, kStaffHeight, 2, colors::Black);
    Line(m.LinFine[2], 14870, kStaffTop, 0, kStaffHeight, 2, colors::Black);
    Line(m.LinFine[3], 15015, kStaffTop, 0, kStaffHeight, 6, colors::Black);
    for (int b = 1; b <= 12; ++b)
        Line(m.ShpBattute[b], 2265 + kSlotStep * (b - 1), kStaffTop, 0, kStaffHeight, 2,
             colors::Black);

    const auto chosen = notation::ClefFromText(p.state.ChiaveScelta);
    const size_t clef = chosen ? static_cast<size_t>(chosen->value) : 0;
    for (int n = 1; n <= 4; ++n) {
        Line(m.ShpLineaNota[n], kStaffLeft, kStaffTop + kLineSpacing * (5 - n),
             kStaffRight - kStaffLeft, 0, 2, colors::Purple);
        m.ShpLineaNota[n].visible = ClefReferenceLine(static_cast<int>(clef)) == n;
    }
    const std::array<const char*, 2> words = {"Linea", "del"};
    for (int i = 0; i <= 1; ++i) {
        Control& w = m.lblLineaDel[i];
        w.move(295, 6480 + 195.0 * i, 820, 210);
        w.caption = words[static_cast<size_t>(i)];
        w.foreColor = colors::Purple;
        w.fontSize = 9;
        w.align = Align::Center;
        w.keepsFontOnScale = true;
    }
    Control& tono = m.lblTonoChiave;
    tono.move(295, 6870, 820, 300);
    // The caption is the clef's sign (the field TonoChiave); the clef choice changes it.
    const notation::ClefNumber shown{clef == 0 ? 1 : static_cast<int>(clef)};
    tono.caption = std::string(notation::Clef(shown).sign);
    tono.foreColor = colors::Purple;
    tono.bold = true;
    tono.fontSize = 12;
    tono.align = Align::Center;

    Line(m.ShpCollegamento, 1680, 7985, 14400 - 1680, 0, 1, colors::Black);
}

// --- keyboard band ------------------------------------------------------------------------
// Keyboard reference markers: DO, FA and SOL of each octave (markers 0, 3, … are the DOs).
constexpr std::array<int, 3> kMarkerKey = {1, 6, 8};

void DesignKeyboardBand(MainWindow& m) {
    Box(m.ShpStriscia, {60, 8295, 15240, 750}, colors::PanelGrey, 0);
    for (int k = 1; k <= 49; ++k) {
        m.ShpTasto[k].move(KeyLeft(k), KeyTop(), KeyWidth(k), KeyHeight(k));
        m.lblTasto[k].move(KeyLeft(k), KeyTop(), KeyWidth(k), KeyHeight(k));
    }
    m.lblTasto[0].visible = false;
    for (int i = 0; i <= 12; ++i) {
        const int key = kMarkerKey[static_cast<size_t>(i % 3)] + 12 * (i / 3);
        Line(m.ShpVerticale[i], KeyLeft(key) + KeyWidth(key) / 2, 8295, 0, 735, 2, colors::Purple);
        m.ShpVerticale[i].z = 2;
        m.ShpVerticale[i].visible = false;
    }
}

// --- panels ------------------------------------------------------------------------------
constexpr double kPanelWidth = 15030, kPanelHeight = 6110;

void DesignPanels(MainWindow& m) {
    for (int i = 0; i < kPanels; ++i) {
        const Panel panel = static_cast<Panel>(i);
        Control& f = m.panel(panel);
        if (panel == Panel::SavePrompt)
            f.move(2843, 3570, 9675, 2955);
        else
            f.move(165, 2100, kPanelWidth, kPanelHeight);
        f.opaque = true;
        f.backColor =
            panel == Panel::Help || panel == Panel::SavePrompt ? colors::Pink : colors::Cream;
        f.border = true;
        f.visible = false;
    }
}

// Panel 7: the exit question, "Sì" and "No" over white squares, the farewell in their place.
void DesignExitPanel(MainWindow& m) {
    Control& panel = m.panel(Panel::Exit);
    Control& question = m.lblVarie[12];
    question.parent = &panel;
    question.move(210, 420, 14610, 540);
    question.caption = "Vuoi davvero uscire da Velondo?";
    question.bold = question.italic = true;
    question.fontSize = 20.25;
    question.border = true;
    question.align = Align::Center;

    const std::array<const char*, 2> answers = {"Sì", "No"};
    for (int i = 0; i <= 1; ++i) {
        Control& button = m.lblVuoiUscire[i];
        ui::DesignAnswerButton(panel, m.lblSfondoVuoiUscire[i], button, 4965 + 3900.0 * i, 2400,
                               1200, 600, answers[static_cast<size_t>(i)], 15.75);
        button.centredVertically = true;
    }
    Control& farewell = m.lblVarie[13];
    farewell.parent = &panel;
    farewell.move(210, 2250, 14610, 900);
    farewell.bold = farewell.italic = true;
    farewell.fontSize = 36;
    farewell.foreColor = colors::DarkRed;
    farewell.align = Align::Center;
    farewell.visible = false;
}

// The state tables of the window are labels nobody sees.
void HideStateHolders(MainWindow& m) {
    for (ControlArray* a : {&m.lblNaturali, &m.lblDiesis, &m.lblBemolli, &m.lblDDiesis,
                            &m.lblDBemolli, &m.lblScegliNome})
        for (int i = a->lo(); i <= a->hi(); ++i) (*a)[i].visible = false;
}

bool IsStateHolder(const Control& c) {
    for (std::string_view n :
         {"lblNaturali", "lblDiesis", "lblBemolli", "lblDDiesis", "lblDBemolli", "lblScegliNome"})
        if (c.index >= 0 && c.name == n) return true;
    return false;
}

bool CarriesText(const Control& c) {
    return c.kind == ControlKind::Label || c.kind == ControlKind::TextBox ||
           c.kind == ControlKind::ListBox;
}

}  // namespace

void DesignLayout(Program& p) {
    MainWindow& m = p.main;
    Control& w = m.frmVelondo7Principale2;
    w.move(0, 0, kDesignWidth, kDesignHeight);
    w.backColor = colors::WindowBack;
    w.caption = "Velondo 7";
    w.visible = false;

    HideStateHolders(m);
    DesignTopPanel(m);
    DesignStaff(p);
    DesignKeyboardBand(m);
    DesignPanels(m);
    DesignExitPanel(m);
    // The help panel's list and text keep their design size in a stretched window.
    m.lstGuida.keepsGeometryOnScale = true;
    m.lstGuida.keepsFontOnScale = true;
    m.TxtGuida.keepsGeometryOnScale = true;
    m.TxtGuida.keepsFontOnScale = true;
}

void ScaleLayout(Program& p) {
    const ScreenSize screen = p.ports.screen->size();
    ScaleFactors& s = p.scale;
    s.fy = screen.height / kDesignHeight;
    s.fx = screen.width / kDesignWidth;
    // Fonts grow a little less than widths, and never more than heights: on a screen wider
    // than 4:3 the boxes grow only by fy, and a font grown by the width would be cut.
    s.ff = std::min(screen.width / 15600, screen.height / 11700);
    s.scaled = true;

    Control& w = p.main.frmVelondo7Principale2;
    w.height *= s.fy;
    w.width *= s.fx;
    w.top *= s.fy;
    w.left *= s.fx;
    for (Control* c : p.main.registry.all()) {
        if (c == &w || IsStateHolder(*c) || c->keepsGeometryOnScale) continue;
        c->height *= s.fy;
        c->width *= s.fx;
        c->top *= s.fy;
        c->left *= s.fx;
        if (CarriesText(*c) && !c->keepsFontOnScale) c->fontSize *= s.ff;
    }
}

}  // namespace velondo::ui
