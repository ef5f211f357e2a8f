#pragma once
// The clef panel (panel 1): the first step of a new profile, replayed by the practise option.
#include "core/program.h"

namespace velondo::exercise {

// lblClickChiave_Click(k): clef k becomes the exercise's clef; on to the range panel.
void ChooseClef(Program& p, int k);
// Command4_Click, Enter on panel 1: the current clef again.
void RepeatClef(Program& p);

void DesignClefPanel(Program& p);
void InstallClef(Program& p);

}  // namespace velondo::exercise
