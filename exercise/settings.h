#pragma once
// The settings of an exercise as the summary box shows them, and the naming of a profile
// while it is being created.
#include <string>

#include "core/program.h"

namespace velondo::exercise {

// Index of the profile name in the summary (lblVoceOpzioni), shown as the box's title.
constexpr int kProfileNameItem = 11;

// "00001" for 1, "100000" for 100000: at least five digits.
std::string ProfileNumber(int progressivo);
// "00001 - Violino".
std::string ProfileName(int progressivo, const std::string& clefName);

// Gives the profile being created its number, name, file path and drill clef picture.
void NameNewProfile(Program& p);

// The summary's values as designed, and the fields' names.
void DesignSettingsSummary(Program& p);
void InstallSettings(Program& p);

}  // namespace velondo::exercise
