#include "app/wiring.h"

#include "app/install.h"
#include "drill/install.h"
#include "exercise/install.h"
#include "notation/install.h"
#include "print/install.h"
#include "sound/install.h"
#include "storage/install.h"
#include "ui/install.h"

namespace velondo {

void InstallAll(Program& program) {
    // Lower layers first: a later Install may refine the design an earlier one set.
    notation::Install(program);
    sound::Install(program);
    ui::Install(program);
    exercise::Install(program);
    drill::Install(program);
    storage::Install(program);
    print::Install(program);
    app::Install(program);
}

}  // namespace velondo
