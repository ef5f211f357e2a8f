#include "ui/computer_keys.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "ui/keyboard.h"

namespace velondo::ui {

namespace {

constexpr std::array<std::string_view, kPianoPositions> kLetters = {
    "Z", "S", "X", "D", "C", "V", "G", "B", "H", "N", "J", "M", "Q",
    "2", "W", "3", "E", "R", "5", "T", "6", "Y", "7", "U", "I"};

constexpr int kOctave = 12;
constexpr int kHighestBase = 37;  // the last DO from which a whole octave fits
constexpr int kBaseWithoutRange = 13;

// Under the lowest name row's text on a white key; at the bottom of a black key.
constexpr double kWhiteLetterTop = 11325, kWhiteLetterHeight = 135;
constexpr double kBlackLetterTop = 10155, kBlackLetterHeight = 225;
constexpr double kWhiteLetterFont = 6, kBlackLetterFont = 6.75;
constexpr Color kLetterOnWhite = Rgb(80, 80, 160);
constexpr Color kLetterOnBlack = Rgb(208, 208, 208);

int OctaveStart(int key) { return (key - 1) / kOctave * kOctave + 1; }

int RangeBase(const Program& p) {
    for (int k = 1; k <= 49; ++k)
        if (!OutOfRange(p, k)) return std::min(OctaveStart(k), kHighestBase);
    return kBaseWithoutRange;
}

}  // namespace

std::optional<int> SemitoneOfPosition(KeyPosition pos) {
    const int i = static_cast<int>(pos);
    if (i < kPianoPositions) return i;
    return std::nullopt;
}

std::string_view LetterOf(KeyPosition pos) {
    const auto s = SemitoneOfPosition(pos);
    return s ? kLetters[static_cast<size_t>(*s)] : std::string_view{};
}

std::optional<KeyPosition> PositionOfLetter(char letter) {
    const char up = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    for (int i = 0; i < kPianoPositions; ++i)
        if (kLetters[static_cast<size_t>(i)].front() == up) return static_cast<KeyPosition>(i);
    return std::nullopt;
}

int ComputerKeysBase(Program& p) {
    ExerciseState& s = p.state;
    const int fromRange = RangeBase(p);
    if (s.computerKeysBase == 0 || fromRange != s.computerKeysRangeBase) {
        s.computerKeysRangeBase = fromRange;
        s.computerKeysBase = fromRange;
    }
    return s.computerKeysBase;
}

void ShiftComputerKeys(Program& p, int octaves) {
    const int base = ComputerKeysBase(p) + octaves * kOctave;
    p.state.computerKeysBase = std::clamp(base, 1, kHighestBase);
    ShowComputerKeyLetters(p);
}

std::optional<int> KeyOfPosition(Program& p, KeyPosition pos) {
    const auto semitone = SemitoneOfPosition(pos);
    if (!semitone) return std::nullopt;
    const int key = ComputerKeysBase(p) + *semitone;
    if (key > 49) return std::nullopt;
    return key;
}

void ShowComputerKeyLetters(Program& p) {
    const int base = ComputerKeysBase(p);
    for (int k = 1; k <= 49; ++k) {
        Control& letter = p.main.lblLettera[k];
        const int semitone = k - base;
        const bool mapped = semitone >= 0 && semitone < kPianoPositions;
        letter.caption = mapped ? std::string(kLetters[static_cast<size_t>(semitone)]) : "";
        letter.visible = mapped;
    }
}

void DesignComputerKeyLetters(Program& p) {
    for (int k = 1; k <= 49; ++k) {
        Control& letter = p.main.lblLettera[k];
        const bool black = IsBlackKey(k);
        letter.move(KeyLeft(k), black ? kBlackLetterTop : kWhiteLetterTop, KeyWidth(k),
                    black ? kBlackLetterHeight : kWhiteLetterHeight);
        letter.opaque = false;
        letter.border = false;
        letter.align = Align::Center;
        letter.wordWrap = false;
        letter.fontSize = black ? kBlackLetterFont : kWhiteLetterFont;
        letter.bold = true;
        letter.foreColor = black ? kLetterOnBlack : kLetterOnWhite;
        letter.z = kZNames;
        letter.visible = false;
    }
}

}  // namespace velondo::ui
