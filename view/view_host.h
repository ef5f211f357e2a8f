#pragma once
// The real Qt view of a program, for the scenario driver: renders the windows
// offscreen and feeds them mouse and key input through the view's own hit testing.
// A QApplication must exist before a ViewHost is made.
#include <memory>
#include <string>

#include "core/program.h"
#include "ui/computer_keys.h"

namespace velondo::view {

enum class MouseAction { Press, Release, Move, Click };  // Click = press then release

class ViewHost {
public:
    explicit ViewHost(Program& program);
    ~ViewHost();
    ViewHost(const ViewHost&) = delete;
    ViewHost& operator=(const ViewHost&) = delete;

    // Brings the Qt windows in line with the model (shown/hidden windows, sizes, repaint).
    void sync();
    // Renders the main window if it is loaded, else the splash, to a PNG file.
    bool shot(const std::string& pngPath);
    // Mouse at main-window pixels (client area), through the view's hit testing.
    void mouse(MouseAction action, int x, int y);
    // Keys into the focused widget; '\n' is Enter.
    void type(const std::string& utf8);
    // A key of the computer keyboard pressed and released by its position (as a Linux
    // desktop reports it), into the focused widget.
    void physicalKey(ui::KeyPosition pos);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace velondo::view
