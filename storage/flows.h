#pragma once
// The main choice panel (panel 0) and the flows that lead from it: practise the current
// profile, create a new one through the configuration panels, load a saved one; the save
// modes, the save prompt (panel 9) and the save-as dialog.
#include <string>

#include "core/program.h"

namespace velondo::storage {

// lblPulsante_Click(1): the current profile again, its configuration replayed.
void PractiseCurrentProfile(Program& p);
// Enter on the window while the end-of-trial message asks for it: the practise option,
// then the next trial at once with the same name, as the two steps by hand.
bool EnterStartsNextTrial(const Program& p);
void PractiseAndStart(Program& p);
// lblPulsante_Click(2).
void CreateProfile(Program& p);
// A new profile from the clef panel on; the working results are dropped.
void StartNewProfile(Program& p);
// lblPulsante_Click(0): the range "Ok".
void RangeOk(Program& p);
// lblPulsante_Click(4): the accidentals "Ok"; replayed inside the practise option.
void AccidentalsOk(Program& p, bool replayed = false);

// lblPulsante_Click(3).
void LoadProfileOption(Program& p);
// Chooses a profile in the open dialog and makes it the working profile, then practises it.
void LoadProfileFlow(Program& p);
// Saves the working profile under a name chosen in the save dialog, then goes on with what
// the save prompt was opened for.
void SaveAsFlow(Program& p);
// Panel 9 with one of the three messages.
void ShowSavePrompt(Program& p, const std::string& message);
// "Sì" (0) and "No" (1) of the save prompt.
void SavePromptAnswer(Program& p, int index);
// "SA" and "ScN": mutually exclusive, both may be off.
void SaveModeClick(Program& p, Option mode);
// The end of every trial: the results go to the file the save mode says.
void SaveAfterTrial(Program& p);
// Whether the working profile holds results that only the save prompt can keep.
bool UnsavedResults(const Program& p);

namespace texts {
inline constexpr const char* CreateMessage =
    "ATTENZIONE! La creazione di una nuova impostazione cancellerà tutti i dati "
    "dell'impostazione corrente (che non è ancora stata salvata). Vuoi dunque salvare "
    "l'impostazione corrente prima di crearne una nuova?";
inline constexpr const char* LoadMessage =
    "ATTENZIONE! Il caricamento di una nuova impostazione cancellerà tutti i dati "
    "dell'impostazione corrente (che non è ancora stata salvata). Vuoi dunque salvare "
    "l'impostazione corrente prima di caricarne una nuova?";
inline constexpr const char* ExitMessage =
    "ATTENZIONE! L'uscita dal Programma in questo momento cancellerà tutti i dati "
    "dell'impostazione corrente (che non è ancora stata salvata). Vuoi dunque salvare "
    "l'impostazione corrente prima di uscire da Velondo?";
inline constexpr const char* SaveHint =
    "Se in seguito non vuoi più che compaia questo Pannello puoi attivare la funzione di "
    "salvataggio automatico (premendo il Pulsante 'SA')";
inline constexpr const char* ProfileFilter = "File di testo (*.txt)|*.txt";
}  // namespace texts

void DesignMainPanel(Program& p);
void DesignSavePrompt(Program& p);
void InstallFlows(Program& p);

}  // namespace velondo::storage
