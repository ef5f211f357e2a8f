#pragma once
// The pitch space of the keyboard (keys, registers, spellings, samples) and the staff:
// where a spelled note of a key stands in each of the seven clefs and which picture shows it.
#include <array>
#include <compare>
#include <optional>
#include <string>
#include <string_view>

#include "core/program.h"

namespace velondo::notation {

// A key of the virtual piano, 1..49 from left to right; key 1 is a DO.
struct KeyNumber {
    int value = 0;
    constexpr explicit KeyNumber(int v) : value(v) {}
    friend constexpr auto operator<=>(KeyNumber, KeyNumber) = default;
};
// A recorded piano note, 1 ("DO") .. 73 ("DO6").
struct SampleNumber {
    int value = 0;
    constexpr explicit SampleNumber(int v) : value(v) {}
    friend constexpr auto operator<=>(SampleNumber, SampleNumber) = default;
};
// A line or space of the staff, 1..31 from the bottom; 12..20 are the five lines.
struct StaffPosition {
    int value = 0;
    constexpr explicit StaffPosition(int v) : value(v) {}
    friend constexpr auto operator<=>(StaffPosition, StaffPosition) = default;
};
// 1 Violino, 2 Soprano, 3 Mezzosoprano, 4 Contralto, 5 Tenore, 6 Baritono, 7 Basso.
struct ClefNumber {
    int value = 1;
    constexpr explicit ClefNumber(int v) : value(v) {}
    friend constexpr auto operator<=>(ClefNumber, ClefNumber) = default;
};

constexpr int kKeys = 49;
constexpr int kSamples = 73;
constexpr int kClefs = 7;
constexpr int kPositions = 31;

enum class Register { Grave, Media, Acuta };
// The five spelling classes, in the order of the KeySpellings arrays.
enum class Spelling { Natural, Sharp, Flat, DoubleSharp, DoubleFlat };
constexpr int kSpellingClasses = 5;

// What the program knows of each spelling class, in the order of Spelling.
struct SpellingClassFacts {
    std::string_view sign;     // written after the letter: "Re#", "Mibb"
    int shift;                 // semitones from the natural
    std::string_view suffix;   // of the note pictures: "17di.gif"
    Color colour;              // text colour of its spelled names (name rows, note sequence)
    int rowCode;               // 1, 2, 4, 8, 16: the sums TotAlterazioni and TotSelezionati
    std::string_view caption;  // its button on the accidentals panel
    std::string_view picture;  // that button's note on the middle line with its accidental
};
inline constexpr std::array<SpellingClassFacts, kSpellingClasses> kSpellingFacts{{
    {"", 0, "", colors::Black, 1, "Naturali", "Velondo7/Grafica/16.gif"},
    {"#", 1, "di", colors::Red, 2, "Diesis", "Velondo7/Grafica/16di.gif"},
    {"b", -1, "be", colors::Blue, 4, "Bemolli", "Velondo7/Grafica/16be.gif"},
    {"x", 2, "dd", colors::Orange, 8, "Doppi Diesis", "Velondo7/Grafica/16dd.gif"},
    {"bb", -2, "db", colors::Teal, 16, "Doppi Bemolli", "Velondo7/Grafica/16db.gif"},
}};
constexpr const SpellingClassFacts& Facts(Spelling s) {
    return kSpellingFacts[static_cast<std::size_t>(s)];
}

// The twelve pitch names of an octave, DO first.
std::string_view PitchName(int pitchClass);
// "DO", "RE" … "SI": the written letters.
std::string_view LetterName(int letter);

// Label of key k in a register: "DO", "SOL#", "DO1", "LA#3".
std::string_view KeyLabel(Register r, KeyNumber k);
// Spelled name of key k in a class, or "" when the key has no such spelling.
std::string_view KeySpelling(KeyNumber k, Spelling s);
// The label control array of a spelling class (lblNaturali … lblDBemolli).
ControlArray& SpellingArray(Program& p, Spelling s);

// A pitch label split into pitch class and octave; nullopt for any other text.
struct Pitch {
    int pitchClass;
    int octave;
};
std::optional<Pitch> ParseLabel(std::string_view label);
// 12·o + c + 1 of a label, whether or not a sample exists for it.
int SemitoneOf(const Pitch& pitch);

// --- the current register, recorded as the key labels PosizioneNota(1..49) ---
void SetKeyboardRegister(Program& p, Register r);
int CurrentRegisterOffset(const Program& p);
SampleNumber SampleForKey(const Program& p, KeyNumber k);
std::optional<KeyNumber> FindKeyByLabel(const Program& p, std::string_view label);

// --- clefs and the staff ---
struct ClefInfo {
    std::string_view name;           // "Violino"
    std::string_view sign;           // "Sol", "Do", "Fa"
    std::string_view referenceNote;  // "SOL3"
    std::string_view lowest;         // pitch window: "SI1" … "SI5"
    std::string_view highest;
};
const ClefInfo& Clef(ClefNumber c);
// ChiaveScelta ("1".."7") as a clef; nullopt for any other text.
std::optional<ClefNumber> ClefFromText(std::string_view text);

std::optional<StaffPosition> StaffPositionOf(ClefNumber c, std::string_view label,
                                             std::string_view name);
// The spelling class of a spelled name by its sign ("Re#" sharp, "Mibb" double flat).
std::optional<Spelling> SpellingOf(std::string_view name);
// Paths below DataRoot: "Velondo7/Grafica/17di.gif", "Velondo7/Grafica/Ch03.gif".
std::string NoteImagePath(StaffPosition pos, Spelling s);
std::string ClefImagePath(ClefNumber c);

// Puts the picture of sequence entry NumeroScelto in staff slot Avanza, for the current clef.
void PlaceNoteImage(Program& p);
// Shows the keyboard marker over the key of the current clef's reference note.
void ShowReferenceKey(Program& p);

}  // namespace velondo::notation
