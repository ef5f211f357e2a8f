#include "view/real_ports.h"

#include "input/rtmidi/rtmidi_input.h"

namespace velondo::view {

RealPorts::RealPorts(EventGate& gate, Midi midi) : timers(gate), midiEvents_(gate) {
    // RtMidi calls back on its own threads; the queue runs each event on the window's.
    if (midi == Midi::Listen)
        midi_ = std::make_unique<midi::RtMidiInput>(
            clock, [this](std::function<void()> fn) { midiEvents_.post(std::move(fn)); });
}

RealPorts::~RealPorts() = default;

Ports RealPorts::ports() {
    return Ports{&clock,  &random, &timers, &sound, &dialogs,   &printer,
                 &screen, &locale, &files,  &log,   midi_.get()};
}

}  // namespace velondo::view
