#include "exercise/clef.h"

#include <array>
#include <string>
#include <string_view>

#include "core/phase.h"
#include "exercise/panel_look.h"
#include "exercise/range.h"
#include "exercise/settings.h"
#include "notation/notation.h"
#include "sound/sound.h"

namespace velondo::exercise {
namespace {

// What each clef column of the panel shows besides the clef (name and sign come with the clef).
struct ClefColumn {
    std::string_view signCaption;
    std::string_view referencePicture;  // the clef's reference note on its line
};
constexpr std::array<ClefColumn, 7> kColumns{{
    {"SOL", "Velondo7/Grafica/14.gif"},
    {"DO", "Velondo7/Grafica/12.gif"},
    {"DO", "Velondo7/Grafica/14.gif"},
    {"DO", "Velondo7/Grafica/16.gif"},
    {"DO", "Velondo7/Grafica/18.gif"},
    {"FA", "Velondo7/Grafica/16.gif"},
    {"FA", "Velondo7/Grafica/18.gif"},
}};

constexpr int kHeading = 17;
constexpr int kNameCaption0 = 17;  // lblSpiegazione(17 + k)
constexpr int kSignCaption0 = 24;  // lblSpiegazione(24 + k)
constexpr int kNote = 32;
constexpr int kStaffLine0 = 8;  // lblSpiegazione(8 … 12)
constexpr double kColumnLeft = 360, kColumnWidth = 2040;
constexpr double kStaffTop = 2500;  // centre of the top staff line
constexpr double kSpace = 315;
constexpr double kClefLineOffset = 630;   // top staff line inside a clef picture
constexpr double kNoteBottomLine = 3465;  // bottom staff line inside a note picture

bool ValidClef(int k) { return k >= 1 && k <= 7; }

void PressLook(Program& p, int k, bool pressed) {
    if (!ValidClef(k)) return;
    Control& c = p.main.lblSpiegazione[kNameCaption0 + k];
    c.on = pressed;
    c.backColor = pressed ? colors::Pink : colors::White;
}

}  // namespace

void ChooseClef(Program& p, int k) {
    if (!ValidClef(k)) return;
    const notation::ClefNumber clef{k};
    const auto& info = notation::Clef(clef);
    const std::string picture = p.path(notation::ClefImagePath(clef));
    p.main.ImgChiaveScelta.picture = picture;
    p.main.ImgChiavePiccola.picture = picture;
    p.main.lblVoceOpzioni[3].caption = std::string(info.name);
    p.main.lblTonoChiave.caption = std::string(info.sign);
    p.state.ChiaveScelta = std::to_string(k);
    p.main.panel(Panel::Range).visible = true;
    p.main.panel(Panel::Clef).visible = false;
    if (p.state.PulsantePremuto == 2) NameNewProfile(p);
    if (sound::ProgramNoisesOn(p)) sound::PlaySound(p, sound::players::Tic);
    p.main.TmrVisualizzaNota.setEnabled(true);
}

void RepeatClef(Program& p) {
    if (auto clef = notation::ClefFromText(p.state.ChiaveScelta)) ChooseClef(p, clef->value);
}

void DesignClefPanel(Program& p) {
    auto& m = p.main;
    constexpr Panel P = Panel::Clef;
    PanelHeading(p, m.lblSpiegazione[kHeading], P,
                 "Clicca sulla chiave nella quale ti vuoi esercitare:");
    for (int j = 0; j < 5; ++j)
        StaffLine(p, m.lblSpiegazione[kStaffLine0 + j], P, kColumnLeft, kStaffTop + kSpace * j,
                  7 * kColumnWidth);
    for (int k = 1; k <= 7; ++k) {
        const auto& column = kColumns[static_cast<size_t>(k - 1)];
        const notation::ClefNumber clef{k};
        double left = kColumnLeft + kColumnWidth * (k - 1);
        Control& name = PanelText(p, m.lblSpiegazione[kNameCaption0 + k], P, left + 120, 1150,
                                  kColumnWidth - 240, 450, std::string(notation::Clef(clef).name));
        ButtonFace(name, 11);
        InPanel(p, m.ImgSceltaChiave[k], P, left + 150, kStaffTop - kClefLineOffset, 780, 2535);
        m.ImgSceltaChiave[k].picture = p.path(notation::ClefImagePath(clef));
        InPanel(p, m.ImgSceltaChiave[7 + k], P, left + 960,
                kStaffTop + 4 * kSpace - kNoteBottomLine, 960, 5685);
        m.ImgSceltaChiave[7 + k].picture = p.path(std::string(column.referencePicture));
        Control& sign =
            PanelText(p, m.lblSpiegazione[kSignCaption0 + k], P, left + 120, 4500,
                      kColumnWidth - 240, 420, std::string(column.signCaption), 14, true);
        sign.align = Align::Center;
        sign.foreColor = colors::Purple;
        ClickSurface(p, m.lblClickChiave[k], P, left, 1100, kColumnWidth, 3850);
    }
    PanelText(p, m.lblSpiegazione[kNote], P, kColumnLeft, 5150, 7 * kColumnWidth, 700,
              "Premendo il tasto INVIO (anziché cliccare su una delle sette chiavi) confermerai "
              "la scelta della chiave usata in precedenza. ",
              12);
}

void InstallClef(Program& p) {
    auto& h = p.handlers;
    // The practise option replays the clef itself, with the panel hidden.
    h.add("lblClickChiave", "Click", [](Program& prog, const Event& e) {
        if (MayStart(prog, Flow::ChooseClef)) ChooseClef(prog, e.index);
    });
    h.add("lblClickChiave", "MouseDown",
          [](Program& prog, const Event& e) { PressLook(prog, e.index, true); });
    h.add("lblClickChiave", "MouseUp",
          [](Program& prog, const Event& e) { PressLook(prog, e.index, false); });
    h.add("Command4", "Click", [](Program& prog, const Event&) {
        if (MayStart(prog, Flow::ChooseClef)) RepeatClef(prog);
    });
    // The range ends keep their staff positions; their labels follow the new clef.
    h.add("TmrVisualizzaNota", "Timer", [](Program& prog, const Event&) {
        prog.main.TmrVisualizzaNota.setEnabled(false);
        ShowLowestNote(prog);
        ShowHighestNote(prog);
    });
    // The clef's sign lives in the caption under the staff clef, its only copy.
    p.fields.addCustom("TonoChiave", {-1, -1, [&p](int) { return p.main.lblTonoChiave.caption; },
                                      [&p](int, const std::string& v) {
                                          p.main.lblTonoChiave.caption = v;
                                          return true;
                                      }});
}

}  // namespace velondo::exercise
