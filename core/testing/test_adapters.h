#pragma once
// Test adapters of the ports: virtual time, queued random values, a logging sound port,
// scripted dialogs. Scripts and unit tests replay the program exactly with them.
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "core/ports.h"
#include "core/program.h"
#include "core/system_adapters.h"

namespace velondo::testing {

// Virtual clock and timer scheduler: time moves only with advance().
class VirtualTime : public Clock, public TimerPort {
public:
    VirtualTime();
    DateTime now() const override;
    std::int64_t steadyMs() const override { return elapsedMs_; }
    void timerChanged(Timer& timer) override;

    void setClock(const DateTime& t);      // sets the wall clock; elapsed time is kept
    void forgetTimers() { due_.clear(); }  // the program that owned them is gone
    // Moves time forward by ms, firing due timers in order (each handler to completion).
    void advance(std::int64_t ms, Program& program);
    // The earliest due enabled timer, if any.
    std::optional<std::int64_t> nextDue() const;

private:
    std::int64_t baseSeconds_ = 0;  // wall clock at elapsed 0, seconds since the epoch (UTC)
    std::int64_t elapsedMs_ = 0;
    struct Due {
        Timer* timer;
        std::int64_t at;
        std::int64_t seq;
    };
    std::vector<Due> due_;
    std::int64_t seq_ = 0;
};

class QueuedRandom : public Random {
public:
    void seedFromClock(const DateTime&) override { engine_.seed(20260105); }
    double next() override;
    void queue(double v) { queued_.push_back(v); }

private:
    std::deque<double> queued_;
    std::mt19937_64 engine_{20260105};
};

// Logs every Play and Stop command ("Play mmcTic", "Stop mmcPiano(0)").
class LoggingSound : public SoundPort {
public:
    void setFile(const PlayerRef& player, const std::string& path) override {
        files_[player] = path;
    }
    void command(const PlayerRef& player, SoundCommand command) override;
    std::vector<std::string> takeLog() { return std::exchange(log_, {}); }
    const std::vector<std::string>& log() const { return log_; }
    std::string fileOf(const PlayerRef& player) const;
    const std::map<PlayerRef, std::string>& files() const { return files_; }

private:
    std::vector<std::string> log_;
    std::map<PlayerRef, std::string> files_;
};

// Answers file dialogs from a queue; an unexpected dialog is recorded and cancelled.
class ScriptedDialogs : public DialogPort {
public:
    std::optional<std::string> openFile(const FileDialogRequest& r) override { return answer(r); }
    std::optional<std::string> saveFile(const FileDialogRequest& r) override { return answer(r); }
    std::string documentsFolder() const override { return documents; }
    std::string documents = "/home/studente/Documenti";
    void queue(std::optional<std::string> a) { answers_.push_back(std::move(a)); }
    std::vector<FileDialogRequest> unexpected;
    std::vector<FileDialogRequest> asked;
    bool pending() const { return !answers_.empty(); }

private:
    std::optional<std::string> answer(const FileDialogRequest& r);
    std::deque<std::optional<std::string>> answers_;
};

// Records the pages sent to the printer and the PDFs asked for (it writes no file); a
// failure set with failNext answers the next print or PDF instead.
class RecordingPrinter : public PrinterPort {
public:
    PrintOutcome print(const Page& page) override;
    PrintOutcome writePdf(const Page& page, const std::string& path) override;

    std::deque<Page> printed;
    struct Pdf {
        std::string path;
        Page page;
    };
    std::deque<Pdf> pdfs;
    std::optional<PrintOutcome> failNext;
    // The last page sent anywhere, printed or written.
    const Page* lastPage() const { return last_; }

private:
    const Page* last_ = nullptr;
};

class FixedScreen : public ScreenPort {
public:
    ScreenSize size() const override { return size_; }
    ScreenSize size_{15360, 11520};
};

class FixedLocale : public LocalePort {
public:
    NumberFormat numberFormat() const override { return format_; }
    NumberFormat format_{','};
};

// MIDI inputs a script plugs in and plays: events reach the program at once, stamped with
// the virtual clock.
class ScriptedMidi : public MidiPort {
public:
    explicit ScriptedMidi(const Clock& clock) : clock_(clock) {}
    void start(Sink sink) override;
    bool started() const { return static_cast<bool>(sink_); }
    void connect(const std::string& port);
    void disconnect(const std::string& port);
    // False when the port is not connected or nobody listens yet.
    bool noteOn(const std::string& port, int channel, int note, int velocity);
    bool noteOff(const std::string& port, int channel, int note);
    const std::vector<std::string>& ports() const { return ports_; }

private:
    bool deliver(MidiEvent e);
    const Clock& clock_;
    Sink sink_;
    std::vector<std::string> ports_;
};

// Keeps the faults the program reports.
class RecordingLog : public LogPort {
public:
    void error(const std::string& message) override { errors.push_back(message); }
    std::vector<std::string> errors;
};

// The real files with failures on demand: the next writes fail at a planned step, and
// folders can be marked read-only. Everything else is the program's own adapter.
class FaultyFiles : public SystemFiles {
public:
    // The next `times` writes (any file) fail as planned; times < 0: every write.
    void planFault(WriteFault fault, int times = 1) {
        fault_ = std::move(fault);
        times_ = times;
    }
    void clearFaults() {
        fault_.reset();
        times_ = 0;
        readOnly_.clear();
    }
    // Writes of files directly inside folder fail as in a read-only folder.
    void markReadOnly(const std::string& folder) { readOnly_.push_back(folder); }
    int faultsLeft() const { return times_; }

protected:
    std::optional<WriteFault> plannedFault(const std::string& path) override;

private:
    std::optional<WriteFault> fault_;
    int times_ = 0;
    std::vector<std::string> readOnly_;
};

// A program wired to the test adapters.
struct TestRig {
    TestRig();
    VirtualTime time;
    QueuedRandom random;
    LoggingSound sound;
    ScriptedDialogs dialogs;
    RecordingPrinter printer;
    FixedScreen screen;
    FixedLocale locale;
    FaultyFiles files;
    RecordingLog log;
    ScriptedMidi midi{time};
    std::unique_ptr<Program> program;

    Ports ports();
    void reset();  // a fresh program on the same adapters
};

}  // namespace velondo::testing
