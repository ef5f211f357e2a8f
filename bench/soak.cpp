// A thousand trials in a row in virtual time on a saved profile with "SA" on: after each
// one the profile file is whole (549 lines that read back) and holds what the program
// holds, the default profile is left alone, and the driver's memory stays flat.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <unistd.h>

#include "app/shell.h"
#include "app/wiring.h"
#include "core/testing/test_adapters.h"
#include "drill/drill.h"
#include "exercise/clef.h"
#include "input/input.h"
#include "storage/flows.h"
#include "storage/profile.h"
#include "storage/profile_files.h"

namespace fs = std::filesystem;
using namespace velondo;

namespace {

constexpr int kTrials = 1000;
constexpr const char* kProfile = "Velondo7/Impostazioni/Soak.txt";

std::string Slurp(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string ResidentSize() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) return line.substr(line.find_first_not_of(" \t", 6));
    return "?";
}

struct Soak {
    testing::TestRig rig;
    Program& p = *rig.program;
    int notes = 0, wrongKeys = 0;

    void wait(std::int64_t ms) { rig.time.advance(ms, p); }

    // From Enter in the name box: the countdown, every note answered (a few wrong keys
    // first), the comment. Answers come at varied pace so the ranking and histograms move.
    bool playTrial(int trial) {
        wait(50 + 3 * 900);
        if (!p.state.TrialRunning()) return false;
        for (int note = 0; p.state.TrialRunning() && note < 200; ++note) {
            const int i = p.state.CopiaNumeroScelto;
            const int key = std::atoi(p.state.ScegliNumero[static_cast<size_t>(i)].c_str());
            wait(400 + (trial * 37 + note * 101) % 1600);
            if ((trial * 13 + note) % 17 == 0) {
                const notation::KeyNumber wrong{key < 49 ? key + 1 : key - 1};
                input::PressKey(p, wrong);
                input::ReleaseKey(p, wrong);
                ++wrongKeys;
            }
            input::PressKey(p, notation::KeyNumber{key});
            input::ReleaseKey(p, notation::KeyNumber{key});
            ++notes;
        }
        wait(600);            // the comment
        rig.sound.takeLog();  // the logging adapter would otherwise grow with every note
        return !p.state.TrialRunning();
    }
};

}  // namespace

int main() {
    const auto started = std::chrono::steady_clock::now();
    const fs::path root =
        fs::temp_directory_path() / ("velondo-soak-" + std::to_string(::getpid()));
    fs::remove_all(root);
    fs::create_directories(root);
    fs::copy(fs::path(VELONDO_SOURCE_DATA_DIR) / "Velondo7", root / "Velondo7",
             fs::copy_options::recursive);

    int failures = 0, checked = 0, trials = 0;
    auto fail = [&](int trial, const std::string& why) {
        if (++failures <= 10) std::printf("trial %d: %s\n", trial, why.c_str());
    };
    {
        Soak s;
        Program& p = s.p;
        p.dataRootCandidates = {root.string() + "/"};
        s.rig.dialogs.documents = root.string() + "/Documenti";
        InstallAll(p);
        app::SplashLoad(p);
        s.wait(3000);

        // A new Violino profile, one trial with "ScN", then "Carica": the prompt saves it as
        // Soak.txt and the same file is loaded; then "SA" on.
        storage::CreateProfile(p);
        exercise::ChooseClef(p, 1);
        s.wait(50);
        storage::RangeOk(p);
        storage::AccidentalsOk(p);
        p.main.TxtNomeAlunno.text = "Soak";
        drill::NameBoxKey(p, 13);
        const bool setupPlayed = s.playTrial(0);
        storage::LoadProfileOption(p);
        s.rig.dialogs.queue(p.path("Velondo7/Impostazioni/Soak"));
        s.rig.dialogs.queue(p.path(kProfile));
        storage::SavePromptAnswer(p, 0);
        storage::SaveModeClick(p, Option::AutoSave);
        s.notes = s.wrongKeys = 0;
        const std::string profile = p.path(kProfile);
        const std::string defaultBytes = Slurp(p.path(storage::kDefaultProfile));
        if (!setupPlayed || p.state.NomeFile != profile || !p.main.isOn(Option::AutoSave) ||
            !p.main.panel(Panel::Name).visible || s.rig.dialogs.pending()) {
            std::printf("setup failed: NomeFile \"%s\"\n", p.state.NomeFile.c_str());
            fs::remove_all(root);
            return 1;
        }

        for (int t = 1; t <= kTrials; ++t) {
            if (t == 1)
                drill::NameBoxKey(p, 13);
            else if (storage::EnterStartsNextTrial(p))
                storage::PractiseAndStart(p);
            if (!s.playTrial(t)) {
                fail(t, "the trial did not start or end");
                break;
            }
            ++trials;
            const std::string bytes = Slurp(profile);
            ++checked;
            if (storage::SplitLines(bytes).size() != storage::kProfileLines)
                fail(t, "the profile has " + std::to_string(storage::SplitLines(bytes).size()) +
                            " lines");
            if (auto problem = storage::ParseProfile(bytes).problem)
                fail(t, "line " + std::to_string(problem->line) + " does not read back");
            if (bytes != storage::ProfileBytes(p) || !p.state.FileSalvato)
                fail(t, "the profile file is not what the program holds");
            if (p.state.NomeFile != profile ||
                Slurp(p.path(storage::kDefaultProfile)) != defaultBytes)
                fail(t, "the default profile was written");
            if (!s.rig.log.errors.empty()) fail(t, "fault: " + s.rig.log.errors.front());
            s.rig.log.errors.clear();
            if (t == 1 || t == 100 || t == kTrials)
                std::printf("trial %4d: RSS %s\n", t, ResidentSize().c_str());
        }
        std::printf(
            "soak: %d trials, %d notes answered (%d wrong keys before them), %d profile files "
            "checked, %d failures\n",
            trials, s.notes, s.wrongKeys, checked, failures);
    }
    fs::remove_all(root);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("wall time %.1f s\n", seconds);
    return failures == 0 ? 0 : 1;
}
