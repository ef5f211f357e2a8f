#pragma once
// Start-up, the data root, the splash window and the exit sequence.
#include <string>
#include <string_view>
#include <vector>

#include "core/program.h"

namespace velondo::app {

// The file whose presence marks a folder as a data root.
inline constexpr std::string_view kMarker = "Velondo7/Dati/Velondo7.marker";

// The folders probed for the data root, in order (each ends with '/').
std::vector<std::string> DataRootCandidates(const Program& p);
// The last candidate holding the marker, or "" (paths then relative to the current folder).
std::string FindDataRoot(const Program& p);

// Splash window: Form_Load and TmrVia_Timer.
void SplashLoad(Program& p);
void ScaleSplash(Program& p);
void SplashTimer(Program& p);
// Main window: Form_Load and TmrScaricaSplash_Timer.
void MainLoad(Program& p);
void UnloadSplash(Program& p);

// The exit: the option bar's exit button, the panel's "Sì" and "No", the goodbye.
void ExitButtonClick(Program& p);
void ExitAnswerClick(Program& p, int index);
void Farewell(Program& p);
void ExitTimer(Program& p);
// Handlers of the exit (the exit button, "Sì"/"No", TmrEsci) and the farewell hook.
void InstallExit(Program& p);

// "Alla prossima!" … "Ti aspetto!" by index 1..8.
std::string_view FarewellText(int index);
// TmrVia's interval in ms by index 1..10.
int SplashDuration(int index);

}  // namespace velondo::app
