#include "exercise/range.h"

#include <array>
#include <cstdlib>

#include "exercise/panel_look.h"
#include "notation/notation.h"
#include "sound/sound.h"
#include "ui/computer_keys.h"
#include "ui/keyboard.h"
#include "ui/options.h"

namespace velondo::exercise {

namespace {

constexpr Panel kPanel = Panel::Range;
constexpr Color kHeldSquare = colors::Pink;
constexpr Color kGaugeBand = colors::Pink;
constexpr Color kMarker = colors::Red;

// The staff of the panel: note pictures at 0.7 of their size on the drill staff, where a
// picture 5685 high has position p at 3465 + (12 − p) · 157.5 from its top.
constexpr double kScale = 0.7;
constexpr double kPictureTop = 1950, kPictureWidth = 960 * kScale, kPictureHeight = 5685 * kScale;
constexpr double kLowestLeft = 6750, kHighestLeft = 8250;
constexpr double kStaffLeft = 5250, kStaffWidth = 4350;
constexpr double PositionY(int position) {
    return kPictureTop + (3465 + (12 - position) * 157.5) * kScale;
}
// The note head's centre, across the picture.
constexpr double kHeadCentre = 0.69 * kPictureWidth;
constexpr double kMarkerWidth = 300, kMarkerHeight = 200;

// Gauge: the small clef (525, 630, 330 × 855) has its top staff line at 842.5 and
// positions 53.15 apart; band b covers the space at position 2b − 1.
constexpr double kGaugeTopLine = 842.5, kGaugeStep = 855.0 / 2535 * 157.5;
constexpr double kGaugeLeft = 900, kGaugeWidth = 300;
constexpr double kGaugeLineLeft = 330, kGaugeLineWidth = 930;

int Clef(const Program& p) {
    const auto c = notation::ClefFromText(p.state.ChiaveScelta);
    return c ? c->value : 0;
}

std::string TwoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

struct EndControls {
    int& position;
    ControlArray& markers;
    ControlArray& arrows;
    ControlArray& squares;
    Timer& down;
    Timer& up;
    Control& picture;
};

EndControls Of(Program& p, End end) {
    auto& m = p.main;
    if (end == End::Lowest)
        return {p.state.NotaPiuGrave, m.ShpGrave,   m.lblPosizioneGrave, m.lblSfondoGrave,
                m.TmrGraveGiu,        m.TmrGraveSu, m.ImgNotaGrave};
    return {p.state.NotaPiuAcuta, m.ShpAcuto,   m.lblPosizioneAcuta, m.lblSfondoAcuto,
            m.TmrAcutaGiu,        m.TmrAcutaSu, m.ImgNotaAcuta};
}

void ShowMarker(ControlArray& markers, int position, bool show) {
    if (markers.contains(position)) markers[position].visible = show;
}

void ShowExtension(Program& p, int m) {
    p.state.EstensioneIntervallo = m;
    p.main.lblEstensioneIntervallo.caption = std::to_string(m);
    IntervalSuffixField(p) = IntervalSuffix(m);
}

void ShowEnd(Program& p, int position, int lo, int hi, Control& picture, std::string& label,
             Control& shown) {
    if (position >= lo && position <= hi)
        picture.picture = p.path("Velondo7/Grafica/" + TwoDigits(position) + ".gif");
    if (auto l = PositionLabel(position, Clef(p))) label = *l;
    shown.caption = label;
}

void ClickSound(Program& p) {
    if (sound::ProgramNoisesOn(p)) sound::PlaySound(p, sound::players::Click);
}

}  // namespace

std::optional<std::string> PositionLabel(int position, int clef) {
    if (clef < 1 || clef > 7) return std::nullopt;
    const int t = position + 13 - 2 * clef;
    if (t < 0) return std::nullopt;
    std::string label(notation::LetterName(t % 7));
    if (t / 7 > 0) label += std::to_string(t / 7);
    return label;
}

std::string IntervalSuffix(int extension) {
    return extension >= 1 && extension <= 10 ? "a" : "esima";
}

std::string& IntervalSuffixField(Program& p) { return p.main.lblSpiegazione[42].caption; }

void ShowLowestNote(Program& p) {
    ShowEnd(p, p.state.NotaPiuGrave, 1, 30, p.main.ImgNotaGrave, p.state.PiuGrave,
            p.main.lblPiuGrave);
}

void ShowHighestNote(Program& p) {
    ShowEnd(p, p.state.NotaPiuAcuta, 2, 31, p.main.ImgNotaAcuta, p.state.PiuAcuta,
            p.main.lblPiuAcuta);
}

bool RangeStep(Program& p, End end, int direction) {
    int& lowest = p.state.NotaPiuGrave;
    int& highest = p.state.NotaPiuAcuta;
    int& moving = end == End::Lowest ? lowest : highest;
    const int next = moving + (direction == Up ? 1 : -1);
    const bool blocked = end == End::Lowest ? (next < kLowestBound || next >= highest)
                                            : (next > kHighestBound || next <= lowest);
    if (blocked) return false;
    EndControls c = Of(p, end);
    ShowMarker(c.markers, moving, false);
    ShowMarker(c.markers, next, true);
    moving = next;
    return true;
}

void PressArrow(Program& p, End end, int direction) {
    EndControls c = Of(p, end);
    c.arrows[direction].on = true;
    (direction == Up ? c.up : c.down).setEnabled(true);
    if (!RangeStep(p, end, direction)) return;
    c.picture.picture.clear();
    c.squares[direction].backColor = kHeldSquare;
}

void RepeatArrow(Program& p, End end, int direction) {
    EndControls c = Of(p, end);
    if (!RangeStep(p, end, direction)) {
        (direction == Up ? c.up : c.down).setEnabled(false);
        return;
    }
    ClickSound(p);
}

void ReleaseArrow(Program& p, End end, int direction) {
    EndControls c = Of(p, end);
    c.arrows[direction].on = false;
    c.squares[direction].backColor = colors::White;
    ShowMarker(c.markers, c.position, false);
    (direction == Up ? c.up : c.down).setEnabled(false);

    int& lowest = p.state.NotaPiuGrave;
    int& highest = p.state.NotaPiuAcuta;
    int m = highest - lowest + 1;
    // The other end is dragged along so that the range never exceeds three octaves.
    if (m > kMaxExtension) {
        if (end == End::Highest) {
            lowest = highest - (kMaxExtension - 1);
            ShowLowestNote(p);
        } else {
            highest = lowest + (kMaxExtension - 1);
            ShowHighestNote(p);
        }
        m = kMaxExtension;
    }
    ShowExtension(p, m);
    if (end == End::Highest) {
        ShowHighestNote(p);
        p.state.SuonaNota = p.state.PiuAcuta;
    } else {
        ShowLowestNote(p);
        p.state.SuonaNota = p.state.PiuGrave;
    }
    if (sound::ProgramNoisesOn(p)) sound::PlayNamedNote(p);
}

void ChooseKeyboardRegister(Program& p) {
    using notation::Register;
    constexpr std::array<Register, 3> kOrder = {Register::Grave, Register::Media, Register::Acuta};
    std::array<int, 3> imbalance{};
    for (size_t r = 0; r < kOrder.size(); ++r) {
        notation::SetKeyboardRegister(p, kOrder[r]);
        const auto lo = notation::FindKeyByLabel(p, p.state.PiuGrave);
        const auto hi = notation::FindKeyByLabel(p, p.state.PiuAcuta);
        imbalance[r] = std::abs((lo ? lo->value : 1000) + (hi ? hi->value : 1000) - 50);
    }
    const int g = imbalance[0], m = imbalance[1], a = imbalance[2];
    Register chosen;
    if (a > g)
        chosen = m <= g ? Register::Media : Register::Grave;
    else
        chosen = m > a ? Register::Acuta : Register::Media;
    notation::SetKeyboardRegister(p, chosen);
}

void MarkRange(Program& p) {
    const auto a = notation::FindKeyByLabel(p, p.state.PiuGrave);
    const auto b = notation::FindKeyByLabel(p, p.state.PiuAcuta);
    for (int s = 0; s < notation::kSpellingClasses; ++s) {
        ControlArray& cells = notation::SpellingArray(p, static_cast<notation::Spelling>(s));
        for (int k = 1; k <= notation::kKeys; ++k) {
            const bool in = a && b && k >= a->value && k <= b->value;
            cells[k].backColor = in ? ui::rangemark::InRange : ui::rangemark::None;
        }
    }
    p.state.SpazioBasso = p.state.NotaPiuGrave / 2 + 1;
    p.state.SpazioAlto = (p.state.NotaPiuAcuta + 1) / 2;
    for (int band = 1; band <= 16; ++band)
        p.main.lblSpazi[band].visible = band >= p.state.SpazioBasso && band <= p.state.SpazioAlto;
}

void ConfirmRange(Program& p) {
    ChooseKeyboardRegister(p);
    MarkRange(p);
    ui::ShowComputerKeyLetters(p);  // the computer keys' octaves follow the new range
    // The shading follows the new range: switched off and on again, silently.
    if (p.main.isOn(Option::Shading)) {
        options::SilentClick(p, Option::Shading, 2);
    }
    if (p.main.isOn(Option::KeyboardLine)) notation::ShowReferenceKey(p);
}

void DesignRangePanel(Program& p) {
    auto& m = p.main;
    PanelHeading(p, m.lblSpiegazione[36], kPanel, "Scegli l'estensione dell'esercizio:");
    PanelText(p, m.lblSpiegazione[37], kPanel, 210, 1080, 14610, 780,
              "Per esercitarti puoi scegliere un'estensione di lettura delle note da un minimo "
              "intervallare di seconda ad un massimo di tre ottave: premi gli appositi pulsanti "
              "per spostare a tuo piacimento la posizione delle note estreme e poi clicca Ok.");

    // The staff with the clef and the two end notes.
    for (int line = 1; line <= 5; ++line)
        StaffLine(p, m.lblRigoEstensione[line], kPanel, kStaffLeft, PositionY(10 + 2 * line),
                  kStaffWidth);
    InPanel(p, m.ImgChiaveScelta, kPanel, kStaffLeft + 150, PositionY(20) - 630 * kScale,
            780 * kScale, 2535 * kScale);
    InPanel(p, m.ImgNotaGrave, kPanel, kLowestLeft, kPictureTop, kPictureWidth, kPictureHeight);
    InPanel(p, m.ImgNotaAcuta, kPanel, kHighestLeft, kPictureTop, kPictureWidth, kPictureHeight);
    for (int pos = 1; pos <= 31; ++pos) {
        for (auto [markers, left] :
             {std::pair{&m.ShpGrave, kLowestLeft}, std::pair{&m.ShpAcuto, kHighestLeft}}) {
            Control& c = InPanel(p, (*markers)[pos], kPanel, left + kHeadCentre - kMarkerWidth / 2,
                                 PositionY(pos) - kMarkerHeight / 2, kMarkerWidth, kMarkerHeight);
            c.filled = true;
            c.fillColor = kMarker;
            c.borderColor = kMarker;
            c.z = 5;
            c.visible = false;
        }
    }

    // Each end: its caption, its label and two arrows (up above down) on white squares.
    struct Side {
        int caption;
        const char* text;
        Control* label;
        ControlArray* arrows;
        ControlArray* squares;
        double textLeft, arrowLeft;
    };
    const std::array<Side, 2> sides = {{
        {39, "Nota più grave:", &m.lblPiuGrave, &m.lblPosizioneGrave, &m.lblSfondoGrave, 1200,
         4200},
        {40, "Nota più acuta:", &m.lblPiuAcuta, &m.lblPosizioneAcuta, &m.lblSfondoAcuto, 11400,
         10200},
    }};
    for (const Side& s : sides) {
        PanelText(p, m.lblSpiegazione[s.caption], kPanel, s.textLeft, 2700, 2700, 400, s.text, 14,
                  true);
        Control& label = PanelText(p, *s.label, kPanel, s.textLeft, 3200, 2700, 600, "", 20, true);
        label.foreColor = colors::DarkRed;
        for (int dir : {Up, Down}) {
            const double top = dir == Up ? 2600 : 3400;
            Control& square = InPanel(p, (*s.squares)[dir], kPanel, s.arrowLeft, top, 660, 660);
            ButtonFace(square, 18);
            square.border = false;
            square.caption = dir == Up ? "\u25B2" : "\u25BC";
            Control& arrow = ClickSurface(p, (*s.arrows)[dir], kPanel, s.arrowLeft, top, 660, 660);
            arrow.border = true;
            arrow.on = false;
            arrow.toolTip =
                dir == Up ? "Sposta la nota verso l'acuto" : "Sposta la nota verso il grave";
        }
    }
    p.main.lblPiuGrave.caption = p.state.PiuGrave;
    p.main.lblPiuAcuta.caption = p.state.PiuAcuta;

    // "Estensione esercizio:" 13esima, under the staff.
    PanelText(p, m.lblSpiegazione[38], kPanel, 1200, 4700, 3000, 450, "Estensione esercizio:", 14,
              true);
    Control& ext =
        PanelText(p, m.lblEstensioneIntervallo, kPanel, 4200, 4700, 450, 450, "", 14, true);
    ext.align = Align::Right;
    ext.foreColor = colors::DarkRed;
    Control& suffix =
        PanelText(p, m.lblSpiegazione[42], kPanel, 4650, 4700, 900, 450, "", 14, true);
    suffix.foreColor = colors::DarkRed;
    ShowExtension(p, p.state.EstensioneIntervallo);

    Control& ok = InPanel(p, m.lblPulsante[0], kPanel, 13200, 5250, 1350, 600);
    ButtonFace(ok, 14);
    ok.caption = "Ok";

    // The gauge of the summary: pink bands beside the small clef.
    for (int band = 1; band <= 16; ++band) {
        Control& c = m.lblSpazi[band];
        c.move(kGaugeLeft, kGaugeTopLine + (20 - (2 * band - 1)) * kGaugeStep - kGaugeStep,
               kGaugeWidth, 2 * kGaugeStep);
        c.opaque = true;
        c.backColor = kGaugeBand;
        c.caption.clear();
        c.visible = band >= 5 && band <= 12;  // as designed, until a range is marked
    }
    // The small staff over the bands: its five lines at positions 12 … 20.
    for (int i = 1; i <= m.ShpPentagramma.hi(); ++i) {
        Control& line = m.ShpPentagramma[i];
        line.visible = i <= 5;
        line.move(kGaugeLineLeft, kGaugeTopLine + (20 - (10 + 2 * i)) * kGaugeStep - 7.5,
                  kGaugeLineWidth, 15);
        line.filled = true;
        line.fillColor = colors::Black;
        line.border = false;
        line.z = 1;
    }
}

void InstallRange(Program& p) {
    auto& f = p.fields;
    f.add("NotaPiuGrave", p.state.NotaPiuGrave);
    f.add("NotaPiuAcuta", p.state.NotaPiuAcuta);
    f.add("PiuGrave", p.state.PiuGrave);
    f.add("PiuAcuta", p.state.PiuAcuta);
    f.add("EstensioneIntervallo", p.state.EstensioneIntervallo);
    f.add("SpazioBasso", p.state.SpazioBasso);
    f.add("SpazioAlto", p.state.SpazioAlto);
    f.add("IntervalSuffix", IntervalSuffixField(p));
    f.addCustom("Spazi",
                {1, 16, [&p](int b) { return std::string(p.main.lblSpazi[b].visible ? "1" : "0"); },
                 [&p](int b, const std::string& v) {
                     p.main.lblSpazi[b].visible = v == "1";
                     return true;
                 }});

    DesignRangePanel(p);

    for (auto [name, end] : {std::pair{"lblPosizioneGrave", End::Lowest},
                             std::pair{"lblPosizioneAcuta", End::Highest}}) {
        const End e = end;
        p.handlers.add(name, "MouseDown", 1, 2,
                       [e](Program& prog, const Event& ev) { PressArrow(prog, e, ev.index); });
        p.handlers.add(name, "MouseUp", 1, 2,
                       [e](Program& prog, const Event& ev) { ReleaseArrow(prog, e, ev.index); });
    }
    struct Repeat {
        const char* timer;
        End end;
        int direction;
    };
    for (Repeat r :
         {Repeat{"TmrGraveGiù", End::Lowest, Down}, Repeat{"TmrGraveSu", End::Lowest, Up},
          Repeat{"TmrAcutaGiù", End::Highest, Down}, Repeat{"TmrAcutaSu", End::Highest, Up}})
        p.handlers.add(r.timer, "Timer",
                       [r](Program& prog, const Event&) { RepeatArrow(prog, r.end, r.direction); });
    p.handlers.add("cmdEstensione", "Click",
                   [](Program& prog, const Event&) { ChooseKeyboardRegister(prog); });
}

}  // namespace velondo::exercise
