#include "drill/install.h"

namespace velondo::drill {

void Install(Program& program) { (void)program; }

}  // namespace velondo::drill
