// A write that fails at any step (opening, the n-th byte, the flush to disk, the rename)
// in every flow that writes a profile: the old file stays whole, no temporary file is
// left, the results stay in memory with FileSalvato clear, and the message box says what
// failed and where.
#include <gtest/gtest.h>
#include <filesystem>
#include <functional>
#include <set>

#include "core/system_adapters.h"
#include "data_root_rig.h"
#include "drill/results.h"
#include "storage/flows.h"
#include "storage/profile.h"
#include "storage/profile_files.h"

namespace velondo {
namespace {

namespace fs = std::filesystem;
using namespace storage;

using testing::Slurp;
std::set<std::string> Listing(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(folder)) names.insert(e.path().filename().string());
    return names;
}

struct Rig : testing::DataRootRig {
    explicit Rig(const std::string& tag) : DataRootRig("faults-" + tag) {}
};

// A trial just entered into the board, as the end of a drill leaves it.
void TrialEntered(Program& p) {
    drill::SetRankingRow(p, 1, {"Mario", "13", "2", "1,5", "05/01/26"});
    p.state.NumIsto = 1;
    drill::SetHistorySlot(p, 1, {"Mario", "13", "2", "1,5", "05/01/26"});
}

struct FlowCase {
    const char* name;
    const char* file;                   // below the data root
    std::function<void(Rig&)> prepare;  // the old file is written before, fault-free
    std::function<void(Rig&)> run;
};

const FlowCase kFlows[] = {
    {"trial_on_the_default_profile", "Velondo7/Dati/Default.txt",
     [](Rig& r) { ASSERT_TRUE(WriteDefaultProfile(r.p)); }, [](Rig& r) { SaveAfterTrial(r.p); }},
    {"trial_on_a_saved_profile_with_SA", "Velondo7/Impostazioni/Mario.txt",
     [](Rig& r) {
         r.p.state.NomeFile = r.p.path("Velondo7/Impostazioni/Mario.txt");
         if (!r.p.main.isOn(Option::AutoSave)) SaveModeClick(r.p, Option::AutoSave);
         ASSERT_TRUE(WriteProfile(r.p));
     },
     [](Rig& r) { SaveAfterTrial(r.p); }},
    {"save_as_from_the_prompt", "Velondo7/Impostazioni/Mario.txt",
     [](Rig& r) { ASSERT_TRUE(SaveProfileAs(r.p, r.p.path("Velondo7/Impostazioni/Mario.txt"))); },
     [](Rig& r) {
         // The exit's prompt: after the save only the goodbye follows.
         r.p.state.FileSalvato = false;
         r.p.state.ExitPending = true;
         ShowSavePrompt(r.p, texts::ExitMessage);
         r.rig.dialogs.queue(r.p.path("Velondo7/Impostazioni/Mario.txt"));
         SaveAsFlow(r.p);
     }},
};

struct FaultCase {
    const char* name;
    WriteStep step;
    long long atByte;  // < 0: counted from the end of the file
    const char* reason;
};
const FaultCase kFaults[] = {
    {"open", WriteStep::Open, 0, "mancano i permessi"},
    {"first_byte", WriteStep::Write, 0, "il disco è pieno"},
    {"second_byte", WriteStep::Write, 1, "il disco è pieno"},
    {"byte_4096", WriteStep::Write, 4096, "il disco è pieno"},
    {"last_byte", WriteStep::Write, -1, "il disco è pieno"},
    {"flush", WriteStep::Flush, 0, "errore di scrittura"},
    {"rename", WriteStep::Rename, 0, "errore nel rinominare"},
};

using Case = std::tuple<int, int>;  // flow, fault
class WriteFaults : public ::testing::TestWithParam<Case> {};

TEST_P(WriteFaults, KeepTheOldFileAndTheResults) {
    const FlowCase& flow = kFlows[std::get<0>(GetParam())];
    const FaultCase& fault = kFaults[std::get<1>(GetParam())];
    Rig r(std::string(flow.name) + "-" + fault.name);
    flow.prepare(r);
    const fs::path file = r.root / flow.file;
    const std::string old = Slurp(file);
    ASSERT_EQ(old.size() > 0, true);
    const auto listing = Listing(file.parent_path());

    TrialEntered(r.p);
    const std::string results = ProfileBytes(r.p);
    const long long size = static_cast<long long>(results.size());
    const auto at = static_cast<std::size_t>(fault.atByte < 0 ? size + fault.atByte : fault.atByte);
    r.rig.files.planFault({fault.step, at, fault.reason});
    flow.run(r);

    EXPECT_EQ(r.rig.files.faultsLeft(), 0) << "the fault was not met";
    EXPECT_EQ(Slurp(file), old) << "the old file is not whole";
    EXPECT_EQ(Listing(file.parent_path()), listing) << "a file was left beside it";
    EXPECT_FALSE(r.p.state.FileSalvato);
    EXPECT_TRUE(UnsavedResults(r.p));
    EXPECT_EQ(drill::RankingRow(r.p, 1).name, "Mario") << "the results left the memory";
    const std::string& notice = r.p.main.lblAvvisoFile.caption;
    EXPECT_NE(notice.find(fault.reason), std::string::npos) << notice;
    EXPECT_NE(notice.find(file.filename().string()), std::string::npos) << notice;
    EXPECT_TRUE(r.p.main.lblAvvisoFile.visible || r.p.main.fraLogo.visible);

    // Once the disk is well again the same flow saves.
    r.rig.files.clearFaults();
    flow.run(r);
    EXPECT_TRUE(r.p.state.FileSalvato);
    EXPECT_EQ(Slurp(file), ProfileBytes(r.p));
}

INSTANTIATE_TEST_SUITE_P(
    EveryStepOfEveryFlow, WriteFaults,
    ::testing::Combine(::testing::Range(0, static_cast<int>(std::size(kFlows))),
                       ::testing::Range(0, static_cast<int>(std::size(kFaults)))),
    [](const auto& info) {
        return std::string(kFlows[std::get<0>(info.param)].name) + "__" +
               kFaults[std::get<1>(info.param)].name;
    });

}  // namespace
}  // namespace velondo
