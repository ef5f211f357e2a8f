#pragma once
// The results board of the profile in use: ranking rows 1..12 (and the hidden overflow
// row 13), the absolute record, the last twenty trials with their two histograms, and
// the detail row 0 under the histograms. Every value is kept as the text it shows.
#include <optional>
#include <string>
#include <string_view>

#include "core/program.h"

namespace velondo::drill {

// Design of the board (twips inside panel 4).
namespace board {
constexpr int kRankedRows = 12;
constexpr int kRows = 13;  // row 13 only receives row 12 when the rows move down
constexpr int kSlots = 20;
constexpr double kColumnTop = 1575;
constexpr double kColumnHeight = 3795;
constexpr double kBaseline = 5370;  // kColumnTop + kColumnHeight
constexpr double kTwipsPerSecond = 632.5;
constexpr float kFullSeconds = 6;
constexpr int kFullErrors = 12;
}  // namespace board

// An average in seconds as the board writes it: single precision, up to 7 significant
// digits, the system's decimal separator ("0,7692308").
std::string FormatAverage(const Program& p, float seconds);
// Reads an average written on any system: both "," and "." separate the decimals.
std::optional<float> ParseAverage(std::string_view text);
// Today as "dd/mm/yy".
std::string Today(const Program& p);

// One row of the ranking, one slot of the history or the detail row: five texts.
struct TrialTexts {
    std::string name, notes, errors, average, date;
};
TrialTexts RankingRow(const Program& p, int row);
void SetRankingRow(Program& p, int row, const TrialTexts& t);
TrialTexts HistorySlot(const Program& p, int slot);
void SetHistorySlot(Program& p, int slot, const TrialTexts& t);

// Whether a trial of n notes, e errors and t seconds per note ranks at or above a row.
bool RanksAbove(int n, int e, float t, const TrialTexts& row);

// The end of a trial, in the order the drill calls them.
void AdvanceHistory(Program& p);
void SetTimeBar(Program& p, int slot, float seconds);
void SetErrorBar(Program& p, int slot, int errors);
void EnterTrial(Program& p);

void RebuildHistogram(Program& p);
void ClearResults(Program& p);
// Paints a ranking row (its six cells) in a colour.
void PaintRow(Program& p, int row, Color c);

// Hover over history slot k (1..20), or over the panel outside the bars.
void PointSlot(Program& p, int slot);
void LeaveSlots(Program& p);
// One tick of the record-line blink.
void BlinkRecord(Program& p);

// The "Dati" panel button: opens or closes the results panel.
void OpenResultsPanel(Program& p);
void CloseResultsPanel(Program& p);

void DesignResultsPanel(Program& p);
void InstallResults(Program& p);

}  // namespace velondo::drill
