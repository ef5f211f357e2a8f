#pragma once
#include "core/program.h"

namespace velondo::view {

}  // namespace velondo::view
