#pragma once
// The small state files of Velondo7/Dati: the options (Opzioni.txt, 14 lines), the last
// student name (Nome.txt) and the sound switch (Audio.txt). Read at start-up, written by
// the exit; a missing, short or damaged file gives the design state of what it lacks.
#include <optional>
#include <string>
#include <vector>

#include "core/program.h"

namespace velondo::storage {

constexpr const char* kOptionsFile = "Velondo7/Dati/Opzioni.txt";
constexpr const char* kNameFile = "Velondo7/Dati/Nome.txt";
constexpr const char* kSoundSwitchFile = "Velondo7/Dati/Audio.txt";
constexpr int kOptionsLines = 14;

// The 13 selection states of lines 2 … 14, in file order, as 0 or 1.
std::vector<int> OptionStates(const Program& p);
// Puts line 1 (the profile counter's text) and lines 2 … 14 into the window: a missing
// line or one that is not 0 or 1 gives that line's design state; the counter, when it is
// not a number of new profiles, the design "0". Options 7 and 9, and "SA" and "ScN",
// are never both on: read both on, each pair takes its design states.
void ApplyOptions(Program& p, const std::optional<std::string>& counter,
                  const std::vector<std::optional<std::string>>& states);

void ReadOptions(Program& p);
void WriteOptions(Program& p);
void ReadStudentName(Program& p);
void WriteStudentName(Program& p);
void WriteSoundSwitch(Program& p);

void InstallStateFiles(Program& p);

}  // namespace velondo::storage
