#include "storage/install.h"

#include "storage/flows.h"
#include "storage/profile_files.h"
#include "storage/state_files.h"

namespace velondo::storage {

void Install(Program& program) {
    DesignMainPanel(program);
    DesignSavePrompt(program);
    DesignFileNotice(program);
    InstallFlows(program);
    InstallStateFiles(program);
}

}  // namespace velondo::storage
