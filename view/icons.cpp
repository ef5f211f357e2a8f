#include "view/icons.h"

#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <initializer_list>
#include <vector>

namespace velondo::view {

namespace {

// Icons are drawn on a 24 × 24 grid centred in the button.
constexpr double kGrid = 24;

const QColor kInk(0, 0, 0);
const QColor kMagenta(192, 0, 192);
const QColor kGreen(0, 176, 0);
const QColor kDarkGreen(0, 110, 0);
const QColor kSoundRed(150, 0, 0);
const QColor kCream(253, 247, 215);
const QColor kShaded(150, 150, 150);

QPen Pen(const QColor& c, double w) {
    return QPen(c, w, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
}

void Staff(QPainter& g, double width) {
    g.setPen(Pen(kInk, width));
    for (int i = 0; i < 5; ++i) g.drawLine(QPointF(1.5, 5 + 3.5 * i), QPointF(22.5, 5 + 3.5 * i));
}

void Head(QPainter& g, QPointF c) {
    g.setPen(Qt::NoPen);
    g.setBrush(kInk);
    g.drawEllipse(c, 2.1, 1.6);
}

// White keys from x0 to x1 between top and bottom; black keys after the white keys listed.
void Keys(QPainter& g, double x0, double x1, double top, double bottom, int whites,
          const std::initializer_list<int>& blackAfter, const std::vector<QColor>& fills) {
    const double w = (x1 - x0) / whites;
    g.setPen(Pen(kInk, 1));
    for (int i = 0; i < whites; ++i) {
        g.setBrush(i < static_cast<int>(fills.size()) ? fills[static_cast<size_t>(i)] : Qt::white);
        g.drawRect(QRectF(x0 + w * i, top, w, bottom - top));
    }
    g.setPen(Qt::NoPen);
    for (int b : blackAfter) {
        const bool shaded =
            b < static_cast<int>(fills.size()) && fills[static_cast<size_t>(b)] == kShaded;
        g.setBrush(shaded ? QColor(95, 95, 95) : kInk);
        g.drawRect(QRectF(x0 + w * (b + 1) - w * 0.3, top, w * 0.6, (bottom - top) * 0.58));
    }
}

void Arrow(QPainter& g, double x, double from, double to, const QColor& c) {
    g.setPen(Pen(c, 2));
    const double dir = to > from ? 1 : -1;
    g.drawLine(QPointF(x, from), QPointF(x, to - 2.5 * dir));
    g.setPen(Qt::NoPen);
    g.setBrush(c);
    g.drawPolygon(QPolygonF(
        {QPointF(x - 3, to - 3.5 * dir), QPointF(x + 3, to - 3.5 * dir), QPointF(x, to)}));
}

void StaffLine(QPainter& g) {
    Staff(g, 1);
    g.setPen(Pen(kMagenta, 2.6));
    g.drawLine(QPointF(1.5, 15.5), QPointF(22.5, 15.5));
}

void KeyboardLine(QPainter& g) {
    Keys(g, 2, 22, 9, 22.5, 4, {0, 1}, {});
    g.setPen(Pen(kMagenta, 2.4));
    g.drawLine(QPointF(14.5, 3.5), QPointF(14.5, 22));
    g.setPen(Qt::NoPen);
    g.setBrush(kMagenta);
    g.drawPolygon(QPolygonF({QPointF(11, 1), QPointF(18, 1), QPointF(14.5, 5.5)}));
}

void BarLines(QPainter& g) {
    Staff(g, 0.8);
    g.setPen(Pen(kInk, 2));
    for (double x : {8.5, 16.0}) g.drawLine(QPointF(x, 5), QPointF(x, 19));
    Head(g, QPointF(4.5, 13.25));
    Head(g, QPointF(12.25, 8.5));
    Head(g, QPointF(19.75, 15.0));
}

void NameBoxes(QPainter& g) {
    Head(g, QPointF(7, 5));
    Head(g, QPointF(17, 8.5));
    g.setPen(Pen(kInk, 1.2));
    g.drawLine(QPointF(1, 17), QPointF(23, 17));
    g.setBrush(kCream);
    g.setPen(Pen(kInk, 1.2));
    g.drawRect(QRectF(2.5, 13, 9, 8));
    g.drawRect(QRectF(12.5, 13, 9, 8));
    g.setPen(Pen(kInk, 1.4));
    g.drawLine(QPointF(5, 17), QPointF(9, 17));  // a name written in each box
    g.drawLine(QPointF(15, 17), QPointF(19, 17));
}

void KeyMovement(QPainter& g) {
    g.setPen(Pen(kInk, 1));
    g.setBrush(Qt::white);
    g.drawRect(QRectF(2.5, 7, 8.5, 15.5));
    // The pressed key sinks: lower, with its edge in shadow.
    g.setBrush(QColor(225, 225, 225));
    g.drawRect(QRectF(12.5, 10, 8.5, 12.5));
    g.setPen(Pen(QColor(90, 90, 90), 2));
    g.drawLine(QPointF(12.5, 10.5), QPointF(21, 10.5));
    g.drawLine(QPointF(12.5, 7), QPointF(12.5, 10));
    Arrow(g, 16.75, 0.5, 8.5, kDarkGreen);
}

void HighlightedKey(QPainter& g, bool pressing) {
    Keys(g, 2, 22, 9, 22.5, 3, {}, {Qt::white, kGreen, Qt::white});
    if (pressing)
        Arrow(g, 12, 0.5, 9, kInk);
    else
        Arrow(g, 12, 8, 0.5, kInk);
}

void Shading(QPainter& g) {
    Keys(g, 1.5, 22.5, 5, 21, 5, {0, 2, 3}, {kShaded, Qt::white, Qt::white, Qt::white, kShaded});
}

void Loudspeaker(QPainter& g, const QColor& c) {
    g.setPen(Qt::NoPen);
    g.setBrush(c);
    g.drawPolygon(QPolygonF({QPointF(2, 9), QPointF(6.5, 9), QPointF(12, 4), QPointF(12, 20),
                             QPointF(6.5, 15), QPointF(2, 15)}));
    g.setBrush(Qt::NoBrush);
    g.setPen(QPen(c, 1.8, Qt::SolidLine, Qt::RoundCap));
    for (double r : {4.5, 8.0}) g.drawArc(QRectF(12 - r, 12 - r, 2 * r, 2 * r), -45 * 16, 90 * 16);
}

void KeyboardSounds(QPainter& g) {
    Keys(g, 2, 22, 14, 23, 4, {0, 1}, {});
    g.setPen(Qt::NoPen);
    g.setBrush(kSoundRed);
    g.drawEllipse(QPointF(8, 9.5), 2.8, 2.1);
    g.setPen(Pen(kSoundRed, 1.6));
    g.drawLine(QPointF(10.5, 9.5), QPointF(10.5, 1));
    QPainterPath flag(QPointF(10.5, 1));
    flag.cubicTo(QPointF(12, 3.5), QPointF(15.5, 4), QPointF(14.5, 8));
    g.setBrush(Qt::NoBrush);
    g.drawPath(flag);
    g.setPen(QPen(kSoundRed, 1.4, Qt::SolidLine, Qt::RoundCap));
    g.drawArc(QRectF(13, 4, 8, 8), -60 * 16, 120 * 16);
}

void ErrorVoice(QPainter& g) {
    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(1.5, 2, 21, 14), 4, 4);
    bubble.moveTo(5, 15);
    bubble.lineTo(4, 22);
    bubble.lineTo(11, 15.5);
    g.setPen(Pen(kInk, 1.2));
    g.setBrush(Qt::white);
    g.drawPath(bubble.simplified());
    g.setPen(QPen(QColor(220, 0, 0), 2.6, Qt::SolidLine, Qt::RoundCap));
    g.drawLine(QPointF(8, 5), QPointF(16, 13));
    g.drawLine(QPointF(16, 5), QPointF(8, 13));
}

void Printer(QPainter& g) {
    g.setPen(Pen(kInk, 1.1));
    g.setBrush(Qt::white);
    g.drawRect(QRectF(6, 1.5, 12, 8));  // paper going in
    g.setBrush(QColor(150, 150, 150));
    g.drawRoundedRect(QRectF(2, 8, 20, 9), 1.5, 1.5);
    g.setBrush(Qt::white);
    g.drawRect(QRectF(6, 14, 12, 8.5));  // printed page
    g.setPen(Pen(kInk, 0.9));
    for (double y : {16.5, 18.5, 20.5}) g.drawLine(QPointF(8, y), QPointF(16, y));
    g.setPen(Qt::NoPen);
    g.setBrush(kGreen);
    g.drawEllipse(QPointF(19, 10.5), 1.1, 1.1);
}

}  // namespace

void DrawIcon(QPainter& g, Icon icon, const QRectF& r, bool enabled) {
    if (icon == Icon::None) return;
    const double side = std::max(4.0, std::min(r.width(), r.height()) - 4);
    g.save();
    g.setRenderHint(QPainter::Antialiasing);
    g.translate(r.center().x() - side / 2, r.center().y() - side / 2);
    g.scale(side / kGrid, side / kGrid);
    if (!enabled) g.setOpacity(0.4);
    switch (icon) {
        case Icon::StaffLine: StaffLine(g); break;
        case Icon::KeyboardLine: KeyboardLine(g); break;
        case Icon::BarLines: BarLines(g); break;
        case Icon::NameBoxes: NameBoxes(g); break;
        case Icon::KeyMovement: KeyMovement(g); break;
        case Icon::OnlyWhilePressed: HighlightedKey(g, true); break;
        case Icon::AlsoOnRelease: HighlightedKey(g, false); break;
        case Icon::Shading: Shading(g); break;
        case Icon::ProgramNoises: Loudspeaker(g, kSoundRed); break;
        case Icon::KeyboardSounds: KeyboardSounds(g); break;
        case Icon::ErrorVoice: ErrorVoice(g); break;
        case Icon::Printer: Printer(g); break;
        case Icon::None: break;
    }
    g.restore();
}

}  // namespace velondo::view
