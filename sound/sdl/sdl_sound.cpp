#include "sound/sdl/sdl_sound.h"

#include <SDL.h>
#include <SDL_mixer.h>

namespace velondo::sound {
namespace {
constexpr int kFrequency = 44100;
constexpr int kBufferFrames = 256;
constexpr int kInitialChannels = 100;  // 74 piano players, the effects and the splash music
}  // namespace

SdlSound::SdlSound() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
    if (Mix_OpenAudio(kFrequency, AUDIO_S16SYS, 2, kBufferFrames) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return;
    }
    channels_ = Mix_AllocateChannels(kInitialChannels);
    active_ = true;
}

SdlSound::~SdlSound() {
    if (!active_) return;
    Mix_HaltChannel(-1);
    for (auto& [ref, player] : players_)
        if (player.chunk) Mix_FreeChunk(player.chunk);
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SdlSound::setFile(const PlayerRef& ref, const std::string& path) {
    if (!active_) return;
    auto [it, added] = players_.try_emplace(ref);
    Player& player = it->second;
    if (added) {
        player.channel = static_cast<int>(players_.size()) - 1;
        if (player.channel >= channels_) channels_ = Mix_AllocateChannels(player.channel + 1);
    } else {
        // A new file closes the player, as a new FileName does.
        Mix_HaltChannel(player.channel);
        if (player.chunk) Mix_FreeChunk(player.chunk);
        player.open = player.atStart = false;
    }
    player.chunk = Mix_LoadWAV(path.c_str());  // nullptr: missing or broken, stays silent
}

void SdlSound::command(const PlayerRef& ref, SoundCommand c) {
    auto it = players_.find(ref);
    if (!active_ || it == players_.end() || !it->second.chunk) return;
    Player& player = it->second;
    switch (c) {
        case SoundCommand::Open:
            if (!player.open) player.open = player.atStart = true;
            break;
        case SoundCommand::Prev:
            if (!player.open) break;
            Mix_HaltChannel(player.channel);
            player.atStart = true;
            break;
        case SoundCommand::Play:
            if (!player.open || !player.atStart) break;
            Mix_PlayChannel(player.channel, player.chunk, 0);
            player.atStart = false;
            break;
        case SoundCommand::Stop:
            if (player.open) Mix_HaltChannel(player.channel);
            break;
    }
}

int SdlSound::channelOf(const PlayerRef& ref) const {
    auto it = players_.find(ref);
    return it == players_.end() ? -1 : it->second.channel;
}

bool SdlSound::hasSound(const PlayerRef& ref) const {
    auto it = players_.find(ref);
    return it != players_.end() && it->second.chunk != nullptr;
}

}  // namespace velondo::sound
