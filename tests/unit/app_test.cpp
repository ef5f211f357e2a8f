#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "app/shell.h"
#include "app/wiring.h"
#include "core/testing/test_adapters.h"

namespace velondo {
namespace {

namespace fs = std::filesystem;

class AppTest : public ::testing::Test {
protected:
    void SetUp() override {
        InstallAll(p());
        root = fs::temp_directory_path() /
               ("velondo_app_test_" +
                std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root);
        fs::create_directories(root);
        // Nothing of the delivered data tree is read or written here.
        p().dataRootCandidates = {Folder("data", true)};
    }
    void TearDown() override { fs::remove_all(root); }
    Program& p() { return *rig.program; }
    // A candidate folder below the test's root, with or without the marker.
    std::string Folder(const std::string& name, bool marker) {
        const fs::path dir = root / name;
        fs::create_directories(dir / "Velondo7/Dati");
        if (marker) std::ofstream(dir / std::string(app::kMarker)) << "Velondo\n";
        return dir.string() + "/";
    }
    testing::TestRig rig;
    fs::path root;
};

TEST_F(AppTest, LastCandidateWithTheMarkerWins) {
    const std::string a = Folder("a", true), b = Folder("b", true), c = Folder("c", false);
    p().dataRootCandidates = {a, b, c};
    EXPECT_EQ(app::FindDataRoot(p()), b);
    p().dataRootCandidates = {c};
    EXPECT_EQ(app::FindDataRoot(p()), "");
}

TEST_F(AppTest, EnvironmentNamesTheOnlyCandidate) {
    const std::string a = Folder("a", true);
    p().dataRootCandidates.clear();
    ::setenv("VELONDO_DATA_ROOT", a.substr(0, a.size() - 1).c_str(), 1);  // no trailing '/'
    EXPECT_EQ(app::DataRootCandidates(p()), std::vector<std::string>{a});
    EXPECT_EQ(app::FindDataRoot(p()), a);
    ::setenv("VELONDO_DATA_ROOT", (root / "nowhere").c_str(), 1);
    EXPECT_EQ(app::FindDataRoot(p()), "");
    ::unsetenv("VELONDO_DATA_ROOT");
}

TEST_F(AppTest, PlatformCandidatesEndWithTheUserDataFolder) {
    p().dataRootCandidates.clear();
    ::unsetenv("VELONDO_DATA_ROOT");
    ::setenv("XDG_DATA_HOME", "/home/studente/dati", 1);
    const std::vector<std::string> c = app::DataRootCandidates(p());
    ASSERT_GE(c.size(), 2u);
    EXPECT_EQ(c[1], "/home/studente/dati/velondo/");
    for (const std::string& dir : c) EXPECT_EQ(dir.back(), '/');
    ::unsetenv("XDG_DATA_HOME");
}

struct ClockCase {
    const char* name;
    int hour, minute, second;
    double r;
    int expected;  // splash ms, or farewell index
};

class SplashDurationTest : public AppTest, public ::testing::WithParamInterface<ClockCase> {};

TEST_P(SplashDurationTest, FollowsTheHourCorrectedDraw) {
    const ClockCase& c = GetParam();
    rig.time.setClock({2026, 1, 5, c.hour, c.minute, c.second});
    rig.random.queue(c.r);
    p().call("frmSplashVelondo7", "Load");
    EXPECT_EQ(p().splash.TmrVia.interval(), c.expected);
    EXPECT_TRUE(p().splash.TmrVia.enabled());
}

INSTANTIATE_TEST_SUITE_P(Clock, SplashDurationTest,
                         ::testing::Values(ClockCase{"midnight_r0", 0, 0, 0, 0.0, 2000},
                                           ClockCase{"midnight_last", 0, 0, 0, 0.95, 2300},
                                           ClockCase{"half_past_one", 1, 30, 0, 0.3, 2200},
                                           ClockCase{"evening_negative", 23, 0, 0, 0.0, 2000},
                                           ClockCase{"afternoon_negative", 13, 5, 59, 0.95, 2125}),
                         [](const auto& info) { return std::string(info.param.name); });

class FarewellTest : public AppTest, public ::testing::WithParamInterface<ClockCase> {};

TEST_P(FarewellTest, ChoosesItsTextByTheClockCorrectedDraw) {
    const ClockCase& c = GetParam();
    rig.time.setClock({2026, 1, 5, c.hour, c.minute, c.second});
    rig.random.queue(c.r);
    app::Farewell(p());
    EXPECT_EQ(p().main.lblVarie[13].caption, app::FarewellText(c.expected));
    EXPECT_TRUE(p().main.lblVarie[13].visible);
    EXPECT_TRUE(p().main.TmrEsci.enabled());
}

INSTANTIATE_TEST_SUITE_P(Clock, FarewellTest,
                         ::testing::Values(ClockCase{"zero", 10, 0, 0, 0.0, 1},
                                           ClockCase{"second_59_wraps", 10, 0, 59, 0.0, 1},
                                           ClockCase{"second_59_r_tenth", 10, 0, 59, 0.1, 2},
                                           ClockCase{"half_hour", 10, 30, 0, 0.3, 7},
                                           ClockCase{"last", 10, 0, 0, 0.999, 8}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(AppTest, MainLoadRunsItsStepsInOrder) {
    std::vector<std::string> steps;
    auto step = [&](const char* name) {
        return [&steps, name](Program& prog) {
            steps.push_back(std::string(name) + (prog.scale.scaled ? "+scaled" : ""));
        };
    };
    p().hooks.readDefaultProfile = step("readDefaultProfile");
    p().hooks.rebuildHistogram = step("rebuildHistogram");
    p().hooks.readOptions = step("readOptions");
    p().hooks.syncOptionButtons = step("syncOptionButtons");
    p().hooks.loadSounds = step("loadSounds");
    p().hooks.readStudentName = step("readStudentName");
    rig.screen.size_ = {19200, 15360};
    app::MainLoad(p());
    EXPECT_EQ(steps, (std::vector<std::string>{"readDefaultProfile", "rebuildHistogram",
                                               "readOptions+scaled", "syncOptionButtons+scaled",
                                               "loadSounds+scaled", "readStudentName+scaled"}));
    EXPECT_TRUE(p().mainLoaded);
    EXPECT_TRUE(p().main.FraSpiegazioni[0].visible);
}

TEST_F(AppTest, KeysTakeTheirEdgeWhenTheMovementOptionIsRead) {
    for (bool movement : {false, true}) {
        rig.reset();
        InstallAll(p());
        p().dataRootCandidates = {Folder("data", true)};
        p().hooks.readOptions = [movement](Program& prog) {
            prog.main.lblVisualizzaB[8].on = movement;
        };
        app::MainLoad(p());
        for (int k = 1; k <= 49; ++k) EXPECT_EQ(p().main.lblTasto[k].border, movement) << k;
    }
}

struct ExitCase {
    const char* name;
    bool saved;
    bool namedSaves;  // "ScN" on
    bool prompts;
};

class ExitYesTest : public AppTest, public ::testing::WithParamInterface<ExitCase> {};

TEST_P(ExitYesTest, UnsavedNamedProfileAsksFirst) {
    const ExitCase& c = GetParam();
    std::string asked;
    p().hooks.showSavePrompt = [&](Program&, const std::string& message) { asked = message; };
    app::MainLoad(p());  // reads the save modes from the options file: set them after it
    p().state.FileSalvato = c.saved;
    p().main.lblSave[1].on = c.namedSaves;
    p().call("lblVisualizza", 11, "Click");
    p().call("lblVuoiUscire", 0, "Click");
    EXPECT_EQ(!asked.empty(), c.prompts);
    EXPECT_EQ(p().state.ExitPending, c.prompts);
    EXPECT_EQ(p().main.TmrEsci.enabled(), !c.prompts);
    EXPECT_EQ(p().main.FraSpiegazioni[7].visible, !c.prompts);
    EXPECT_EQ(p().main.FraSpiegazioni[0].visible, !c.prompts);
    if (c.prompts) {
        EXPECT_EQ(asked.rfind("ATTENZIONE! L'uscita dal Programma", 0), 0u);
        // The prompt's answer goes on with the goodbye, shown in the exit panel.
        velondo::Run(p().hooks.farewell, p());
        EXPECT_TRUE(p().main.FraSpiegazioni[7].visible);
        EXPECT_TRUE(p().main.lblVarie[13].visible);
    }
}

INSTANTIATE_TEST_SUITE_P(States, ExitYesTest,
                         ::testing::Values(ExitCase{"unsaved_named", false, true, true},
                                           ExitCase{"unsaved_automatic", false, false, false},
                                           ExitCase{"saved_named", true, true, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(AppTest, ExitTimerWritesTheStateFilesThenEnds) {
    int writes = 0;
    p().hooks.writeSmallStateFiles = [&](Program& prog) {
        ++writes;
        EXPECT_FALSE(prog.ended);
    };
    app::MainLoad(p());
    app::Farewell(p());
    rig.time.advance(1500, p());
    EXPECT_EQ(writes, 1);
    EXPECT_TRUE(p().ended);
    EXPECT_FALSE(p().main.frmVelondo7Principale2.visible);
    EXPECT_FALSE(p().main.TmrEsci.enabled());
}

}  // namespace
}  // namespace velondo
