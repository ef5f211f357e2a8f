#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "app/wiring.h"
#include "core/testing/test_adapters.h"
#include "storage/state_files.h"

namespace velondo {
namespace {

namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class StateFilesTest : public ::testing::Test {
protected:
    StateFilesTest() : p(*rig.program) {
        InstallAll(p);
        dir = fs::temp_directory_path() / ("velondo-state-files-" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir / "Velondo7/Dati");
        p.state.Dir = dir.string() + "/";
    }
    ~StateFilesTest() override { fs::remove_all(dir); }
    void WriteFile(const char* relative, const std::string& bytes) {
        std::ofstream(dir / relative, std::ios::binary) << bytes;
    }

    testing::TestRig rig;
    Program& p;
    fs::path dir;
};

const std::vector<int> kDesign = {1, 1, 1, 1, 0, 1, 1, 1, 1, 1, 0, 1, 0};

struct ReadCase {
    const char* name;
    std::optional<std::string> file;  // nullopt: no file
    int counter;
    std::vector<int> states;  // lines 2 … 14 as read
};

class ReadOptionsCase : public StateFilesTest, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(ReadOptionsCase, GivesTheDesignStateOfEveryLineItLacksOrSpoils) {
    const ReadCase& c = GetParam();
    // Start from the opposite of the design, so that every line must be set by the read.
    const Option lines[] = {Option::StaffLine,
                            Option::KeyboardLine,
                            Option::BarLines,
                            Option::PositionMarks,
                            Option::HighlightWhilePressed,
                            Option::KeyMovement,
                            Option::HighlightAfterRelease,
                            Option::ProgramNoises,
                            Option::KeyboardSounds,
                            Option::ErrorVoice,
                            Option::AutoSave,
                            Option::NamedSave,
                            Option::Shading};
    for (size_t i = 0; i < kDesign.size(); ++i)
        p.main.option(lines[i]).surface.on = kDesign[i] == 0;
    p.state.Progressivo = 77;
    if (c.file) WriteFile(storage::kOptionsFile, *c.file);
    storage::ReadOptions(p);
    EXPECT_EQ(p.state.Progressivo, c.counter);
    EXPECT_EQ(storage::OptionStates(p), c.states);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ReadOptionsCase,
    ::testing::Values(
        ReadCase{"missing", std::nullopt, 0, kDesign}, ReadCase{"empty", "", 0, kDesign},
        ReadCase{"every_line_flipped",
                 "\"12\"\r\n0\r\n0\r\n0\r\n0\r\n1\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n0\r\n1\r\n",
                 12,
                 {0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 1, 0, 1}},
        ReadCase{"short_after_three_lines",
                 "\"3\"\r\n0\r\n0\r\n",
                 3,
                 {0, 0, 1, 1, 0, 1, 1, 1, 1, 1, 0, 1, 0}},
        ReadCase{"values_other_than_0_or_1", "\"5\"\r\n2\r\n-1\r\n\"1\"\r\nsi\r\n", 5, kDesign},
        ReadCase{"counter_unquoted", "44\r\n", 44, kDesign},
        ReadCase{"counter_not_a_number",
                 "\"dodici\"\r\n0\r\n",
                 0,
                 {0, 1, 1, 1, 0, 1, 1, 1, 1, 1, 0, 1, 0}},
        ReadCase{"counter_negative", "\"-3\"\r\n", 0, kDesign},
        ReadCase{"counter_beyond_five_digits", "\"100000\"\r\n", 0, kDesign},
        ReadCase{"lf_line_ends", "\"9\"\n0\n", 9, {0, 1, 1, 1, 0, 1, 1, 1, 1, 1, 0, 1, 0}},
        ReadCase{"both_highlights_on", "\"0\"\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n", 0, kDesign},
        ReadCase{"both_save_modes_on",
                 "\"0\"\r\n1\r\n1\r\n1\r\n1\r\n0\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n0\r\n", 0,
                 kDesign}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StateFilesTest, DesignStatesWriteTheDeliveredFilesByteForByte) {
    storage::ApplyOptions(p, std::nullopt, {});
    storage::WriteOptions(p);
    p.main.TxtNomeAlunno.text.clear();
    storage::WriteStudentName(p);
    const fs::path delivered = fs::path(VELONDO_SOURCE_DATA_DIR) / "Velondo7/Dati";
    EXPECT_EQ(ReadBytes(dir / storage::kOptionsFile), ReadBytes(delivered / "Opzioni.txt"));
    EXPECT_EQ(ReadBytes(dir / storage::kNameFile), ReadBytes(delivered / "Nome.txt"));
}

TEST_F(StateFilesTest, SoundSwitchIsWrittenInTheSystemCodePage) {
    storage::WriteSoundSwitch(p);
    EXPECT_EQ(ReadBytes(dir / storage::kSoundSwitchFile), "\"S\xEC\"\r\n");
    p.main.lblVisualizzaB[10].on = false;
    storage::WriteSoundSwitch(p);
    EXPECT_EQ(ReadBytes(dir / storage::kSoundSwitchFile), "\"No\"\r\n");
}

TEST_F(StateFilesTest, NameComesBackAsTyped) {
    p.main.TxtNomeAlunno.text = "Niccolò";
    storage::WriteStudentName(p);
    EXPECT_EQ(ReadBytes(dir / storage::kNameFile), "\"Niccol\xF2\"\r\n");
    p.main.TxtNomeAlunno.text = "x";
    storage::ReadStudentName(p);
    EXPECT_EQ(p.main.TxtNomeAlunno.text, "Niccolò");
}

TEST_F(StateFilesTest, MissingOrDamagedNameFileLeavesTheBoxEmpty) {
    p.main.TxtNomeAlunno.text = "x";
    storage::ReadStudentName(p);
    EXPECT_EQ(p.main.TxtNomeAlunno.text, "");
    WriteFile(storage::kNameFile, "Anna senza virgolette\r\n");
    p.main.TxtNomeAlunno.text = "x";
    storage::ReadStudentName(p);
    EXPECT_EQ(p.main.TxtNomeAlunno.text, "");
}

// The small files are written as the window closes: a failed write leaves the old file
// whole and is told on the error output, one line a file.
TEST_F(StateFilesTest, FailedWritesKeepTheOldFilesAndAreLogged) {
    p.main.TxtNomeAlunno.text = "Anna";
    p.hooks.writeSmallStateFiles(p);
    const std::string options = ReadBytes(dir / storage::kOptionsFile);
    const std::string name = ReadBytes(dir / storage::kNameFile);
    p.main.TxtNomeAlunno.text = "Niccolò";
    p.main.lblVisualizzaB[10].on = !p.main.lblVisualizzaB[10].on;
    rig.files.planFault({WriteStep::Write, 3, "il disco è pieno"}, -1);
    p.hooks.writeSmallStateFiles(p);
    EXPECT_EQ(ReadBytes(dir / storage::kOptionsFile), options);
    EXPECT_EQ(ReadBytes(dir / storage::kNameFile), name);
    ASSERT_EQ(rig.log.errors.size(), 3u);
    EXPECT_EQ(
        rig.log.errors[0],
        "Opzioni.txt non salvato (il disco è pieno): al prossimo avvio resta quello di prima.");
    EXPECT_NE(rig.log.errors[2].find("Nome.txt"), std::string::npos);
}

}  // namespace
}  // namespace velondo
