#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "scenario/runner.h"
#include "scenario/script.h"

namespace velondo::scenario {
namespace {

namespace fs = std::filesystem;

class ScenarioDriverTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("velondo_driver_test_" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    // Runs a script; its output is kept in out.
    Tally Run(const std::string& script, const std::string& shots = "") {
        const fs::path path = dir / "script.vsc";
        std::ofstream(path) << script;
        Options o{VELONDO_SOURCE_DATA_DIR, shots.empty() ? (dir / "shots").string() : shots};
        ::testing::internal::CaptureStdout();
        Tally t = Runner(o, path.string()).run();
        out = ::testing::internal::GetCapturedStdout();
        return t;
    }
    fs::path dir;
    std::string out;
};

TEST_F(ScenarioDriverTest, DumpWritesTextsAsTheScriptsReadThem) {
    Run("lblVarie(13).Caption = \"Ci \\\"rivediamo\\\" \\\\ a\\nb\"\ndump\n");
    const std::string shown = R"(Caption="Ci \"rivediamo\" \\ a\nb")";
    const size_t at = out.find(shown);
    ASSERT_NE(at, std::string::npos) << out.substr(0, 2000);
    // The quoted text reads back as the caption.
    std::string error;
    const auto words = Tokenize(out.substr(at + 8, shown.size() - 8), &error);
    EXPECT_TRUE(error.empty());
    ASSERT_EQ(words.size(), 1u);
    EXPECT_EQ(words[0], "Ci \"rivediamo\" \\ a\nb");
}

TEST_F(ScenarioDriverTest, AShotsFolderThatCannotBeMadeIsAFailedLine) {
    const fs::path file = dir / "a-file";
    std::ofstream(file) << "not a folder\n";
    const Tally t = Run("shot first\nexpect TmrVia.Interval = 2000\n", (file / "shots").string());
    EXPECT_EQ(t.failed, 1);
    EXPECT_EQ(t.passed, 1);
    EXPECT_NE(out.find("script.vsc:1: cannot create the shots folder"), std::string::npos) << out;
}

}  // namespace
}  // namespace velondo::scenario
