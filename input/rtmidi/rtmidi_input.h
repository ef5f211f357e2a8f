#pragma once
// The MIDI port on RtMidi: every input of every compiled back end (ALSA, JACK) is opened,
// and a watcher thread looks for inputs that appear or vanish. RtMidi calls back on its
// own threads; every event is handed to `post`, which must run it on the window's thread.
// Without any back end (no sequencer, no JACK server) the adapter stays silent.
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/ports.h"

namespace velondo::midi {

class RtMidiInput : public MidiPort {
public:
    // Queues a function to run on the window's thread, in the order of the calls.
    using Post = std::function<void(std::function<void()>)>;

    RtMidiInput(const Clock& clock, Post post,
                std::chrono::milliseconds watchEvery = std::chrono::milliseconds(500));
    ~RtMidiInput() override;
    RtMidiInput(const RtMidiInput&) = delete;
    RtMidiInput& operator=(const RtMidiInput&) = delete;

    void start(Sink sink) override;

    // The inputs open now, by name (for tests).
    std::vector<std::string> openInputs() const;
    // The back ends RtMidi was built with ("ALSA", "JACK").
    static std::vector<std::string> compiledBackEnds();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace velondo::midi
