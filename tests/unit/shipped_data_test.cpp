// The delivered data tree holds every picture and sound the program names. VELONDO_SHIPPED_DATA
// names another data root to check (an installed tree); else the source tree's.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "app/wiring.h"
#include "core/testing/test_adapters.h"
#include "notation/notation.h"

namespace velondo {
namespace {

namespace fs = std::filesystem;
using namespace notation;

std::string ShippedRoot() {
    const char* env = std::getenv("VELONDO_SHIPPED_DATA");
    std::string root = env && *env ? env : VELONDO_SOURCE_DATA_DIR;
    if (root.back() != '/') root += '/';
    return root;
}

class ShippedData : public ::testing::Test {
protected:
    void SetUp() override {
        p().dataRootCandidates = {ShippedRoot()};
        InstallAll(p());
        p().call("frmSplashVelondo7", "Load");
        rig_.time.advance(2400, p());  // the splash hands over to the main window
        ASSERT_TRUE(p().mainLoaded);
        ASSERT_EQ(p().state.Dir, ShippedRoot());
    }
    Program& p() { return *rig_.program; }
    static bool IsFile(const std::string& path) { return fs::is_regular_file(path); }
    testing::TestRig rig_;
};

TEST_F(ShippedData, EveryPictureGivenAtStartUpExists) {
    int pictures = 0;
    for (const ControlRegistry* reg : {&p().splash.registry, &p().main.registry})
        for (const Control* c : reg->all())
            if (!c->picture.empty()) {
                ++pictures;
                EXPECT_TRUE(IsFile(c->picture)) << c->displayName() << ": " << c->picture;
            }
    // Splash, staff and small clef, 7 clef buttons with their 7 reference notes, 5
    // accidentals, logo, clef table.
    EXPECT_EQ(pictures, 1 + 2 + 14 + 5 + 1 + 1);
}

TEST_F(ShippedData, EverySoundPlayerHasItsFile) {
    int players = 0;
    for (const auto& [player, path] : rig_.sound.files()) {
        ++players;
        EXPECT_TRUE(IsFile(path)) << player.displayName() << ": " << path;
    }
    EXPECT_GE(players, 73 + 13);  // piano samples, effects, splash music
}

TEST_F(ShippedData, EveryNotePictureOfEveryClefExists) {
    const std::string root = ShippedRoot();
    for (int c = 1; c <= kClefs; ++c)
        for (Register r : {Register::Grave, Register::Media, Register::Acuta})
            for (int k = 1; k <= kKeys; ++k)
                for (int s = 0; s < kSpellingClasses; ++s) {
                    auto spelling = static_cast<Spelling>(s);
                    auto name = KeySpelling(KeyNumber(k), spelling);
                    auto pos = StaffPositionOf(ClefNumber(c), KeyLabel(r, KeyNumber(k)), name);
                    if (!pos) continue;
                    std::string path = root + NoteImagePath(*pos, spelling);
                    EXPECT_TRUE(IsFile(path)) << "clef " << c << " " << name << ": " << path;
                }
    for (int c = 1; c <= kClefs; ++c) EXPECT_TRUE(IsFile(root + ClefImagePath(ClefNumber(c))));
}

}  // namespace
}  // namespace velondo
