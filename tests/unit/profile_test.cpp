// Profile files: the golden file, the round trip of all 549 fields and the histograms,
// the delivered profiles, and every way a file is refused before anything changes.
#include <gtest/gtest.h>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

#include "data_root_rig.h"
#include "drill/results.h"
#include "storage/flows.h"
#include "storage/line_format.h"
#include "storage/profile.h"
#include "storage/profile_files.h"

namespace velondo {
namespace {

namespace fs = std::filesystem;
using namespace storage;

using testing::Put;
using testing::Slurp;
std::vector<std::string> Lines(const std::string& bytes) { return SplitLines(bytes); }
std::string Join(const std::vector<std::string>& lines, const char* end = "\r\n") {
    std::string s;
    for (const auto& l : lines) s += l + end;
    return s;
}

struct Rig : testing::DataRootRig {
    explicit Rig(const std::string& tag) : DataRootRig("profile-" + tag) {}
};

// A known state with something in every kind of field: a name with a comma, one with "ò",
// marks of all three kinds, two trials in the ranking and the history, a record.
void KnownState(Program& p) {
    MainWindow& m = p.main;
    m.lblVoceOpzioni[11].caption = "Scale, arpeggi e più";
    p.state.ChiaveScelta = "3";
    p.state.ChiaveScelta2 = "5";  // the clef table left on another clef
    p.state.NotaPiuGrave = 8;
    p.state.NotaPiuAcuta = 20;
    p.state.SceltaAlterazioni[2] = "Inseriti";
    p.state.NumAltIns = 2;
    m.lblNaturali[13].backColor = 65535;
    m.lblDiesis[14].backColor = 65535;
    m.lblBemolli[15].backColor = 12648447;
    m.lblNaturali[0].caption = "13";
    m.lblDiesis[0].caption = "8";
    p.state.NoteTotali = 21;
    p.state.Contatore = 21;
    m.lblSpazi[3].visible = false;
    drill::ClearResults(p);
    const drill::TrialTexts a{"Rossi, Mario", "13", "0", "0,7692308", "05/01/26"};
    const drill::TrialTexts b{"Niccolò", "21", "3", "2,142857", "06/01/26"};
    drill::SetRankingRow(p, 1, b);
    drill::SetRankingRow(p, 2, a);
    drill::SetRankingRow(p, 13, a);
    p.state.NumIsto = 2;
    drill::SetHistorySlot(p, 1, a);
    drill::SetTimeBar(p, 1, 0.7692308f);
    drill::SetErrorBar(p, 1, 0);
    drill::SetHistorySlot(p, 2, b);
    drill::SetTimeBar(p, 2, 2.142857f);
    drill::SetErrorBar(p, 2, 3);
    m.lblNomeRecord.caption = "Rossi, Mario";
    m.lblTempoRecord.caption = "0,7692308";
    m.lblDataRecord.caption = "05/01/26";
    m.lblVisualizzaB[0].on = false;
    m.lblVisualizzaB[1].on = true;
    m.lblSfondiB[0].backColor = colors::White;
    m.lblSfondiB[1].backColor = colors::Pink;
    m.lblSigleB[1].caption = "16";
    m.lblSigleB[2].caption = "21";
}

const fs::path kGolden = fs::path(VELONDO_TEST_GOLDEN_DIR) / "profile_known_state.txt";

TEST(ProfileTable, HasOneUniqueFieldPerLine) {
    const auto& table = ProfileTable();
    ASSERT_EQ(table.size(), static_cast<size_t>(kProfileLines));
    std::set<std::string> names;
    for (const auto& f : table) EXPECT_TRUE(names.insert(f.name).second) << f.name;
    // Landmarks of the layout.
    EXPECT_EQ(table[11].name, "VoceOpzioni(11)");
    EXPECT_EQ(table[30].name, "ChiaveScelta");
    EXPECT_EQ(table[42].name, "Naturali(0)");
    EXPECT_EQ(table[341].name, "PosizioneNota(49)");
    EXPECT_EQ(table[349].name, "NomeGiocatore(1)");
    EXPECT_EQ(table[414].name, "NomeGiocatore2(1)");
    EXPECT_EQ(table[533].name, "ErrorBarShown(20)");
    EXPECT_EQ(table[534].name, "NumIsto");
    EXPECT_EQ(table[548].name, "DataRecord");
}

TEST(ProfileFile, KnownStateEqualsTheGoldenFileByteForByte) {
    Rig r("golden");
    KnownState(r.p);
    const std::string bytes = ProfileBytes(r.p);
    // VELONDO_UPDATE_GOLDEN=1 rewrites the reference after a deliberate change of format.
    if (std::getenv("VELONDO_UPDATE_GOLDEN")) Put(kGolden, bytes);
    EXPECT_EQ(bytes, Slurp(kGolden));
    // What the reference itself holds: CR LF, the 8-bit "ò", the comma inside quotes.
    EXPECT_EQ(Lines(bytes).size(), 549u);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 549);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\r'), 549);
    EXPECT_EQ(Lines(bytes)[11], "\"Scale, arpeggi e pi\xF9\"");
    EXPECT_EQ(Lines(bytes)[349], "\"Niccol\xF2\"");
    EXPECT_EQ(Lines(bytes)[354], "\"Rossi, Mario\"");
    EXPECT_EQ(Lines(bytes)[16], "#FALSE#");
    EXPECT_EQ(Lines(bytes)[18], "#TRUE#");
    EXPECT_EQ(Lines(bytes)[42 + 6 * 13], "65535");
}

struct Scale {
    const char* name;
    bool scaled;
    double fy;
};
class RoundTrip : public ::testing::TestWithParam<Scale> {};
TEST_P(RoundTrip, RestoresEveryFieldAndTheHistograms) {
    Rig from("from"), to("to");
    KnownState(from.p);
    Put(to.root / "Velondo7/Impostazioni/Mario.txt", ProfileBytes(from.p));
    to.p.scale.scaled = GetParam().scaled;
    to.p.scale.fy = GetParam().fy;
    to.p.state.PercorsoFileDaAprire = to.p.state.Dir + "Velondo7/Impostazioni/Mario.txt";
    ASSERT_TRUE(ReadProfile(to.p));
    drill::RebuildHistogram(to.p);
    for (const ProfileField& f : ProfileTable()) {
        const FieldValue a = f.get(from.p, f.index), b = f.get(to.p, f.index);
        EXPECT_EQ(a.text, b.text) << f.name;
        EXPECT_EQ(a.flag, b.flag) << f.name;
        EXPECT_EQ(a.number, b.number) << f.name;
    }
    const double k = GetParam().scaled ? GetParam().fy : 1.0;
    for (int i = 1; i <= drill::board::kSlots; ++i) {
        EXPECT_DOUBLE_EQ(to.p.main.ShpIstogramma[i].height, k * from.p.main.ShpIstogramma[i].height)
            << i;
        EXPECT_DOUBLE_EQ(to.p.main.ShpErrori[i].top, k * from.p.main.ShpErrori[i].top) << i;
        EXPECT_DOUBLE_EQ(to.p.main.ShpErrori[i].height, k * from.p.main.ShpErrori[i].height) << i;
        EXPECT_EQ(to.p.main.ShpErrori[i].visible, from.p.main.ShpErrori[i].visible) << i;
    }
    EXPECT_EQ(ProfileBytes(to.p), ProfileBytes(from.p));
}
INSTANTIATE_TEST_SUITE_P(Window, RoundTrip,
                         ::testing::Values(Scale{"design_size", false, 1.0},
                                           Scale{"scaled_window", true, 1.25}),
                         [](const auto& info) { return std::string(info.param.name); });

// Liberal reading: the same profile in other shapes reads to the same state.
struct Shape {
    const char* name;
    std::string (*reshape)(const std::string& crlf);
};
class LiberalReading : public ::testing::TestWithParam<Shape> {};
TEST_P(LiberalReading, GivesTheSameProfile) {
    Rig from("liberal-from"), to("liberal-to");
    KnownState(from.p);
    const std::string bytes = ProfileBytes(from.p);
    ProfileRead read = ParseProfile(GetParam().reshape(bytes));
    ASSERT_FALSE(read.problem) << read.problem->line << ": " << read.problem->what;
    ApplyProfile(to.p, read.values);
    EXPECT_EQ(ProfileBytes(to.p), bytes);
}
INSTANTIATE_TEST_SUITE_P(
    Shapes, LiberalReading,
    ::testing::Values(
        Shape{"lf_line_ends", [](const std::string& s) { return Join(Lines(s), "\n"); }},
        Shape{"no_final_line_end", [](const std::string& s) { return s.substr(0, s.size() - 2); }},
        Shape{"utf8_text", [](const std::string& s) { return FromWindows1252(s); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DeliveredProfiles, ReadBackAndWriteTheSameBytes) {
    for (const char* file : {"Velondo7/Dati/Default.txt",
                             "Velondo7/Impostazioni/00000 - Esempio da non cancellare.txt"}) {
        SCOPED_TRACE(file);
        const std::string bytes = Slurp(fs::path(VELONDO_SOURCE_DATA_DIR) / file);
        ProfileRead read = ParseProfile(bytes);
        ASSERT_FALSE(read.problem) << read.problem->line << ": " << read.problem->what;
        Rig r("delivered");
        ApplyProfile(r.p, read.values);
        EXPECT_EQ(ProfileBytes(r.p), bytes);
    }
    Rig fresh("fresh");
    EXPECT_EQ(Slurp(fs::path(VELONDO_SOURCE_DATA_DIR) / "Velondo7/Dati/Default.txt"),
              ProfileBytes(fresh.p))
        << "Default.txt holds the initial values";
    const auto example =
        Lines(Slurp(fs::path(VELONDO_SOURCE_DATA_DIR) /
                    "Velondo7/Impostazioni/00000 - Esempio da non cancellare.txt"));
    EXPECT_EQ(example[11], "\"00000 - Esempio da non cancellare\"");
    EXPECT_EQ(example[342], "\"13\"") << "the naturals of DO3 … LA4";
    EXPECT_EQ(example[343], "\"13\"") << "and as many sharps";
}

// --- refused files: one row per fault, each a change to a good file ---
struct Fault {
    const char* name;
    std::string (*spoil)(std::vector<std::string>& lines);  // returns the bytes to write
    std::string message;                                    // what the message box says
};
std::string Set(std::vector<std::string>& l, int line, const std::string& v) {
    l[static_cast<size_t>(line - 1)] = v;
    return Join(l);
}
class RefusedFile : public ::testing::TestWithParam<Fault> {};
TEST_P(RefusedFile, ChangesNothingAndNamesTheFirstBadLine) {
    Rig r("refused");
    KnownState(r.p);
    std::vector<std::string> lines = Lines(ProfileBytes(r.p));
    Put(r.root / "Velondo7/Impostazioni/Guasto.txt", GetParam().spoil(lines));
    KnownState(r.p);
    r.p.main.lblVoceOpzioni[11].caption = "Prima del caricamento";
    r.p.main.FraSpiegazioni[0].visible = true;
    const std::string before = ProfileBytes(r.p);
    std::vector<bool> panels;
    for (int i = 0; i <= 9; ++i) panels.push_back(r.p.main.FraSpiegazioni[i].visible);

    r.rig.dialogs.queue(r.p.state.Dir + "Velondo7/Impostazioni/Guasto.txt");
    LoadProfileOption(r.p);

    EXPECT_EQ(ProfileBytes(r.p), before);
    for (int i = 0; i <= 9; ++i)
        EXPECT_EQ(r.p.main.FraSpiegazioni[i].visible, panels[static_cast<size_t>(i)]) << i;
    EXPECT_EQ(r.p.main.lblAvvisoFile.caption, GetParam().message);
    EXPECT_TRUE(r.p.main.lblAvvisoFile.visible);
    EXPECT_TRUE(r.p.main.fraLogo.visible);
}
INSTANTIATE_TEST_SUITE_P(
    Faults, RefusedFile,
    ::testing::Values(
        Fault{"empty_file", [](auto&) { return std::string(); },
              "Impostazione non caricata: Guasto.txt, riga 1: il file finisce prima: manca un "
              "testo."},
        Fault{"one_line_short",
              [](auto& l) {
                  l.pop_back();
                  return Join(l);
              },
              "Impostazione non caricata: Guasto.txt, riga 549: il file finisce prima: manca un "
              "testo."},
        Fault{"one_line_more",
              [](auto& l) {
                  l.push_back("\"\"");
                  return Join(l);
              },
              "Impostazione non caricata: Guasto.txt, riga 550: righe in più: il file dovrebbe "
              "finire alla riga 549."},
        Fault{"name_without_closing_quote", [](auto& l) { return Set(l, 12, "\"Mario"); },
              "Impostazione non caricata: Guasto.txt, riga 12: atteso un testo tra virgolette."},
        Fault{"text_where_a_flag_belongs", [](auto& l) { return Set(l, 15, "\"x\""); },
              "Impostazione non caricata: Guasto.txt, riga 15: atteso #TRUE# o #FALSE#."},
        Fault{"clef_zero", [](auto& l) { return Set(l, 31, "\"0\""); },
              "Impostazione non caricata: Guasto.txt, riga 31: atteso un numero da 1 a 7 tra "
              "virgolette."},
        Fault{"clef_as_a_name", [](auto& l) { return Set(l, 31, "\"Sol\""); },
              "Impostazione non caricata: Guasto.txt, riga 31: atteso un numero da 1 a 7 tra "
              "virgolette."},
        Fault{"second_clef_eight", [](auto& l) { return Set(l, 32, "\"8\""); },
              "Impostazione non caricata: Guasto.txt, riga 32: atteso un numero da 1 a 7 tra "
              "virgolette."},
        Fault{"accidental_class_neither", [](auto& l) { return Set(l, 38, "\"Si\""); },
              "Impostazione non caricata: Guasto.txt, riga 38: atteso \"Inseriti\" o \"No\"."},
        Fault{"mark_of_key_1_red", [](auto& l) { return Set(l, 49, "255"); },
              "Impostazione non caricata: Guasto.txt, riga 49: atteso uno dei colori 16777215, "
              "12648447 o 65535."},
        Fault{"mark_of_key_49_quoted", [](auto& l) { return Set(l, 337, "\"65535\""); },
              "Impostazione non caricata: Guasto.txt, riga 337: atteso un numero intero senza "
              "virgolette."},
        Fault{"pool_size_in_words", [](auto& l) { return Set(l, 348, "\"tredici\""); },
              "Impostazione non caricata: Guasto.txt, riga 348: atteso un numero da 0 a 120 tra "
              "virgolette."},
        Fault{"ranking_notes_not_a_number", [](auto& l) { return Set(l, 351, "\"13a\""); },
              "Impostazione non caricata: Guasto.txt, riga 351: atteso un numero tra virgolette, o "
              "nulla."},
        Fault{"ranking_average_not_a_number", [](auto& l) { return Set(l, 353, "\"presto\""); },
              "Impostazione non caricata: Guasto.txt, riga 353: atteso un tempo in secondi tra "
              "virgolette, o nulla."},
        Fault{"error_bar_flag_in_italian", [](auto& l) { return Set(l, 420, "#VERO#"); },
              "Impostazione non caricata: Guasto.txt, riga 420: atteso #TRUE# o #FALSE#."},
        Fault{"history_count_21", [](auto& l) { return Set(l, 535, "\"21\""); },
              "Impostazione non caricata: Guasto.txt, riga 535: atteso un numero da 0 a 20 tra "
              "virgolette."},
        Fault{"count_button_state_2", [](auto& l) { return Set(l, 536, "2"); },
              "Impostazione non caricata: Guasto.txt, riga 536: atteso un numero da 0 a 1."},
        Fault{"lowest_position_0", [](auto& l) { return Set(l, 545, "\"0\""); },
              "Impostazione non caricata: Guasto.txt, riga 545: atteso un numero da 1 a 31 tra "
              "virgolette."},
        Fault{"highest_position_32", [](auto& l) { return Set(l, 546, "\"32\""); },
              "Impostazione non caricata: Guasto.txt, riga 546: atteso un numero da 1 a 31 tra "
              "virgolette."},
        Fault{"lowest_above_highest",
              [](auto& l) {
                  Set(l, 545, "\"22\"");
                  return Set(l, 546, "\"10\"");
              },
              "Impostazione non caricata: Guasto.txt, riga 546: la nota più acuta deve stare sopra "
              "la più grave (riga 545)."},
        Fault{"record_time_not_a_number", [](auto& l) { return Set(l, 548, "\"?\""); },
              "Impostazione non caricata: Guasto.txt, riga 548: atteso un tempo in secondi tra "
              "virgolette, o nulla."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RefusedFileMissing, NamesTheFileAndWhy) {
    Rig r("missing");
    r.rig.dialogs.queue(r.p.state.Dir + "Velondo7/Impostazioni/Nessuno.txt");
    const std::string before = ProfileBytes(r.p);
    LoadProfileOption(r.p);
    EXPECT_EQ(ProfileBytes(r.p), before);
    EXPECT_EQ(r.p.main.lblAvvisoFile.caption,
              "Impostazione non caricata: Nessuno.txt non si può leggere (il file o la cartella "
              "non esiste).");
}

// --- the default profile at start-up ---
TEST(DefaultProfile, DamagedIsMovedAsideNumberedAndTheInitialValuesStay) {
    Rig r("damaged");
    const fs::path dati = r.root / "Velondo7/Dati";
    Put(dati / "Default.txt.danneggiato", "an older damaged file");
    Put(dati / "Default.txt", "\"solo una riga\"\r\n");
    const std::string initial = ProfileBytes(r.p);
    ReadDefaultProfile(r.p);
    EXPECT_EQ(ProfileBytes(r.p), initial);
    EXPECT_FALSE(fs::exists(dati / "Default.txt"));
    EXPECT_EQ(Slurp(dati / "Default.txt.danneggiato"), "an older damaged file");
    EXPECT_EQ(Slurp(dati / "Default.txt.danneggiato2"), "\"solo una riga\"\r\n");
    EXPECT_EQ(
        r.p.main.lblAvvisoFile.caption,
        "Default.txt era danneggiato (riga 2: il file finisce prima: manca un testo): è stato "
        "messo da parte come Default.txt.danneggiato2. Velondo parte dai valori iniziali.");
    EXPECT_TRUE(r.p.main.lblAvvisoFile.visible);
}

TEST(DefaultProfile, MissingStartsSilentlyFromTheInitialValues) {
    Rig r("nodefault");
    const std::string initial = ProfileBytes(r.p);
    ReadDefaultProfile(r.p);
    EXPECT_EQ(ProfileBytes(r.p), initial);
    EXPECT_FALSE(r.p.main.fraLogo.visible);
}

// --- a write that fails keeps the results ---
struct WriteCase {
    const char* name;
    bool savedProfile;
    WriteFault fault;
    std::string message;
};
class FailedSave : public ::testing::TestWithParam<WriteCase> {};
TEST_P(FailedSave, KeepsTheResultsAndGuardsThemAtTheExit) {
    Rig r("failedsave");
    KnownState(r.p);
    if (GetParam().savedProfile) {
        r.p.state.NomeFile = r.p.state.Dir + "Velondo7/Impostazioni/Mario.txt";
        SaveModeClick(r.p, Option::AutoSave);
    }
    const std::string board = ProfileBytes(r.p);
    r.rig.files.planFault(GetParam().fault);
    SaveAfterTrial(r.p);
    EXPECT_FALSE(r.p.state.FileSalvato);
    EXPECT_EQ(ProfileBytes(r.p), board);
    EXPECT_EQ(r.p.main.lblAvvisoFile.caption, GetParam().message);
    EXPECT_TRUE(UnsavedResults(r.p)) << "the save prompt still protects them";
    // The next trial's save works again and clears the guard.
    SaveAfterTrial(r.p);
    EXPECT_TRUE(r.p.state.FileSalvato);
    EXPECT_FALSE(UnsavedResults(r.p));
}
INSTANTIATE_TEST_SUITE_P(
    Faults, FailedSave,
    ::testing::Values(
        WriteCase{
            "default_profile_disk_full",
            false,
            {WriteStep::Write, 100, "il disco è pieno"},
            "Impostazione non salvata in Default.txt (il disco è pieno). I risultati restano in "
            "memoria: non chiudere Velondo senza averli salvati."},
        WriteCase{"saved_profile_read_only",
                  true,
                  {WriteStep::Open, 0, FileErrorReason(EACCES)},
                  "Impostazione non salvata in Mario.txt (cartella in sola lettura o permessi "
                  "mancanti). I risultati restano in memoria: non chiudere Velondo senza averli "
                  "salvati."}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace velondo
