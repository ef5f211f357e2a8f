#include "ui/keyboard.h"

#include <array>
#include <string>

#include "core/text_number.h"
#include "ui/name_rows.h"

namespace velondo::ui {

namespace {

// Offsets of the black keys within an octave of 3675 twips, by pitch class.
constexpr std::array<int, 12> kBlackOffset = {0, 315, 0, 945, 0, 0, 1890, 0, 2475, 0, 3045, 0};
constexpr std::array<bool, 12> kBlack = {false, true,  false, true,  false, false,
                                         true,  false, true,  false, true,  false};
constexpr double kOctaveWidth = 3675, kWhiteStep = 525, kKeyboardLeft = 60;

}  // namespace

int IndexKey(const Program& p) {
    const int k = NumberOf(p.state.Index).value_or(1);
    return k >= 1 && k <= 49 ? k : 1;
}

bool IsBlackKey(int key) { return kBlack[static_cast<size_t>((key - 1) % 12)]; }

double KeyLeft(int key) {
    const int c = (key - 1) % 12, octave = (key - 1) / 12;
    if (kBlack[static_cast<size_t>(c)])
        return kKeyboardLeft + kOctaveWidth * octave + kBlackOffset[static_cast<size_t>(c)];
    int whites = 7 * octave;  // white keys to the left of this one
    for (int i = 0; i < c; ++i)
        if (!kBlack[static_cast<size_t>(i)]) ++whites;
    return kKeyboardLeft + kWhiteStep * whites;
}

double KeyTop() { return 9030; }
double KeyWidth(int key) { return IsBlackKey(key) ? 330 : 540; }
double KeyHeight(int key) { return IsBlackKey(key) ? 1380 : 2430; }

Color PlainColor(int key) { return IsBlackKey(key) ? keycolors::Black : keycolors::White; }
Color ShadedColor(int key) {
    return IsBlackKey(key) ? keycolors::ShadedBlack : keycolors::ShadedWhite;
}

bool OutOfRange(const Program& p, int key) {
    return p.main.lblNaturali[key].backColor == rangemark::None;
}

void DesignKeys(Program& p) {
    for (int k = 1; k <= 49; ++k) {
        Control& body = p.main.ShpTasto[k];
        body.filled = true;
        body.fillColor = PlainColor(k);
        body.border = true;  // its own outline: white keys stay apart without the surfaces' border
        body.borderColor = colors::Black;
        body.borderWidth = 2;
        body.z = IsBlackKey(k) ? kZBlackBody : kZWhiteBody;

        Control& surface = p.main.lblTasto[k];
        surface.opaque = false;
        surface.border = false;
        surface.on = false;
        surface.z = IsBlackKey(k) ? kZBlackSurface : kZWhiteSurface;
    }
}

void InstallKeyboard(Program& p) {
    auto& f = p.fields;
    f.add("TotAlterazioni", p.state.TotAlterazioni);
    f.add("TotSelezionati", p.state.TotSelezionati);
    f.add("SilentClicks", p.state.SilentClicks);
    f.add("Index", p.state.Index);
    f.addColor("ColoreIndex", p.state.ColoreIndex);
    f.addColor("ColoreTasto", p.state.ColoreTasto);
    DesignKeys(p);
    DesignNameRows(p);
    InstallNameButtons(p);
}

void KeyPressDisplay(Program& p, notation::KeyNumber key) {
    auto& m = p.main;
    const int k = key.value;
    // Highlight kept after release: the previous key gets its own colour back first.
    if (m.isOn(Option::HighlightAfterRelease)) {
        const int previous = IndexKey(p);
        m.ShpTasto[previous].fillColor = p.state.ColoreIndex;
        p.state.Index = std::to_string(k);
        p.state.ColoreIndex = m.ShpTasto[k].fillColor;
        p.state.ColoreTasto = m.ShpTasto[k].fillColor;
        m.ShpTasto[k].fillColor = keycolors::Pressed;
    }
    if (m.isOn(Option::KeyMovement)) m.lblTasto[k].on = true;
    if (m.isOn(Option::HighlightWhilePressed)) {
        p.state.ColoreTasto = m.ShpTasto[k].fillColor;
        m.ShpTasto[k].fillColor = keycolors::Pressed;
    }
}

void KeyReleaseDisplay(Program& p, notation::KeyNumber key) {
    auto& m = p.main;
    const int k = key.value;
    if (m.isOn(Option::HighlightWhilePressed)) m.ShpTasto[k].fillColor = p.state.ColoreTasto;
    if (m.isOn(Option::KeyMovement)) m.lblTasto[k].on = false;
}

}  // namespace velondo::ui
