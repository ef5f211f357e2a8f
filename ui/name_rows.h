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

// The name button of row or button i = 1 … 8.
constexpr Option NameButton(int i) { return static_cast<Option>(i - 1); }

// The design of the rows; the owner of the clicks of name buttons 1 … 8.
void DesignNameRows(Program& p);
void InstallNameButtons(Program& p);

void ToggleNameRow(Program& p, int i);  // buttons 1 … 5
void ShowAllNames(Program& p);          // button 6
void ShowSelectedNames(Program& p);     // button 7
void ApplyShading(Program& p);          // button 8

}  // namespace velondo::ui
