#include "sound/sound.h"

namespace velondo::sound {

void KeySample(Program&, int) {}

}  // namespace velondo::sound
