#pragma once
// The accidentals panel (panel 3): which spelling classes may occur in the exercise.
#include "core/program.h"

namespace velondo::exercise {

// Redraws the five class captions from SceltaAlterazioni.
void ShowAccidentalChoices(Program& p);
// Marks the in-range spellings of the chosen classes selected; sets TotSelezionati.
void SelectAccidentalClasses(Program& p);
// The configuration steps of the accidentals "Ok": selection, pool, summary counts, name
// rows; the note-count buttons too unless the "Ok" is replayed by the practise option.
void ConfirmAccidentals(Program& p, bool replayed);
// lblClickAlterazioni_Click(i): toggles class i, keeping at least one chosen.
void ToggleAccidentalClass(Program& p, int i);

void DesignAccidentalsPanel(Program& p);
void InstallAccidentals(Program& p);

}  // namespace velondo::exercise
