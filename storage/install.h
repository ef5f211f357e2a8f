#pragma once
namespace velondo {
struct Program;
}

namespace velondo::storage {

// Registers this subsystem's handlers and state field names, and sets the design of the
// controls it owns.
void Install(Program& program);

}  // namespace velondo::storage
