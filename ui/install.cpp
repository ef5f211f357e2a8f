#include "ui/install.h"

namespace velondo::ui {

void Install(Program& program) { (void)program; }

}  // namespace velondo::ui
