#include "view/main_view.h"

#include "view/icons.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QToolTip>
#include <algorithm>
#include <cmath>

#include "input/input.h"
#include "view/physical_keys.h"

namespace velondo::view {

namespace {

constexpr double kTwipsPerPixel = 15;
constexpr double kMultiLineTwips = 700;  // a text box this tall shows several lines

QColor ToQt(Color c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }
QString ToQt(const std::string& s) { return QString::fromStdString(s); }

QFont FontOf(const Control& c) {
    // Arial is served by its metric twin.
    QFont f(c.fontName == "Arial" || c.fontName.empty() ? QString("Liberation Sans")
                                                        : ToQt(c.fontName));
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(c.fontSize * 96.0 / 72.0))));
    f.setBold(c.bold);
    f.setItalic(c.italic);
    return f;
}

int AlignOf(const Control& c) {
    switch (c.align) {
        case Align::Center: return Qt::AlignHCenter;
        case Align::Right: return Qt::AlignRight;
        case Align::Left: break;
    }
    return Qt::AlignLeft;
}

// Windows key codes of the keys the handlers look at.
int WindowsKeyCode(const QKeyEvent& e) {
    const int k = e.key();
    if ((k >= Qt::Key_A && k <= Qt::Key_Z) || (k >= Qt::Key_0 && k <= Qt::Key_9)) return k;
    switch (k) {
        case Qt::Key_Return:
        case Qt::Key_Enter: return 13;
        case Qt::Key_Shift: return 16;
        case Qt::Key_Control: return 17;
        case Qt::Key_Alt: return 18;
        case Qt::Key_Backspace: return 8;
        case Qt::Key_Tab: return 9;
        case Qt::Key_Escape: return 27;
        case Qt::Key_Space: return 32;
        case Qt::Key_Left: return 37;
        case Qt::Key_Up: return 38;
        case Qt::Key_Right: return 39;
        case Qt::Key_Down: return 40;
        case Qt::Key_Delete: return 46;
        default: return 0;
    }
}

int MouseButton(Qt::MouseButton b) {
    switch (b) {
        case Qt::RightButton: return 2;
        case Qt::MiddleButton: return 4;
        default: return 1;
    }
}

// A one-line text box that hands every key to the program's KeyDown first.
class KeyLineEdit : public QLineEdit {
public:
    KeyLineEdit(QWidget* parent, Program& p, Control& c, EventGate& gate)
        : QLineEdit(parent), p_(p), c_(c), gate_(gate) {
        setFrame(true);
        connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
            gate_.run([this, text] {
                c_.text = text.toStdString();
                p_.offer(c_.name, "Change", Event{c_.index});
            });
        });
    }

protected:
    void keyPressEvent(QKeyEvent* e) override {
        Event ev;
        ev.index = c_.index;
        ev.keyCode = WindowsKeyCode(*e);
        gate_.run([&] { p_.offer(c_.name, "KeyDown", ev); });
        if (ev.keyCode != 13) QLineEdit::keyPressEvent(e);
    }

private:
    Program& p_;
    Control& c_;
    EventGate& gate_;
};

}  // namespace

ModelView::ModelView(Program& program, ControlRegistry& registry, Control& window, EventGate& gate)
    : program_(program), registry_(registry), window_(window), gate_(gate) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);  // keys reach the window when no text box has them
    setAttribute(Qt::WA_OpaquePaintEvent);
    setWindowTitle(ToQt(window.caption.empty() ? std::string("Velondo") : window.caption));
}

QRectF ModelView::pixelRect(const Control& c) const {
    double left = c.left, top = c.top;
    for (const Control* f = c.parent; f; f = f->parent) {
        left += f->left;
        top += f->top;
    }
    return {left / kTwipsPerPixel, top / kTwipsPerPixel, c.width / kTwipsPerPixel,
            c.height / kTwipsPerPixel};
}

std::vector<ModelView::Item> ModelView::drawList() const {
    // Frames first, then what they contain, clipped to them; siblings by z, then order.
    std::map<const Control*, std::vector<Control*>> children;
    for (Control* c : registry_.all())
        if (c != &window_) children[c->parent].push_back(c);
    for (auto& [parent, list] : children)
        std::stable_sort(list.begin(), list.end(), [](const Control* a, const Control* b) {
            return a->z != b->z ? a->z < b->z : a->order < b->order;
        });
    std::vector<Item> out;
    const QRectF whole(0, 0, window_.width / kTwipsPerPixel, window_.height / kTwipsPerPixel);
    auto walk = [&](auto&& self, const Control* parent, const QRectF& clip) -> void {
        auto it = children.find(parent);
        if (it == children.end()) return;
        for (Control* c : it->second) {
            if (!c->visible) continue;
            const QRectF r = pixelRect(*c);
            if (r.width() <= 0 && r.height() <= 0) continue;  // never placed: nothing to draw
            out.push_back({c, r, clip});
            if (c->kind == ControlKind::Frame) self(self, c, clip.intersected(r));
        }
    };
    walk(walk, nullptr, whole);
    return out;
}

const QPixmap& ModelView::pixmap(const std::string& path) {
    const QString key = ToQt(path);
    auto it = pixmaps_.find(key);
    if (it == pixmaps_.end()) it = pixmaps_.insert(key, QPixmap(key));  // missing: a null picture
    return *it;
}

const QPixmap& ModelView::scaledPixmap(const std::string& path, QSize size) {
    const QString key = ToQt(path) + QStringLiteral("@%1x%2").arg(size.width()).arg(size.height());
    auto it = scaledPixmaps_.find(key);
    if (it == scaledPixmaps_.end())
        // Area-averaged scaling: a picture shrunk to a few pixels (the summary's small
        // clef) stays smooth instead of dropping rows and columns.
        it = scaledPixmaps_.insert(
            key, pixmap(path).scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    return *it;
}

void ModelView::paintControl(QPainter& g, const Item& item) {
    const Control& c = *item.control;
    const QRectF r = item.rect;
    g.save();
    g.setClipRect(item.clip);
    switch (c.kind) {
        case ControlKind::Frame:
            g.fillRect(r, ToQt(c.backColor));
            if (c.border) {
                g.setPen(QPen(ToQt(c.borderColor), 1));
                g.drawRect(r.adjusted(0, 0, -1, -1));
            }
            break;
        case ControlKind::Shape: {
            if (c.filled) g.fillRect(r, ToQt(c.fillColor));
            if (c.border) {
                const double w = std::max(1, c.borderWidth);
                g.setPen(QPen(ToQt(c.borderColor), w, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
                g.setBrush(Qt::NoBrush);
                g.drawRect(r.adjusted(w / 2, w / 2, -w / 2, -w / 2));
            }
            break;
        }
        case ControlKind::Line: {
            const double w = std::max(1, c.borderWidth);
            g.setPen(QPen(ToQt(c.borderColor), w, Qt::SolidLine, Qt::FlatCap));
            // A thick line is centred on its coordinate, as the note pictures draw their
            // ledger lines: the window's staff lines and the pictures' then coincide.
            g.drawLine(r.topLeft(), r.bottomRight());
            break;
        }
        case ControlKind::Image: {
            if (c.picture.empty()) break;
            const QPixmap& pm = pixmap(c.picture);
            if (pm.isNull()) break;
            if (!c.stretch) {
                g.drawPixmap(r.topLeft(), pm);
                break;
            }
            // The picture fills the box's height and keeps its own proportions, centred:
            // on a screen wider than the design the box widens more than it grows in
            // height, and a stretched note head would become a wide ellipse. The staff
            // lines inside a note picture still meet the window's, which grow by height.
            const double width = r.height() * pm.width() / pm.height();
            const QRectF target(r.center().x() - width / 2, r.top(), width, r.height());
            const QSize size(std::max(1, static_cast<int>(std::lround(target.width()))),
                             std::max(1, static_cast<int>(std::lround(target.height()))));
            g.drawPixmap(target.topLeft(), scaledPixmap(c.picture, size));
            break;
        }
        case ControlKind::Label: {
            if (c.opaque) g.fillRect(r, ToQt(c.backColor));
            QRectF text = r;
            if (c.on) {
                // The 3-D look: a sunken bevel.
                g.setPen(QColor(128, 128, 128));
                g.drawLine(r.topLeft(), r.topRight() - QPointF(1, 0));
                g.drawLine(r.topLeft(), r.bottomLeft() - QPointF(0, 1));
                g.setPen(QColor(64, 64, 64));
                g.drawLine(r.topLeft() + QPointF(1, 1), r.topRight() + QPointF(-2, 1));
                g.drawLine(r.topLeft() + QPointF(1, 1), r.bottomLeft() + QPointF(1, -2));
                g.setPen(QColor(255, 255, 255));
                g.drawLine(r.bottomLeft() - QPointF(0, 1), r.bottomRight() - QPointF(1, 1));
                g.drawLine(r.topRight() - QPointF(1, 0), r.bottomRight() - QPointF(1, 1));
                text.adjust(2, 2, -2, -2);
            } else if (c.border) {
                g.setPen(QColor(0, 0, 0));
                g.drawRect(r.adjusted(0, 0, -1, -1));
                text.adjust(1, 1, -1, -1);
            }
            if (c.icon != Icon::None) DrawIcon(g, c.icon, r, c.enabled);
            if (!c.caption.empty()) {
                g.setFont(FontOf(c));
                g.setPen(c.enabled ? ToQt(c.foreColor) : QColor(128, 128, 128));
                g.setClipRect(item.clip.intersected(r));
                const int vertical = c.centredVertically ? Qt::AlignVCenter : Qt::AlignTop;
                g.drawText(text, AlignOf(c) | vertical | (c.wordWrap ? Qt::TextWordWrap : 0),
                           ToQt(c.caption));
            }
            break;
        }
        case ControlKind::TextBox:
        case ControlKind::ListBox:
        case ControlKind::Window: break;  // real widgets
    }
    g.restore();
}

void ModelView::paintEvent(QPaintEvent*) {
    QPainter g(this);
    g.fillRect(rect(), ToQt(window_.backColor));
    const std::vector<Item> items = drawList();
    for (const Item& item : items) paintControl(g, item);
}

Control* ModelView::hitTest(QPointF px) const {
    const std::vector<Item> items = drawList();
    for (auto it = items.rbegin(); it != items.rend(); ++it) {
        Control* c = it->control;
        if (!c->enabled || c->kind == ControlKind::Line) continue;
        if (!it->rect.contains(px) || !it->clip.contains(px)) continue;
        for (const char* event : {"MouseDown", "Click", "MouseUp", "MouseMove"})
            if (program_.handlers.has(c->name, event, c->index)) return c;
    }
    return nullptr;
}

void ModelView::forward(Control& c, const char* event, QMouseEvent* e) {
    Event ev;
    ev.index = c.index;
    ev.button = MouseButton(e->button() == Qt::NoButton ? Qt::LeftButton : e->button());
    const QRectF r = pixelRect(c);
    ev.x = (e->position().x() - r.left()) * kTwipsPerPixel;
    ev.y = (e->position().y() - r.top()) * kTwipsPerPixel;
    program_.offer(c.name, event, ev);
}

void ModelView::mousePressEvent(QMouseEvent* e) {
    pressed_ = hitTest(e->position());
    if (!pressed_) return;
    Control* c = pressed_;
    gate_.run([&] { forward(*c, "MouseDown", e); });
}

void ModelView::mouseReleaseEvent(QMouseEvent* e) {
    Control* c = pressed_;
    pressed_ = nullptr;
    if (!c) return;
    // Up goes to the control that was pressed; a click only when released over it.
    gate_.run([&] {
        forward(*c, "MouseUp", e);
        if (c->visible && pixelRect(*c).contains(e->position())) forward(*c, "Click", e);
    });
}

void ModelView::mouseMoveEvent(QMouseEvent* e) {
    Control* c = pressed_ ? pressed_ : hitTest(e->position());
    if (!c || !program_.handlers.has(c->name, "MouseMove", c->index)) return;
    gate_.run([&] { forward(*c, "MouseMove", e); });
}

std::optional<ui::KeyPosition> ModelView::pianoKey(const QKeyEvent& e) const {
    if (&window_ != &program_.main.frmVelondo7Principale2) return std::nullopt;
    if (e.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return std::nullopt;  // shortcuts stay shortcuts
    return PositionOfEvent(e);
}

void ModelView::keyPressEvent(QKeyEvent* e) {
    // The letters play the piano, the arrows move their octaves (the name box keeps its
    // own keys: it has the focus then).
    if (const auto pos = pianoKey(*e)) {
        if (!e->isAutoRepeat()) gate_.run([&] { input::ComputerKeyDown(program_, *pos); });
        return;
    }
    // Other keys outside the text boxes go to the window itself (Enter on the clef and
    // accidentals panels).
    Event ev;
    ev.keyCode = WindowsKeyCode(*e);
    if (ev.keyCode == 0) return QWidget::keyPressEvent(e);
    gate_.run([&] { program_.offer(window_.name, "KeyDown", ev); });
}

void ModelView::keyReleaseEvent(QKeyEvent* e) {
    const auto pos = pianoKey(*e);
    if (!pos) return QWidget::keyReleaseEvent(e);
    if (!e->isAutoRepeat()) gate_.run([&] { input::ComputerKeyUp(program_, *pos); });
}

bool ModelView::event(QEvent* e) {
    if (e->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(e);
        const std::vector<Item> items = drawList();
        for (auto it = items.rbegin(); it != items.rend(); ++it) {
            if (!it->rect.contains(help->pos()) || !it->clip.contains(help->pos())) continue;
            if (it->control->toolTip.empty()) continue;
            QToolTip::showText(help->globalPos(), ToQt(it->control->toolTip), this);
            return true;
        }
        QToolTip::hideText();
        e->ignore();
        return true;
    }
    return QWidget::event(e);
}

bool ModelView::showsTextWidget(const Control& c) const {
    return c.kind == ControlKind::TextBox || c.kind == ControlKind::ListBox;
}

void ModelView::syncTextBoxes(const std::vector<Item>& items) {
    // A real widget is always above the painting: a text box whose place a frame drawn
    // later covers (the exit question over the name panel) is hidden instead.
    auto covered = [&](size_t at) {
        const QRectF r = items[at].rect.intersected(items[at].clip);
        for (size_t j = at + 1; j < items.size(); ++j) {
            const Control* f = items[j].control;
            if (f->kind != ControlKind::Frame) continue;
            bool ancestor = false;
            for (const Control* a = items[at].control->parent; a; a = a->parent)
                ancestor = ancestor || a == f;
            if (!ancestor && items[j].rect.intersected(items[j].clip).intersects(r)) return true;
        }
        return false;
    };
    std::map<Control*, const Item*> shown;
    for (size_t i = 0; i < items.size(); ++i)
        if (showsTextWidget(*items[i].control) && !covered(i)) shown[items[i].control] = &items[i];
    for (Control* c : registry_.all()) {
        if (!showsTextWidget(*c)) continue;
        QWidget*& w = textWidgets_[c];
        auto it = shown.find(c);
        if (it == shown.end()) {
            if (w) w->hide();
            continue;
        }
        if (!w) {
            if (c->kind == ControlKind::ListBox) {
                auto* list = new QListWidget(this);
                connect(list, &QListWidget::itemClicked, this, [this, c, list] {
                    gate_.run([&] {
                        c->listIndex = list->currentRow();
                        program_.offer(c->name, "Click", Event{c->index});
                    });
                });
                w = list;
            } else if (c->height > kMultiLineTwips) {
                auto* box = new QPlainTextEdit(this);
                box->setReadOnly(true);
                w = box;
            } else {
                w = new KeyLineEdit(this, program_, *c, gate_);
            }
        }
        const QRectF r = it->second->rect.intersected(it->second->clip);
        w->setGeometry(r.toAlignedRect());
        w->setFont(FontOf(*c));
        w->setEnabled(c->enabled);
        w->setToolTip(ToQt(c->toolTip));
        QPalette pal = w->palette();
        pal.setColor(QPalette::Base, ToQt(c->backColor));
        pal.setColor(QPalette::Text, ToQt(c->foreColor));
        w->setPalette(pal);
        if (auto* line = qobject_cast<QLineEdit*>(w)) {
            line->setAlignment(static_cast<Qt::Alignment>(AlignOf(*c)) | Qt::AlignVCenter);
            if (line->text().toStdString() != c->text) {
                const QSignalBlocker block(line);
                line->setText(ToQt(c->text));
            }
        } else if (auto* box = qobject_cast<QPlainTextEdit*>(w)) {
            if (box->toPlainText().toStdString() != c->text) box->setPlainText(ToQt(c->text));
        } else if (auto* list = qobject_cast<QListWidget*>(w)) {
            QStringList wanted;
            for (const std::string& s : c->items) wanted << ToQt(s);
            QStringList have;
            for (int i = 0; i < list->count(); ++i) have << list->item(i)->text();
            const QSignalBlocker block(list);
            if (have != wanted) {
                list->clear();
                list->addItems(wanted);
            }
            if (list->currentRow() != c->listIndex) list->setCurrentRow(c->listIndex);
        }
        w->show();
        if (program_.main.focused == c && !w->hasFocus()) w->setFocus();
    }
}

void ModelView::sync() {
    const QSize size(static_cast<int>(std::lround(window_.width / kTwipsPerPixel)),
                     static_cast<int>(std::lround(window_.height / kTwipsPerPixel)));
    // The window takes its size and place once, when it first appears.
    if (!sized_ && window_.visible) {
        setFixedSize(size);
        move(static_cast<int>(window_.left / kTwipsPerPixel),
             static_cast<int>(window_.top / kTwipsPerPixel));
        sized_ = true;
    }
    if (size != this->size()) setFixedSize(size);
    syncTextBoxes(drawList());
    if (window_.visible != isVisible()) setVisible(window_.visible);
    update();
}

}  // namespace velondo::view
