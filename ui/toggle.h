#pragma once
// The on/off button of the options box, the count buttons and the choice panels: a
// background square under a click surface. The surface's 3-D look is the state; look
// and background always change together.
#include "core/control.h"

namespace velondo::ui {

inline bool IsOn(const Control& surface) { return surface.on; }

inline void SetOn(Control& surface, Control& square, Color onColor) {
    surface.on = true;
    square.backColor = onColor;
}

inline void SetOff(Control& surface, Control& square) {
    surface.on = false;
    square.backColor = colors::White;
}

inline void SetToggle(Control& surface, Control& square, bool on, Color onColor) {
    if (on)
        SetOn(surface, square, onColor);
    else
        SetOff(surface, square);
}

}  // namespace velondo::ui
