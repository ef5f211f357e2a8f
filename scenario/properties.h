#pragma once
// Control properties by the names the scripts use (Visible, Caption, BackColor, …).
#include <optional>
#include <string>
#include <vector>

#include "core/control.h"

namespace velondo::scenario {

// Numbers as the shortest text that reads back the same ("675", "14.7692").
std::string NumberText(double v);

// The property's value as text; nullopt for an unknown property. Pictures are given
// relative to dataRoot.
std::optional<std::string> GetProperty(const Control& c, const std::string& property,
                                       const std::string& dataRoot);
// Sets a property from text; false for an unknown property or a bad value.
bool SetProperty(Control& c, const std::string& property, const std::string& value,
                 const std::string& dataRoot);
const std::vector<std::string>& PropertyNames();

}  // namespace velondo::scenario
