#pragma once
// Sound playback: the 73 piano samples and the effect sounds, one player each. Callers
// test the gate of their sound (ProgramNoisesOn, KeyboardSoundsOn, ErrorVoiceOn) first.
#include <string>
#include <string_view>

#include "core/program.h"
#include "notation/notation.h"

namespace velondo::sound {

namespace players {
inline const PlayerRef Click{"mmcClick"};
inline const PlayerRef Tic{"mmcTic"};
inline const PlayerRef Avviso{"mmcAvviso"};
inline const PlayerRef No{"mmcNo"};
inline const PlayerRef Gregoriano{"mmcGregoriano"};
inline const PlayerRef Record{"mmcRecord"};
inline const PlayerRef Fine{"mmcFine"};
inline const PlayerRef Clap{"mmcClap"};
inline const PlayerRef Buuh{"mmcBuuh"};
inline const PlayerRef Ciao1{"mmcCiao", 1};
// The splash window's own player of the start-up music.
inline const PlayerRef GregorianoSplash{"mmcGregorianoSplash"};
}  // namespace players

constexpr int kPianoPlayers = 73;  // mmcPiano(1..73); mmcPiano(0) has no file
constexpr int kGoVoices = 3;

// mmcPiano(n), n = 0..73.
PlayerRef Piano(notation::SampleNumber n);
// mmcVai(j), j = 1..3.
PlayerRef Vai(int j);

// "01do.wav", "02do#.wav" … "73do.wav".
std::string SampleFileName(int n);
// Files below DataRoot: "Velondo7/Piano/25do.wav", "Velondo7/Suoni/Tic.WAV".
std::string SamplePath(int n);
// The effect file of a player, or "" when it is not an effect player.
std::string EffectPath(const PlayerRef& player);
constexpr std::string_view kSplashMusic = "Velondo7/Suoni/Intro.wav";

// Start-up: every piano player gets its file and is opened and rewound.
void LoadPianoSamples(Program& p);
// Start-up: every effect player gets its file; it opens on first use.
void LoadEffectSounds(Program& p);
// The splash window's music player gets its file.
void LoadSplashMusic(Program& p);

// The one way to play: "Prev", "Open", "Play" on one player; a replay restarts it.
void PlaySound(Program& p, const PlayerRef& player);
void StopSound(Program& p, const PlayerRef& player);
// One of the three "go" voices, chosen by the clock-corrected draw.
void PlayGoVoice(Program& p);
// Plays the piano sample of the natural note labelled in SuonaNota ("LA4"); any other
// text selects mmcPiano(0), which is silent.
void PlayNamedNote(Program& p);
// Sample of a natural note label among "DO" … "SI5", "DO6", or 0.
int NamedNoteSample(std::string_view label);

// The three options that gate sounds.
bool ProgramNoisesOn(const Program& p);   // "Rumori del programma"
bool KeyboardSoundsOn(const Program& p);  // "Suoni della tastiera"
bool ErrorVoiceOn(const Program& p);      // "Voce che segnala l'errore"

// The sound step of a key press: stop the previous key's sample, sound this key's.
void KeySample(Program& p, notation::KeyNumber key);

}  // namespace velondo::sound
