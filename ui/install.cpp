#include "ui/install.h"

#include "ui/clef_table.h"
#include "ui/help.h"
#include "ui/keyboard.h"
#include "ui/layout.h"
#include "ui/options.h"
#include "ui/options_box.h"

namespace velondo::ui {

void Install(Program& program) {
    // The window's regions first: the keyboard and the panels refine their own parts.
    DesignLayout(program);
    options::DesignOptionButtons(program);
    InstallKeyboard(program);
    InstallOptionsBox(program);
    InstallClefTable(program);
    InstallHelpPanel(program);
}

}  // namespace velondo::ui
