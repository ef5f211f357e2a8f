#pragma once
// The options box's own options: the staff and keyboard decorations, the key highlight
// and movement, the three sound gates, the clef table (option 13) and "Help"; and the
// group of the four panel options (clef table, "Dati", "Esci", "Help") of which at most
// one panel is open at a time.
#include "core/program.h"

namespace velondo::ui {

// The panel an option of the group opens: ClefTable, Results, Exit or Help.
Panel PanelOf(Option o);

// The group rule: opening shows o's panel and closes the other panels of the group with
// their buttons; closing hides o's panel (and, for "Dati" and "Esci", the end-of-trial
// prompt). Neither plays a sound: each option's owner does.
void OpenInGroup(Program& p, Option o);
void CloseInGroup(Program& p, Option o);

// The staff line a clef stands on, counted from the bottom (1 … 4); 0 for no clef.
int ClefReferenceLine(int clef);
// Reference lines of the exercise's clef on the staff and of the table's clef on the
// clef table, with their words.
void ShowReferenceLine(Program& p);
void HideReferenceLines(Program& p);

// Start-up: the buttons' squares and the decorations brought in line with the states
// read from the options file; the shading applied afresh.
void SyncOptionButtons(Program& p);

// The clicks of the options this box owns.
void InstallOptionsBox(Program& p);

}  // namespace velondo::ui
