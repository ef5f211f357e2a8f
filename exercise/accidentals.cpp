#include "exercise/accidentals.h"

#include <string>

#include "exercise/classes.h"
#include "exercise/panel_look.h"
#include "exercise/pool.h"
#include "sound/sound.h"
#include "ui/options.h"

namespace velondo::exercise {
namespace {

constexpr int kHeading = 43;     // lblSpiegazione: panel heading
constexpr int kNote = 44;        // the explanation under the columns
constexpr int kCaption0 = 44;    // lblSpiegazione(44 + i): caption of class i
constexpr int kStaffLine0 = 50;  // lblSpiegazione(50 … 54): the five staff lines
constexpr double kColumnLeft = 450, kColumnWidth = 2400;
constexpr double kStaffTop = 2400;  // centre of the top staff line
constexpr double kSpace = 315;

const char* const kInserted = "Inseriti";
const char* const kNotInserted = "No";

Control& Caption(Program& p, int i) { return p.main.lblSpiegazione[kCaption0 + i]; }

void ShowChoice(Program& p, int i) {
    bool chosen = p.state.SceltaAlterazioni[static_cast<size_t>(i)] != kNotInserted;
    Control& c = Caption(p, i);
    c.on = chosen;
    c.backColor = chosen ? colors::Pink : colors::White;
    p.main.lblSceltaAlterazioni[i].caption = p.state.SceltaAlterazioni[static_cast<size_t>(i)];
}

}  // namespace

void ToggleAccidentalClass(Program& p, int i) {
    if (i < 1 || i > kClasses) return;
    std::string& choice = p.state.SceltaAlterazioni[static_cast<size_t>(i)];
    if (choice != kInserted) {
        choice = kInserted;
        ++p.state.NumAltIns;
    } else if (p.state.NumAltIns <= 1) {
        return;  // the last chosen class stays: an exercise needs at least one
    } else {
        choice = kNotInserted;
        --p.state.NumAltIns;
    }
    ShowChoice(p, i);
    if (sound::ProgramNoisesOn(p)) sound::PlaySound(p, sound::players::Click);
}

void ShowAccidentalChoices(Program& p) {
    for (int i = 1; i <= kClasses; ++i) ShowChoice(p, i);
}

void SelectAccidentalClasses(Program& p) {
    int code = 0;
    for (int i = 1; i <= kClasses; ++i) {
        if (p.state.SceltaAlterazioni[static_cast<size_t>(i)] != kInserted) continue;
        ControlArray& table = ClassTable(p, i);
        for (int k = 1; k <= 49; ++k)
            if (table[k].backColor == marks::InRange) table[k].backColor = marks::Selected;
        code += ClassInfo(i).rowCode;
    }
    p.state.TotSelezionati = std::to_string(code);
}

void ConfirmAccidentals(Program& p, bool replayed) {
    SelectAccidentalClasses(p);
    ComposePool(p);
    for (int i = 1; i <= kClasses; ++i)
        p.main.lblVoceOpzioni[5 + i].caption = ClassTable(p, i)[0].caption;
    // With "Sel" on, the keyboard shows exactly the name rows of the chosen classes.
    if (p.main.isOn(Option::SelectedNames)) {
        for (int i = 1; i <= kClasses; ++i) {
            const Option row = NameRowOption(i);
            const bool chosen = p.state.SceltaAlterazioni[static_cast<size_t>(i)] == kInserted;
            if (p.main.isOn(row) != chosen) options::SilentClick(p, row);
        }
    }
    if (!replayed) SetupNoteCount(p);
}

void DesignAccidentalsPanel(Program& p) {
    auto& m = p.main;
    constexpr Panel P = Panel::Accidentals;
    PanelHeading(p, m.lblSpiegazione[kHeading], P, "Scegli le eventuali alterazioni:");
    for (int j = 0; j < 5; ++j)
        StaffLine(p, m.lblSpiegazione[kStaffLine0 + j], P, kColumnLeft, kStaffTop + kSpace * j,
                  kClasses * kColumnWidth - 100);
    for (int i = 1; i <= kClasses; ++i) {
        double left = kColumnLeft + kColumnWidth * (i - 1);
        Control& caption = PanelText(p, Caption(p, i), P, left + 100, 1150, kColumnWidth - 300, 450,
                                     std::string(ClassInfo(i).caption));
        ButtonFace(caption);
        // The picture's middle line (position 16) lies 2835 twips below its top.
        InPanel(p, m.ImgSceltaAlterazioni[i], P, left + (kColumnWidth - 100 - 960) / 2,
                kStaffTop + 2 * kSpace - 2835, 960, 5685);
        m.ImgSceltaAlterazioni[i].picture = p.path(std::string(ClassInfo(i).picture));
        Control& state = PanelText(p, m.lblSceltaAlterazioni[i], P, left + 100, 3950,
                                   kColumnWidth - 300, 400, "", 12, true);
        state.align = Align::Center;
        ClickSurface(p, m.lblClickAlterazioni[i], P, left, 1100, kColumnWidth - 100, 3300);
    }
    PanelText(p, m.lblSpiegazione[kNote], P, kColumnLeft, 4650, kClasses * kColumnWidth - 100, 1200,
              "Nell'esercizio puoi scegliere di inserire a tuo piacere uno, alcuni o tutti i tipi "
              "di alterazione (in ogni caso dev'essere presente almeno uno dei cinque tipi sopra "
              "riportati). Clicca per inserirli (o disinserirli), poi clicca Ok.",
              12);
    Control& ok = PanelText(p, m.lblPulsante[4], P, 12750, 2450, 1650, 600, "Ok");
    ButtonFace(ok, 18);
    ShowAccidentalChoices(p);
}

void InstallAccidentals(Program& p) {
    p.handlers.add("lblClickAlterazioni", "Click",
                   [](Program& prog, const Event& e) { ToggleAccidentalClass(prog, e.index); });
    p.fields.add("SceltaAlterazioni", p.state.SceltaAlterazioni);
    p.fields.add("NumAltIns", p.state.NumAltIns);
}

}  // namespace velondo::exercise
