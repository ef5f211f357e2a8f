#pragma once
// The on/off button of the options box, the count buttons and the choice panels: a
// background square under a click surface. The surface's 3-D look is the state; look
// and background always change together.
#include <string>

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

// An answer button of a question panel ("Sì", "No"): bold, bordered, released, over its
// white background square, both at the same place in the panel.
inline void DesignAnswerButton(Control& panel, Control& square, Control& button, double left,
                               double top, double width, double height, std::string caption,
                               double fontSize) {
    square.parent = &panel;
    square.move(left, top, width, height);
    square.opaque = true;
    square.backColor = colors::White;
    button.parent = &panel;
    button.move(left, top, width, height);
    button.caption = std::move(caption);
    button.fontSize = fontSize;
    button.bold = true;
    button.align = Align::Center;
    button.border = true;
    button.on = false;
}

}  // namespace velondo::ui
