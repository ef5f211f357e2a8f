#include "sound/sound.h"

#include <array>

#include "notation/notation.h"

namespace velondo::sound {
namespace {

constexpr std::array<std::string_view, 12> kSampleNames{"do",  "do#", "re",   "re#", "mi",  "fa",
                                                        "fa#", "sol", "sol#", "la",  "la#", "si"};

struct Effect {
    std::string_view player;
    int index;
    std::string_view file;  // below Velondo7/Suoni/, capitalised as delivered
};
constexpr std::array<Effect, 13> kEffects{{
    {"mmcClick", -1, "CLICK.WAV"},
    {"mmcTic", -1, "Tic.WAV"},
    {"mmcAvviso", -1, "Avviso.wav"},
    {"mmcNo", -1, "No.wav"},
    {"mmcVai", 1, "Vai1.wav"},
    {"mmcVai", 2, "Vai2.wav"},
    {"mmcVai", 3, "Vai3.wav"},
    {"mmcGregoriano", -1, "Intro.wav"},
    {"mmcRecord", -1, "Record.wav"},
    {"mmcFine", -1, "Fine.wav"},
    {"mmcClap", -1, "Class.wav"},
    {"mmcBuuh", -1, "Tosse.WAV"},
    {"mmcCiao", 1, "Benvenuto.wav"},
}};

void Send(Program& p, const PlayerRef& player, SoundCommand c) {
    p.ports.sound->command(player, c);
}

}  // namespace

PlayerRef Piano(notation::SampleNumber n) { return {"mmcPiano", n.value}; }
PlayerRef Vai(int j) { return {"mmcVai", j}; }

std::string SampleFileName(int n) {
    return (n < 10 ? "0" : "") + std::to_string(n) +
           std::string(kSampleNames[static_cast<std::size_t>((n - 1) % 12)]) + ".wav";
}

std::string SamplePath(int n) { return "Velondo7/Piano/" + SampleFileName(n); }

std::string EffectPath(const PlayerRef& player) {
    for (const auto& e : kEffects)
        if (e.player == player.name && e.index == player.index)
            return "Velondo7/Suoni/" + std::string(e.file);
    return {};
}

void LoadPianoSamples(Program& p) {
    for (int n = 1; n <= kPianoPlayers; ++n)
        p.ports.sound->setFile(Piano(notation::SampleNumber{n}), p.path(SamplePath(n)));
    for (int n = 1; n <= kPianoPlayers; ++n) {
        Send(p, Piano(notation::SampleNumber{n}), SoundCommand::Open);
        Send(p, Piano(notation::SampleNumber{n}), SoundCommand::Prev);
    }
}

void LoadEffectSounds(Program& p) {
    for (const auto& e : kEffects) {
        PlayerRef player{std::string(e.player), e.index};
        p.ports.sound->setFile(player, p.path(EffectPath(player)));
    }
}

void LoadSplashMusic(Program& p) {
    p.ports.sound->setFile(players::GregorianoSplash, p.path(std::string(kSplashMusic)));
}

void PlaySound(Program& p, const PlayerRef& player) {
    Send(p, player, SoundCommand::Prev);
    Send(p, player, SoundCommand::Open);
    Send(p, player, SoundCommand::Play);
}

void StopSound(Program& p, const PlayerRef& player) { Send(p, player, SoundCommand::Stop); }

void PlayGoVoice(Program& p) {
    PlaySound(p, Vai(ClockChoice(kGoVoices, p.ports.random->next(), p.ports.clock->now())));
}

int NamedNoteSample(std::string_view label) {
    auto pitch = notation::ParseLabel(label);
    if (!pitch || notation::PitchName(pitch->pitchClass).ends_with('#')) return 0;
    int sample = notation::SemitoneOf(*pitch);
    return sample <= kPianoPlayers ? sample : 0;
}

void PlayNamedNote(Program& p) {
    PlaySound(p, Piano(notation::SampleNumber{NamedNoteSample(p.state.SuonaNota)}));
}

bool ProgramNoisesOn(const Program& p) { return p.main.isOn(Option::ProgramNoises); }
bool KeyboardSoundsOn(const Program& p) { return p.main.isOn(Option::KeyboardSounds); }
bool ErrorVoiceOn(const Program& p) { return p.main.isOn(Option::ErrorVoice); }

void KeySample(Program& p, notation::KeyNumber key) {
    StopSound(p, Piano(notation::SampleNumber{p.state.NotaPremuta}));
    const notation::SampleNumber sample = notation::SampleForKey(p, key);
    p.state.NotaPremuta = sample.value;
    if (KeyboardSoundsOn(p)) PlaySound(p, Piano(sample));
}

}  // namespace velondo::sound
