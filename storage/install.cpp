#include "storage/install.h"

#include "storage/flows.h"
#include "storage/profile_files.h"

namespace velondo::storage {

void Install(Program& program) {
    DesignMainPanel(program);
    DesignSavePrompt(program);
    DesignFileNotice(program);
    InstallFlows(program);
}

}  // namespace velondo::storage
