#pragma once
// The data root: where it may lie on this machine, and the student's own copy of an
// installed tree, made on the first start so that nothing is written into the installed one.
#include <string>
#include <string_view>
#include <vector>

#include "core/program.h"

namespace velondo::app {

// The file whose presence marks a folder as a data root.
inline constexpr std::string_view kMarker = "Velondo7/Dati/Velondo7.marker";

// Shown in the message box when the student's own data root cannot be made.
inline constexpr std::string_view kNoUserDataText =
    "Non posso creare la cartella dei tuoi dati: questa volta Velondo non salverà nulla.";

// The places of this machine for a program started from programDir ("" when unknown):
// VELONDO_DATA_ROOT alone when it is set; otherwise the installed tree of the build's prefix
// and the one beside programDir's bin/ folder, the student's root, and, unless the program
// runs installed, the source tree.
DataPlaces PlatformPlaces(const std::string& programDir);
// $XDG_DATA_HOME/velondo/, else $HOME/.local/share/velondo/, else "".
std::string UserDataRoot();
// The probe order of the places.
std::vector<std::string> Candidates(const DataPlaces& places);

// The folders probed for the data root, in order (each ends with '/').
std::vector<std::string> DataRootCandidates(const Program& p);
// The last candidate holding the marker, or "" (paths then relative to the current folder).
std::string FindDataRoot(const Program& p);

// True when the program may write the profiles and state files of root.
bool WritableRoot(const std::string& root);
// Makes the student's root `user` from the installed root `installed`, or completes it:
// Dati and Impostazioni are copied (a file already there is kept as it is), Grafica, Piano
// and Suoni are links to the installed tree. The marker comes last, so a root cut short is
// never taken for a finished one. Returns "" or what failed.
std::string MakeUserDataRoot(const std::string& installed, const std::string& user);

// Before the probe: when the root found must not be written, makes the student's own root
// (which the probe then finds, as the later candidate); when that cannot be done, clears
// dataWritable. Returns "" or what failed.
std::string PrepareDataRoot(Program& p);
// The message box tells the student that nothing will be saved, when that is so.
void ShowDataRootProblem(Program& p);

}  // namespace velondo::app
