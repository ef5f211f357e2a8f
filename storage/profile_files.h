#pragma once
// Which profile file is read or written when: the default profile, the saved profile in
// use, the example, and the save under a new name. A file that cannot be read is refused
// before anything changes; a write that fails keeps the results in memory. Both are told
// in the message box.
#include <optional>
#include <string>
#include <vector>

#include "core/program.h"
#include "storage/profile.h"

namespace velondo::storage {

inline constexpr const char* kDefaultProfile = "Velondo7/Dati/Default.txt";
inline constexpr const char* kProfileFolder = "Velondo7/Impostazioni/";
inline constexpr const char* kExampleProfileName = "00000 - Esempio da non cancellare.txt";
inline constexpr const char* kDamagedSuffix = ".danneggiato";

// The profile folder with its trailing slash, and the example profile in it.
std::string ProfileFolder(const Program& p);
std::string ExampleProfile(const Program& p);
// The profile folder itself stands for the example profile.
std::string WithExampleFallback(const Program& p, const std::string& path);

// Start-up: the default profile, or the initial values when it is missing or damaged
// (a damaged file is first moved aside and the message box says where).
void ReadDefaultProfile(Program& p);
// Reads and checks a whole profile file without changing the program; nullopt when it is
// refused (the message box names the file and the first bad line).
std::optional<std::vector<FieldValue>> CheckProfile(Program& p, const std::string& path);
// The load flow's file (PercorsoFileDaAprire); false when it was refused.
bool ReadProfile(Program& p);
// After a trial; false when the write failed (the message box says why).
bool WriteDefaultProfile(Program& p);
bool WriteProfile(Program& p);
// The save-as flow: path is the file chosen; sets NomeFile and the profile name.
bool SaveProfileAs(Program& p, const std::string& path);

// The free name for a damaged file: "Default.txt.danneggiato", then ".danneggiato2", …
std::string DamagedName(const Program& p, const std::string& path);
// Shows a text in the message box.
void ShowFileNotice(Program& p, const std::string& text);
void DesignFileNotice(Program& p);

}  // namespace velondo::storage
