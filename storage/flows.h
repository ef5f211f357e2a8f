#pragma once
// The main choice panel (panel 0) and the flows that lead from it through the
// configuration panels to the name panel: practise the current profile, create a new one.
#include "core/program.h"

namespace velondo::storage {


// lblPulsante_Click(1): the current profile again, its configuration replayed.
void PractiseCurrentProfile(Program& p);
// lblPulsante_Click(2).
void CreateProfile(Program& p);
// A new profile from the clef panel on; the working results are dropped.
void StartNewProfile(Program& p);
// lblPulsante_Click(0): the range "Ok".
void RangeOk(Program& p);
// lblPulsante_Click(4): the accidentals "Ok"; replayed inside the practise option.
void AccidentalsOk(Program& p, bool replayed = false);

void DesignMainPanel(Program& p);
void InstallFlows(Program& p);

}  // namespace velondo::storage
