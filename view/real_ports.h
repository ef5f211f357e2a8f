#pragma once
// The real outside world of the program, in one place: the system's clock, random numbers,
// files and error output, Qt's timers, screen, locale, dialogs and printer, SDL2_mixer's
// sound and, when asked for, RtMidi's keyboards.
#include <memory>

#include "core/ports.h"
#include "core/system_adapters.h"
#include "sound/sdl/sdl_sound.h"
#include "view/qt_adapters.h"

namespace velondo::midi {
class RtMidiInput;
}

namespace velondo::view {

class RealPorts {
public:
    enum class Midi { Listen, Off };
    explicit RealPorts(EventGate& gate, Midi midi = Midi::Listen);
    ~RealPorts();
    RealPorts(const RealPorts&) = delete;
    RealPorts& operator=(const RealPorts&) = delete;

    Ports ports();
    // The timers fire into this program; call once it exists.
    void attach(Program& program) { timers.attach(program); }

    SystemClock clock;
    SystemRandom random;
    SystemFiles files;
    StderrLog log;
    QtTimers timers;
    QtScreen screen;
    QtLocale locale;
    QtDialogs dialogs;
    QtPrinter printer;
    sound::SdlSound sound;

private:
    WindowQueue midiEvents_;
    std::unique_ptr<midi::RtMidiInput> midi_;  // null when MIDI is off
};

}  // namespace velondo::view
