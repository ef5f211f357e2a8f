#pragma once
#include "core/program.h"
#include "notation/notation.h"

namespace velondo::ui {

// Body colours of the keys.
namespace keycolors {
constexpr Color White = colors::White;
constexpr Color Black = colors::Black;
constexpr Color ShadedWhite = colors::Silver;
constexpr Color ShadedBlack = colors::Grey;
constexpr Color Pressed = colors::LightGreen;
}  // namespace keycolors

// Whether a key lies in the exercise's range, per key and spelling class: kept as the
// background colour of the spelling labels (lblNaturali … lblDBemolli), as the profile
// files store it.
namespace rangemark {
constexpr Color None = colors::White;          // 16777215: outside the range
constexpr Color InRange = colors::PaleYellow;  // 12648447
constexpr Color Selected = colors::Yellow;     // 65535: the note enters the pool
}  // namespace rangemark

// Stacking inside the keyboard band. Black keys lie above every part of the white keys
// (body, click surface with its border and sunken frame); the names stand over the bodies.
constexpr int kZWhiteBody = 0, kZWhiteSurface = 1, kZBlackBody = 2, kZNames = 3, kZBlackSurface = 4;

// Key geometry: pitch classes DO#, RE#, FA#, SOL#, LA# are black keys.
bool IsBlackKey(int key);
double KeyLeft(int key);  // twips, design grid
double KeyTop();
double KeyWidth(int key);
double KeyHeight(int key);

// Normal body colour of a key (white or black), and its shaded colour.
Color PlainColor(int key);
Color ShadedColor(int key);
// True when key's naturals range mark is "none": the five marks of a key agree.
bool OutOfRange(const Program& p, int key);

// The key left highlighted by "Tasti evidenziati anche nel rilascio" (field Index).
int IndexKey(const Program& p);

// Design of the keys' bodies and click surfaces (colours, borders).
void DesignKeys(Program& p);

// The keyboard's fields, design (keys, name rows, name buttons) and handlers.
void InstallKeyboard(Program& p);

// Display steps of a key press and release: highlight, simulated movement.
void KeyPressDisplay(Program& p, notation::KeyNumber key);
void KeyReleaseDisplay(Program& p, notation::KeyNumber key);

}  // namespace velondo::ui
