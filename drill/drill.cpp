#include "drill/drill.h"

namespace velondo::drill {

void CheckAnswer(Program&, int) {}

}  // namespace velondo::drill
