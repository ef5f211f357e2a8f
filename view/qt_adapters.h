#pragma once
// Ports served by Qt: the window timers, the screen, the number format, file dialogs and
// the printer.
#include <QObject>
#include <deque>
#include <functional>
#include <map>
#include <mutex>

#include "core/program.h"

class QPainter;
class QPrinter;
class QTimer;
class QWidget;

namespace velondo::view {

// Keeps handlers from overlapping: a timer that comes due while a handler runs (a dialog's
// own event loop, for instance) waits until that handler has finished.
struct EventGate {
    int busy = 0;
    std::function<void()> afterEvent;  // repaint, quit when the program is over
    // Runs fn as one event of the program.
    void run(const std::function<void()>& fn);
};

class QtTimers : public QObject, public TimerPort {
    Q_OBJECT
public:
    explicit QtTimers(EventGate& gate) : gate_(gate) {}
    void attach(Program& program) { program_ = &program; }
    void timerChanged(Timer& timer) override;

private:
    void fire(Timer& timer);
    EventGate& gate_;
    Program* program_ = nullptr;
    std::map<Timer*, QTimer*> timers_;
};

// Runs functions posted from other threads (MIDI input) on the window's thread, in the
// order posted, each as one event of the program once no handler is running.
class WindowQueue : public QObject {
    Q_OBJECT
public:
    explicit WindowQueue(EventGate& gate) : gate_(gate) {}
    void post(std::function<void()> fn);  // from any thread

private:
    void drain();
    EventGate& gate_;
    std::mutex mutex_;
    std::deque<std::function<void()>> queue_;
};

class QtScreen : public ScreenPort {
public:
    ScreenSize size() const override;
};

class QtLocale : public LocalePort {
public:
    NumberFormat numberFormat() const override;
};

class QtDialogs : public DialogPort {
public:
    void setParent(QWidget* parent) { parent_ = parent; }
    std::optional<std::string> openFile(const FileDialogRequest& request) override;
    std::optional<std::string> saveFile(const FileDialogRequest& request) override;
    std::string documentsFolder() const override;

private:
    QWidget* parent_ = nullptr;
};

// The default printer through Qt PrintSupport, and PDF files through QPdfWriter; both draw
// the page as vectors.
class QtPrinter : public PrinterPort {
public:
    PrintOutcome print(const Page& page) override;
    PrintOutcome writePdf(const Page& page, const std::string& path) override;
};

// Draws a page in the painter's current coordinates, one unit a twip, Arial served by
// its metric twin.
void PaintPage(QPainter& painter, const Page& page);
// Prints a page on a printer set up with its paper and orientation: scaled to fit the
// printable area with its proportions, centred. False when the printer fails.
bool PrintFitted(QPrinter& printer, const Page& page);

// "File di testo (*.txt)|*.txt" (description|pattern pairs) as a Qt filter.
QString QtFilter(const std::string& filter);

}  // namespace velondo::view
