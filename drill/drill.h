#pragma once
// The drill: a trial from the Enter in the name box to the last note, on a ring of 13
// staff slots, and the comment that follows it.
#include <string>

#include "core/program.h"
#include "notation/notation.h"

namespace velondo::drill {

// Texts of the message box over the logo area.
namespace texts {
inline constexpr const char* Composing = "Sto componendo le note: un attimo di pazienza...";
inline constexpr const char* Click =
    "Clicca sul pianoforte virtuale il tasto corrispondente alla nota evidenziata sul "
    "pentagramma!";
inline constexpr const char* WhenReady =
    "Quando sei pronto per iniziare un'altra prova premi il tasto INVIO";
inline constexpr const char* EmptyPool =
    "Non ci sono note per l'esercizio: prepara prima un'impostazione dal menu principale.";
inline constexpr const char* TooFewNotes =
    "Una prova ha almeno 13 note: scegli un numero di note più grande.";
// Followed by the size of the pool and TooManyNotesEnd.
inline constexpr const char* TooManyNotes = "Le note a disposizione sono solo ";
inline constexpr const char* TooManyNotesEnd = ": scegli un numero di note più piccolo.";
}  // namespace texts

constexpr int kSlots = 13;
constexpr Color Highlight = colors::Green;
constexpr Color WrongKey = colors::LightRed;

// Staff slot redrawn after a correct answer at slot p: six places behind it on the ring.
constexpr int RefillSlot(int p) { return (p + 6) % kSlots + 1; }

// Key pressed in the name box: Enter starts a trial, other keys tick.
void NameBoxKey(Program& p, int keyCode);
// Why a trial of n notes cannot start on the current pool; empty when it can.
std::string PoolProblem(const Program& p, int n);
// The composing tick (or its hidden button): the first line of notes, only while composing.
void DrawFirstLine(Program& p);
// Fills the staff slots Avanza+1 … 13, then starts the countdown.
void LoadLine(Program& p);
void CountDownTick(Program& p);
void ClockTick(Program& p);
// The answer check of a key press: during a trial, compares the key with the highlighted note.
void CheckAnswer(Program& p, notation::KeyNumber key);
void FinishTrial(Program& p);
// Clears the note pool and the drill display before a new exercise.
void ResetExercise(Program& p);
// The student is leaving: no timer of the drill goes on and keys are no longer judged.
void StopDrill(Program& p);
// The end-of-trial message asks for Enter to start the next trial.
bool AwaitsNextTrial(const Program& p);
// The spoken or sounded comment half a second after a trial.
void Comment(Program& p);

// Shows one label of the message box (and the box), hiding the others.
void ShowMessage(Program& p, Control& label);

void DesignMessageBox(Program& p);

}  // namespace velondo::drill
