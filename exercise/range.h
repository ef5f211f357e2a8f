#pragma once
// The range of an exercise: its two ends on the staff (panel 2), the register that fits
// it onto the keyboard, the range marks of the spelled notes and the gauge of the summary.
#include <optional>
#include <string>

#include "core/program.h"

namespace velondo::exercise {

constexpr int kLowestBound = 2, kHighestBound = 30, kMaxExtension = 22;

// Natural note at a staff position in a clef ("DO3" for 10 in Violino); nullopt for a
// clef outside 1 … 7.
std::optional<std::string> PositionLabel(int position, int clef);
// "a" for an extension of 1 … 10, "esima" otherwise.
std::string IntervalSuffix(int extension);
// The suffix as the range panel shows it (caption of lblSpiegazione(42)).
std::string& IntervalSuffixField(Program& p);

// Picture and label of one end of the range in the current clef.
void ShowLowestNote(Program& p);
void ShowHighestNote(Program& p);

enum class End { Lowest, Highest };
enum Direction { Down = 1, Up = 2 };  // the arrows' indices
// One step of one end; false (and nothing changes) when the step is blocked.
bool RangeStep(Program& p, End end, int direction);

// The arrows: press, repeat tick of the held arrow, release.
void PressArrow(Program& p, End end, int direction);
void RepeatArrow(Program& p, End end, int direction);
void ReleaseArrow(Program& p, End end, int direction);

// Picks the register in which the range sits most centrally, and sets it.
void ChooseKeyboardRegister(Program& p);
// Range marks of keys 1 … 49 (all five classes) and the gauge of the summary.
void MarkRange(Program& p);
// The range "Ok" steps of this panel: register, marks, shading, reference key.
// The accidental choices are shown by the caller right after.
void ConfirmRange(Program& p);

// Design of panel 2 and the gauge; handlers of the arrows and their timers.
void DesignRangePanel(Program& p);
void InstallRange(Program& p);

}  // namespace velondo::exercise
