#include "notation/notation.h"

#include <array>
#include <cctype>
#include <charconv>

#include "core/text_number.h"

namespace velondo::notation {
namespace {

constexpr std::array<std::string_view, 12> kPitchNames{"DO",  "DO#", "RE",   "RE#", "MI",  "FA",
                                                       "FA#", "SOL", "SOL#", "LA",  "LA#", "SI"};
constexpr std::array<std::string_view, 7> kLetters{"DO", "RE", "MI", "FA", "SOL", "LA", "SI"};
constexpr std::array<int, 7> kLetterPitchClass{0, 2, 4, 5, 7, 9, 11};

// Every spelling the program knows, by pitch class and class (natural, sharp, flat,
// double sharp, double flat); "" where a pitch class has no spelling of that kind.
constexpr std::array<std::array<std::string_view, kSpellingClasses>, 12> kSpellingTable{{
    {"DO", "Si#", "", "", "Rebb"},
    {"", "Do#", "Reb", "Six", ""},
    {"RE", "", "", "Dox", "Mibb"},
    {"", "Re#", "Mib", "", "Fabb"},
    {"MI", "", "Fab", "Rex", ""},
    {"FA", "Mi#", "", "", "Solbb"},
    {"", "Fa#", "Solb", "Mix", ""},
    {"SOL", "", "", "Fax", "Labb"},
    {"", "Sol#", "Lab", "", ""},
    {"LA", "", "", "Solx", "Sibb"},
    {"", "La#", "Sib", "", "Dobb"},
    {"SI", "", "Dob", "Lax", ""},
}};

constexpr std::array<ClefInfo, kClefs> kClefTable{{
    {"Violino", "Sol", "SOL3", "SI1", "SI5"},
    {"Soprano", "Do", "DO3", "SOL1", "SOL5"},
    {"Mezzosoprano", "Do", "DO3", "MI1", "MI5"},
    {"Contralto", "Do", "DO3", "DO1", "DO5"},
    {"Tenore", "Do", "DO3", "LA", "LA4"},
    {"Baritono", "Fa", "FA2", "FA", "FA4"},
    {"Basso", "Fa", "FA2", "RE", "RE4"},
}};

// The 49 labels of each register, built once at compile time.
struct LabelText {
    std::array<char, 6> text{};
    std::size_t size = 0;
    constexpr std::string_view view() const { return {text.data(), size}; }
};
constexpr LabelText MakeLabel(int pitchClass, int octave) {
    LabelText l;
    for (char ch : kPitchNames[static_cast<std::size_t>(pitchClass)]) l.text[l.size++] = ch;
    if (octave > 0) l.text[l.size++] = static_cast<char>('0' + octave);
    return l;
}
constexpr auto kRegisterLabels = [] {
    std::array<std::array<LabelText, kKeys>, 3> t{};
    for (int r = 0; r < 3; ++r)
        for (int k = 1; k <= kKeys; ++k)
            t[static_cast<std::size_t>(r)][static_cast<std::size_t>(k - 1)] =
                MakeLabel((k - 1) % 12, (k - 1) / 12 + r);
    return t;
}();
static_assert(kRegisterLabels[0][8].view() == "SOL#");
static_assert(kRegisterLabels[2][48].view() == "DO6");

constexpr std::size_t Idx(int i) { return static_cast<std::size_t>(i); }

std::string Upper(std::string_view s) {
    std::string u(s);
    for (char& ch : u) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    return u;
}

std::string TwoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

}  // namespace

std::string_view PitchName(int pitchClass) { return kPitchNames.at(Idx(pitchClass)); }
std::string_view LetterName(int letter) { return kLetters.at(Idx(letter)); }

std::string_view KeyLabel(Register r, KeyNumber k) {
    return kRegisterLabels.at(Idx(static_cast<int>(r))).at(Idx(k.value - 1)).view();
}

std::string_view KeySpelling(KeyNumber k, Spelling s) {
    return kSpellingTable.at(Idx((k.value - 1) % 12)).at(Idx(static_cast<int>(s)));
}

ControlArray& SpellingArray(Program& p, Spelling s) {
    switch (s) {
        case Spelling::Natural: return p.main.lblNaturali;
        case Spelling::Sharp: return p.main.lblDiesis;
        case Spelling::Flat: return p.main.lblBemolli;
        case Spelling::DoubleSharp: return p.main.lblDDiesis;
        case Spelling::DoubleFlat: break;
    }
    return p.main.lblDBemolli;
}

std::optional<Pitch> ParseLabel(std::string_view label) {
    // The longest matching name wins: "SOL#3" is SOL# of octave 3, not SOL.
    int best = -1;
    for (int c = 0; c < 12; ++c) {
        auto name = kPitchNames[Idx(c)];
        if (label.starts_with(name) && (best < 0 || name.size() > kPitchNames[Idx(best)].size()))
            best = c;
    }
    if (best < 0) return std::nullopt;
    auto rest = label.substr(kPitchNames[Idx(best)].size());
    if (rest.empty()) return Pitch{best, 0};
    if (rest.size() == 1 && rest[0] >= '1' && rest[0] <= '9') return Pitch{best, rest[0] - '0'};
    return std::nullopt;
}

int SemitoneOf(const Pitch& pitch) { return 12 * pitch.octave + pitch.pitchClass + 1; }

void SetKeyboardRegister(Program& p, Register r) {
    for (int k = 1; k <= kKeys; ++k) p.state.PosizioneNota[Idx(k)] = KeyLabel(r, KeyNumber{k});
}

int CurrentRegisterOffset(const Program& p) {
    const auto& first = p.state.PosizioneNota[1];
    if (first == "DO1") return 12;
    if (first == "DO2") return 24;
    return 0;
}

SampleNumber SampleForKey(const Program& p, KeyNumber k) {
    return SampleNumber{k.value + CurrentRegisterOffset(p)};
}

std::optional<KeyNumber> FindKeyByLabel(const Program& p, std::string_view label) {
    for (int k = 1; k <= kKeys; ++k)
        if (p.state.PosizioneNota[Idx(k)] == label) return KeyNumber{k};
    return std::nullopt;
}

const ClefInfo& Clef(ClefNumber c) { return kClefTable.at(Idx(c.value - 1)); }

std::optional<ClefNumber> ClefFromText(std::string_view text) {
    if (text.size() == 1 && text[0] >= '1' && text[0] <= '7') return ClefNumber{text[0] - '0'};
    return std::nullopt;
}

std::optional<Spelling> SpellingOf(std::string_view name) {
    if (name.empty()) return std::nullopt;
    if (name.ends_with("bb")) return Spelling::DoubleFlat;
    if (name.ends_with("b")) return Spelling::Flat;
    if (name.ends_with("#")) return Spelling::Sharp;
    if (name.ends_with("x")) return Spelling::DoubleSharp;
    return Spelling::Natural;
}

std::optional<StaffPosition> StaffPositionOf(ClefNumber c, std::string_view label,
                                             std::string_view name) {
    if (c.value < 1 || c.value > kClefs || name.empty()) return std::nullopt;
    auto pitch = ParseLabel(label);
    if (!pitch) return std::nullopt;
    const auto& clef = Clef(c);
    int semitone = SemitoneOf(*pitch);
    if (semitone < SemitoneOf(*ParseLabel(clef.lowest)) ||
        semitone > SemitoneOf(*ParseLabel(clef.highest)))
        return std::nullopt;

    const auto& row = kSpellingTable[Idx(pitch->pitchClass)];
    for (int s = 0; s < kSpellingClasses; ++s) {
        if (row[Idx(s)] != name) continue;
        auto letterText = Upper(name.substr(0, name.size() - kSpellingFacts[Idx(s)].sign.size()));
        int letter = 0;
        while (kLetters[Idx(letter)] != letterText) ++letter;
        // The written octave is the letter's: "Si#" on a DO is a SI of the octave below,
        // "Dob" on a SI a DO of the octave above.
        int crossing =
            kLetterPitchClass[Idx(letter)] + kSpellingFacts[Idx(s)].shift - pitch->pitchClass;
        int writtenOctave = pitch->octave - crossing / 12;
        int pos = 7 * writtenOctave + letter + 2 * c.value - 13;
        if (pos < 1 || pos > kPositions) return std::nullopt;
        return StaffPosition{pos};
    }
    return std::nullopt;
}

std::string NoteImagePath(StaffPosition pos, Spelling s) {
    return "Velondo7/Grafica/" + TwoDigits(pos.value) + std::string(Facts(s).suffix) + ".gif";
}

std::string ClefImagePath(ClefNumber c) {
    return "Velondo7/Grafica/Ch" + TwoDigits(c.value) + ".gif";
}

void PlaceNoteImage(Program& p) {
    int slot = p.state.Avanza;
    int entry = p.state.NumeroScelto;
    if (!p.main.ImgNota.contains(slot) || !p.main.lblScegliNome.contains(entry)) return;

    const std::string& keyText = p.state.ScegliNumero[Idx(entry)];
    const int key = NumberOf(keyText).value_or(0);
    if (key < 1 || key > kKeys) return;

    auto clef = ClefFromText(p.state.ChiaveScelta);
    if (!clef) return;
    const std::string& name = p.main.lblScegliNome[entry].caption;
    auto pos = StaffPositionOf(*clef, p.state.PosizioneNota[Idx(key)], name);
    if (!pos) return;  // outside the clef's window, or not a spelling of the key
    p.main.ImgNota[slot].picture = p.path(NoteImagePath(*pos, *SpellingOf(name)));
}

void ShowReferenceKey(Program& p) {
    for (int m = 1; m <= 12; ++m) p.main.ShpVerticale[m].visible = false;
    auto clef = ClefFromText(p.state.ChiaveScelta);
    if (!clef) return;
    auto key = FindKeyByLabel(p, Clef(*clef).referenceNote);
    if (!key) return;
    // Markers stand over the DO, FA and SOL keys of each octave: 0, 1, 2 in the first.
    int pitchClass = (key->value - 1) % 12;
    int octave = (key->value - 1) / 12;
    int within = pitchClass == 0 ? 0 : pitchClass == 5 ? 1 : pitchClass == 7 ? 2 : -1;
    if (within < 0) return;
    p.main.ShpVerticale[3 * octave + within].visible = true;
}

}  // namespace velondo::notation
