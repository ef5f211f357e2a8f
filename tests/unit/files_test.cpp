// The data files' port: crash-safe whole-file writes, faults injected at each step, and a
// writer killed at random moments.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "core/system_adapters.h"
#include "core/testing/test_adapters.h"

namespace velondo {
namespace {

namespace fs = std::filesystem;

class FilesTest : public ::testing::Test {
protected:
    FilesTest() {
        // A parameterised test's name holds a '/': one folder, not a folder in a folder
        // that the clean-up would leave behind.
        std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::replace(test.begin(), test.end(), '/', '-');
        dir = fs::temp_directory_path() /
              ("velondo-files-" + std::to_string(::getpid()) + "-" + test);
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    ~FilesTest() override { fs::remove_all(dir); }
    std::string At(const std::string& name) const { return (dir / name).string(); }
    std::string Slurp(const std::string& name) const {
        std::ifstream in(At(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    fs::path dir;
    testing::FaultyFiles files;
};

TEST_F(FilesTest, WriteReplacesTheWholeFileAndLeavesNoTemporary) {
    ASSERT_TRUE(files.writeAtomic(At("a.txt"), "old content that is longer\r\n"));
    ASSERT_TRUE(files.writeAtomic(At("a.txt"), "new\r\n"));
    EXPECT_EQ(files.read(At("a.txt")), "new\r\n");
    EXPECT_EQ(files.list(dir.string()), std::vector<std::string>{"a.txt"});
}

struct FaultCase {
    const char* name;
    WriteFault fault;
};
class WriteFaultTest : public FilesTest, public ::testing::WithParamInterface<FaultCase> {};
TEST_P(WriteFaultTest, KeepsTheOldFileWholeAndSaysWhy) {
    ASSERT_TRUE(files.writeAtomic(At("p.txt"), "old\r\n"));
    files.planFault(GetParam().fault);
    const FileOutcome out = files.writeAtomic(At("p.txt"), std::string(5000, 'x'));
    EXPECT_FALSE(out.ok);
    EXPECT_EQ(out.reason, GetParam().fault.reason);
    EXPECT_EQ(Slurp("p.txt"), "old\r\n");
    EXPECT_EQ(files.list(dir.string()), std::vector<std::string>{"p.txt"})
        << "temporary left behind";
    // The next write is not planned to fail.
    EXPECT_TRUE(files.writeAtomic(At("p.txt"), "new\r\n"));
    EXPECT_EQ(Slurp("p.txt"), "new\r\n");
}
INSTANTIATE_TEST_SUITE_P(
    Steps, WriteFaultTest,
    ::testing::Values(FaultCase{"at_open", {WriteStep::Open, 0, "mancano i permessi"}},
                      FaultCase{"at_first_byte", {WriteStep::Write, 0, "il disco è pieno"}},
                      FaultCase{"at_byte_4096", {WriteStep::Write, 4096, "il disco è pieno"}},
                      FaultCase{"at_flush", {WriteStep::Flush, 0, "errore di scrittura"}},
                      FaultCase{"at_rename", {WriteStep::Rename, 0, "errore nel rinominare"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FilesTest, AFolderWhereTheFileShouldBeIsReported) {
    fs::create_directories(dir / "Default.txt");
    const FileOutcome out = files.writeAtomic(At("Default.txt"), "x\r\n");
    EXPECT_FALSE(out.ok);
    EXPECT_EQ(out.reason, "al posto del file c'è una cartella");
    std::string why;
    EXPECT_EQ(files.read(At("Default.txt"), &why), std::nullopt);
    EXPECT_EQ(why, "al posto del file c'è una cartella");
    EXPECT_FALSE(files.exists(At("Default.txt")));
}

TEST_F(FilesTest, AMissingFileIsReported) {
    std::string why;
    EXPECT_EQ(files.read(At("none.txt"), &why), std::nullopt);
    EXPECT_EQ(why, "il file o la cartella non esiste");
    EXPECT_FALSE(files.writeAtomic(At("no/such/folder.txt"), "x").ok);
}

TEST_F(FilesTest, AReadOnlyFolderRefusesWrites) {
    files.markReadOnly(dir.string());
    const FileOutcome out = files.writeAtomic(At("a.txt"), "x");
    EXPECT_FALSE(out.ok);
    EXPECT_EQ(out.reason, FileErrorReason(EACCES));
    EXPECT_FALSE(files.exists(At("a.txt")));
}

TEST_F(FilesTest, MovingAsideNeverReplacesAFile) {
    ASSERT_TRUE(files.writeAtomic(At("a"), "A"));
    ASSERT_TRUE(files.writeAtomic(At("b"), "B"));
    EXPECT_FALSE(files.moveAside(At("a"), At("b")).ok);
    EXPECT_EQ(Slurp("b"), "B");
    EXPECT_TRUE(files.moveAside(At("a"), At("c")));
    EXPECT_EQ(files.list(dir.string()), (std::vector<std::string>{"b", "c"}));
}

// A process that rewrites one file over and over, alternately with two contents, is
// killed at 200 random moments: the file is always one of the two, whole.
TEST_F(FilesTest, AWriterKilledAtAnyMomentLeavesAWholeFile) {
    std::string a, b;
    for (int i = 0; i < 549; ++i) {
        a += "\"riga " + std::to_string(i) + " della versione A\"\r\n";
        b += std::to_string(16777215 - i) + "\r\n";
    }
    const std::string path = At("Default.txt");
    std::mt19937 rng(20261211);
    std::uniform_int_distribution<int> delayUs(0, 4000);
    int sawA = 0, sawB = 0;
    for (int round = 0; round < 200; ++round) {
        ASSERT_TRUE(files.writeAtomic(path, round % 2 ? b : a));
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            SystemFiles writer;
            for (;;) {
                writer.writeAtomic(path, a);
                writer.writeAtomic(path, b);
            }
        }
        ::usleep(static_cast<useconds_t>(delayUs(rng)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        const std::string now = Slurp("Default.txt");
        ASSERT_TRUE(now == a || now == b)
            << "torn file after round " << round << ": " << now.size() << " bytes";
        (now == a ? sawA : sawB)++;
    }
    // Both versions were caught: the kills really landed during the writes.
    EXPECT_GT(sawA, 0);
    EXPECT_GT(sawB, 0);
}

}  // namespace
}  // namespace velondo
