#pragma once
// Where the program stands between two trials or inside one, and which flows may start
// there. Every flow asks MayStart first, so a handler called in a state the student cannot
// reach (a running trial, a panel that is not shown) does nothing.
#include "core/program.h"

namespace velondo {

enum class Phase {
    Idle,          // between trials: panels, choices, the name box
    Composing,     // Enter pressed; the line of notes is drawn on the next tick
    CountingDown,  // 3-2-1 before the clock starts
    Running,       // keys are judged
    Finished,      // the trial is over; its comment is still to come
    Exiting,       // the goodbye is shown; the window closes shortly
};

enum class Flow {
    Practise,            // "Esercitati con l'impostazione corrente"
    CreateProfile,       // "Crea una nuova impostazione"
    LoadProfile,         // "Carica un'impostazione già salvata"
    ChooseClef,          // a clef of the clef panel
    ConfirmRange,        // the range panel's "Ok"
    ConfirmAccidentals,  // the accidentals panel's "Ok"
    SaveAs,              // the save prompt's answers (the exit may open the prompt during a trial)
    StartTrial,          // Enter in the name box
    LoadLine,            // drawing the first line of notes
    Exit,                // the goodbye
};

Phase CurrentPhase(const Program& p);
bool MayStart(const Program& p, Flow flow);
const char* PhaseName(Phase phase);

}  // namespace velondo
