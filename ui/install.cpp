#include "ui/install.h"

#include "ui/keyboard.h"
#include "ui/layout.h"
#include "ui/options.h"

namespace velondo::ui {

void Install(Program& program) {
    // The window's regions first: the keyboard and the panels refine their own parts.
    DesignLayout(program);
    options::DesignOptionButtons(program);
    InstallKeyboard(program);
}

}  // namespace velondo::ui
