// From a MIDI note-on sent by a virtual keyboard on a JACK server (dummy driver, 256 frames)
// to the first mixer callback that mixes the key's sample, through the real RtMidi adapter
// and the real SDL2_mixer players; mouse presses (lblTasto_MouseDown) interleaved with the
// notes give the mouse figure of the same run.
#include <RtMidi.h>
#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <thread>
#include <vector>

#include "app/wiring.h"
#include "bench/latency_probe.h"
#include "core/system_adapters.h"
#include "core/testing/test_adapters.h"
#include "input/input.h"
#include "input/rtmidi/rtmidi_input.h"
#include "input/rtmidi/testing/jack_dummy.h"
#include "notation/notation.h"
#include "sound/sdl/sdl_sound.h"
#include "sound/sdl/wav_writer.h"
#include "sound/sound.h"

namespace fs = std::filesystem;
using namespace velondo;
using namespace velondo::bench;

namespace {

constexpr int kPresses = 200;  // of each kind

void Report(const char* what, std::vector<double> ms, int missed) {
    if (ms.empty()) {
        std::printf("%s: nothing was heard\n", what);
        return;
    }
    std::sort(ms.begin(), ms.end());
    auto percentile = [&](double q) { return ms[static_cast<size_t>(q * (ms.size() - 1))]; };
    std::printf(
        "%s over %zu presses (%d missed): min %.2f ms, median %.2f ms, p95 %.2f ms, "
        "max %.2f ms\n",
        what, ms.size(), missed, ms.front(), percentile(0.5), percentile(0.95), ms.back());
}

}  // namespace

int main() {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    fs::path scratch = fs::temp_directory_path() / "velondo_midi_latency";
    std::string root = DataRoot(scratch);

    midi::testing::JackServer jack;
    if (!jack.up()) {
        std::printf("jackd did not start\n");
        return 1;
    }
    sound::SdlSound sdl;
    if (!sdl.active()) {
        std::printf("no audio device: %s\n", SDL_GetError());
        return 1;
    }

    midi::testing::WindowThread window;
    SystemClock clock;
    midi::RtMidiInput input(
        clock, [&](std::function<void()> fn) { window.post(std::move(fn)); },
        std::chrono::milliseconds(50));
    testing::TestRig rig;
    Ports ports = rig.ports();
    ports.sound = &sdl;
    ports.midi = &input;
    Program p(ports);
    InstallAll(p);
    p.state.Dir = root;
    Run(p.hooks.loadSounds, p);
    p.main.lblVisualizzaB[11].on = true;  // "Suoni della tastiera"
    notation::SetKeyboardRegister(p, notation::Register::Media);
    p.mainLoaded = true;
    input::StartListening(p);

    RtMidiOut keyboard(RtMidi::UNIX_JACK, "Tastiera di misura");
    keyboard.openVirtualPort("uscita");
    if (!window.runUntil([&] { return !input.openInputs().empty(); })) {
        std::printf("the virtual keyboard was not found\n");
        return 1;
    }
    window.runUntil([] { return false; }, std::chrono::milliseconds(100));  // its message
    Mix_SetPostMix(&PostMix, nullptr);

    std::vector<double> midiMs, mouseMs;
    int midiMissed = 0, mouseMissed = 0, key = 1;
    for (int i = 0; i < 2 * kPresses; ++i) {
        key = 1 + (key - 1 + 1 + (i * 17) % 47) % 49;
        const int sample = notation::SampleForKey(p, notation::KeyNumber{key}).value;
        const int note = sample + input::kMidiToSample;
        const bool byMidi = i % 2 == 0;
        probe.mixedAt = 0;
        probe.channel = sdl.channelOf(sound::Piano(notation::SampleNumber{sample}));
        const auto pressed = Steady::now();
        if (byMidi) {
            const unsigned char on[3] = {0x90, static_cast<unsigned char>(note), 100};
            keyboard.sendMessage(on, 3);
        } else {
            Event e;
            e.index = key;
            p.call("lblTasto", "MouseDown", e);
        }
        window.runUntil([] { return probe.mixedAt != 0; }, std::chrono::milliseconds(200));
        if (byMidi) {
            const unsigned char off[3] = {0x80, static_cast<unsigned char>(note), 0};
            keyboard.sendMessage(off, 3);
            window.runUntil([] { return false; }, std::chrono::milliseconds(8));  // its release
        } else {
            Event e;
            e.index = key;
            p.call("lblTasto", "MouseUp", e);
        }
        auto& out = byMidi ? midiMs : mouseMs;
        if (probe.mixedAt == 0) {
            ++(byMidi ? midiMissed : mouseMissed);
            probe.channel = -1;
        } else {
            Steady::duration d{probe.mixedAt.load() - pressed.time_since_epoch().count()};
            out.push_back(std::chrono::duration<double, std::milli>(d).count());
        }
        std::this_thread::sleep_for(std::chrono::microseconds(1000 + (i * 2371) % 7000));
    }
    Mix_SetPostMix(nullptr, nullptr);
    fs::remove_all(scratch);

    Report("midi_latency (JACK dummy note-on)", midiMs, midiMissed);
    Report("mouse press (lblTasto_MouseDown), same run", mouseMs, mouseMissed);
    return midiMs.empty() ? 1 : 0;
}
