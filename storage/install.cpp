#include "storage/install.h"

#include "storage/flows.h"
#include "storage/state_files.h"

namespace velondo::storage {

void Install(Program& program) {
    DesignMainPanel(program);
    InstallFlows(program);
    InstallStateFiles(program);
}

}  // namespace velondo::storage
