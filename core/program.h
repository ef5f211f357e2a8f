#pragma once
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/exercise_state.h"
#include "core/fields.h"
#include "core/handlers.h"
#include "core/main_window.h"
#include "core/ports.h"

namespace velondo {

// The window scale factors, set once at start-up; 1 when the screen keeps the design size.
struct ScaleFactors {
    double fx = 1.0, fy = 1.0, ff = 1.0;
    bool scaled = false;
};

// Where the data root may lie, in probe order: the installed trees, the student's own root,
// then a tree used as it is (the source tree of a development build).
struct DataPlaces {
    std::vector<std::string> installed;  // delivered with the program: never written
    std::string perUser;                 // "" when the student has no home folder
    std::string working;                 // "" when there is none
};

// Calls from a lower subsystem into one installed above it, and the steps of the fixed
// start-up and exit sequences, each supplied by the subsystem that owns it (set by its
// Install). An empty hook does nothing: its step comes with a later subsystem.
struct Hooks {
    std::function<void(Program&)> saveAfterTrial;  // storage: after a trial's results are in
    std::function<void(Program&)> readDefaultProfile;
    std::function<void(Program&)> readOptions;
    std::function<void(Program&)> syncOptionButtons;
    std::function<void(Program&)> readStudentName;
    std::function<void(Program&)> writeSmallStateFiles;  // options, sound switch, name
    std::function<void(Program&)> rebuildHistogram;
    std::function<void(Program&)> loadSounds;  // piano samples, then effects
    std::function<void(Program&)>
        farewell;  // app: the exit's goodbye, once the save prompt is answered
    // The owner of each option button's click (see ui/options.h); empty: none yet.
    std::array<std::function<void(Program&)>, kOptions> optionClick;
    // storage: the save prompt the exit opens for unsaved results (sets the message, shows panel 9)
    std::function<void(Program&, const std::string& message)> showSavePrompt;
};
inline void Run(const std::function<void(Program&)>& hook, Program& p) {
    if (hook) hook(p);
}

// The whole running program: both windows, the state and the ports it talks through.
struct Program {
    explicit Program(Ports ports);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    Ports ports;
    ExerciseState state;
    MainWindow main;
    SplashWindow splash;
    FieldRegistry fields;
    HandlerTable handlers;
    ScaleFactors scale;
    Hooks hooks;

    bool mainLoaded = false;    // main window loaded and shown
    bool splashLoaded = false;  // splash window loaded
    bool ended = false;         // the main window was unloaded: the program is over

    // Data root candidates to probe instead of the platform's own list (tests).
    std::vector<std::string> dataRootCandidates;
    // The program's own places (set from its folder at start-up); unset: those of this build.
    std::optional<DataPlaces> dataPlaces;

    // False when the data root is a tree the program must not change (an installed tree whose
    // per-user copy could not be made): every writer then leaves the files as they are.
    bool dataWritable() const { return dataWritable_; }
    void setDataWritable(bool writable) { dataWritable_ = writable; }

    // Calls a handler by control and event name. There must be one: a call of a handler
    // that does not exist is a fault, logged, and answered false.
    bool call(const std::string& control, const std::string& event, const Event& e = {});
    // An event the view forwards whether or not the program listens to it; false when not.
    bool offer(const std::string& control, const std::string& event, const Event& e = {});
    // Reports a fault of the program itself through the log port.
    void logError(const std::string& message);
    bool call(const std::string& control, int index, const std::string& event) {
        Event e;
        e.index = index;
        return call(control, event, e);
    }
    // Fires a timer's handler ("TmrVia" → "TmrVia.Timer").
    void fireTimer(Timer& timer);

    // DataRoot + a path below it ("Velondo7/Grafica/Ch01.gif").
    std::string path(const std::string& relative) const { return state.Dir + relative; }

    Control* findControl(const std::string& name, int index = -1) const;
    Timer* findTimer(const std::string& name) const;

private:
    bool dataWritable_ = true;
};

// Index 1..n of a choice among n items drawn from x (a random number corrected by the
// clock): 1 + (Int(n × x) mod n) with a non-negative remainder.
int ChoiceIndex(int n, double x);
// The usual draw: x = r + minute/60 − second/61.
int ClockChoice(int n, double r, const DateTime& now);

}  // namespace velondo
