#pragma once
// The Qt view of a window model: paints its controls and forwards the mouse and the keys
// to the program's handlers.
#include <QHash>
#include <QPixmap>
#include <QWidget>
#include <map>
#include <vector>

#include "core/program.h"
#include "view/qt_adapters.h"

namespace velondo::view {

class ModelView : public QWidget {
    Q_OBJECT
public:
    ModelView(Program& program, ControlRegistry& registry, Control& window, EventGate& gate);

    // Brings the widget in line with the model: shown or hidden, size, place, text boxes.
    void sync();
    Control& window() { return window_; }

    // A control's rectangle in window pixels, and the clip of its frames.
    QRectF pixelRect(const Control& c) const;

    // The control the mouse would reach at a point: topmost, shown, enabled, with a handler.
    Control* hitTest(QPointF px) const;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool event(QEvent* e) override;

private:
    struct Item {
        Control* control;
        QRectF rect;  // pixels
        QRectF clip;  // the frames it is drawn in
    };
    std::vector<Item> drawList() const;
    void paintControl(QPainter& g, const Item& item);
    const QPixmap& pixmap(const std::string& path);
    // The picture smoothly scaled to a size in pixels (kept until the size changes).
    const QPixmap& scaledPixmap(const std::string& path, QSize size);
    void forward(Control& c, const char* event, QMouseEvent* e);
    void syncTextBoxes(const std::vector<Item>& items);
    bool showsTextWidget(const Control& c) const;

    Program& program_;
    ControlRegistry& registry_;
    Control& window_;
    EventGate& gate_;
    QHash<QString, QPixmap> pixmaps_;
    QHash<QString, QPixmap> scaledPixmaps_;
    Control* pressed_ = nullptr;
    std::map<Control*, QWidget*> textWidgets_;
    bool sized_ = false;
};

}  // namespace velondo::view

namespace velondo::view {

// Both windows of a program, kept in line with the model after every event.
struct ProgramViews {
    ProgramViews(Program& p, EventGate& gate)
        : main(p, p.main.registry, p.main.frmVelondo7Principale2, gate),
          splash(p, p.splash.registry, p.splash.frmSplashVelondo7, gate) {
        splash.setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    }
    void sync() {
        splash.sync();
        main.sync();
    }
    ModelView main;
    ModelView splash;
};

}  // namespace velondo::view
