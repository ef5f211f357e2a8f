#pragma once
// The note pool: the spelled notes of the range in the chosen classes, repeated to at
// least 13 and shuffled (lblScegliNome(1 … NoteTotali), ScegliNumero); and the number of
// notes of a trial, chosen on panel 5 with the buttons "Min", central and "Max".
#include <string>

#include "core/program.h"

namespace velondo::exercise {

constexpr int kPoolCapacity = 120;
constexpr int kMinNotes = 13;
constexpr int kPanelFiveExplanation = 56;  // lblSpiegazione(56)

// Lists the selected spellings in keyboard order, repeats them to at least 13, shuffles.
void ComposePool(Program& p);
// Two Fisher–Yates passes: the different notes first, then the whole sequence.
void ShufflePool(Program& p);
// One shuffle draw in 1 … n: the generator's next number corrected by the clock.
int DrawEntry(Program& p, int n);

// New pool: "Max" = NoteTotali, central 14 (13 for a pool of 13), "Min" selected silently.
void SetupNoteCount(Program& p);
// Button i = 0, 1, 2 becomes the one selected; panel 5's explanation follows it.
void SelectNoteCount(Program& p, int i);
// The number shown by the selected count button, 0 when none is selected.
int SelectedNoteCount(const Program& p);
// The explanation of panel 5 for a trial of n notes.
std::string PanelFiveText(int n);

void DesignNamePanel(Program& p);
void InstallPool(Program& p);

}  // namespace velondo::exercise
