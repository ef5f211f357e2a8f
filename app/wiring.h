#pragma once
#include "core/program.h"

namespace velondo {

// Installs every subsystem into a program: handlers, field names, control design.
void InstallAll(Program& program);

}  // namespace velondo
