#include "print/install.h"

namespace velondo::print {

void Install(Program& program) { (void)program; }

}  // namespace velondo::print
