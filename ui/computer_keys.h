#pragma once
// The computer keyboard as a piano, by physical key position: the lower letter row plays
// DO … SI of one octave, the upper row DO … DO of the next. The two octaves start at the
// DO at or below the lowest key of the exercise's range; the arrows move them by an octave
// within the 49 keys. The mapped keys show their letter small at the foot of the key.
#include <optional>
#include <string_view>

#include "core/program.h"

namespace velondo::ui {

// A key of the computer keyboard by where it stands, named after the US layout. The first
// 25 play the semitones 0 … 24 above the first mapped DO, in this order.
enum class KeyPosition {
    Z,
    S,
    X,
    D,
    C,
    V,
    G,
    B,
    H,
    N,
    J,
    M,  // lower row: DO … SI
    Q,
    Digit2,
    W,
    Digit3,
    E,
    R,
    Digit5,
    T,
    Digit6,
    Y,
    Digit7,
    U,
    I,  // upper row: DO … DO
    Left,
    Right,  // the octave arrows
};
constexpr int kPianoPositions = 25;

// The semitone above the first mapped DO that a position plays; nullopt for the arrows.
std::optional<int> SemitoneOfPosition(KeyPosition pos);
// The letter shown on the key ("Z", "2"); "" for the arrows.
std::string_view LetterOf(KeyPosition pos);
// The position of a letter of the two rows ('z' or 'Z', '2'), or nullopt.
std::optional<KeyPosition> PositionOfLetter(char letter);

// First key (1, 13, 25 or 37) of the lower mapped octave. It follows the range: a new
// range brings the octaves back to it.
int ComputerKeysBase(Program& p);
// Moves the octaves by n octaves, within the 49 keys; refreshes the letters.
void ShiftComputerKeys(Program& p, int octaves);
// The key a position plays now, or nullopt (an arrow, or beyond key 49).
std::optional<int> KeyOfPosition(Program& p, KeyPosition pos);

// Writes the letters on the keys the positions play now.
void ShowComputerKeyLetters(Program& p);
// Design of the letter labels: small, at the foot of each key, under the name rows' text.
void DesignComputerKeyLetters(Program& p);

}  // namespace velondo::ui
