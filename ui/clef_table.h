#pragma once
// The clef table (panel 6): the name of the note on every line and space of the staff
// in any of the seven clefs, beside the notes of the table picture.
#include <string>

#include "core/program.h"

namespace velondo::ui {

// The table's own words "del" and "Linea" of its reference line: lblVarie(14), (15).
constexpr int kTableWordDel = 14;
constexpr int kTableWordLinea = 15;
constexpr int kTableTitle = 0;     // lblNoteTavola(0)
constexpr int kTableHeading = 32;  // lblNoteTavola(32): "Pannello di riepilogo"
constexpr int kTableHint = 38;     // lblNoteTavola(38)

// Name of the note on staff position p (1 … 31) in clef c (1 … 7): "DO" … "SI".
std::string TableNoteName(int clef, int position);

// Fills the table for ChiaveScelta2: title, clef sign, clef picture, the 31 names.
void FillClefTable(Program& p);
// The clef buttons show clef c selected (and only it); UltimaChiaveCliccata := c.
void SelectClefButton(Program& p, int clef);
// lblPulsanteChiave_Click(i): the table switches to clef i; the exercise keeps its clef.
void ClickClefButton(Program& p, int clef);

void DesignClefTable(Program& p);
void InstallClefTable(Program& p);

}  // namespace velondo::ui
