#pragma once
#include "core/program.h"

namespace velondo::sound {

// The sound step of a key press: stop the previous key's sample, sound this key's.
void KeySample(Program& p, int key);

}  // namespace velondo::sound
