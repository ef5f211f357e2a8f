// From the press of a key (lblTasto_MouseDown) to the first mixer callback that mixes the
// key's sample, through the real SDL2_mixer players, over 200 presses on varied keys.
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
#include "core/testing/test_adapters.h"
#include "notation/notation.h"
#include "sound/sdl/sdl_sound.h"
#include "sound/sdl/wav_writer.h"
#include "sound/sound.h"

namespace fs = std::filesystem;
using namespace velondo;
using namespace velondo::bench;

namespace {

constexpr int kPresses = 200;

}  // namespace

int main() {
    setenv("SDL_AUDIODRIVER", "dummy", 0);  // SDL_AUDIODRIVER=disk also works
    fs::path scratch = fs::temp_directory_path() / "velondo_sound_latency";
    std::string root = DataRoot(scratch);

    sound::SdlSound sdl;
    if (!sdl.active()) {
        std::printf("no audio device: %s\n", SDL_GetError());
        return 1;
    }
    int freq = 0, channels = 0;
    Uint16 format = 0;
    Mix_QuerySpec(&freq, &format, &channels);
    std::printf("driver %s, %d Hz, %d channels\n", SDL_GetCurrentAudioDriver(), freq, channels);

    testing::TestRig rig;
    Ports ports = rig.ports();
    ports.sound = &sdl;
    Program p(ports);
    InstallAll(p);
    p.state.Dir = root;
    Run(p.hooks.loadSounds, p);
    p.main.option(Option::KeyboardSounds).surface.on = true;
    notation::SetKeyboardRegister(p, notation::Register::Media);
    Mix_SetPostMix(&PostMix, nullptr);

    std::vector<double> ms;
    int key = 1, missed = 0;
    for (int i = 0; i < kPresses; ++i) {
        key = 1 + (key - 1 + 1 + (i * 17) % 47) % 49;  // a different key each time
        int sample = notation::SampleForKey(p, notation::KeyNumber{key}).value;
        probe.mixedAt = 0;
        probe.channel = sdl.channelOf(sound::Piano(notation::SampleNumber{sample}));
        Event e;
        e.index = key;
        auto pressed = Steady::now();
        p.call("lblTasto", "MouseDown", e);
        while (probe.mixedAt == 0 && Steady::now() - pressed < std::chrono::milliseconds(200))
            std::this_thread::sleep_for(std::chrono::microseconds(100));
        p.call("lblTasto", "MouseUp", e);
        if (probe.mixedAt == 0) {
            ++missed;
            probe.channel = -1;
        } else {
            Steady::duration d{probe.mixedAt.load() - pressed.time_since_epoch().count()};
            ms.push_back(std::chrono::duration<double, std::milli>(d).count());
        }
        // Presses fall at varied points of the mixer's buffer period.
        std::this_thread::sleep_for(std::chrono::microseconds(1000 + (i * 2371) % 7000));
    }
    Mix_SetPostMix(nullptr, nullptr);
    fs::remove_all(scratch);

    if (ms.empty()) {
        std::printf("no press was heard\n");
        return 1;
    }
    std::sort(ms.begin(), ms.end());
    auto percentile = [&](double q) { return ms[static_cast<size_t>(q * (ms.size() - 1))]; };
    std::printf(
        "sound_latency over %zu presses (%d missed): min %.2f ms, median %.2f ms, "
        "p95 %.2f ms, max %.2f ms\n",
        ms.size(), missed, ms.front(), percentile(0.5), percentile(0.95), ms.back());
    return 0;
}
