#include "exercise/install.h"

#include "exercise/accidentals.h"
#include "exercise/clef.h"
#include "exercise/pool.h"
#include "exercise/range.h"
#include "exercise/settings.h"

namespace velondo::exercise {

void Install(Program& program) {
    InstallSettings(program);
    InstallRange(program);
    DesignClefPanel(program);
    InstallClef(program);
    DesignAccidentalsPanel(program);
    InstallAccidentals(program);
    DesignNamePanel(program);
    InstallPool(program);
}

}  // namespace velondo::exercise
