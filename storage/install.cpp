#include "storage/install.h"

#include "storage/flows.h"

namespace velondo::storage {

void Install(Program& program) {
    DesignMainPanel(program);
    InstallFlows(program);
}

}  // namespace velondo::storage
