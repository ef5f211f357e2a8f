#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/wiring.h"
#include "core/testing/test_adapters.h"
#include "drill/results.h"

namespace velondo {
namespace {

using drill::TrialTexts;

struct Trial {
    int notes, errors;
    std::string average;  // as the board writes it
    std::string name = "Anna";
};

class ResultsBoard : public ::testing::Test {
protected:
    ResultsBoard() { InstallAll(p); }

    // Fills ranking rows 1.. with the given trials, dated on the first day of 2026.
    void Board(const std::vector<Trial>& rows) {
        for (size_t i = 0; i < rows.size(); ++i) {
            const Trial& r = rows[i];
            drill::SetRankingRow(
                p, static_cast<int>(i) + 1,
                {r.name, std::to_string(r.notes), std::to_string(r.errors), r.average, "01/01/26"});
        }
    }
    // A finished trial as the drill hands it over: history advanced, then entered.
    void Enter(const Trial& t) {
        p.state.CopiaNumeroScelto2 = t.notes;
        p.state.Errori = t.errors;
        p.state.TempoMedio = t.average;
        p.main.TxtNomeAlunno.text = t.name;
        drill::AdvanceHistory(p);
        drill::EnterTrial(p);
    }
    std::string Row(int i) const {
        TrialTexts t = drill::RankingRow(p, i);
        return t.name + "|" + t.notes + "|" + t.errors + "|" + t.average;
    }

    testing::TestRig rig;
    Program& p = *rig.program;
};

// Twelve ranked 13-note trials without errors, 1,0 to 2,1 seconds per note.
std::vector<Trial> FullBoard() {
    std::vector<Trial> rows;
    for (int i = 0; i < 12; ++i)
        rows.push_back({13, 0, (i < 10 ? "1," + std::to_string(i) : "2," + std::to_string(i - 10)),
                        "R" + std::to_string(i + 1)});
    return rows;
}

// The full board with a hidden row 13 that is worse than any new trial.
std::vector<Trial> WithRow13() {
    auto rows = FullBoard();
    rows.push_back({13, 9, "9", "Old13"});
    return rows;
}

struct RankCase {
    const char* name;
    std::vector<Trial> board;
    std::string record;  // TempoRecord before the trial
    Trial trial;
    int row;            // expected Inserimento
    bool recordBeaten;  // RecordCompiuto
    std::string recordAfter;
};

class Ranking : public ResultsBoard, public ::testing::WithParamInterface<RankCase> {};

TEST_P(Ranking, EntersAtItsPlaceAndKeepsTheRecord) {
    const RankCase& c = GetParam();
    Board(c.board);
    p.main.lblTempoRecord.caption = c.record;
    Enter(c.trial);
    EXPECT_EQ(p.state.Inserimento, c.row);
    EXPECT_EQ(p.state.RecordCompiuto, c.recordBeaten);
    EXPECT_EQ(p.main.TmrLampeggiaRecord.enabled(), c.recordBeaten);
    EXPECT_EQ(p.main.lblTempoRecord.caption, c.recordAfter);
    if (c.row != 13) {
        EXPECT_EQ(Row(c.row), c.trial.name + "|" + std::to_string(c.trial.notes) + "|" +
                                  std::to_string(c.trial.errors) + "|" + c.trial.average);
        EXPECT_EQ(p.main.lblNomeGiocatore[c.row].foreColor, colors::Red);
        EXPECT_EQ(p.main.lblGraduatoria[c.row].foreColor, colors::Red);
    }
    // The rows below moved down by one, row 12 into the hidden row 13.
    for (int i = c.row + 1; i <= 13 && c.row != 13; ++i) {
        size_t old = static_cast<size_t>(i - 2);
        if (old < c.board.size()) {
            EXPECT_EQ(drill::RankingRow(p, i).name, c.board[old].name) << i;
        }
    }
    if (c.row == 13 && c.board.size() == 13) {
        EXPECT_EQ(drill::RankingRow(p, 13).name, c.board[12].name);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Ranking,
    ::testing::Values(
        RankCase{"first_trial_on_empty_board", {}, "", {13, 2, "1,5"}, 1, false, "1,5"},
        RankCase{"worse_than_row_12_stays_out", WithRow13(), "1,0", {13, 0, "3"}, 13, false, "1,0"},
        RankCase{"row_12_pushes_into_row_13",
                 FullBoard(),
                 "1,0",
                 {13, 0, "2,05", "New"},
                 12,
                 false,
                 "1,0"},
        RankCase{"more_notes_beat_fewer_errors", {{13, 0, "1"}}, "1", {17, 10, "5"}, 1, false, "1"},
        RankCase{"full_tie_goes_above", FullBoard(), "1,0", {13, 0, "1,2", "Tie"}, 3, false, "1,0"},
        RankCase{"record_tie_does_not_beat_it",
                 {{13, 0, "1,5"}},
                 "1,5",
                 {13, 0, "1,5"},
                 1,
                 false,
                 "1,5"},
        RankCase{"record_beaten_at_rank_3",
                 {{13, 0, "2"}, {13, 0, "2,1"}},
                 "2",
                 {13, 1, "1,25"},
                 3,
                 true,
                 "1,25"},
        RankCase{"averages_of_both_systems_compare",
                 {{13, 0, "1.5"}},
                 "1.5",
                 {13, 0, "1,4"},
                 1,
                 true,
                 "1,4"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ResultsBoard, EmptyNameShowsQuestionMarksOnlyInTheRanking) {
    Enter({13, 0, "1,5", ""});
    EXPECT_EQ(p.main.lblNomeGiocatore[1].caption, "???");
    EXPECT_EQ(p.main.lblNomeRecord.caption, "");
    EXPECT_EQ(p.main.lblNomeGiocatore2[1].caption, "");
    EXPECT_EQ(p.main.lblNomeGiocatore[0].caption, "");
    EXPECT_EQ(p.main.lblData2[1].caption, "05/01/26");
    EXPECT_EQ(p.main.lblMediaSec[0].caption, "1,5");
}

TEST_F(ResultsBoard, NextTrialTurnsTheOldRedRowBlack) {
    Enter({13, 0, "1,5"});
    Enter({13, 0, "1,4"});
    EXPECT_EQ(p.state.Inserimento, 1);
    EXPECT_EQ(p.main.lblNomeGiocatore[1].foreColor, colors::Red);
    EXPECT_EQ(p.main.lblNomeGiocatore[2].foreColor, colors::Black);
}

TEST_F(ResultsBoard, TwentyFirstTrialDropsTheOldestSlot) {
    for (int i = 1; i <= 21; ++i) {
        Enter({13, i % 13, "1,5", "T" + std::to_string(i)});
        drill::SetErrorBar(p, p.state.NumIsto, i % 13);
    }
    EXPECT_EQ(p.state.NumIsto, 20);
    EXPECT_EQ(p.main.lblNomeGiocatore2[1].caption, "T2");
    EXPECT_EQ(p.main.lblNomeGiocatore2[20].caption, "T21");
    // T2 made 2 errors, T13 none: their bars moved along with the texts.
    EXPECT_EQ(p.main.ShpErrori[1].height, 645);
    EXPECT_FALSE(p.main.ShpErrori[12].visible);
}

struct ErrorBarCase {
    const char* name;
    int errors;
    bool shown;
    double height, top;
};

class ErrorBar : public ResultsBoard, public ::testing::WithParamInterface<ErrorBarCase> {};

TEST_P(ErrorBar, RisesFromTheBaseline) {
    const ErrorBarCase& c = GetParam();
    drill::SetErrorBar(p, 4, c.errors);
    EXPECT_EQ(p.main.ShpErrori[4].visible, c.shown);
    EXPECT_DOUBLE_EQ(p.main.ShpErrori[4].height, c.height);
    EXPECT_DOUBLE_EQ(p.main.ShpErrori[4].top, c.top);
}

INSTANTIATE_TEST_SUITE_P(Cases, ErrorBar,
                         ::testing::Values(ErrorBarCase{"none_hides_it", 0, false, 3795, 1575},
                                           ErrorBarCase{"one", 1, true, 330, 5040},
                                           ErrorBarCase{"eleven", 11, true, 3480, 1890},
                                           ErrorBarCase{"twelve_fills_it", 12, true, 3795, 1575},
                                           ErrorBarCase{"thirty_fills_it", 30, true, 3795, 1575}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ResultsBoard, TimeBarIsFullAtSixSeconds) {
    drill::SetTimeBar(p, 2, 1.5f);
    EXPECT_DOUBLE_EQ(p.main.ShpIstogramma[2].height, 3795 - 632.5 * 1.5);
    drill::SetTimeBar(p, 2, 6.0f);
    EXPECT_DOUBLE_EQ(p.main.ShpIstogramma[2].height, 0);
    drill::SetTimeBar(p, 2, 9.0f);
    EXPECT_DOUBLE_EQ(p.main.ShpIstogramma[2].height, 0);
}

TEST_F(ResultsBoard, BarsFollowTheStretchedWindow) {
    p.scale.scaled = true;
    p.scale.fy = 15360.0 / 11520;
    drill::SetErrorBar(p, 1, 1);
    EXPECT_DOUBLE_EQ(p.main.ShpErrori[1].height, 440);
    EXPECT_DOUBLE_EQ(p.main.ShpErrori[1].top, 6720);
    drill::SetTimeBar(p, 1, 3.0f);
    EXPECT_DOUBLE_EQ(p.main.ShpIstogramma[1].height, (3795 - 632.5 * 3) * p.scale.fy);
}

TEST_F(ResultsBoard, RebuildReadsTheSlotTexts) {
    drill::SetHistorySlot(p, 1, {"A", "13", "3", "2,0", "01/01/26"});
    drill::SetHistorySlot(p, 2, {"B", "13", "0", "9.5", "01/01/26"});
    drill::RebuildHistogram(p);
    EXPECT_DOUBLE_EQ(p.main.ShpIstogramma[1].height, 3795 - 632.5 * 2);
    EXPECT_DOUBLE_EQ(p.main.ShpErrori[1].height, 960);
    EXPECT_DOUBLE_EQ(p.main.ShpErrori[1].top, 4410);
    EXPECT_DOUBLE_EQ(p.main.ShpIstogramma[2].height, 0);  // over 6 s: full column
    EXPECT_DOUBLE_EQ(p.main.ShpErrori[2].height, 3795);   // "0": full, its flag hides it
    EXPECT_DOUBLE_EQ(p.main.ShpIstogramma[3].height, 3795);
}

TEST_F(ResultsBoard, ClearEmptiesEverythingButTheDetailRow) {
    Board(FullBoard());
    Enter({13, 2, "1,5"});
    drill::SetErrorBar(p, 1, 2);
    drill::SetRankingRow(p, 13, {"X", "13", "9", "9", "01/01/26"});
    drill::ClearResults(p);
    EXPECT_EQ(Row(1), "|||");
    EXPECT_EQ(Row(13), "|||");
    EXPECT_EQ(p.main.lblData2[1].caption, "");
    EXPECT_FALSE(p.main.ShpErrori[1].visible);
    EXPECT_EQ(p.main.lblTempoRecord.caption, "");
    EXPECT_EQ(p.state.NumIsto, 0);
    EXPECT_EQ(p.main.lblMediaSec[0].caption, "1,5");
    EXPECT_EQ(p.main.lblNomeGiocatore[p.state.Inserimento].foreColor, colors::Black);
}

TEST_F(ResultsBoard, HoverCopiesAFilledSlotAndEmptiesForAnEmptyOne) {
    drill::SetHistorySlot(p, 3, {"Ugo", "15", "1", "2,2", "02/01/26"});
    drill::PointSlot(p, 3);
    EXPECT_EQ(p.state.MouseMove, 3);
    EXPECT_EQ(Row(0), "Ugo|15|1|2,2");
    drill::PointSlot(p, 4);
    EXPECT_EQ(p.state.MouseMove, 100);
    EXPECT_EQ(Row(0), "|||");
    drill::PointSlot(p, 3);
    drill::LeaveSlots(p);
    EXPECT_EQ(p.state.MouseMove, 100);
    EXPECT_EQ(Row(0), "|||");
}

TEST_F(ResultsBoard, RecordBlinksSixteenTimesAndEndsWhite) {
    p.main.TmrLampeggiaRecord.setEnabled(true);
    std::vector<Color> seen;
    for (int i = 0; i < 17; ++i) {
        drill::BlinkRecord(p);
        seen.push_back(p.main.ShpFasciaRecord.backColor);
    }
    EXPECT_EQ(seen[0], colors::Yellow);
    EXPECT_EQ(seen[15], colors::White);
    EXPECT_EQ(seen[16], colors::White);
    EXPECT_FALSE(p.main.TmrLampeggiaRecord.enabled());
    EXPECT_EQ(p.state.lampeggiaRecord, 0);
}

struct AverageCase {
    const char* name;
    int tenths, notes;
    char separator;
    const char* text;
};

class Average : public ResultsBoard, public ::testing::WithParamInterface<AverageCase> {};

TEST_P(Average, IsWrittenInSinglePrecisionAndReadBackOnAnySystem) {
    const AverageCase& c = GetParam();
    rig.locale.format_.decimalSeparator = c.separator;
    float t = static_cast<float>(c.tenths) / 10.0f / static_cast<float>(c.notes);
    EXPECT_EQ(drill::FormatAverage(p, t), c.text);
    ASSERT_TRUE(drill::ParseAverage(c.text));
    EXPECT_FLOAT_EQ(*drill::ParseAverage(c.text), t);
}

INSTANTIATE_TEST_SUITE_P(Cases, Average,
                         ::testing::Values(AverageCase{"exact", 195, 13, ',', "1,5"},
                                           AverageCase{"seven_digits", 100, 13, ',', "0,7692308"},
                                           AverageCase{"point_system", 100, 13, '.', "0.7692308"},
                                           AverageCase{"whole", 130, 13, ',', "1"},
                                           AverageCase{"long_trial", 12345, 17, ',', "72,61765"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AverageText, OtherTextsDoNotParse) {
    for (const char* text : {"", "abc", "1,5 sec.", "1,,5"})
        EXPECT_FALSE(drill::ParseAverage(text)) << text;
}

}  // namespace
}  // namespace velondo
