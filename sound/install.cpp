#include "sound/install.h"

namespace velondo::sound {

void Install(Program& program) { (void)program; }

}  // namespace velondo::sound
