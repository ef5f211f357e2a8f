#pragma once
#include "core/program.h"

namespace velondo::ui {

// Display steps of a key press and release: highlight, simulated movement.
void KeyPressDisplay(Program& p, int key);
void KeyReleaseDisplay(Program& p, int key);

}  // namespace velondo::ui
