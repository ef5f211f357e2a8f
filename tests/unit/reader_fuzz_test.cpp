// Damaged data files made from good ones with a fixed seed: bits flipped, cut at every
// length, lines deleted, doubled, swapped or taken from elsewhere, 1 MB lines, NUL bytes,
// broken UTF-8, lone CRs, digits changed, a folder where the file should be. Each is read
// whole or refused with nothing changed, and what was read is saved and read back the
// same. The sanitizer tree runs the same cases, so a crash or an overflow also fails here.
#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>
#include <random>
#include <string>
#include <vector>

#include "data_root_rig.h"
#include "drill/results.h"
#include "storage/flows.h"
#include "storage/line_format.h"
#include "storage/profile.h"
#include "storage/profile_files.h"
#include "storage/state_files.h"

namespace velondo {
namespace {

namespace fs = std::filesystem;
using namespace storage;

constexpr unsigned kSeed = 20261211;

using testing::Slurp;

// One damaged copy of a good file and how it was made, for the failure message.
struct Damaged {
    std::string bytes;
    std::string how;
    bool folder = false;  // a folder stands where the file should be
};

class Mutator {
public:
    explicit Mutator(unsigned seed) : rng_(seed) {}

    Damaged next(const std::string& good) {
        std::vector<std::string> lines = Lines(good);
        const std::size_t n = lines.size();
        auto line = [&] { return pick(n); };
        switch (pick(14)) {
            case 0: {
                std::string b = good;
                const std::size_t flips = 1 + pick(8);
                for (std::size_t k = 0; k < flips; ++k)
                    b[pick(b.size())] ^= static_cast<char>(1u << pick(8));
                return {b, std::to_string(flips) + " bits flipped"};
            }
            case 1: {
                const std::size_t at = line();
                lines.erase(lines.begin() + static_cast<long>(at));
                return {Join(lines), "line " + std::to_string(at + 1) + " deleted"};
            }
            case 2: {
                const std::size_t at = line();
                lines.insert(lines.begin() + static_cast<long>(at), lines[at]);
                return {Join(lines), "line " + std::to_string(at + 1) + " doubled"};
            }
            case 3:
            case 4: {
                // Half of the swaps are of neighbours, which often hold the same kind of value.
                const std::size_t a = line();
                const std::size_t b = pick(2) ? (a + 1) % n : line();
                std::swap(lines[a], lines[b]);
                return {Join(lines), "lines " + std::to_string(a + 1) + " and " +
                                         std::to_string(b + 1) + " swapped"};
            }
            case 5: {
                const std::size_t at = line();
                const char* shapes[] = {"\"", "", "#"};
                const std::string shape = shapes[pick(3)];
                // One in eight is a megabyte; the others just pass what a line may hold.
                const std::size_t size = pick(8) == 0 ? 1 << 20 : kMaxLineBytes + pick(64);
                lines[at] = shape + std::string(size, "a7\xE8"[pick(3)]) + shape;
                return {Join(lines), "line " + std::to_string(at + 1) + " made " +
                                         std::to_string(size) + " bytes long"};
            }
            case 6: {
                std::string b = good;
                const std::size_t at = pick(b.size() + 1);
                b.insert(at, std::string(1 + pick(3), '\0'));
                return {b, "NUL bytes at " + std::to_string(at)};
            }
            case 7: {
                const char* broken[] = {"\xC3",     "\xFF",    "\xED\xA0\x80", "\xF4\x90\x80\x80",
                                        "\xC0\xAF", "\xE2\x82"};
                std::string b = good;
                const std::size_t at = pick(b.size() + 1);
                b.insert(at, broken[pick(6)]);
                return {b, "broken UTF-8 at " + std::to_string(at)};
            }
            case 8: {
                // A line end of CR alone, or a CR inside a line.
                std::string b = good;
                std::size_t at = pick(b.size());
                if (pick(2)) {
                    at = b.find("\r\n", at);
                    if (at == std::string::npos) at = b.find("\r\n");
                    b.erase(at + 1, 1);
                } else {
                    b.insert(at, "\r");
                }
                return {b, "lone CR at " + std::to_string(at)};
            }
            case 9: {
                const std::size_t at = line(), from = line();
                lines[at] = lines[from];
                return {Join(lines), "line " + std::to_string(at + 1) + " replaced by line " +
                                         std::to_string(from + 1)};
            }
            case 10:
            case 11: {
                // Other digits: values that may still be read, and then must be held whole.
                std::string b = good;
                for (int tries = 0; tries < 64; ++tries) {
                    const std::size_t at = pick(b.size());
                    if (b[at] < '0' || b[at] > '9') continue;
                    b[at] = static_cast<char>('0' + pick(10));
                    return {b, "digit at " + std::to_string(at) + " changed"};
                }
                return {b, "no digit changed"};
            }
            case 12: {
                std::string b = good;
                const std::size_t at = pick(b.size());
                b.insert(at, 1, static_cast<char>(pick(256)));
                return {b, "byte inserted at " + std::to_string(at)};
            }
            default: {
                const std::size_t at = pick(good.size() + 1);
                return {good.substr(0, at), "cut at " + std::to_string(at)};
            }
        }
    }

    std::size_t pick(std::size_t n) {
        return n == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_);
    }

private:
    static std::vector<std::string> Lines(const std::string& bytes) {
        std::vector<std::string> out;
        std::size_t start = 0;
        while (start < bytes.size()) {
            std::size_t end = bytes.find("\r\n", start);
            if (end == std::string::npos) end = bytes.size();
            out.push_back(bytes.substr(start, end - start));
            start = end + 2;
        }
        return out;
    }
    static std::string Join(const std::vector<std::string>& lines) {
        std::string s;
        for (const auto& l : lines) s += l + "\r\n";
        return s;
    }
    std::mt19937 rng_;
};

// Every case of one file kind: the good file cut at each length, a folder in its place,
// then `random` mutations. Returns the number of files read.
template <typename Check>
int RunCases(const std::string& good, int random, unsigned seed, Check check) {
    int done = 0;
    for (std::size_t at = 0; at < good.size(); ++at, ++done)
        check(Damaged{good.substr(0, at), "cut at " + std::to_string(at)});
    check(Damaged{{}, "a folder in place of the file", true});
    ++done;
    Mutator m(seed);
    for (int k = 0; k < random; ++k, ++done) check(m.next(good));
    return done;
}

using Rig = testing::DataRootRig;

// Puts the damaged file (or a folder) at relative below the rig's data root.
fs::path Place(const Rig& r, const std::string& relative, const Damaged& d) {
    const fs::path file = r.root / relative;
    fs::remove_all(file);
    if (d.folder)
        fs::create_directories(file / "dentro");
    else
        testing::Put(file, d.bytes);
    return file;
}

// Everything a refused file must leave as it was: the 549 profile values and every
// state field of the window.
std::string Snapshot(const Program& p) {
    std::string s = ProfileBytes(p);
    for (const auto& [name, f] : p.fields.all()) {
        if (f.lo > f.hi)
            s += name + "=" + f.get(-1) + "\n";
        else
            for (int i = f.lo; i <= f.hi; ++i)
                s += name + std::to_string(i) + "=" + f.get(i) + "\n";
    }
    return s;
}

// The first field where two profiles differ, or "".
std::string FirstDifference(const std::vector<FieldValue>& a, const std::vector<FieldValue>& b) {
    const auto& table = ProfileTable();
    if (a.size() != b.size()) return "number of fields";
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].text != b[i].text || a[i].flag != b[i].flag || a[i].number != b[i].number)
            return table[i].name + ": read \"" + a[i].text + "\", saved \"" + b[i].text + "\"";
    return {};
}

// A profile with something in every kind of field: names with a comma and an accent, the
// ranking and the history full, a record, a clef table on another clef.
std::string RichProfile() {
    Rig r("fuzz-rich");
    Program& p = r.p;
    p.main.lblVoceOpzioni[11].caption = "Scale, arpeggi e più";
    p.state.ChiaveScelta = "3";
    p.state.ChiaveScelta2 = "6";
    p.state.NotaPiuGrave = 8;
    p.state.NotaPiuAcuta = 20;
    p.state.SceltaAlterazioni[2] = "Inseriti";
    p.main.lblNaturali[13].backColor = 65535;
    p.main.lblDiesis[14].backColor = 12648447;
    for (int r = 1; r <= 12; ++r)
        drill::SetRankingRow(p, r,
                             {"Niccolò " + std::to_string(r), std::to_string(10 + r),
                              std::to_string(r % 4), "1," + std::to_string(r), "05/01/26"});
    p.state.NumIsto = drill::board::kSlots;
    for (int i = 1; i <= drill::board::kSlots; ++i) {
        drill::SetHistorySlot(
            p, i, {"Rossi, Mario", "13", std::to_string(i % 5), "0,7692308", "06/01/26"});
        drill::SetErrorBar(p, i, i % 5);
    }
    p.main.lblNomeRecord.caption = "Rossi, Mario";
    p.main.lblTempoRecord.caption = "0,7692308";
    p.main.lblDataRecord.caption = "05/01/26";
    return ProfileBytes(p);
}

// The load flow and the plain reader, each on its own program kept across the cases, so
// that later cases meet the states earlier ones left.
TEST(FuzzedReaders, ProfilesAreLoadedWholeOrRefusedWithNothingChanged) {
    const std::string good = RichProfile();
    Rig flow("fuzz-flow"), reader("fuzz-reader");
    const std::string name = "Velondo7/Impostazioni/Prova.txt";
    int accepted = 0;
    const int cases = RunCases(good, 8000, kSeed, [&](const Damaged& d) {
        SCOPED_TRACE(d.how);
        const fs::path file = Place(flow, name, d);
        Place(reader, name, d);
        ProfileRead expected = d.folder ? ProfileRead{{}, LineProblem{}} : ParseProfile(d.bytes);

        // The plain reader: whole or nothing.
        Program& r = reader.p;
        r.state.PercorsoFileDaAprire = reader.root / name;
        const std::string before = Snapshot(r);
        const bool read = ReadProfile(r);
        ASSERT_EQ(read, !expected.problem);
        if (!read) {
            ASSERT_EQ(Snapshot(r), before);
        } else {
            ++accepted;
            // What was read is what a save writes and a later read finds.
            ProfileRead again = ParseProfile(ProfileBytes(r));
            ASSERT_FALSE(again.problem) << again.problem->line << ": " << again.problem->what;
            ASSERT_EQ(FirstDifference(expected.values, again.values), "");
        }

        // The whole load flow, chosen in the dialog as a student would.
        Program& f = flow.p;
        const std::string flowBefore = Snapshot(f);
        flow.rig.dialogs.queue(file.string());
        LoadProfileFlow(f);
        if (!read) {
            ASSERT_EQ(Snapshot(f), flowBefore);
            ASSERT_TRUE(f.main.lblAvvisoFile.visible);
            ASSERT_NE(f.main.lblAvvisoFile.caption.find("Prova.txt"), std::string::npos);
        } else {
            ASSERT_EQ(f.state.NomeFile, file.string());
            // The working profile it leaves can always be saved and read back.
            ProfileRead saved = ParseProfile(ProfileBytes(f));
            ASSERT_FALSE(saved.problem) << saved.problem->line << ": " << saved.problem->what;
        }
        f.main.lblAvvisoFile.visible = false;
    });
    std::cout << "profiles: " << cases << " files read, " << accepted << " still profiles\n";
    // The mutations reach past the checks too: some damaged files are still profiles.
    EXPECT_GT(accepted, 500);
    EXPECT_LT(accepted, cases / 2);
}

// The default profile at start-up: a damaged one is set aside byte for byte and the
// program starts from its initial values.
TEST(FuzzedReaders, DamagedDefaultProfileIsSetAsideWhole) {
    const std::string good = RichProfile();
    const std::string initial = Snapshot(Rig("fuzz-default").p);
    Mutator m(kSeed + 1);
    for (int k = 0; k < 2000; ++k) {
        const Damaged d = m.next(good);
        SCOPED_TRACE(d.how);
        Rig r("fuzz-default");  // a fresh start each time
        const fs::path dati = r.root / "Velondo7/Dati";
        Place(r, kDefaultProfile, d);
        ReadDefaultProfile(r.p);
        ProfileRead expected = ParseProfile(d.bytes);
        if (expected.problem) {
            ASSERT_EQ(Snapshot(r.p), initial);
            ASSERT_FALSE(fs::exists(dati / "Default.txt"));
            ASSERT_EQ(Slurp(dati / "Default.txt.danneggiato"), d.bytes);
            ASSERT_TRUE(r.p.main.lblAvvisoFile.visible);
        } else {
            ASSERT_EQ(FirstDifference(expected.values, ParseProfile(ProfileBytes(r.p)).values), "");
        }
    }
}

// The options file: every line is taken or gets its design state, the two pairs that
// exclude each other never come on together, and what was read is written back the same.
TEST(FuzzedReaders, OptionsAlwaysGiveAWholeSettingThatSavesTheSame) {
    Rig r("fuzz-options");
    Program& p = r.p;
    WriteOptions(p);
    std::string good = Slurp(r.root / kOptionsFile);
    good.replace(0, good.find('\r'), "\"37\"");  // a counter of new profiles
    const int cases = RunCases(good, 3000, kSeed + 2, [&](const Damaged& d) {
        SCOPED_TRACE(d.how);
        Place(r, kOptionsFile, d);
        ReadOptions(p);
        const std::vector<int> states = OptionStates(p);
        const int counter = p.state.Progressivo;
        ASSERT_EQ(states.size(), 13u);
        for (int v : states) ASSERT_TRUE(v == 0 || v == 1);
        ASSERT_FALSE(p.main.isOn(Option::HighlightWhilePressed) &&
                     p.main.isOn(Option::HighlightAfterRelease));
        ASSERT_FALSE(p.main.isOn(Option::AutoSave) && p.main.isOn(Option::NamedSave));
        ASSERT_GE(counter, 0);
        fs::remove_all(r.root / kOptionsFile);
        WriteOptions(p);
        ReadOptions(p);
        ASSERT_EQ(OptionStates(p), states);
        ASSERT_EQ(p.state.Progressivo, counter);
    });
    std::cout << "options: " << cases << " files read\n";
}

// The last student's name: always a name the files can hold, kept the same by a save.
TEST(FuzzedReaders, StudentNameIsAlwaysAWritableName) {
    Rig r("fuzz-name");
    Program& p = r.p;
    p.main.TxtNomeAlunno.text = "Niccolò Rossi, 3ª B";
    WriteStudentName(p);
    const std::string good = Slurp(r.root / kNameFile);
    const int cases = RunCases(good, 2000, kSeed + 3, [&](const Damaged& d) {
        SCOPED_TRACE(d.how);
        Place(r, kNameFile, d);
        ReadStudentName(p);
        const std::string name = p.main.TxtNomeAlunno.text;
        ASSERT_TRUE(IsValidUtf8(name));
        ASSERT_TRUE(FitsWindows1252(name));
        ASSERT_LE(CharCount(name), 30u);
        ASSERT_EQ(name.find('"'), std::string::npos);
        for (char c : name) ASSERT_GE(static_cast<unsigned char>(c), 0x20);
        fs::remove_all(r.root / kNameFile);
        WriteStudentName(p);
        ReadStudentName(p);
        ASSERT_EQ(p.main.TxtNomeAlunno.text, name);
    });
    std::cout << "names: " << cases << " files read\n";
}

}  // namespace
}  // namespace velondo
