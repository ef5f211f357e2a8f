#pragma once
// Writes small mono 16-bit PCM WAV files: the sound tests and the latency benchmark use
// them where the delivered samples are not at hand.
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace velondo::sound {

// `frames` samples at 44.1 kHz: the first `markFrames` at level `mark`, the rest at `level`,
// so that a listener of the mixed stream can tell the start of the sound from its body.
inline bool WriteTestWav(const std::string& path, int frames, int markFrames, std::int16_t mark,
                         std::int16_t level) {
    std::vector<std::int16_t> data(static_cast<std::size_t>(frames), level);
    for (int i = 0; i < markFrames && i < frames; ++i) data[static_cast<std::size_t>(i)] = mark;
    std::ofstream out(path, std::ios::binary);
    auto u32 = [&](std::uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [&](std::uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
    const std::uint32_t bytes = static_cast<std::uint32_t>(data.size() * 2);
    out.write("RIFF", 4);
    u32(36 + bytes);
    out.write("WAVEfmt ", 8);
    u32(16);
    u16(1);  // PCM
    u16(1);  // mono
    u32(44100);
    u32(44100 * 2);
    u16(2);
    u16(16);
    out.write("data", 4);
    u32(bytes);
    out.write(reinterpret_cast<const char*>(data.data()), bytes);
    return static_cast<bool>(out);
}

}  // namespace velondo::sound
