#include <gtest/gtest.h>

#include <vector>

#include "app/wiring.h"
#include "core/testing/test_adapters.h"
#include "ui/layout.h"

namespace velondo {
namespace {

struct Geometry {
    const char* name;
    int index;
    double left, top, width, height;
};

class LayoutTest : public ::testing::Test {
protected:
    void SetUp() override { InstallAll(*rig.program); }
    Program& p() { return *rig.program; }
    testing::TestRig rig;
};

// Design places the window's regions stand at before any scaling.
class DesignGeometryTest : public LayoutTest, public ::testing::WithParamInterface<Geometry> {};

TEST_P(DesignGeometryTest, StandsAtItsDesignPlace) {
    const Geometry& g = GetParam();
    const Control* c = p().findControl(g.name, g.index);
    ASSERT_NE(c, nullptr) << g.name;
    EXPECT_EQ(c->left, g.left);
    EXPECT_EQ(c->top, g.top);
    EXPECT_EQ(c->width, g.width);
    EXPECT_EQ(c->height, g.height);
}

INSTANTIATE_TEST_SUITE_P(
    Regions, DesignGeometryTest,
    ::testing::Values(Geometry{"ShpPannelloAlto", -1, 60, 105, 15240, 2070},
                      Geometry{"ShpRiquadroLogo", -1, 5880, 210, 3585, 1695},
                      Geometry{"ShpRiquadroOpzioniDestra", -1, 13965, 210, 1170, 1680},
                      Geometry{"ShpPentagrammaGrande", -1, 60, 1995, 15240, 6315},
                      Geometry{"ShpStriscia", -1, 60, 8295, 15240, 750},
                      Geometry{"ImgChiave", -1, 315, 3780, 780, 2535},
                      Geometry{"ImgNota", 1, 1260, 2205, 960, 5685},
                      Geometry{"ShpEvidenzia", 9, 9610, 2205, 1065, 5790},
                      Geometry{"lblNomeNota", 13, 13965, 7800, 750, 330},
                      Geometry{"LinRigo", 1, 210, 5670, 14820, 0},
                      Geometry{"LinRigo", 5, 210, 4410, 14820, 0},
                      Geometry{"LinFine", 2, 14870, 4410, 0, 1275},
                      Geometry{"ShpBattute", 1, 2265, 4410, 0, 1275},
                      Geometry{"ShpLineaNota", 1, 210, 5670, 14820, 0},
                      Geometry{"lblLineaDel", 1, 295, 6675, 820, 210},
                      Geometry{"ShpCollegamento", -1, 1680, 7985, 12720, 0},
                      Geometry{"ShpTasto", 1, 60, 9030, 540, 2430},
                      Geometry{"ShpTasto", 26, 7725, 9030, 330, 1380},
                      Geometry{"lblVisualizzaB", 13, 14070, 255, 960, 360},
                      Geometry{"lblVisualizza", 9, 14070, 1065, 960, 360},
                      Geometry{"lblSave", 0, 12038, 315, 435, 435},
                      Geometry{"lblPrint", -1, 13125, 315, 435, 435},
                      Geometry{"FraSpiegazioni", 9, 2843, 3570, 9675, 2955}));

TEST_F(LayoutTest, WhiteKeysStepByTheirWidthLessTheOverlap) {
    int white = 0;
    for (int k = 1; k <= 49; ++k) {
        const Control& key = p().main.ShpTasto[k];
        if (key.width != 540) continue;
        EXPECT_EQ(key.left, 60 + 525.0 * white) << "key " << k;
        EXPECT_EQ(p().main.lblTasto[k].left, key.left) << "key " << k;
        ++white;
    }
    EXPECT_EQ(white, 29);
}

TEST_F(LayoutTest, ButtonsOfTheOptionsBoxStandInsideItWithoutCoveringEachOther) {
    // Every visible button: a row of the main area, or a place of the right column.
    std::vector<const Control*> buttons;
    for (const char* array : {"lblVisualizza", "lblVisualizzaB", "lblSave"}) {
        const ControlArray* a = p().main.registry.findArray(array);
        for (int i = a->lo(); i <= a->hi(); ++i) {
            const Control& b = (*a)[i];
            if (!b.visible || b.parent || b.width == 0) continue;
            buttons.push_back(&b);
            const bool main = b.left >= 9555 && b.left + b.width <= 9555 + 4320 &&
                              (b.top == 315 || b.top == 840 || b.top == 1365);
            const bool column = b.left >= 13965 && b.left + b.width <= 13965 + 1170 &&
                                b.top >= 210 && b.top + b.height <= 210 + 1680;
            EXPECT_TRUE(main || column) << b.displayName();
            EXPECT_FALSE(b.toolTip.empty()) << b.displayName();
        }
    }
    buttons.push_back(&p().main.lblPrint);
    for (size_t i = 0; i < buttons.size(); ++i)
        for (size_t j = i + 1; j < buttons.size(); ++j) {
            const Control& a = *buttons[i];
            const Control& b = *buttons[j];
            const bool apart = a.left + a.width <= b.left || b.left + b.width <= a.left ||
                               a.top + a.height <= b.top || b.top + b.height <= a.top;
            EXPECT_TRUE(apart) << a.displayName() << " covers " << b.displayName();
        }
    // "Help" is shown in the column, between "Dati" and "Esci".
    const Control& help = p().main.lblVisualizza[9];
    EXPECT_TRUE(help.visible);
    EXPECT_GT(help.top, p().main.lblVisualizza[10].top);
    EXPECT_LT(help.top, p().main.lblVisualizza[11].top);
}

struct ScaleCase {
    const char* name;
    double screenWidth, screenHeight;
    double fx, fy, ff;
};

class ScaleLayoutTest : public LayoutTest, public ::testing::WithParamInterface<ScaleCase> {};

TEST_P(ScaleLayoutTest, StretchesByTheScreenFactors) {
    const ScaleCase& c = GetParam();
    rig.screen.size_ = {c.screenWidth, c.screenHeight};
    ui::ScaleLayout(p());
    EXPECT_DOUBLE_EQ(p().scale.fx, c.fx);
    EXPECT_DOUBLE_EQ(p().scale.fy, c.fy);
    EXPECT_DOUBLE_EQ(p().scale.ff, c.ff);
    const MainWindow& m = p().main;
    EXPECT_DOUBLE_EQ(m.frmVelondo7Principale2.width, c.screenWidth);
    EXPECT_DOUBLE_EQ(m.frmVelondo7Principale2.height, c.screenHeight);
    EXPECT_DOUBLE_EQ(m.ShpTasto[1].width, 540 * c.fx);
    EXPECT_DOUBLE_EQ(m.ShpTasto[1].height, 2430 * c.fy);
    EXPECT_DOUBLE_EQ(m.ShpTasto[49].left, 14760 * c.fx);
    EXPECT_DOUBLE_EQ(m.lblTonoChiave.fontSize, 12 * c.ff);
    EXPECT_DOUBLE_EQ(m.lblNomeNota[1].fontSize, 11.25 * c.ff);
    // Inside a panel a control keeps its place relative to the panel.
    EXPECT_DOUBLE_EQ(m.lblVuoiUscire[1].left, 8865 * c.fx);
    EXPECT_DOUBLE_EQ(m.FraSpiegazioni[7].width, 15030 * c.fx);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, ScaleLayoutTest,
    ::testing::Values(
        ScaleCase{"sxga_1280x1024", 19200, 15360, 1.25, 15360.0 / 11520, 19200.0 / 15600},
        // On screens wider than 4:3 fonts follow the height, not the width.
        ScaleCase{"design_height_wider", 20490, 11520, 20490.0 / 15360, 1, 11520.0 / 11700},
        ScaleCase{"full_hd_1920x1080", 28800, 16200, 1.875, 1.40625, 16200.0 / 11700},
        ScaleCase{"smaller_800x600", 12000, 9000, 12000.0 / 15360, 9000.0 / 11520,
                  12000.0 / 15600}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LayoutTest, ExceptionsKeepTheirDesign) {
    MainWindow& m = p().main;
    m.lstGuida.move(300, 600, 4000, 5000);
    m.lstGuida.fontSize = 10;
    m.TxtGuida.move(4500, 600, 9000, 5000);
    m.lblNaturali[5].move(1, 2, 3, 4);
    rig.screen.size_ = {19200, 15360};
    ui::ScaleLayout(p());

    EXPECT_EQ(m.lstGuida.left, 300);
    EXPECT_EQ(m.lstGuida.height, 5000);
    EXPECT_EQ(m.lstGuida.fontSize, 10);
    EXPECT_EQ(m.TxtGuida.width, 9000);
    EXPECT_EQ(m.lblNaturali[5].width, 3);  // a state holder, nobody sees it
    EXPECT_EQ(m.lblLineaDel[0].fontSize, 9);
    EXPECT_EQ(m.lblLineaDel[1].fontSize, 9);
    EXPECT_DOUBLE_EQ(m.lblLineaDel[0].top, 6480 * 15360.0 / 11520);
    // Shapes carry no text: their border keeps its width.
    EXPECT_EQ(m.ShpPannelloAlto.borderWidth, 2);
}

}  // namespace
}  // namespace velondo
