#include "view/view_host.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include "view/main_view.h"
#include "view/physical_keys.h"

namespace velondo::view {

struct ViewHost::Impl {
    explicit Impl(Program& p) : program(p), views(p, gate) {
        gate.afterEvent = [this] { views.sync(); };
    }
    // The window the driver talks to: the main one once it is loaded.
    ModelView& target() { return program.mainLoaded ? views.main : views.splash; }
    QWidget* focusTarget() {
        if (QWidget* w = views.main.focusWidget(); w && w->isVisible()) return w;
        for (QLineEdit* line : views.main.findChildren<QLineEdit*>())
            if (line->isVisible()) return line;
        return &target();  // no text box shown: the keys go to the window
    }

    Program& program;
    EventGate gate;
    ProgramViews views;
};

ViewHost::ViewHost(Program& program) : impl_(std::make_unique<Impl>(program)) {}
ViewHost::~ViewHost() = default;

void ViewHost::sync() {
    impl_->views.sync();
    QCoreApplication::processEvents();
}

bool ViewHost::shot(const std::string& pngPath) {
    sync();
    ModelView& view = impl_->target();
    QImage image(view.size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    view.render(&image);
    return image.save(QString::fromStdString(pngPath), "PNG");
}

void ViewHost::mouse(MouseAction action, int x, int y) {
    sync();
    ModelView& view = impl_->target();
    const QPoint at(x, y);
    QWidget* w = view.childAt(at);
    if (!w || !w->isVisible()) w = &view;
    const QPointF local = w->mapFrom(&view, at);
    const QPointF global = view.mapToGlobal(at);
    auto send = [&](QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent e(type, local, global, button, held, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    };
    switch (action) {
        case MouseAction::Press:
            send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton);
            break;
        case MouseAction::Release:
            send(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton);
            break;
        case MouseAction::Move: send(QEvent::MouseMove, Qt::NoButton, Qt::NoButton); break;
        case MouseAction::Click:
            send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton);
            send(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton);
            break;
    }
    sync();
}

void ViewHost::type(const std::string& utf8) {
    sync();
    // One key per character, a character outside the basic plane (two UTF-16 units) whole.
    for (char32_t cp : QString::fromUtf8(utf8).toUcs4()) {
        QWidget* w = impl_->focusTarget();
        if (!w) break;
        const bool enter = cp == U'\n';
        const QString ch = QString::fromUcs4(&cp, 1);
        const int key = enter         ? int(Qt::Key_Return)
                        : cp > 0xFFFF ? int(Qt::Key_unknown)
                                      : int(ch.toUpper().at(0).unicode());
        const QString text = enter ? QString("\r") : ch;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(w, &release);
        sync();
    }
}

void ViewHost::physicalKey(ui::KeyPosition pos) {
    sync();
    QWidget* w = impl_->focusTarget();
    if (!w) return;
    const QString text = UsText(pos);
    QKeyEvent press(QEvent::KeyPress, UsKey(pos), Qt::NoModifier, X11KeyCode(pos), 0, 0, text);
    QApplication::sendEvent(w, &press);
    sync();
    QKeyEvent release(QEvent::KeyRelease, UsKey(pos), Qt::NoModifier, X11KeyCode(pos), 0, 0, text);
    QApplication::sendEvent(w, &release);
    sync();
}

}  // namespace velondo::view
