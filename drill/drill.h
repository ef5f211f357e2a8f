#pragma once
#include "core/program.h"

namespace velondo::drill {

// The answer check of a key press: during a trial, compares the key with the highlighted note.
void CheckAnswer(Program& p, int key);

}  // namespace velondo::drill
