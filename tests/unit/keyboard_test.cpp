#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/wiring.h"
#include "core/testing/test_adapters.h"
#include "ui/keyboard.h"
#include "ui/name_rows.h"
#include "ui/options.h"

namespace velondo {
namespace {

using Log = std::vector<std::string>;
constexpr Color kGreen = Rgb(128, 255, 128);
constexpr Color kLightGrey = Rgb(192, 192, 192);
constexpr Color kDarkGrey = Rgb(128, 128, 128);

class KeyboardTest : public ::testing::Test {
protected:
    KeyboardTest() : p(*rig.program), m(p.main) { InstallAll(p); }
    void Click(int i) { ASSERT_TRUE(p.call("lblVisualizza", i, "Click")); }
    void Press(int k) { ASSERT_TRUE(p.call("lblTasto", k, "MouseDown")); }
    void Release(int k) { ASSERT_TRUE(p.call("lblTasto", k, "MouseUp")); }
    // Keys a … b in range, as the range "Ok" marks them.
    void MarkKeys(int a, int b) {
        for (int r = 1; r <= ui::kNameRows; ++r)
            for (int k = 1; k <= 49; ++k)
                ui::RowSpellings(p, r)[k].backColor =
                    k >= a && k <= b ? ui::rangemark::InRange : ui::rangemark::None;
    }
    bool Shown(int row, int key) { return ui::RowLabels(p, row)[key].visible; }

    testing::TestRig rig;
    Program& p;
    MainWindow& m;
};

TEST_F(KeyboardTest, DesignShowsTheNaturalsOnTheirKeysOnly) {
    EXPECT_EQ(p.state.TotAlterazioni, "1");
    EXPECT_TRUE(m.lblVisualizza[1].on);
    EXPECT_TRUE(m.lblVisualizza[7].on);
    EXPECT_EQ(m.lblSfondi[7].backColor, colors::Tan);
    EXPECT_FALSE(m.lblVisualizza[6].on);
    EXPECT_EQ(m.lblSfondi[6].backColor, colors::White);
    EXPECT_TRUE(m.lblNaturaliT[1].visible);
    EXPECT_EQ(m.lblNaturaliT[1].caption, "DO");
    EXPECT_FALSE(m.lblNaturaliT[2].visible);  // a black key has no natural name
    EXPECT_FALSE(m.lblDiesisT[1].visible);
    EXPECT_EQ(m.lblDiesisT[1].caption, "Si#");
}

// Stacking decides what the view draws on top: nothing of a white key (body, click
// surface with its border or sunken frame) may be drawn over a black key's body.
TEST_F(KeyboardTest, BlackKeysLieAboveEveryLayerOfTheWhiteKeys) {
    for (int black = 1; black <= 49; ++black) {
        if (!ui::IsBlackKey(black)) continue;
        for (int white = 1; white <= 49; ++white) {
            if (ui::IsBlackKey(white)) continue;
            EXPECT_GT(m.ShpTasto[black].z, m.ShpTasto[white].z) << black << " " << white;
            EXPECT_GT(m.ShpTasto[black].z, m.lblTasto[white].z) << black << " " << white;
            EXPECT_GT(m.lblTasto[black].z, m.ShpTasto[black].z) << black;
        }
    }
    // The names stand over the bodies and leave the black keys' click surfaces on top.
    EXPECT_GT(m.lblDiesisT[2].z, m.ShpTasto[2].z);
    EXPECT_LT(m.lblDiesisT[2].z, m.lblTasto[2].z);
}

struct RowLabelCase {
    const char* name;
    int row, key;
    const char* caption;
    double left, top, fontSize;
};

class RowLabelTest : public KeyboardTest, public ::testing::WithParamInterface<RowLabelCase> {};

TEST_P(RowLabelTest, StandsOnItsKey) {
    const RowLabelCase& c = GetParam();
    const Control& label = ui::RowLabels(p, c.row)[c.key];
    EXPECT_EQ(label.caption, c.caption);
    EXPECT_EQ(label.left, c.left);
    EXPECT_DOUBLE_EQ(label.top, c.top);
    EXPECT_EQ(label.width, 540);
    EXPECT_EQ(label.height, 330);
    EXPECT_EQ(label.fontSize, c.fontSize);
    EXPECT_TRUE(label.bold);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RowLabelTest,
    ::testing::Values(
        RowLabelCase{"natural_on_key_1", 1, 1, "DO", 60, 10815, 9.75},
        RowLabelCase{"top_key_49", 1, 49, "DO", 14760, 10815, 9.75},
        RowLabelCase{"white_sharp", 2, 6, "Mi#", 60 + 525 * 3, 10500, 9.75},
        RowLabelCase{"black_sharp_centred", 2, 2, "Do#", 60 + 315 - 105, 8550, 9.75},
        RowLabelCase{"black_flat", 3, 47, "Sib", 60 + 3675 * 3 + 3045 - 105, 8760, 9.75},
        RowLabelCase{"white_flat", 3, 12, "Dob", 60 + 525 * 6, 11130, 9.75},
        RowLabelCase{"black_double_sharp", 4, 7, "Mix", 60 + 1890 - 105, 8340, 9.75},
        // 9 pt instead of 9.75, lowered by the smaller ascent to the row's baseline
        RowLabelCase{"five_letters", 5, 6, "Solbb", 60 + 525 * 3, 11130 + 0.75 * 20 * 0.905, 9}),
    [](const auto& info) { return std::string(info.param.name); });

// Tut and Sel after every toggle of a row: (button clicked, TotAlterazioni, Tut, Sel).
struct ToggleStep {
    int button;
    const char* total;
    bool tut, sel;
};
struct ToggleCase {
    const char* name;
    const char* selected;  // TotSelezionati
    std::vector<ToggleStep> steps;
};

class SummaryButtonsTest : public KeyboardTest, public ::testing::WithParamInterface<ToggleCase> {};

TEST_P(SummaryButtonsTest, FollowEveryRowToggle) {
    p.state.TotSelezionati = GetParam().selected;
    for (const ToggleStep& s : GetParam().steps) {
        SCOPED_TRACE("after button " + std::to_string(s.button));
        Click(s.button);
        EXPECT_EQ(p.state.TotAlterazioni, s.total);
        EXPECT_EQ(m.lblVisualizza[6].on, s.tut);
        EXPECT_EQ(m.lblSfondi[6].backColor, s.tut ? colors::Tan : colors::White);
        EXPECT_EQ(m.lblVisualizza[7].on, s.sel);
        EXPECT_EQ(m.lblSfondi[7].backColor, s.sel ? colors::Tan : colors::White);
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, SummaryButtonsTest,
                         ::testing::Values(ToggleCase{"all_rows_one_by_one",
                                                      "1",
                                                      {{2, "3", false, false},
                                                       {3, "7", false, false},
                                                       {4, "15", false, false},
                                                       {5, "31", true, false},
                                                       {3, "27", false, false},
                                                       {3, "31", true, false}}},
                                           ToggleCase{"sharps_and_flats_selected",
                                                      "6",
                                                      {{1, "0", false, false},
                                                       {2, "2", false, false},
                                                       {3, "6", false, true},
                                                       {1, "7", false, false},
                                                       {1, "6", false, true}}},
                                           ToggleCase{"everything_selected",
                                                      "31",
                                                      {{2, "3", false, false},
                                                       {3, "7", false, false},
                                                       {4, "15", false, false},
                                                       {5, "31", true, true},
                                                       {1, "30", false, false}}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(KeyboardTest, TutShowsEveryRowThenHidesThemAll) {
    Click(6);
    EXPECT_EQ(p.state.TotAlterazioni, "31");
    EXPECT_TRUE(m.lblVisualizza[6].on);
    EXPECT_FALSE(m.lblVisualizza[7].on);  // only naturals are selected
    for (int r = 1; r <= 5; ++r) EXPECT_TRUE(m.lblVisualizza[r].on) << r;
    EXPECT_TRUE(Shown(5, 6));   // "Solbb"
    EXPECT_FALSE(Shown(4, 9));  // SOL#/LAb has no double-sharp name

    Click(6);
    EXPECT_EQ(p.state.TotAlterazioni, "0");
    EXPECT_FALSE(m.lblVisualizza[6].on);
    EXPECT_FALSE(m.lblVisualizza[7].on);
    for (int r = 1; r <= 5; ++r)
        for (int k = 1; k <= 49; ++k) EXPECT_FALSE(Shown(r, k)) << r << " " << k;
}

TEST_F(KeyboardTest, SelShowsExactlyTheClassesOfThePool) {
    // Pool of sharps and double flats only.
    const char* counts[] = {"0", "4", "0", "0", "3"};
    for (int i = 1; i <= 5; ++i) m.lblVoceOpzioni[5 + i].caption = counts[i - 1];
    p.state.TotSelezionati = "18";
    Click(7);  // Sel on → off: every row off
    EXPECT_EQ(p.state.TotAlterazioni, "0");
    EXPECT_FALSE(m.lblVisualizza[7].on);
    Click(7);
    EXPECT_EQ(p.state.TotAlterazioni, "18");
    EXPECT_TRUE(m.lblVisualizza[7].on);
    EXPECT_FALSE(m.lblVisualizza[1].on);
    EXPECT_TRUE(m.lblVisualizza[2].on);
    EXPECT_TRUE(m.lblVisualizza[5].on);
    EXPECT_TRUE(Shown(2, 1));
    EXPECT_FALSE(Shown(1, 1));
}

TEST_F(KeyboardTest, ReplayedClicksAreSilentButTutAndSelAlwaysSound) {
    m.lblVisualizzaB[10].on = true;
    rig.sound.takeLog();
    Click(2);
    EXPECT_EQ(rig.sound.takeLog(), Log{"Play mmcClick"});
    options::SilentClick(p, Option::SharpNames);
    options::SilentClick(p, Option::Shading);
    EXPECT_EQ(rig.sound.takeLog(), Log{});
    options::SilentClick(p, Option::AllNames);  // its own replays of rows 1 … 5 stay silent
    EXPECT_EQ(rig.sound.takeLog(), Log{"Play mmcClick"});
    options::SilentClick(p, Option::SelectedNames);
    EXPECT_EQ(rig.sound.takeLog(), Log{"Play mmcClick"});
    m.lblVisualizzaB[10].on = false;
    Click(3);
    Click(6);
    EXPECT_EQ(rig.sound.takeLog(), Log{});
}

TEST_F(KeyboardTest, ShadingHidesNamesOutOfRangeAndRestoresThem) {
    MarkKeys(13, 34);
    Click(2);  // sharps shown before the shading
    Click(8);
    EXPECT_TRUE(m.lblVisualizza[8].on);
    EXPECT_EQ(m.lblSfondi[8].backColor, kLightGrey);
    EXPECT_EQ(m.ShpTasto[12].fillColor, kLightGrey);
    EXPECT_EQ(m.ShpTasto[11].fillColor, kDarkGrey);
    EXPECT_EQ(m.ShpTasto[13].fillColor, colors::White);
    EXPECT_EQ(m.ShpTasto[14].fillColor, colors::Black);
    EXPECT_EQ(m.ShpTasto[35].fillColor, kDarkGrey);
    EXPECT_FALSE(Shown(1, 12));
    EXPECT_FALSE(Shown(2, 11));
    EXPECT_TRUE(Shown(1, 13));
    EXPECT_TRUE(Shown(2, 13));  // "Si#" of the lowest DO

    Click(3);  // a row switched on later: names only inside the range
    EXPECT_FALSE(Shown(3, 12));
    EXPECT_TRUE(Shown(3, 14));
    EXPECT_FALSE(Shown(3, 35));

    Click(8);
    EXPECT_FALSE(m.lblVisualizza[8].on);
    EXPECT_EQ(m.lblSfondi[8].backColor, colors::White);
    EXPECT_EQ(m.ShpTasto[12].fillColor, colors::White);
    EXPECT_EQ(m.ShpTasto[11].fillColor, colors::Black);
    EXPECT_TRUE(Shown(1, 12));
    EXPECT_TRUE(Shown(2, 11));
    EXPECT_TRUE(Shown(3, 12));
    EXPECT_FALSE(Shown(4, 12));  // its row is off
}

// Key press display with each highlight option.
struct PressCase {
    const char* name;
    bool opt7, opt8, opt9;
    Color whileHeld, afterRelease;
    bool sunkenWhileHeld;
};

class KeyPressTest : public KeyboardTest, public ::testing::WithParamInterface<PressCase> {};

TEST_P(KeyPressTest, LightsTheKey) {
    const PressCase& c = GetParam();
    m.lblVisualizzaB[7].on = c.opt7;
    m.lblVisualizzaB[8].on = c.opt8;
    m.lblVisualizzaB[9].on = c.opt9;
    Press(2);
    EXPECT_EQ(m.ShpTasto[2].fillColor, c.whileHeld);
    EXPECT_EQ(m.lblTasto[2].on, c.sunkenWhileHeld);
    Release(2);
    EXPECT_EQ(m.ShpTasto[2].fillColor, c.afterRelease);
    EXPECT_FALSE(m.lblTasto[2].on);
}

INSTANTIATE_TEST_SUITE_P(
    Options, KeyPressTest,
    ::testing::Values(
        PressCase{"only_while_held", true, false, false, kGreen, colors::Black, false},
        PressCase{"kept_after_release", false, false, true, kGreen, kGreen, false},
        PressCase{"movement_only", false, true, false, colors::Black, colors::Black, true},
        PressCase{"movement_and_held", true, true, false, kGreen, colors::Black, true},
        PressCase{"no_option", false, false, false, colors::Black, colors::Black, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(KeyboardTest, KeptHighlightMovesToTheNextKeyAndRemembersShading) {
    m.lblVisualizzaB[9].on = true;
    MarkKeys(10, 20);
    Click(8);  // key 5 shaded
    Press(5);
    Release(5);
    Press(12);
    EXPECT_EQ(m.ShpTasto[5].fillColor, kLightGrey);
    EXPECT_EQ(m.ShpTasto[12].fillColor, kGreen);
    EXPECT_EQ(p.state.Index, "12");
    EXPECT_EQ(p.state.ColoreIndex, colors::White);

    // Key 12 is left highlighted; the range moves and the shading is recomputed twice.
    MarkKeys(30, 40);
    Click(8);
    EXPECT_EQ(p.state.ColoreIndex, colors::White);
    Click(8);
    EXPECT_EQ(p.state.ColoreIndex, kLightGrey);
    Press(31);  // black, in range
    EXPECT_EQ(m.ShpTasto[12].fillColor, kLightGrey);
    EXPECT_EQ(p.state.ColoreIndex, colors::Black);
}

}  // namespace
}  // namespace velondo
