#pragma once
// The options box: the option buttons lblVisualizzaB(3 … 13) with the decorations and
// sounds they govern, and the panel buttons "Help", "Dati", "Esci" that share the panel
// place with the clef table (option 13) as one group of at most one open panel.
#include "core/program.h"

namespace velondo::ui {

// The option buttons of the box, by their index in lblVisualizzaB.
namespace option {
constexpr int StaffLine = 3;        // "Linea di riferimento nel pentagramma"
constexpr int KeyboardLine = 4;     // "Linea di riferimento nella tastiera"
constexpr int BarLines = 5;         // "Stanghette di misura"
constexpr int NameBoxes = 6;        // "Indicatori di posizione"
constexpr int OnlyWhilePressed = 7; // "Tasti evidenziati solo in pressione"
constexpr int KeyMovement = 8;      // "Simulazione movimento tasti"
constexpr int AlsoOnRelease = 9;    // "Tasti evidenziati anche nel rilascio"
constexpr int ProgramNoises = 10;   // "Rumori del programma"
constexpr int KeyboardSounds = 11;  // "Suoni della tastiera"
constexpr int ErrorVoice = 12;      // "Voce che segnala l'errore"
constexpr int ClefTable = 13;       // "Pannello di riepilogo note"
constexpr int First = StaffLine, Last = ClefTable;
}  // namespace option

// The panel buttons, by their index in lblVisualizza, and the panels they open.
enum class PanelButton { Help = 9, Dati = 10, Esci = 11 };
int PanelOf(PanelButton b);  // 8, 4, 7
constexpr int kClefTablePanel = 6;

// On-colours of the box.
namespace optioncolor {
constexpr Color Line = Rgb(255, 192, 255);    // options 3, 4
constexpr Color Staff = Rgb(253, 247, 215);   // options 5, 6
constexpr Color Keys = Rgb(192, 255, 192);    // options 7, 8, 9
constexpr Color Sound = Rgb(255, 192, 192);   // options 10, 11, 12
constexpr Color Panel = Rgb(255, 128, 128);   // option 13 and the panel buttons
constexpr Color Save = Rgb(255, 224, 192);    // "SA", "ScN"
}  // namespace optioncolor
Color OptionOnColor(int i);  // i = 3 … 13

bool OptionOn(const Program& p, int i);
void SetOption(Program& p, int i, bool on);

// lblVisualizzaB_Click(i), i = 3 … 13: the option's own action, then the click sound
// unless the click is replayed silently.
void ClickOption(Program& p, int i);
// The same click replayed by the program: no click sound.
void SilentClickOption(Program& p, int i);

// The staff line a clef stands on, counted from the bottom (1 … 4); 0 for no clef.
int ClefReferenceLine(int clef);
// Reference lines of the exercise's clef on the staff and of the table's clef on the
// clef table, with their words.
void ShowReferenceLine(Program& p);
void HideReferenceLines(Program& p);

// The group rule of the panel buttons: opening shows b's panel and closes the other
// panels of the group; closing hides b's panel (and the end-of-trial prompt for "Dati"
// and "Esci"). Neither plays a sound: each button's owner does.
void OpenPanelButton(Program& p, PanelButton b);
void ClosePanelButton(Program& p, PanelButton b);
bool PanelButtonOn(const Program& p, PanelButton b);
// The closing click of "Help" or "Esci": the group rule, then the click sound when the
// program noises are on (heard even when the program replays it).
void ClickToClose(Program& p, PanelButton b);

// The clef table: open (on the exercise's clef) and close through option 13.
void OpenClefTable(Program& p);
void CloseClefTable(Program& p);

// Start-up: the buttons' squares and the decorations brought in line with the states
// read from the options file.
void SyncOptionButtons(Program& p);

// Design of the option buttons' behaviour and their handlers (lblVisualizzaB 3 … 13,
// lblVisualizza 9).
void InstallOptionsBox(Program& p);

}  // namespace velondo::ui
