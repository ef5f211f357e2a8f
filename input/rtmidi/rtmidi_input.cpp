#include "input/rtmidi/rtmidi_input.h"

#include <RtMidi.h>
#include <alsa/asoundlib.h>
#include <jack/jack.h>

#include <algorithm>
#include <condition_variable>
#include <map>
#include <mutex>
#include <thread>

namespace velondo::midi {

namespace {

constexpr const char* kClientName = "Velondo";

// The sequencer's loop-back port is not a keyboard.
bool IsKeyboardCandidate(const std::string& name) {
    return name.find("Midi Through") == std::string::npos;
}

void QuietRtMidi(RtMidiError::Type, const std::string&, void*) {}
void QuietAlsa(const char*, int, const char*, int, const char*, ...) {}
void QuietJack(const char*) {}

// A back end that is missing must say nothing: ALSA and JACK print their failures.
void SilenceBackEnds() {
    static std::once_flag once;
    std::call_once(once, [] {
        snd_lib_error_set_handler(&QuietAlsa);
        jack_set_error_function(&QuietJack);
        jack_set_info_function(&QuietJack);
    });
}

// RtMidi prints a warning when it makes a JACK client without a server: look first (a
// server that appears later is found at a later look).
bool JackServerRunning() {
    jack_status_t status;
    jack_client_t* probe = jack_client_open("Velondo-probe", JackNoStartServer, &status);
    if (!probe) return false;
    jack_client_close(probe);
    return true;
}

// Likewise RtMidi prints when the ALSA sequencer cannot be opened.
bool AlsaSequencerPresent() {
    snd_seq_t* seq = nullptr;
    if (snd_seq_open(&seq, "default", SND_SEQ_OPEN_DUPLEX, SND_SEQ_NONBLOCK) < 0) return false;
    snd_seq_close(seq);
    return true;
}

std::unique_ptr<RtMidiIn> MakeInput(RtMidi::Api api) {
    if (api == RtMidi::UNIX_JACK && !JackServerRunning()) return nullptr;
    if (api == RtMidi::LINUX_ALSA && !AlsaSequencerPresent()) return nullptr;
    try {
        auto in = std::make_unique<RtMidiIn>(api, kClientName);
        in->setErrorCallback(&QuietRtMidi, nullptr);
        return in;
    } catch (const RtMidiError&) {
        return nullptr;  // no sequencer: try again at the next look
    }
}

std::vector<std::string> PortNames(RtMidiIn& in) {
    std::vector<std::string> names;
    try {
        const unsigned n = in.getPortCount();
        for (unsigned i = 0; i < n; ++i) names.push_back(in.getPortName(i));
    } catch (const RtMidiError&) {
        names.clear();
    }
    return names;
}

}  // namespace

struct RtMidiInput::Impl {
    struct Input {
        Impl* owner = nullptr;
        std::string name;
        std::unique_ptr<RtMidiIn> in;
    };
    struct BackEnd {
        RtMidi::Api api;
        std::unique_ptr<RtMidiIn> scanner;  // lists the ports
        std::map<std::string, std::unique_ptr<Input>> open;
    };

    Impl(const Clock& c, Post p, std::chrono::milliseconds every)
        : clock(c), post(std::move(p)), watchEvery(every) {}

    // RtMidi's thread: one MIDI message.
    static void OnMessage(double, std::vector<unsigned char>* message, void* data) {
        auto* input = static_cast<Input*>(data);
        if (!message || message->size() < 3) return;
        const int type = (*message)[0] & 0xF0;
        if (type != 0x90 && type != 0x80) return;
        MidiEvent e;
        e.port = input->name;
        e.channel = (*message)[0] & 0x0F;
        e.note = (*message)[1] & 0x7F;
        e.velocity = (*message)[2] & 0x7F;
        e.kind =
            type == 0x90 && e.velocity > 0 ? MidiEvent::Kind::NoteOn : MidiEvent::Kind::NoteOff;
        e.ms = input->owner->clock.steadyMs();
        input->owner->deliver(std::move(e));
    }

    void deliver(MidiEvent e) {
        post([sink = sink, e = std::move(e)] { sink(e); });
    }

    void look(BackEnd& b) {
        if (!b.scanner) b.scanner = MakeInput(b.api);
        std::vector<std::string> names;
        if (b.scanner) names = PortNames(*b.scanner);
        for (auto it = b.open.begin(); it != b.open.end();) {
            if (std::find(names.begin(), names.end(), it->first) != names.end()) {
                ++it;
                continue;
            }
            const std::string name = it->first;
            {
                std::lock_guard lock(openMutex);
                it = b.open.erase(it);  // closes the port and stops its callbacks
            }
            deliver({MidiEvent::Kind::Disconnected, name});
        }
        for (const std::string& name : names) {
            if (!IsKeyboardCandidate(name) || b.open.count(name)) continue;
            auto input = std::make_unique<Input>();
            input->owner = this;
            input->name = name;
            input->in = MakeInput(b.api);
            if (!input->in) continue;
            const auto listed = PortNames(*input->in);
            const auto at = std::find(listed.begin(), listed.end(), name);
            if (at == listed.end()) continue;  // gone meanwhile
            try {
                input->in->ignoreTypes(true, true, true);
                input->in->setCallback(&OnMessage, input.get());
                input->in->openPort(static_cast<unsigned>(at - listed.begin()), kClientName);
            } catch (const RtMidiError&) {
                continue;
            }
            if (!input->in->isPortOpen()) continue;
            {
                std::lock_guard lock(openMutex);
                b.open.emplace(name, std::move(input));
            }
            deliver({MidiEvent::Kind::Connected, name});
        }
    }

    void watch() {
        std::unique_lock lock(stopMutex);
        while (!stopping) {
            lock.unlock();
            for (BackEnd& b : backEnds) look(b);
            lock.lock();
            stopped.wait_for(lock, watchEvery, [this] { return stopping; });
        }
    }

    const Clock& clock;
    Post post;
    std::chrono::milliseconds watchEvery;
    Sink sink;
    std::vector<BackEnd> backEnds;
    mutable std::mutex openMutex;
    std::mutex stopMutex;
    std::condition_variable stopped;
    bool stopping = false;
    std::thread watcher;
};

RtMidiInput::RtMidiInput(const Clock& clock, Post post, std::chrono::milliseconds watchEvery)
    : impl_(std::make_unique<Impl>(clock, std::move(post), watchEvery)) {}

RtMidiInput::~RtMidiInput() {
    if (impl_->watcher.joinable()) {
        {
            std::lock_guard lock(impl_->stopMutex);
            impl_->stopping = true;
        }
        impl_->stopped.notify_all();
        impl_->watcher.join();
    }
    std::lock_guard lock(impl_->openMutex);
    impl_->backEnds.clear();
}

void RtMidiInput::start(Sink sink) {
    if (impl_->watcher.joinable()) return;
    SilenceBackEnds();
    impl_->sink = std::move(sink);
    std::vector<RtMidi::Api> apis;
    RtMidi::getCompiledApi(apis);
    for (RtMidi::Api api : apis)
        if (api == RtMidi::LINUX_ALSA || api == RtMidi::UNIX_JACK)
            impl_->backEnds.push_back({api, nullptr, {}});
    impl_->watcher = std::thread([this] { impl_->watch(); });
}

std::vector<std::string> RtMidiInput::openInputs() const {
    std::lock_guard lock(impl_->openMutex);
    std::vector<std::string> names;
    for (const auto& b : impl_->backEnds)
        for (const auto& [name, input] : b.open) names.push_back(name);
    return names;
}

std::vector<std::string> RtMidiInput::compiledBackEnds() {
    std::vector<RtMidi::Api> apis;
    RtMidi::getCompiledApi(apis);
    std::vector<std::string> names;
    for (RtMidi::Api api : apis) names.push_back(RtMidi::getApiDisplayName(api));
    return names;
}

}  // namespace velondo::midi
