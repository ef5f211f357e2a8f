#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "app/wiring.h"
#include "core/testing/test_adapters.h"
#include "scenario/invariants.h"

namespace velondo::scenario {
namespace {

namespace fs = std::filesystem;

// A started program on the delivered data (read only).
class InvariantsTest : public ::testing::Test {
protected:
    void SetUp() override {
        InstallAll(p());
        p().dataRootCandidates = {VELONDO_SOURCE_DATA_DIR};
        p().call("frmSplashVelondo7", "Load");
        rig.time.advance(3000, p());
        ASSERT_TRUE(p().mainLoaded);
    }
    Program& p() { return *rig.program; }
    std::vector<std::string> Check(InvariantChecker& c) {
        return c.check(p(), rig.time.steadyMs(), {});
    }
    testing::TestRig rig;
};

TEST_F(InvariantsTest, HoldOnAFreshProgram) {
    InvariantChecker c;
    EXPECT_EQ(Check(c), std::vector<std::string>{});
    EXPECT_GT(c.checks(), 40);
}

struct Breakage {
    const char* name;
    std::function<void(Program&)> apply;
    const char* report;  // a piece of the expected report
};

class InvariantBreakTest : public InvariantsTest, public ::testing::WithParamInterface<Breakage> {};

TEST_P(InvariantBreakTest, IsReported) {
    GetParam().apply(p());
    InvariantChecker c;
    const auto broken = Check(c);
    ASSERT_FALSE(broken.empty());
    EXPECT_NE(broken.front().find(GetParam().report), std::string::npos) << broken.front();
}

void FillRow(Program& p, int row, const char* notes, const char* errors, const char* seconds) {
    p.main.lblNomeGiocatore[row].caption = "Mario";
    p.main.lblNumeroNote[row].caption = notes;
    p.main.lblNumeroErrori[row].caption = errors;
    p.main.lblMediaSec[row].caption = seconds;
    p.main.lblData[row].caption = "05/01/26";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InvariantBreakTest,
    ::testing::Values(
        Breakage{"posizione_zero", [](Program& p) { p.state.Posizione = 0; }, "Posizione 0"},
        Breakage{"numisto_21", [](Program& p) { p.state.NumIsto = 21; }, "NumIsto 21"},
        Breakage{"avanza_15", [](Program& p) { p.state.Avanza = 15; }, "Avanza 15"},
        Breakage{"numero_scelto_negative", [](Program& p) { p.state.NumeroScelto = -13; },
                 "NumeroScelto negative"},
        Breakage{"count_caption_text", [](Program& p) { p.main.lblDiesis[0].caption = "x"; },
                 "lblDiesis(0) not a count"},
        Breakage{"row_below_empty_row", [](Program& p) { FillRow(p, 2, "13", "0", "1,5"); },
                 "below an empty row"},
        Breakage{"rows_out_of_order",
                 [](Program& p) {
                     FillRow(p, 1, "13", "2", "1,5");
                     FillRow(p, 2, "13", "1", "1,5");
                 },
                 "ranks below row"},
        Breakage{"row_number_not_a_number", [](Program& p) { FillRow(p, 1, "13", "0", "presto"); },
                 "not a number"},
        Breakage{"red_row_not_entered",
                 [](Program& p) {
                     FillRow(p, 1, "13", "0", "1,5");
                     p.main.lblMediaSec[1].foreColor = Rgb(255, 0, 0);
                 },
                 "ranking row 1 red"},
        Breakage{"frame_between_trials", [](Program& p) { p.main.ShpEvidenzia[4].visible = true; },
                 "1 highlight frames"},
        Breakage{"clock_between_trials", [](Program& p) { p.main.TmrTempo.setEnabled(true); },
                 "TmrTempo on"},
        Breakage{"countdown_without_line", [](Program& p) { p.main.TmrCountDown.setEnabled(true); },
                 "TmrCountDown on"},
        Breakage{"held_timer_without_button", [](Program& p) { p.main.TmrAvanti.setEnabled(true); },
                 "no button held"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(InvariantsTest, AOneShotTimerThatStaysOnIsReported) {
    InvariantChecker c;
    p().main.TmrVisualizzaNota.setEnabled(true);
    EXPECT_EQ(c.check(p(), 0, {}), std::vector<std::string>{});
    EXPECT_EQ(c.check(p(), 100, {}), std::vector<std::string>{});
    const auto broken = c.check(p(), 101, {});
    ASSERT_EQ(broken.size(), 1u);
    EXPECT_EQ(broken[0], "TmrVisualizzaNota on for 101 ms");
}

struct FileCase {
    const char* name;
    std::string file;  // below Velondo7/
    std::string content;
    const char* problem;  // "" when it reads back whole
};

std::string Delivered(const char* file) {
    std::ifstream in(std::string(VELONDO_SOURCE_DATA_DIR) + "Velondo7/" + file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string Lines(int n, const std::string& line = "\"x\"") {
    std::string s;
    for (int i = 0; i < n; ++i) s += line + "\r\n";
    return s;
}

class DataFileTest : public ::testing::TestWithParam<FileCase> {};

TEST_P(DataFileTest, ReadsBackWholeOrSaysWhy) {
    const fs::path dir =
        fs::temp_directory_path() / ("velondo_data_file_" + std::string(GetParam().name));
    fs::remove_all(dir);
    const fs::path path = dir / "Velondo7" / GetParam().file;
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << GetParam().content;
    EXPECT_EQ(DataFileProblem(path.string()).substr(0, std::string(GetParam().problem).size()),
              GetParam().problem);
    EXPECT_EQ(DataFileProblem(path.string()).empty(), std::string(GetParam().problem).empty());
    fs::remove_all(dir);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DataFileTest,
    ::testing::Values(
        FileCase{"profile_whole", "Impostazioni/Mario.txt", Delivered("Dati/Default.txt"), ""},
        FileCase{"default_whole", "Dati/Default.txt", Delivered("Dati/Default.txt"), ""},
        FileCase{"profile_refused_by_the_reader", "Dati/Default.txt", Lines(549),
                 "refused by the reader at line 13: "},
        FileCase{"profile_short", "Impostazioni/Mario.txt", Lines(548), "548 lines instead of 549"},
        FileCase{"options_whole", "Dati/Opzioni.txt", Lines(14, "1"), ""},
        FileCase{"name_two_lines", "Dati/Nome.txt", Lines(2), "2 lines instead of 1"},
        FileCase{"lf_only", "Dati/Nome.txt", "\"Mario\"\n", "line 1 does not end in CR LF"},
        FileCase{"lone_cr", "Dati/Nome.txt", "\"Ma\rrio\"\r\n", "line 1 holds a lone CR or LF"},
        FileCase{"quote_inside", "Dati/Nome.txt", "\"Ma\"rio\"\r\n",
                 "line 1 is not one quoted text: \"Ma\"rio\""}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace velondo::scenario
