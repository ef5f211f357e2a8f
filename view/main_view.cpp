#include "view/main_view.h"
