#pragma once
namespace velondo {

struct Program;

// Installs every subsystem into a program: handlers, field names, control design.
void InstallAll(Program& program);

}  // namespace velondo
