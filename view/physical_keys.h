#pragma once
// Where a key stands on the computer keyboard, whatever the layout prints on it: from the
// platform's scan code (X11 and Wayland key codes, Windows scan codes), else from the key
// as a US layout names it.
#include <QKeyEvent>
#include <optional>

#include "ui/computer_keys.h"

namespace velondo::view {

std::optional<ui::KeyPosition> PositionOfEvent(const QKeyEvent& e);

// For synthesized key events: the X11 key code of a position, and the key a US layout
// gives it, with its text.
quint32 X11KeyCode(ui::KeyPosition pos);
Qt::Key UsKey(ui::KeyPosition pos);
QString UsText(ui::KeyPosition pos);

}  // namespace velondo::view
