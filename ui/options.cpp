#include "ui/options.h"

#include <array>
#include <string>

#include "ui/toggle.h"

namespace velondo::options {

namespace {

// The font of the sign: the name buttons write theirs in Arial. Every sign is centred on
// its square, across and up and down.
enum class Sign { NameButton, Centred };

struct ButtonDesign {
    Option option;
    double left, top;
    bool wide;  // right-column button
    const char* caption;
    Color captionColor;
    double fontSize;
    Sign sign;
    Icon icon;
    const char* toolTip;
    Color onColor;
    bool onAtDesign;
};

constexpr double kRow1 = 315, kRow2 = 840, kRow3 = 1365;
constexpr double kSmall = 435, kWide = 960, kButtonHeight = 435;
constexpr double kColumnButtonHeight = 360;
constexpr double kColumn1 = 255, kColumn2 = 660, kColumn3 = 1065, kColumn4 = 1470;

// Row 1: reference lines, staff marks, the save buttons; row 2: keys, shading, sounds;
// row 3: the name buttons. The right column holds the four panel buttons "Note", "Dati",
// "Help" and "Esci": with "Help" shown they are a little lower than the small buttons.
constexpr std::array<ButtonDesign, kOptions> kButtons = {{
    {Option::NaturalNames, 9870, kRow3, false, "N", colors::Black, 9.75, Sign::NameButton,
     Icon::None, "Mostra nomi note naturali", colors::Cream, true},
    {Option::SharpNames, 10412, kRow3, false, "#", colors::Red, 9.75, Sign::NameButton, Icon::None,
     "Mostra nomi note con diesis", colors::Pink, false},
    {Option::FlatNames, 10954, kRow3, false, "b", colors::Blue, 9.75, Sign::NameButton, Icon::None,
     "Mostra nomi note con bemolli", colors::Lavender, false},
    {Option::DoubleSharpNames, 11496, kRow3, false, "x", colors::Orange, 9.75, Sign::NameButton,
     Icon::None, "Mostra nomi note con doppi diesis", colors::Peach, false},
    {Option::DoubleFlatNames, 12038, kRow3, false, "bb", colors::Teal, 9.75, Sign::NameButton,
     Icon::None, "Mostra nomi note con doppi bemolli", colors::PaleCyan, false},
    {Option::AllNames, 13125, kRow3, false, "Tut", colors::Black, 9.75, Sign::NameButton,
     Icon::None, "Mostra tutti i nomi delle note", colors::Tan, false},
    {Option::SelectedNames, 12580, kRow3, false, "Sel", colors::Black, 9.75, Sign::NameButton,
     Icon::None, "Mostra i nomi delle note selezionate", colors::Tan, true},
    {Option::Shading, 11496, kRow2, false, "", colors::DimGrey, 9.75, Sign::NameButton,
     Icon::Shading, "Ombreggia tasti e nomi non utilizzati", colors::Silver, false},
    {Option::Help, 14070, kColumn3, true, "Help", colors::Black, 9.75, Sign::Centred, Icon::None,
     "Spiegazione dei comandi", colors::LightRed, false},
    {Option::Results, 14070, kColumn2, true, "Dati", colors::Black, 9.75, Sign::Centred, Icon::None,
     "Pannello Classifica, Record e Istogrammi", colors::LightRed, false},
    {Option::Exit, 14070, kColumn4, true, "Esci", colors::Black, 9.75, Sign::Centred, Icon::None,
     "Esci da Velondo", colors::LightRed, false},
    {Option::StaffLine, 9870, kRow1, false, "", colors::Purple, 12, Sign::Centred, Icon::StaffLine,
     "Linea di riferimento nel pentagramma", colors::Lilac, true},
    {Option::KeyboardLine, 10412, kRow1, false, "", colors::Purple, 12, Sign::Centred,
     Icon::KeyboardLine, "Linea di riferimento nella tastiera", colors::Lilac, true},
    {Option::BarLines, 10954, kRow1, false, "", colors::Black, 14, Sign::Centred, Icon::BarLines,
     "Stanghette di misura", colors::Cream, true},
    {Option::PositionMarks, 11496, kRow1, false, "", colors::Black, 12, Sign::Centred,
     Icon::NameBoxes, "Indicatori di posizione", colors::Cream, true},
    {Option::HighlightWhilePressed, 10412, kRow2, false, "", colors::MidGreen, 12, Sign::Centred,
     Icon::OnlyWhilePressed, "Tasti evidenziati solo in pressione", colors::PaleGreen, false},
    {Option::KeyMovement, 9870, kRow2, false, "", colors::DarkGreen, 12, Sign::Centred,
     Icon::KeyMovement, "Simulazione movimento tasti", colors::PaleGreen, true},
    {Option::HighlightAfterRelease, 10954, kRow2, false, "", colors::MidGreen, 12, Sign::Centred,
     Icon::AlsoOnRelease, "Tasti evidenziati anche nel rilascio", colors::PaleGreen, true},
    {Option::ProgramNoises, 12038, kRow2, false, "", colors::Maroon, 12, Sign::Centred,
     Icon::ProgramNoises, "Rumori del programma", colors::Pink, true},
    {Option::KeyboardSounds, 12580, kRow2, false, "", colors::Maroon, 12, Sign::Centred,
     Icon::KeyboardSounds, "Suoni della tastiera", colors::Pink, true},
    {Option::ErrorVoice, 13125, kRow2, false, "", colors::Maroon, 12, Sign::Centred,
     Icon::ErrorVoice, "Voce che segnala l'errore", colors::Pink, true},
    {Option::ClefTable, 14070, kColumn1, true, "Note", colors::Black, 9.75, Sign::Centred,
     Icon::None, "Pannello di riepilogo note", colors::LightRed, false},
    {Option::AutoSave, 12038, kRow1, false, "SA", colors::Black, 8.25, Sign::Centred, Icon::None,
     "Salva impostazioni in automatico", colors::Peach, false},
    {Option::NamedSave, 12580, kRow1, false, "ScN", colors::Black, 8.25, Sign::Centred, Icon::None,
     "Salva impostazioni con nome", colors::Peach, true},
}};

constexpr const ButtonDesign& Design(Option o) { return kButtons[static_cast<size_t>(o)]; }

// The table lists every option once, in the order of the enum.
constexpr bool InEnumOrder() {
    for (int i = 0; i < kOptions; ++i)
        if (static_cast<int>(kButtons[static_cast<size_t>(i)].option) != i) return false;
    return true;
}
static_assert(InEnumOrder());

void DesignButton(MainWindow& m, const ButtonDesign& d) {
    OptionControls c = m.option(d.option);
    const double width = d.wide ? kWide : kSmall;
    const double height = d.wide ? kColumnButtonHeight : kButtonHeight;
    c.square.move(d.left, d.top, width, height);
    c.square.opaque = true;
    c.sign.move(d.left, d.top, width, height);
    c.sign.centredVertically = true;
    c.sign.icon = d.icon;
    if (d.sign == Sign::NameButton) c.sign.fontName = "Arial";
    c.sign.opaque = false;
    c.sign.caption = d.caption;
    c.sign.foreColor = d.captionColor;
    c.sign.fontSize = d.fontSize;
    c.sign.bold = true;
    c.sign.align = Align::Center;
    c.surface.move(d.left, d.top, width, height);
    c.surface.opaque = false;
    c.surface.border = true;
    c.surface.toolTip = d.toolTip;
    ui::SetToggle(c.surface, c.square, d.onAtDesign, d.onColor);
}

const char* FamilyName(OptionFamily f) {
    switch (f) {
        case OptionFamily::Visualizza: return "lblVisualizza";
        case OptionFamily::VisualizzaB: return "lblVisualizzaB";
        case OptionFamily::Save: break;
    }
    return "lblSave";
}

}  // namespace

void Own(Program& p, Option o, ClickFunction click) {
    p.hooks.optionClick[static_cast<size_t>(o)] = std::move(click);
    const OptionPlace place = PlaceOf(o);
    p.handlers.add(FamilyName(place.family), "Click", place.index, place.index,
                   [o](Program& prog, const Event&) { Click(prog, o); });
}

void Click(Program& p, Option o) {
    const ClickFunction& click = p.hooks.optionClick[static_cast<size_t>(o)];
    if (click) {
        click(p);
        return;
    }
    const OptionPlace place = PlaceOf(o);
    p.logError(std::string("no owner for the click of ") + FamilyName(place.family) + "(" +
               std::to_string(place.index) + ")");
}

void SilentClick(Program& p, Option o, int times) {
    const bool before = p.state.SilentClicks;
    p.state.SilentClicks = true;
    for (int i = 0; i < times; ++i) Click(p, o);
    p.state.SilentClicks = before;
}

void Set(Program& p, Option o, bool on) {
    OptionControls c = p.main.option(o);
    ui::SetToggle(c.surface, c.square, on, Design(o).onColor);
}

void DesignOptionButtons(Program& p) {
    MainWindow& m = p.main;
    for (const ButtonDesign& d : kButtons) DesignButton(m, d);
    // The print button is an action, never on: one label with its own white square.
    Control& print = m.lblPrint;
    print.move(13125, kRow1, kSmall, kButtonHeight);
    print.opaque = true;
    print.backColor = colors::White;
    print.border = true;
    print.icon = Icon::Printer;
    print.align = Align::Center;
    print.centredVertically = true;
    print.toolTip = "Stampa Classifica, Record e Dati Istogrammi";
}

}  // namespace velondo::options
