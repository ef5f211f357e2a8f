#pragma once
// The pictures of the options-box buttons, drawn with QPainter so that they stay sharp at
// any window size.
#include <QPainter>
#include <QRectF>

#include "core/control.h"

namespace velondo::view {

// Draws icon into r (the button's rectangle in pixels); greyed when disabled.
void DrawIcon(QPainter& g, Icon icon, const QRectF& r, bool enabled);

}  // namespace velondo::view
