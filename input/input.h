#pragma once
// Answering from every source alike: a key of the virtual piano pressed with the mouse, a
// note played on a MIDI keyboard, or a letter of the computer keyboard. Each becomes the
// same key press (light, sample, answer check) and release, timed exactly like a click.
#include <string>

#include "core/program.h"
#include "notation/notation.h"
#include "ui/computer_keys.h"

namespace velondo::input {

namespace texts {
inline constexpr const char* MidiConnected = "Tastiera MIDI collegata: ";
}  // namespace texts

// A MIDI note number sounds the piano sample note − 23 (MIDI 60 is "DO3", sample 37).
constexpr int kMidiToSample = 23;
// Two note-ons of one note from different inputs or channels this close count once.
constexpr std::int64_t kDoubledNoteMs = 10;

// The key press shared by every source: the keyboard lights the key, the sound layer
// sounds it, the drill judges it. Keys outside 1..49 are ignored.
void PressKey(Program& p, notation::KeyNumber key);
void ReleaseKey(Program& p, notation::KeyNumber key);

// One event of the MIDI input, on the window's thread.
void OnMidi(Program& p, const MidiEvent& event);
// The pitch label of any MIDI note, octaves below 0 with a minus ("DO-1", "SOL#", "DO3").
std::string MidiNoteLabel(int note);
// What the message box says of a note outside the 49 keys.
std::string OutsideKeyboardText(const Program& p, int note);

// A key of the computer keyboard pressed or released outside the text boxes.
void ComputerKeyDown(Program& p, ui::KeyPosition pos);
void ComputerKeyUp(Program& p, ui::KeyPosition pos);

// Shows a text over the message box for a few seconds; the message underneath is kept.
void ShowInputMessage(Program& p, const std::string& text);
void HideInputMessage(Program& p);

// Once the main window has loaded: the letters go on the keys and the MIDI inputs open.
void StartListening(Program& p);

// Design of the message, its timer's handler.
void Install(Program& p);

}  // namespace velondo::input
