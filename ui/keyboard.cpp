#include "ui/keyboard.h"

namespace velondo::ui {

void KeyPressDisplay(Program&, int) {}
void KeyReleaseDisplay(Program&, int) {}

}  // namespace velondo::ui
