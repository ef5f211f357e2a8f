#pragma once
// Sound players on SDL2_mixer: one mixer channel per player, so players sound at once and
// a replay restarts only its own sound. Without an audio device the adapter stays silent.
#include <map>
#include <string>

#include "core/ports.h"

struct Mix_Chunk;

namespace velondo::sound {

class SdlSound : public SoundPort {
public:
    // Opens the audio device: 44.1 kHz stereo with a 256-frame buffer for a quick key.
    SdlSound();
    ~SdlSound() override;
    SdlSound(const SdlSound&) = delete;
    SdlSound& operator=(const SdlSound&) = delete;

    // Loads the file's sound at once, so that playing never waits for the disk.
    void setFile(const PlayerRef& player, const std::string& path) override;
    void command(const PlayerRef& player, SoundCommand command) override;

    bool active() const { return active_; }        // false: no audio device, every call is silent
    int channelOf(const PlayerRef& player) const;  // -1 for a player without a file
    bool hasSound(const PlayerRef& player) const;  // its file was loaded

private:
    struct Player {
        int channel = -1;
        Mix_Chunk* chunk = nullptr;
        bool open = false;
        bool atStart = false;  // rewound: the next Play starts from the beginning
    };
    bool active_ = false;
    int channels_ = 0;
    std::map<PlayerRef, Player> players_;
};

}  // namespace velondo::sound
