#pragma once
// The five rows of note names over the keyboard and the eight name buttons of the
// options box that show them (1 … 5 one row each, 6 "Tut", 7 "Sel", 8 the shading).
#include "core/program.h"

namespace velondo::ui {

constexpr int kNameRows = 5;

// Row r = 1 … 5 (naturals, sharps, flats, double sharps, double flats): its display
// labels, its spelling table, its code (1, 2, 4, 8, 16).
ControlArray& RowLabels(Program& p, int row);
ControlArray& RowSpellings(Program& p, int row);
int RowCode(int row);
// Key k has a name in row r (SOL#/LAb has no double-accidental name, black keys no natural).
bool HasName(Program& p, int row, int key);

// Shared colours of the name buttons.
constexpr Color kSummaryOnColor = Rgb(222, 186, 165);  // "Tut" and "Sel"
constexpr Color kShadingOnColor = Rgb(192, 192, 192);

// Design of the rows and of buttons 1 … 8.
void DesignNameRows(Program& p);
void DesignNameButtons(Program& p);
// lblVisualizza_Click for buttons 1 … 8.
void InstallNameButtons(Program& p);

// The click of name button i = 1 … 8, heard or silent.
void ClickNameButton(Program& p, int i);
// The same click replayed by the program: no click sound from buttons 1 … 5 and 8.
void SilentClick(Program& p, int i);

void ToggleNameRow(Program& p, int i);  // buttons 1 … 5
void ShowAllNames(Program& p);          // button 6
void ShowSelectedNames(Program& p);     // button 7
void ApplyShading(Program& p);          // button 8

}  // namespace velondo::ui
