#include "ui/clef_table.h"

#include <array>

#include "notation/notation.h"
#include "sound/sound.h"
#include "ui/options_box.h"

namespace velondo::ui {

namespace {

constexpr Color kReference = colors::Purple;
constexpr Color kSelected = colors::Pink;
constexpr std::array<const char*, 7> kLetters = {"DO", "RE", "MI", "FA", "SOL", "LA", "SI"};
constexpr std::array<const char*, 8> kClefSign = {"", "SOL", "DO", "DO", "DO", "DO", "FA", "FA"};

// The labels follow the notes of the picture: 1 … 16 under the staff, 17 … 31 over it.
constexpr std::array<double, 31> kLabelLeft = {1365, 2190, 3040,  3890,  4740,  5590,  6440,  7290,
                                               8140, 8990, 9845,  10710, 11550, 12390, 13230, 14070,
                                               2205, 3045, 3885,  4725,  5565,  6420,  7290,  8145,
                                               8985, 9840, 10680, 11520, 12375, 13215, 14070};
constexpr std::array<double, 31> kLabelTop = {
    5670, 5523, 5376, 5229, 5082, 4935, 4788, 4641, 4494, 4347, 4200, 4095, 3990, 3990, 3990, 3990,
    1890, 1890, 1890, 1785, 1680, 1470, 1320, 1170, 1035, 885,  735,  585,  435,  300,  105};
constexpr double kLabelWidth = 645, kLabelHeight = 330;

constexpr double kStaffLeft = 210, kStaffRight = 14835, kStaffBottom = 3675, kLineSpacing = 315;
constexpr std::array<const char*, 7> kClefButtons = {
    "Violino", "Soprano", "Mezzosoprano", "Contralto", "Tenore", "Baritono", "Basso"};

int ClefOf(const std::string& text) {
    auto clef = notation::ClefFromText(text);
    return clef ? clef->value : 0;
}

void InPanel(Program& p, Control& c, double left, double top, double width, double height) {
    c.parent = &p.main.panel(Panel::ClefTable);
    c.move(left, top, width, height);
}

void TableLine(Program& p, Control& c, double left, double top, double width, double height,
               Color colour) {
    InPanel(p, c, left, top, width, height);
    c.borderWidth = 2;
    c.borderColor = colour;
    c.z = 1;  // over the table picture
}

}  // namespace

std::string TableNoteName(int clef, int position) {
    const int index = ((position + 13 - 2 * clef) % 7 + 7) % 7;
    return kLetters[static_cast<size_t>(index)];
}

void FillClefTable(Program& p) {
    MainWindow& m = p.main;
    const int c = ClefOf(p.state.ChiaveScelta2);
    if (c == 0) return;  // no clef to show: the table keeps what it shows
    const notation::ClefNumber clef(c);
    m.lblNoteTavola[kTableTitle].caption =
        "Posizione delle note nella chiave di " + std::string(notation::Clef(clef).name);
    m.lblTonoChiave2.caption = kClefSign[static_cast<size_t>(c)];
    m.ImgChiaveTavola.picture = p.path(notation::ClefImagePath(clef));
    for (int pos = 1; pos <= 31; ++pos) m.lblNoteTavola[pos].caption = TableNoteName(c, pos);
}

void SelectClefButton(Program& p, int clef) {
    MainWindow& m = p.main;
    for (int i = 1; i <= 7; ++i) {
        Control& b = m.lblPulsanteChiave[i];
        b.on = i == clef;
        b.backColor = i == clef ? kSelected : colors::White;
    }
    if (clef >= 1 && clef <= 7) p.state.UltimaChiaveCliccata = std::to_string(clef);
}

void ClickClefButton(Program& p, int clef) {
    if (clef < 1 || clef > 7) return;
    MainWindow& m = p.main;
    if (int last = ClefOf(p.state.UltimaChiaveCliccata)) {
        m.lblPulsanteChiave[last].on = false;
        m.lblPulsanteChiave[last].backColor = colors::White;
    }
    m.lblPulsanteChiave[clef].on = true;
    m.lblPulsanteChiave[clef].backColor = kSelected;
    p.state.ChiaveScelta2 = std::to_string(clef);
    if (p.main.isOn(Option::StaffLine)) ShowReferenceLine(p);
    FillClefTable(p);
    p.state.UltimaChiaveCliccata = std::to_string(clef);
    if (sound::ProgramNoisesOn(p)) sound::PlaySound(p, sound::players::Click);
}

void DesignClefTable(Program& p) {
    MainWindow& m = p.main;
    Control& heading = m.lblNoteTavola[kTableHeading];
    InPanel(p, heading, 840, 210, 3795, 435);
    heading.caption = "Pannello di riepilogo";
    heading.bold = heading.italic = true;
    heading.fontSize = 15.75;

    Control& title = m.lblNoteTavola[kTableTitle];
    InPanel(p, title, 1365, 630, 5895, 330);
    title.bold = title.italic = true;
    title.fontSize = 12;
    title.z = 1;

    InPanel(p, m.ImgTavola, 1260, 525, 13560, 5055);
    for (int n = 1; n <= 5; ++n)
        TableLine(p, m.LinTavola[n], kStaffLeft, kStaffBottom - kLineSpacing * (n - 1),
                  kStaffRight - kStaffLeft, 0, colors::Black);
    TableLine(p, m.LinTavola[6], 210, kStaffBottom - 4 * kLineSpacing, 0, 1275, colors::Black);
    TableLine(p, m.LinTavola[7], 14805, kStaffBottom - 4 * kLineSpacing, 0, 1275, colors::Black);
    InPanel(p, m.ImgChiaveTavola, 315, 1785, 780, 2535);
    m.ImgChiaveTavola.z = 1;

    for (int n = 1; n <= 4; ++n) {
        Control& line = m.ShpLineaNota2[n];
        TableLine(p, line, kStaffLeft, kStaffBottom - kLineSpacing * (n - 1),
                  kStaffRight - kStaffLeft, 0, kReference);
        line.z = 2;  // over the black staff line it marks
        line.visible = false;
    }
    struct Word {
        Control& label;
        double left, top, width, height, fontSize;
        bool bold;
        const char* caption;
    };
    for (Word w : {Word{m.lblVarie[kTableWordLinea], 350, 4620, 600, 210, 9, false, "Linea"},
                   Word{m.lblVarie[kTableWordDel], 460, 4830, 400, 210, 9, false, "del"},
                   Word{m.lblTonoChiave2, 360, 5040, 700, 300, 12, true, ""}}) {
        InPanel(p, w.label, w.left, w.top, w.width, w.height);
        w.label.caption = w.caption;
        w.label.foreColor = kReference;
        w.label.fontSize = w.fontSize;
        w.label.bold = w.bold;
        w.label.z = 1;
    }

    for (int pos = 1; pos <= 31; ++pos) {
        Control& name = m.lblNoteTavola[pos];
        const size_t i = static_cast<size_t>(pos - 1);
        InPanel(p, name, kLabelLeft[i], kLabelTop[i], kLabelWidth, kLabelHeight);
        name.bold = true;
        name.fontSize = 12;
        name.align = Align::Center;
        name.wordWrap = false;
        name.z = 1;
    }
    for (int i = 33; i <= 37; ++i) m.lblNoteTavola[i].visible = false;

    Control& hint = m.lblNoteTavola[kTableHint];
    InPanel(p, hint, 9030, 5040, 5790, 330);
    hint.caption = "Se vuoi cambiare chiave clicca sul pulsante corrispondente";
    hint.bold = hint.italic = true;
    hint.fontSize = 9.75;
    hint.align = Align::Right;
    hint.z = 1;

    for (int i = 1; i <= 7; ++i) {
        Control& b = m.lblPulsanteChiave[i];
        InPanel(p, b, 4620 + 1470.0 * (i - 1), 5565, 1380, 330);
        b.caption = kClefButtons[static_cast<size_t>(i - 1)];
        b.bold = true;
        b.fontSize = 9;
        b.align = Align::Center;
        b.border = true;
        b.opaque = true;
        b.z = 1;
    }
    SelectClefButton(p, 1);
}

void InstallClefTable(Program& p) {
    p.fields.add("ChiaveScelta2", p.state.ChiaveScelta2);
    p.fields.add("UltimaChiaveCliccata", p.state.UltimaChiaveCliccata);
    DesignClefTable(p);
    p.handlers.add("lblPulsanteChiave", "Click",
                   [](Program& prog, const Event& e) { ClickClefButton(prog, e.index); });
}

}  // namespace velondo::ui
