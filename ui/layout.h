#pragma once
// The main window's regions at their design places, and the one stretch of the whole
// layout to the screen at start-up.
namespace velondo {
struct Program;
}

namespace velondo::ui {

// Design grid of the main window, in twips.
inline constexpr double kDesignWidth = 15360;
inline constexpr double kDesignHeight = 11520;

// Geometry, colours, captions and visibility of every region this layout owns.
void DesignLayout(Program& p);

// Stretches the window and every control once to the screen (fx, fy, ff kept in p.scale).
void ScaleLayout(Program& p);

}  // namespace velondo::ui
