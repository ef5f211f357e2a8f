#pragma once
// What the latency benchmarks share: the probe the audio thread stamps and the data root
// whose piano samples they play.
#include <SDL.h>
#include <SDL_mixer.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "sound/sdl/wav_writer.h"
#include "sound/sound.h"

namespace velondo::bench {

using Steady = std::chrono::steady_clock;

// Armed with a channel before a press; the audio thread stamps the first callback after
// which that channel is sounding.
struct Probe {
    std::atomic<int> channel{-1};
    std::atomic<Steady::rep> mixedAt{0};
};
inline Probe probe;

inline void PostMix(void*, Uint8*, int) {
    int ch = probe.channel.load();
    if (ch >= 0 && Mix_Playing(ch)) {
        probe.mixedAt = Steady::now().time_since_epoch().count();
        probe.channel = -1;
    }
}

// The delivered data root when its samples are all there, else generated test samples.
inline std::string DataRoot(const std::filesystem::path& scratch) {
    std::filesystem::path delivered = VELONDO_SOURCE_DATA_DIR;
    bool complete = true;
    for (int n = 1; n <= sound::kPianoPlayers; ++n)
        complete = complete && std::filesystem::exists(delivered / sound::SamplePath(n));
    if (complete) return delivered.string();
    std::printf("delivered samples missing: generating test samples\n");
    std::filesystem::create_directories(scratch / "Velondo7/Piano");
    for (int n = 1; n <= sound::kPianoPlayers; ++n)
        sound::WriteTestWav((scratch / sound::SamplePath(n)).string(), 44100 * 2, 0, 0, 4000);
    return scratch.string() + "/";
}

}  // namespace velondo::bench
