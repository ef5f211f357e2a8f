#pragma once
// Small design helpers shared by the configuration panels (see Panel).
#include <string>

#include "core/program.h"

namespace velondo::exercise {

inline Control& InPanel(Program& p, Control& c, Panel panel, double left, double top, double width,
                        double height) {
    c.parent = &p.main.panel(panel);
    c.move(left, top, width, height);
    return c;
}

// A text of the panel, transparent, word-wrapped.
inline Control& PanelText(Program& p, Control& c, Panel panel, double left, double top,
                          double width, double height, std::string caption, double size = 12,
                          bool bold = false) {
    InPanel(p, c, panel, left, top, width, height);
    c.caption = std::move(caption);
    c.fontSize = size;
    c.bold = bold;
    c.opaque = false;
    return c;
}

// The heading line across the top of a panel.
inline Control& PanelHeading(Program& p, Control& c, Panel panel, std::string caption) {
    PanelText(p, c, panel, 210, 420, 14610, 540, std::move(caption), 20.25, true);
    c.italic = true;
    c.border = true;
    c.align = Align::Center;
    return c;
}

// A flat white button face with a border; the pressed or chosen look raises it.
inline Control& ButtonFace(Control& c, double size = 12) {
    c.opaque = true;
    c.border = true;
    c.backColor = colors::White;
    c.on = false;
    c.bold = true;
    c.fontSize = size;
    c.align = Align::Center;
    c.centredVertically = true;
    return c;
}

// A thin black rule (one staff line), centred on y.
inline Control& StaffLine(Program& p, Control& c, Panel panel, double left, double y,
                          double width) {
    InPanel(p, c, panel, left, y - 15, width, 30);
    c.caption.clear();
    c.opaque = true;
    c.border = false;
    c.backColor = colors::Black;
    return c;
}

// A transparent click surface.
inline Control& ClickSurface(Program& p, Control& c, Panel panel, double left, double top,
                             double width, double height) {
    InPanel(p, c, panel, left, top, width, height);
    c.opaque = false;
    c.border = false;
    c.caption.clear();
    c.z = 10;
    return c;
}

}  // namespace velondo::exercise
