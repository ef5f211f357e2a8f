#include "view/qt_adapters.h"

#include <QFileDialog>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>
#include <QScreen>
#include <QStandardPaths>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cmath>

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

void WindowQueue::post(std::function<void()> fn) {
    {
        std::lock_guard lock(mutex_);
        queue_.push_back(std::move(fn));
    }
    QMetaObject::invokeMethod(
        this, [this] { drain(); }, Qt::QueuedConnection);
}

void WindowQueue::drain() {
    for (;;) {
        if (gate_.busy > 0) {
            // A handler is still running (a dialog's own loop): go on once it is done.
            QTimer::singleShot(1, this, [this] { drain(); });
            return;
        }
        std::function<void()> fn;
        {
            std::lock_guard lock(mutex_);
            if (queue_.empty()) return;
            fn = std::move(queue_.front());
            queue_.pop_front();
        }
        gate_.run(fn);
    }
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

std::string QtDialogs::documentsFolder() const {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
}

std::optional<std::string> QtDialogs::saveFile(const FileDialogRequest& r) {
    QFileDialog dialog(parent_, QString::fromStdString(r.title),
                       QString::fromStdString(r.initialDir), QtFilter(r.filter));
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

namespace {

int TextFlags(PageText::Align a) {
    switch (a) {
        case PageText::Align::Center: return Qt::AlignHCenter;
        case PageText::Align::Right: return Qt::AlignRight;
        case PageText::Align::Left: break;
    }
    return Qt::AlignLeft;
}

}  // namespace

void PaintPage(QPainter& g, const Page& page) {
    g.save();
    g.setRenderHint(QPainter::Antialiasing);
    g.setRenderHint(QPainter::TextAntialiasing);
    g.fillRect(QRectF(0, 0, page.width, page.height), Qt::white);
    for (const PageLine& l : page.lines) {
        g.setPen(QPen(Qt::black, l.thickness, Qt::SolidLine, Qt::FlatCap));
        g.drawLine(QPointF(l.x1, l.y1), QPointF(l.x2, l.y2));
    }
    g.setPen(Qt::black);
    for (const PageText& t : page.texts) {
        QFont font(QStringLiteral("Liberation Sans"));
        // Twenty twips a point: the font is sized in the page's own units.
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(t.fontSize * 20))));
        font.setBold(t.bold);
        font.setItalic(t.italic);
        font.setHintingPreference(QFont::PreferNoHinting);
        g.setFont(font);
        const QRectF box(t.left, t.top, t.width, t.height);
        QString text = QString::fromStdString(t.text);
        // A cell of a column keeps to its column; headings and lines may run on.
        if (t.align == PageText::Align::Center)
            text = QFontMetricsF(font).elidedText(text, Qt::ElideRight, t.width);
        g.drawText(box, TextFlags(t.align) | Qt::AlignTop | Qt::TextDontClip, text);
    }
    g.restore();
}

PrintOutcome QtPrinter::print(const Page& page) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return PrintOutcome::NoPrinter;
    QPrinter printer(info, QPrinter::HighResolution);
    const QPageSize paper = info.defaultPageSize();
    if (paper.isValid()) printer.setPageSize(paper);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(QStringLiteral("Velondo - risultati"));
    return PrintFitted(printer, page) ? PrintOutcome::Done : PrintOutcome::PrinterError;
}

bool PrintFitted(QPrinter& printer, const Page& page) {
    QPainter g;
    if (!g.begin(&printer)) return false;
    // Fitted to the printable area, proportions kept, centred.
    const QRectF area = printer.pageRect(QPrinter::DevicePixel);
    const double scale = std::min(area.width() / page.width, area.height() / page.height);
    g.translate((area.width() - page.width * scale) / 2, (area.height() - page.height * scale) / 2);
    g.scale(scale, scale);
    PaintPage(g, page);
    const bool ended = g.end();
    return ended && printer.printerState() != QPrinter::Error;
}

PrintOutcome QtPrinter::writePdf(const Page& page, const std::string& path) {
    // Written beside the target and renamed over it when complete: a failed write leaves
    // an existing file as it was.
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) return PrintOutcome::FileError;
    bool drawn = false;
    {
        QPdfWriter pdf(&file);
        pdf.setCreator(QStringLiteral("Velondo"));
        pdf.setTitle(QStringLiteral("Velondo - risultati"));
        // 1440 dots an inch: one device unit is one twip, and the page is 1/20 of its
        // twips in points.
        pdf.setResolution(1440);
        const QPageSize size(QSizeF(page.width / 20, page.height / 20), QPageSize::Point, QString(),
                             QPageSize::ExactMatch);
        pdf.setPageLayout(QPageLayout(size, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        QPainter g;
        if (g.begin(&pdf)) {
            PaintPage(g, page);
            drawn = g.end();
        }
    }
    if (!drawn) {
        file.cancelWriting();
        return PrintOutcome::FileError;
    }
    return file.commit() ? PrintOutcome::Done : PrintOutcome::FileError;
}

}  // namespace velondo::view
