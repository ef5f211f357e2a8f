#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/wiring.h"
#include "core/testing/test_adapters.h"
#include "notation/notation.h"

namespace velondo {
namespace {

using namespace notation;

class NotationTest : public ::testing::Test {
protected:
    NotationTest() : p(*rig.program) {
        InstallAll(p);
        p.state.Dir = "/dati/";
    }
    void SetRegister(Register r) {
        static const char* const kCommands[] = {"cmdEstensioneGrave", "cmdEstensioneMedia",
                                                "cmdEstensioneAcuta"};
        ASSERT_TRUE(p.call(kCommands[static_cast<int>(r)], "Click"));
    }
    testing::TestRig rig;
    Program& p;
};

template <class T>
std::string CaseName(const ::testing::TestParamInfo<T>& info) {
    return info.param.name;
}

// --- keyboard labels and registers ---

struct LabelCase {
    const char* name;
    Register reg;
    int key;
    const char* label;
};
class KeyLabels : public NotationTest, public ::testing::WithParamInterface<LabelCase> {};

TEST_P(KeyLabels, CommandWritesTheRegistersLabels) {
    const auto& c = GetParam();
    SetRegister(c.reg);
    EXPECT_EQ(p.state.PosizioneNota[static_cast<size_t>(c.key)], c.label);
    EXPECT_EQ(p.state.PosizioneNota[0], "DO1");  // never a key: the command leaves it
    EXPECT_EQ(p.state.PosizioneNota[50], "");
}

INSTANTIATE_TEST_SUITE_P(Registers, KeyLabels,
                         ::testing::Values(LabelCase{"grave_1_octave0_has_no_digit",
                                                     Register::Grave, 1, "DO"},
                                           LabelCase{"grave_9_black", Register::Grave, 9, "SOL#"},
                                           LabelCase{"grave_13", Register::Grave, 13, "DO1"},
                                           LabelCase{"grave_49", Register::Grave, 49, "DO4"},
                                           LabelCase{"media_1", Register::Media, 1, "DO1"},
                                           LabelCase{"media_25", Register::Media, 25, "DO3"},
                                           LabelCase{"media_47", Register::Media, 47, "LA#4"},
                                           LabelCase{"acuta_1", Register::Acuta, 1, "DO2"},
                                           LabelCase{"acuta_12", Register::Acuta, 12, "SI2"},
                                           LabelCase{"acuta_49", Register::Acuta, 49, "DO6"}),
                         CaseName<LabelCase>);

TEST_F(NotationTest, StartsWithTheAcutaLabelsAndEmptyCounts) {
    EXPECT_EQ(p.state.PosizioneNota[0], "DO1");
    EXPECT_EQ(p.state.PosizioneNota[1], "DO2");
    EXPECT_EQ(p.state.PosizioneNota[49], "DO6");
    EXPECT_EQ(p.state.PosizioneNota[50], "");
    for (int s = 0; s < kSpellingClasses; ++s)
        EXPECT_EQ(SpellingArray(p, static_cast<Spelling>(s))[0].caption, "0");
}

struct OffsetCase {
    const char* name;
    Register reg;
    int offset, sampleOfKey1, sampleOfKey49;
};
class RegisterOffset : public NotationTest, public ::testing::WithParamInterface<OffsetCase> {};

TEST_P(RegisterOffset, DecidesTheSampleOfEveryKey) {
    const auto& c = GetParam();
    SetRegister(c.reg);
    EXPECT_EQ(CurrentRegisterOffset(p), c.offset);
    EXPECT_EQ(SampleForKey(p, KeyNumber{1}).value, c.sampleOfKey1);
    EXPECT_EQ(SampleForKey(p, KeyNumber{49}).value, c.sampleOfKey49);
}

INSTANTIATE_TEST_SUITE_P(Registers, RegisterOffset,
                         ::testing::Values(OffsetCase{"grave", Register::Grave, 0, 1, 49},
                                           OffsetCase{"media", Register::Media, 12, 13, 61},
                                           OffsetCase{"acuta", Register::Acuta, 24, 25, 73}),
                         CaseName<OffsetCase>);

TEST_F(NotationTest, OffsetLooksAtTheFirstLabelOnly) {
    SetRegister(Register::Acuta);
    p.state.PosizioneNota[1] = "RE2";  // a profile with labels of no register
    EXPECT_EQ(CurrentRegisterOffset(p), 0);
    p.state.PosizioneNota[1] = "DO1";
    EXPECT_EQ(CurrentRegisterOffset(p), 12);
}

struct FindCase {
    const char* name;
    Register reg;
    const char* label;
    int key;  // 0: not on the keyboard
};
class FindKey : public NotationTest, public ::testing::WithParamInterface<FindCase> {};

TEST_P(FindKey, GivesTheKeyCarryingTheLabel) {
    const auto& c = GetParam();
    SetRegister(c.reg);
    auto key = FindKeyByLabel(p, c.label);
    EXPECT_EQ(key ? key->value : 0, c.key);
}

INSTANTIATE_TEST_SUITE_P(Labels, FindKey,
                         ::testing::Values(FindCase{"sol3_grave", Register::Grave, "SOL3", 44},
                                           FindCase{"sol3_media", Register::Media, "SOL3", 32},
                                           FindCase{"sol3_acuta", Register::Acuta, "SOL3", 20},
                                           FindCase{"do6_grave", Register::Grave, "DO6", 0},
                                           FindCase{"do6_media", Register::Media, "DO6", 0},
                                           FindCase{"do6_acuta", Register::Acuta, "DO6", 49},
                                           FindCase{"case_matters", Register::Grave, "sol3", 0},
                                           FindCase{"empty_is_no_key", Register::Grave, "", 0}),
                         CaseName<FindCase>);

// --- spellings ---

TEST_F(NotationTest, SpellingCaptionsFollowTheKeysPitchClass) {
    struct Cell {
        int key;
        Spelling s;
        const char* text;
    };
    const Cell cells[] = {{1, Spelling::Natural, "DO"},
                          {1, Spelling::Sharp, "Si#"},
                          {1, Spelling::Flat, ""},
                          {1, Spelling::DoubleSharp, ""},
                          {1, Spelling::DoubleFlat, "Rebb"},
                          {2, Spelling::Sharp, "Do#"},
                          {2, Spelling::Flat, "Reb"},
                          {2, Spelling::DoubleSharp, "Six"},
                          {49, Spelling::Sharp, "Si#"},
                          {9, Spelling::Sharp, "Sol#"},
                          {9, Spelling::Flat, "Lab"},
                          {9, Spelling::Natural, ""},
                          {9, Spelling::DoubleSharp, ""},
                          {9, Spelling::DoubleFlat, ""},
                          {18, Spelling::DoubleFlat, "Solbb"}};
    for (const auto& c : cells)
        EXPECT_EQ(SpellingArray(p, c.s)[c.key].caption, c.text) << "key " << c.key;
}

TEST_F(NotationTest, FortyNineKeysOffer143SpelledNotes) {
    int spelled = 0;
    for (int k = 1; k <= kKeys; ++k)
        for (int s = 0; s < kSpellingClasses; ++s)
            spelled += !SpellingArray(p, static_cast<Spelling>(s))[k].caption.empty();
    EXPECT_EQ(spelled, 143);
}

// --- staff positions ---

struct StaffCase {
    const char* name;
    int clef;
    const char* label;
    const char* spelled;
    const char* picture;  // "": no position
};
class StaffMapping : public ::testing::TestWithParam<StaffCase> {};

TEST_P(StaffMapping, PlacesTheSpelledNote) {
    const auto& c = GetParam();
    auto pos = StaffPositionOf(ClefNumber{c.clef}, c.label, c.spelled);
    std::string picture =
        pos ? NoteImagePath(*pos, *SpellingOf(c.spelled)).substr(sizeof "Velondo7/Grafica/" - 1)
            : "";
    EXPECT_EQ(picture, c.picture);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedRows, StaffMapping,
    ::testing::Values(StaffCase{"violino_do3", 1, "DO3", "DO", "10.gif"},
                      StaffCase{"violino_do3_as_si_sharp", 1, "DO3", "Si#", "09di.gif"},
                      StaffCase{"violino_do3_as_rebb", 1, "DO3", "Rebb", "11db.gif"},
                      StaffCase{"basso_re_as_dox", 7, "RE", "Dox", "01dd.gif"},
                      StaffCase{"basso_re4_as_mibb", 7, "RE4", "Mibb", "31db.gif"},
                      StaffCase{"baritono_fa2_third_line", 6, "FA2", "FA", "16.gif"},
                      StaffCase{"basso_do_below_window", 7, "DO", "DO", ""},
                      StaffCase{"basso_do_sharp_below_window", 7, "DO#", "Do#", ""},
                      StaffCase{"violino_do6_above_window", 1, "DO6", "DO", ""},
                      StaffCase{"violino_si5_as_dob", 1, "SI5", "Dob", "31be.gif"},
                      StaffCase{"violino_si5", 1, "SI5", "SI", "30.gif"},
                      StaffCase{"contralto_do3_as_si_sharp", 4, "DO3", "Si#", "15di.gif"},
                      StaffCase{"contralto_do3", 4, "DO3", "DO", "16.gif"},
                      StaffCase{"contralto_do3_as_rebb", 4, "DO3", "Rebb", "17db.gif"},
                      StaffCase{"tenore_la_sharp_as_dobb", 5, "LA#1", "Dobb", "11db.gif"},
                      StaffCase{"soprano_do_sharp_as_six", 2, "DO#3", "Six", "11dd.gif"},
                      StaffCase{"natural_written_capitalised_is_no_name", 1, "DO3", "Do", ""},
                      StaffCase{"name_of_another_key", 1, "DO3", "RE", ""},
                      StaffCase{"sharp_written_in_capitals", 1, "DO#3", "DO#", ""},
                      StaffCase{"empty_name", 1, "DO3", "", ""},
                      StaffCase{"no_label", 1, "", "DO", ""},
                      StaffCase{"octave_zero_has_no_digit", 7, "RE0", "RE", ""},
                      StaffCase{"clef_out_of_table", 8, "DO3", "DO", ""}),
    CaseName<StaffCase>);

// Every label of the three registers read in every spelled name the program knows.
struct Pair {
    std::string label, name;
};
std::vector<Pair> EveryLabelAndName() {
    std::set<std::string> labels, names;
    for (int r = 0; r < 3; ++r)
        for (int k = 1; k <= kKeys; ++k) {
            labels.insert(std::string(KeyLabel(static_cast<Register>(r), KeyNumber{k})));
            for (int s = 0; s < kSpellingClasses; ++s)
                names.insert(std::string(KeySpelling(KeyNumber{k}, static_cast<Spelling>(s))));
        }
    names.erase("");
    std::vector<Pair> pairs;
    for (const auto& l : labels)
        for (const auto& n : names) pairs.push_back({l, n});
    return pairs;
}

class EveryClef : public ::testing::TestWithParam<int> {};

TEST_P(EveryClef, MapsExactlyItsWindowsSpelledNotesToDistinctPictures) {
    ClefNumber clef{GetParam()};
    auto low = SemitoneOf(*ParseLabel(Clef(clef).lowest));
    auto high = SemitoneOf(*ParseLabel(Clef(clef).highest));
    ASSERT_EQ(high - low + 1, 49);

    std::set<std::string> pictures;
    int mapped = 0;
    for (const auto& [label, name] : EveryLabelAndName()) {
        auto pos = StaffPositionOf(clef, label, name);
        if (!pos) continue;
        ++mapped;
        int semitone = SemitoneOf(*ParseLabel(label));
        EXPECT_TRUE(semitone >= low && semitone <= high) << label << " " << name;
        EXPECT_TRUE(pos->value >= 1 && pos->value <= kPositions) << label << " " << name;
        if (SpellingOf(name) == Spelling::Natural) {
            EXPECT_TRUE(pos->value >= 2 && pos->value <= 30) << label;
        }
        pictures.insert(NoteImagePath(*pos, *SpellingOf(name)));
        // The next clef writes the same note a third higher.
        if (clef.value < kClefs) {
            auto next = StaffPositionOf(ClefNumber{clef.value + 1}, label, name);
            if (next) {
                EXPECT_EQ(next->value, pos->value + 2) << label << " " << name;
            }
        }
    }
    EXPECT_EQ(mapped, 143);
    EXPECT_EQ(pictures.size(), 143u);
}

INSTANTIATE_TEST_SUITE_P(SevenClefs, EveryClef, ::testing::Range(1, kClefs + 1));

TEST(ClefTable, PicturesAndChoiceText) {
    EXPECT_EQ(ClefImagePath(ClefNumber{1}), "Velondo7/Grafica/Ch01.gif");
    EXPECT_EQ(ClefImagePath(ClefNumber{7}), "Velondo7/Grafica/Ch07.gif");
    EXPECT_EQ(Clef(ClefNumber{3}).name, "Mezzosoprano");
    EXPECT_EQ(Clef(ClefNumber{6}).sign, "Fa");
    EXPECT_FALSE(ClefFromText("0"));
    EXPECT_FALSE(ClefFromText("8"));
    EXPECT_FALSE(ClefFromText("12"));
    EXPECT_EQ(ClefFromText("5")->value, 5);
}

// --- note pictures in the staff slots ---

struct PlaceCase {
    const char* name;
    Register reg;
    const char* clef;
    const char* key;  // the entry's key, as the sequence holds it
    const char* spelled;
    const char* picture;  // "": the slot keeps its picture
};
class PlaceNote : public NotationTest, public ::testing::WithParamInterface<PlaceCase> {};

TEST_P(PlaceNote, SetsThePictureOfTheSlot) {
    const auto& c = GetParam();
    SetRegister(c.reg);
    p.state.ChiaveScelta = c.clef;
    p.state.Avanza = 13;
    p.state.NumeroScelto = 120;
    p.state.ScegliNumero[120] = c.key;
    p.main.lblScegliNome[120].caption = c.spelled;
    p.main.ImgNota[13].picture = "earlier";
    PlaceNoteImage(p);
    EXPECT_EQ(p.main.ImgNota[13].picture,
              *c.picture ? "/dati/Velondo7/Grafica/" + std::string(c.picture) : "earlier");
    EXPECT_EQ(p.main.ImgNota[12].picture, "");  // other slots untouched
}

INSTANTIATE_TEST_SUITE_P(
    Slots, PlaceNote,
    ::testing::Values(
        PlaceCase{"basso_grave_key1_below", Register::Grave, "7", "1", "DO", ""},
        PlaceCase{"basso_grave_key2_below", Register::Grave, "7", "2", "Reb", ""},
        PlaceCase{"basso_grave_key3_dox", Register::Grave, "7", "3", "Dox", "01dd.gif"},
        PlaceCase{"violino_acuta_key49_above", Register::Acuta, "1", "49", "DO", ""},
        PlaceCase{"violino_acuta_key48_dob", Register::Acuta, "1", "48", "Dob", "31be.gif"},
        PlaceCase{"violino_acuta_key48_si", Register::Acuta, "1", "48", "SI", "30.gif"},
        PlaceCase{"name_not_of_the_key", Register::Acuta, "1", "48", "DO", ""},
        PlaceCase{"key_not_a_number", Register::Acuta, "1", "", "SI", ""},
        PlaceCase{"key_out_of_keyboard", Register::Acuta, "1", "50", "", ""},
        PlaceCase{"clef_not_chosen", Register::Acuta, "0", "48", "SI", ""}),
    CaseName<PlaceCase>);

// --- reference key marker ---

struct MarkerCase {
    const char* name;
    const char* clef;
    Register reg;
    int marker;
};
class ReferenceKey : public NotationTest, public ::testing::WithParamInterface<MarkerCase> {};

TEST_P(ReferenceKey, ShowsOnlyTheMarkerOfTheClefsNote) {
    const auto& c = GetParam();
    SetRegister(c.reg);
    p.state.ChiaveScelta = c.clef;
    for (int m = 1; m <= 12; ++m) p.main.ShpVerticale[m].visible = true;
    ShowReferenceKey(p);
    for (int m = 1; m <= 12; ++m) EXPECT_EQ(p.main.ShpVerticale[m].visible, m == c.marker) << m;
}

INSTANTIATE_TEST_SUITE_P(Clefs, ReferenceKey,
                         ::testing::Values(MarkerCase{"violino_grave", "1", Register::Grave, 11},
                                           MarkerCase{"violino_media", "1", Register::Media, 8},
                                           MarkerCase{"violino_acuta", "1", Register::Acuta, 5},
                                           MarkerCase{"soprano_grave", "2", Register::Grave, 9},
                                           MarkerCase{"tenore_media", "5", Register::Media, 6},
                                           MarkerCase{"contralto_acuta", "4", Register::Acuta, 3},
                                           MarkerCase{"baritono_grave", "6", Register::Grave, 7},
                                           MarkerCase{"basso_media", "7", Register::Media, 4},
                                           MarkerCase{"basso_acuta", "7", Register::Acuta, 1}),
                         CaseName<MarkerCase>);

TEST_F(NotationTest, ReferenceKeyOffTheKeyboardOnlyHidesTheMarkers) {
    SetRegister(Register::Acuta);
    for (int k = 1; k <= kKeys; ++k) p.state.PosizioneNota[static_cast<size_t>(k)] = "?";
    p.main.ShpVerticale[5].visible = true;
    ShowReferenceKey(p);
    for (int m = 1; m <= 12; ++m) EXPECT_FALSE(p.main.ShpVerticale[m].visible) << m;
}

}  // namespace
}  // namespace velondo
