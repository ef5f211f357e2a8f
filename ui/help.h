#pragma once
// The help panel (panel 8): a list of topics and the explanation of the topic clicked.
#include <string_view>

#include "core/program.h"

namespace velondo::ui {

struct HelpTopic {
    std::string_view title;        // list text, leading blanks included
    std::string_view explanation;  // shown when the topic is clicked
};
// Every topic in list order; the first is the options box itself.
const HelpTopic* HelpTopics(size_t* count);

// Fills the topic list once (start-up, after the window is laid out).
void FillHelpList(Program& p);
// lstGuida_Click: the explanation of the selected topic.
void ShowHelpTopic(Program& p);

void DesignHelpPanel(Program& p);
void InstallHelpPanel(Program& p);

}  // namespace velondo::ui
