#include "storage/install.h"

namespace velondo::storage {

void Install(Program& program) { (void)program; }

}  // namespace velondo::storage
