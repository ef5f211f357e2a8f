#include "view/qt_adapters.h"

#include <QFileDialog>
#include <QGuiApplication>
#include <QLocale>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <QStringList>
#include <QTimer>
#include <QWidget>

namespace velondo::view {

void EventGate::run(const std::function<void()>& fn) {
    ++busy;
    fn();
    --busy;
    if (busy == 0 && afterEvent) afterEvent();
}

void QtTimers::timerChanged(Timer& timer) {
    QTimer*& t = timers_[&timer];
    if (!t) {
        t = new QTimer(this);
        QObject::connect(t, &QTimer::timeout, this, [this, &timer] { fire(timer); });
    }
    if (timer.enabled() && timer.interval() > 0)
        t->start(timer.interval());
    else
        t->stop();
}

void QtTimers::fire(Timer& timer) {
    if (!program_ || !timer.enabled()) return;
    if (gate_.busy > 0) {
        // A handler is still running: tick as soon as it is done.
        QTimer::singleShot(1, this, [this, &timer] { fire(timer); });
        return;
    }
    gate_.run([&] { program_->fireTimer(timer); });
}

ScreenSize QtScreen::size() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return {};
    const QRect r = screen->availableGeometry();
    return {r.width() * 15.0, r.height() * 15.0};
}

NumberFormat QtLocale::numberFormat() const {
    const QString point = QLocale::system().decimalPoint();
    return {point.isEmpty() ? ',' : point.at(0).toLatin1()};
}

QString QtFilter(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split('|');
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        const QString pattern = QString(parts[i + 1]).replace(';', ' ');
        out << (description.contains('(') ? description : description + " (" + pattern + ")");
    }
    if (out.isEmpty() && !filter.empty()) out << QString::fromStdString(filter);
    return out.join(";;");
}

namespace {
QString Proposed(const FileDialogRequest& r) {
    QString dir = QString::fromStdString(r.initialDir);
    if (!dir.isEmpty() && !dir.endsWith('/')) dir += '/';
    return dir + QString::fromStdString(r.proposedName);
}
std::optional<std::string> Answer(const QString& path) {
    if (path.isEmpty()) return std::nullopt;
    return path.toStdString();
}
}  // namespace

std::optional<std::string> QtDialogs::openFile(const FileDialogRequest& r) {
    return Answer(QFileDialog::getOpenFileName(parent_, QString::fromStdString(r.title),
                                               Proposed(r), QtFilter(r.filter)));
}

std::optional<std::string> QtDialogs::saveFile(const FileDialogRequest& r) {
    QFileDialog dialog(parent_, QString::fromStdString(r.title), QString::fromStdString(r.initialDir),
                       QtFilter(r.filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The filter's extension is added to a name typed without it before the dialog asks
    // whether to replace an existing file, so the question is about the file really written.
    const QString pattern = QString::fromStdString(r.filter).section('|', 1, 1);
    if (pattern.startsWith("*.")) dialog.setDefaultSuffix(pattern.mid(2));
    dialog.selectFile(Proposed(r));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return Answer(dialog.selectedFiles().first());
}

void QtPrinter::printWindow() {
    if (!window_) return;
    QPrinter printer(QPrinter::HighResolution);
    QPainter painter;
    if (!painter.begin(&printer)) return;  // no printer: nothing is printed, nothing said
    const QRect page = painter.viewport();
    QSize size = window_->size();
    size.scale(page.size(), Qt::KeepAspectRatio);
    painter.setViewport(page.x(), page.y(), size.width(), size.height());
    painter.setWindow(window_->rect());
    window_->render(&painter);
    painter.end();
}

}  // namespace velondo::view
