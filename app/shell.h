#pragma once
// Start-up, the data root, the splash window and the exit sequence.
#include <string>
#include <string_view>
#include <vector>

#include "app/data_root.h"
#include "core/program.h"

namespace velondo::app {

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
// The session ends the program (SIGTERM): the small state files are written as at the exit.
void EndSession(Program& p);
// Handlers of the exit (the exit button, "Sì"/"No", TmrEsci) and the farewell hook.
void InstallExit(Program& p);

// "Alla prossima!" … "Ti aspetto!" by index 1..8.
std::string_view FarewellText(int index);
// TmrVia's interval in ms by index 1..10.
int SplashDuration(int index);

}  // namespace velondo::app
