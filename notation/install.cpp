#include "notation/install.h"

namespace velondo::notation {

void Install(Program& program) { (void)program; }

}  // namespace velondo::notation
