#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/wiring.h"
#include "core/testing/test_adapters.h"
#include "exercise/range.h"
#include "exercise/settings.h"
#include "notation/notation.h"
#include "ui/keyboard.h"

namespace velondo {
namespace {

using exercise::End;
using Log = std::vector<std::string>;

class RangeTest : public ::testing::Test {
protected:
    RangeTest() : p(*rig.program), m(p.main) {
        InstallAll(p);
        p.state.Dir = "/dati/";
    }
    void Range(const char* clef, int lowest, int highest) {
        p.state.ChiaveScelta = clef;
        p.state.NotaPiuGrave = lowest;
        p.state.NotaPiuAcuta = highest;
        exercise::ShowLowestNote(p);
        exercise::ShowHighestNote(p);
    }
    testing::TestRig rig;
    Program& p;
    MainWindow& m;
};

struct LabelCase {
    const char* name;
    int position, clef;
    std::optional<std::string> label;
};

class PositionLabelTest : public ::testing::TestWithParam<LabelCase> {};

TEST_P(PositionLabelTest, NamesTheNaturalNoteOfThePosition) {
    EXPECT_EQ(exercise::PositionLabel(GetParam().position, GetParam().clef), GetParam().label);
}

INSTANTIATE_TEST_SUITE_P(Clefs, PositionLabelTest,
                         ::testing::Values(LabelCase{"violino_ledger_do", 10, 1, "DO3"},
                                           LabelCase{"violino_la", 22, 1, "LA4"},
                                           LabelCase{"violino_top", 31, 1, "DO6"},
                                           LabelCase{"basso_bottom", 1, 7, "DO"},
                                           LabelCase{"basso_top", 31, 7, "MI4"},
                                           LabelCase{"basso_low_end", 10, 7, "MI1"},
                                           LabelCase{"basso_high_end", 22, 7, "DO3"},
                                           LabelCase{"tenore_low_end", 10, 5, "SI1"},
                                           LabelCase{"tenore_high_end", 22, 5, "SOL3"},
                                           LabelCase{"no_clef", 10, 0, std::nullopt}),
                         [](const auto& info) { return std::string(info.param.name); });

// The register chosen for a range: worked example, both kinds of tie, a low range.
struct RegisterCase {
    const char* name;
    const char* clef;
    int lowest, highest;
    const char* keyOne;  // PosizioneNota(1) of the chosen register
};

class RegisterTest : public RangeTest, public ::testing::WithParamInterface<RegisterCase> {};

TEST_P(RegisterTest, CentresTheRangeOnTheKeyboard) {
    const RegisterCase& c = GetParam();
    Range(c.clef, c.lowest, c.highest);
    exercise::ChooseKeyboardRegister(p);
    EXPECT_EQ(p.state.PosizioneNota[1], c.keyOne);
}

INSTANTIATE_TEST_SUITE_P(Ranges, RegisterTest,
                         ::testing::Values(
                             // Grave misses LA4 (987), Media 25 + 46 (21), Acuta 13 + 34 (3).
                             RegisterCase{"violino_worked_example", "1", 10, 22, "DO2"},
                             // DO3 … DO4: Grave 36, Media 12, Acuta 12: the tie goes to Media.
                             RegisterCase{"tie_media_acuta", "1", 10, 17, "DO1"},
                             // DO2 … DO3: Grave 12, Media 12, Acuta 36.
                             RegisterCase{"tie_grave_media", "1", 3, 10, "DO1"},
                             // RE … RE1 exists only in Grave.
                             RegisterCase{"basso_lowest", "7", 2, 9, "DO"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(RangeTest, MarksTheKeysOfTheRangeAndTheGauge) {
    Range("1", 10, 22);
    exercise::ChooseKeyboardRegister(p);
    exercise::MarkRange(p);
    EXPECT_EQ(m.lblDiesis[13].caption, "Si#");
    EXPECT_EQ(m.lblDiesis[13].backColor, 12648447u);  // the "Si#" written below DO3
    EXPECT_EQ(m.lblBemolli[12].caption, "Dob");
    EXPECT_EQ(m.lblBemolli[12].backColor, 16777215u);  // written inside, but on key 12
    EXPECT_EQ(m.lblNaturali[12].backColor, 16777215u);
    EXPECT_EQ(m.lblDBemolli[34].backColor, 12648447u);  // "Sibb" of LA4
    EXPECT_EQ(m.lblNaturali[35].backColor, 16777215u);
    EXPECT_EQ(m.lblBemolli[20].backColor, 12648447u);  // every class of a key in range
    EXPECT_EQ(p.state.SpazioBasso, 6);
    EXPECT_EQ(p.state.SpazioAlto, 11);
    for (int b = 1; b <= 16; ++b) EXPECT_EQ(m.lblSpazi[b].visible, b >= 6 && b <= 11) << b;
}

TEST_F(RangeTest, SmallestRangeShowsOneBand) {
    Range("1", 2, 3);
    exercise::ChooseKeyboardRegister(p);
    exercise::MarkRange(p);
    EXPECT_EQ(p.state.SpazioBasso, 2);
    EXPECT_EQ(p.state.SpazioAlto, 2);
    for (int b = 1; b <= 16; ++b) EXPECT_EQ(m.lblSpazi[b].visible, b == 2) << b;
}

// Releasing an arrow: the extension is kept at most 22 by dragging the other end.
struct ReleaseCase {
    const char* name;
    End released;
    int lowest, highest;
    int lowestAfter, highestAfter, extension;
    const char* suffix;
};

class ReleaseTest : public RangeTest, public ::testing::WithParamInterface<ReleaseCase> {};

TEST_P(ReleaseTest, KeepsTheExtensionWithinThreeOctaves) {
    const ReleaseCase& c = GetParam();
    Range("1", c.lowest, c.highest);
    exercise::ReleaseArrow(p, c.released, exercise::Up);
    EXPECT_EQ(p.state.NotaPiuGrave, c.lowestAfter);
    EXPECT_EQ(p.state.NotaPiuAcuta, c.highestAfter);
    EXPECT_EQ(p.state.EstensioneIntervallo, c.extension);
    EXPECT_EQ(m.lblEstensioneIntervallo.caption, std::to_string(c.extension));
    EXPECT_EQ(exercise::IntervalSuffixField(p), c.suffix);
    EXPECT_EQ(p.state.PiuGrave, *exercise::PositionLabel(c.lowestAfter, 1));
    EXPECT_EQ(p.state.PiuAcuta, *exercise::PositionLabel(c.highestAfter, 1));
}

INSTANTIATE_TEST_SUITE_P(
    Extensions, ReleaseTest,
    ::testing::Values(ReleaseCase{"second", End::Highest, 10, 11, 10, 11, 2, "a"},
                      ReleaseCase{"tenth", End::Highest, 2, 11, 2, 11, 10, "a"},
                      ReleaseCase{"eleventh", End::Highest, 2, 12, 2, 12, 11, "esima"},
                      ReleaseCase{"three_octaves", End::Highest, 2, 23, 2, 23, 22, "esima"},
                      ReleaseCase{"one_too_many", End::Highest, 2, 24, 3, 24, 22, "esima"},
                      ReleaseCase{"widest_drags_lowest", End::Highest, 2, 30, 9, 30, 22, "esima"},
                      ReleaseCase{"widest_drags_highest", End::Lowest, 2, 30, 2, 23, 22, "esima"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RangeTest, HeldArrowRepeatsUntilItsBoundAndSoundsEachTick) {
    Range("1", 10, 22);
    m.lblVisualizzaB[10].on = true;
    rig.sound.takeLog();
    ASSERT_TRUE(p.call("lblPosizioneAcuta", exercise::Up, "MouseDown"));
    EXPECT_EQ(p.state.NotaPiuAcuta, 23);
    EXPECT_TRUE(m.lblPosizioneAcuta[2].on);
    EXPECT_EQ(m.lblSfondoAcuto[2].backColor, Rgb(255, 192, 192));
    EXPECT_TRUE(m.ShpAcuto[23].visible);
    EXPECT_EQ(m.ImgNotaAcuta.picture, "");
    rig.time.advance(2000, p);
    EXPECT_EQ(p.state.NotaPiuAcuta, 30);
    EXPECT_FALSE(m.TmrAcutaSu.enabled());
    EXPECT_TRUE(m.ShpAcuto[30].visible);
    EXPECT_FALSE(m.ShpAcuto[29].visible);
    EXPECT_EQ(rig.sound.takeLog(), Log(7, "Play mmcClick"));  // 24 … 30

    ASSERT_TRUE(p.call("lblPosizioneAcuta", exercise::Up, "MouseUp"));
    EXPECT_FALSE(m.lblPosizioneAcuta[2].on);
    EXPECT_EQ(m.lblSfondoAcuto[2].backColor, colors::White);
    EXPECT_FALSE(m.ShpAcuto[30].visible);
    EXPECT_EQ(m.ImgNotaAcuta.picture, "/dati/Velondo7/Grafica/30.gif");
    EXPECT_EQ(p.state.PiuAcuta, "SI5");
    EXPECT_EQ(p.state.EstensioneIntervallo, 21);
    EXPECT_EQ(p.state.SuonaNota, "SI5");
    EXPECT_EQ(rig.sound.takeLog(), Log{"Play mmcPiano(72)"});
}

struct BlockedCase {
    const char* name;
    const char* control;
    int arrow;
    int lowest, highest;
};

class BlockedArrowTest : public RangeTest, public ::testing::WithParamInterface<BlockedCase> {};

TEST_P(BlockedArrowTest, NeverMovesPastItsBound) {
    const BlockedCase& c = GetParam();
    Range("1", c.lowest, c.highest);
    ASSERT_TRUE(p.call(c.control, c.arrow, "MouseDown"));
    rig.time.advance(1000, p);
    EXPECT_EQ(p.state.NotaPiuGrave, c.lowest);
    EXPECT_EQ(p.state.NotaPiuAcuta, c.highest);
    EXPECT_FALSE(m.TmrGraveGiu.enabled());
    EXPECT_FALSE(m.TmrGraveSu.enabled());
    EXPECT_FALSE(m.TmrAcutaGiu.enabled());
    EXPECT_FALSE(m.TmrAcutaSu.enabled());
    EXPECT_FALSE(m.ImgNotaGrave.picture.empty());
    EXPECT_FALSE(m.ImgNotaAcuta.picture.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, BlockedArrowTest,
    ::testing::Values(
        BlockedCase{"lowest_at_2_down", "lblPosizioneGrave", exercise::Down, 2, 10},
        BlockedCase{"highest_at_30_up", "lblPosizioneAcuta", exercise::Up, 10, 30},
        BlockedCase{"lowest_meets_highest", "lblPosizioneGrave", exercise::Up, 10, 11},
        BlockedCase{"highest_meets_lowest", "lblPosizioneAcuta", exercise::Down, 10, 11}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RangeTest, ConfirmRecomputesTheShadingSilently) {
    Range("1", 10, 22);
    m.lblVisualizzaB[10].on = true;
    ASSERT_TRUE(p.call("lblVisualizza", 8, "Click"));  // shaded before any range: all keys out
    EXPECT_EQ(m.ShpTasto[20].fillColor, Rgb(192, 192, 192));
    rig.sound.takeLog();
    exercise::ConfirmRange(p);
    EXPECT_TRUE(m.lblVisualizza[8].on);
    EXPECT_EQ(m.ShpTasto[20].fillColor, colors::White);
    EXPECT_EQ(m.ShpTasto[12].fillColor, Rgb(192, 192, 192));
    EXPECT_FALSE(p.state.SilentClicks);
    EXPECT_EQ(rig.sound.takeLog(), Log{});
}

// Naming a new profile.
struct NameCase {
    const char* name;
    int progressivo;
    const char* clef;
    const char* profile;
    const char* clefPicture;
};

class NameNewProfileTest : public RangeTest, public ::testing::WithParamInterface<NameCase> {};

TEST_P(NameNewProfileTest, NumbersNamesAndPlacesTheProfile) {
    const NameCase& c = GetParam();
    p.state.Progressivo = c.progressivo;
    m.lblVoceOpzioni[3].caption = c.clef;
    exercise::NameNewProfile(p);
    EXPECT_EQ(p.state.Progressivo, c.progressivo + 1);
    EXPECT_EQ(m.lblVoceOpzioni[11].caption, c.profile);
    EXPECT_EQ(p.state.NomeFile, std::string("/dati/Velondo7/Impostazioni/") + c.profile + ".txt");
    EXPECT_EQ(m.ImgChiave.picture, std::string("/dati/Velondo7/Grafica/") + c.clefPicture);
}

INSTANTIATE_TEST_SUITE_P(
    Profiles, NameNewProfileTest,
    ::testing::Values(NameCase{"first", 0, "Violino", "00001 - Violino", "Ch01.gif"},
                      NameCase{"twelfth", 11, "Basso", "00012 - Basso", "Ch07.gif"},
                      NameCase{"four_digits", 1233, "Tenore", "01234 - Tenore", "Ch05.gif"},
                      NameCase{"five_digits", 99998, "Soprano", "99999 - Soprano", "Ch02.gif"},
                      NameCase{"six_digits_uncut", 99999, "Contralto", "100000 - Contralto",
                               "Ch04.gif"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RangeTest, UnknownClefNameKeepsTheDrillClef) {
    m.ImgChiave.picture = "/dati/Velondo7/Grafica/Ch03.gif";
    m.lblVoceOpzioni[3].caption = "violino";
    exercise::NameNewProfile(p);
    EXPECT_EQ(m.ImgChiave.picture, "/dati/Velondo7/Grafica/Ch03.gif");
    EXPECT_EQ(m.lblVoceOpzioni[11].caption, "00001 - violino");
}

}  // namespace
}  // namespace velondo
