#pragma once
// The outside world as the core sees it. Each port has a program adapter (Qt, SDL)
// and a test adapter (core/testing) that scripts can drive exactly.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velondo {

class Timer;

/// Wall-clock date and time of day.
struct DateTime {
    int year = 2026, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0;
};

/// The clock: the date and time of day, and a steady millisecond counter for durations.
class Clock {
public:
    virtual ~Clock() = default;
    virtual DateTime now() const = 0;
    /// Milliseconds of a monotonic clock; only differences are meaningful.
    virtual std::int64_t steadyMs() const = 0;
};

/// The uniform random generator of a window, seeded from the clock when the window loads.
class Random {
public:
    virtual ~Random() = default;
    virtual void seedFromClock(const DateTime& now) = 0;
    /// A number in [0, 1).
    virtual double next() = 0;
};

/// Schedules window timers. The core calls timerChanged whenever a timer is enabled,
/// disabled or given a new interval while enabled; the adapter then fires the timer's
/// handler from its event loop every interval while it stays enabled.
class TimerPort {
public:
    virtual ~TimerPort() = default;
    virtual void timerChanged(Timer& timer) = 0;
};

/// A sound player by its control name: "mmcPiano" with index 37, "mmcTic" with index -1.
struct PlayerRef {
    std::string name;
    int index = -1;
    std::string displayName() const {
        return index < 0 ? name : name + "(" + std::to_string(index) + ")";
    }
    friend bool operator<(const PlayerRef& a, const PlayerRef& b) {
        return a.name != b.name ? a.name < b.name : a.index < b.index;
    }
    friend bool operator==(const PlayerRef& a, const PlayerRef& b) = default;
};

enum class SoundCommand { Open, Prev, Play, Stop };

/// Sound players: one per sound, each with a file and the four commands. A command that
/// does not apply to the player's state is ignored; a missing or broken file is silent.
class SoundPort {
public:
    virtual ~SoundPort() = default;
    virtual void setFile(const PlayerRef& player, const std::string& path) = 0;
    virtual void command(const PlayerRef& player, SoundCommand command) = 0;
};

/// What a file dialog asks.
struct FileDialogRequest {
    std::string title;
    std::string filter;        // e.g. "File di testo (*.txt)|*.txt"
    std::string initialDir;    // full path
    std::string proposedName;  // file name only
};

/// File-open and file-save dialogs. nullopt: the user cancelled.
class DialogPort {
public:
    virtual ~DialogPort() = default;
    virtual std::optional<std::string> openFile(const FileDialogRequest& request) = 0;
    /// Asks before overwriting an existing file.
    virtual std::optional<std::string> saveFile(const FileDialogRequest& request) = 0;
    /// The user's documents folder, full path, where files the user keeps are proposed.
    virtual std::string documentsFolder() const = 0;
};

/// One text of a printed page: its box in twips from the page's top left corner, its
/// font (Arial, size in points) and where the text sits in the box's width.
struct PageText {
    std::string text;
    double left = 0, top = 0, width = 0, height = 0;
    double fontSize = 9;
    bool bold = false;
    bool italic = false;
    enum class Align { Left, Center, Right } align = Align::Left;
    friend bool operator==(const PageText&, const PageText&) = default;
};

/// A straight line of a printed page, in twips.
struct PageLine {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    double thickness = 15;
    friend bool operator==(const PageLine&, const PageLine&) = default;
};

/// A page to print as drawn vectors: the page's size in twips (20 per point) and what
/// stands on it, on white.
struct Page {
    double width = 15360, height = 11520;
    std::vector<PageText> texts;
    std::vector<PageLine> lines;
    friend bool operator==(const Page&, const Page&) = default;
};

enum class PrintOutcome {
    Done,
    NoPrinter,     // no printer is installed or none is the default
    PrinterError,  // the printer refused the page or failed while printing it
    FileError,     // the PDF file could not be written
};

/// Prints a page on the default printer, or writes it as a PDF file.
class PrinterPort {
public:
    virtual ~PrinterPort() = default;
    /// The page scaled to fit the printer's paper in landscape, proportions kept.
    virtual PrintOutcome print(const Page& page) = 0;
    /// A one-page PDF of the page's own size, with searchable text. An existing file is
    /// replaced only once the new one is complete.
    virtual PrintOutcome writePdf(const Page& page, const std::string& path) = 0;
};

/// The primary screen's available area, in twips (15 per pixel).
struct ScreenSize {
    double width = 15360;
    double height = 11520;
};
class ScreenPort {
public:
    virtual ~ScreenPort() = default;
    virtual ScreenSize size() const = 0;
};

/// The system's number and date format.
struct NumberFormat {
    char decimalSeparator = ',';
};
class LocalePort {
public:
    virtual ~LocalePort() = default;
    virtual NumberFormat numberFormat() const = 0;
};

/// The outcome of a file operation: ok, or why it failed in a few Italian words fit for
/// the message box ("il disco è pieno").
struct FileOutcome {
    bool ok = true;
    std::string reason;
    static FileOutcome Done() { return {}; }
    static FileOutcome Failed(std::string why) { return {false, std::move(why)}; }
    explicit operator bool() const { return ok; }
};

/// The data files. Every write replaces a whole file crash-safely: the bytes go to a
/// temporary file in the same folder, are flushed to disk and renamed over the old file,
/// so a kill or a power cut at any moment leaves either the old file or the new one, whole.
class FilesPort {
public:
    virtual ~FilesPort() = default;
    /// A regular file exists at path.
    virtual bool exists(const std::string& path) const = 0;
    /// The whole file; nullopt when it cannot be read, with the reason in *reason.
    virtual std::optional<std::string> read(const std::string& path,
                                            std::string* reason = nullptr) const = 0;
    /// Replaces the file at path with bytes, crash-safely; a failed write leaves the old file.
    virtual FileOutcome writeAtomic(const std::string& path, std::string_view bytes) = 0;
    /// Renames a file to a name that is free; never replaces anything.
    virtual FileOutcome moveAside(const std::string& from, const std::string& to) = 0;
    /// Names (without folder) of the regular files in a folder, sorted; empty when none.
    virtual std::vector<std::string> list(const std::string& folder) const = 0;
};

/// What a MIDI input reports: an input that appeared or vanished, a note pressed or released.
struct MidiEvent {
    enum class Kind { Connected, Disconnected, NoteOn, NoteOff };
    Kind kind = Kind::NoteOn;
    std::string port;     // the input's name as its back end gives it
    int channel = 0;      // 0..15
    int note = 0;         // MIDI note number 0..127
    int velocity = 0;     // 1..127 for a note-on; a note-on of velocity 0 arrives as NoteOff
    std::int64_t ms = 0;  // steady clock (Clock::steadyMs) when the event arrived
};

/// MIDI input. Once started the adapter opens every input it finds, keeps watching for
/// inputs that appear or vanish, and hands each event to the sink on the window's thread,
/// one at a time, never inside another handler.
class MidiPort {
public:
    using Sink = std::function<void(const MidiEvent&)>;
    virtual ~MidiPort() = default;
    virtual void start(Sink sink) = 0;
};

/// Where the program reports its own faults (a call of a handler that does not exist).
class LogPort {
public:
    virtual ~LogPort() = default;
    virtual void error(const std::string& message) = 0;
};

struct Ports {
    Clock* clock;
    Random* random;
    TimerPort* timers;
    SoundPort* sound;
    DialogPort* dialogs;
    PrinterPort* printer;
    ScreenPort* screen;
    LocalePort* locale;
    FilesPort* files;
    LogPort* log = nullptr;    // none: faults go unreported
    MidiPort* midi = nullptr;  // none: no MIDI input at all
};

}  // namespace velondo
