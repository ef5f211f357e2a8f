#include "app/install.h"

namespace velondo::app {

void Install(Program& program) { (void)program; }

}  // namespace velondo::app
