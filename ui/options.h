#pragma once
// The on/off buttons of the options box (see Option in core/main_window.h): their design,
// their on/off look, and the one way the program clicks them. The subsystem that acts on
// an option owns its click and says so once with Own; the view and the scenario scripts
// reach that click by the button's name (lblVisualizza(10).Click), the program by Click.
#include <functional>

#include "core/program.h"

namespace velondo::options {

using ClickFunction = std::function<void(Program&)>;

// The owner of an option's click; also makes the click reachable by the button's name.
void Own(Program& p, Option o, ClickFunction click);
// The click of an option, as the student's click. An option nobody owns yet is a fault.
void Click(Program& p, Option o);
// The same click replayed by the program `times` times: SilentClicks is set while it runs,
// so the owners leave out their click sound.
void SilentClick(Program& p, Option o, int times = 1);

// The option's look, on (its own designed colour) or off, without acting on it.
void Set(Program& p, Option o, bool on);
inline bool IsOn(const Program& p, Option o) { return p.main.isOn(o); }

// The design of every option button, the print button and the save buttons.
void DesignOptionButtons(Program& p);

}  // namespace velondo::options
