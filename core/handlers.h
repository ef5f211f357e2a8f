#pragma once
// Event handlers by control and event name ("lblTasto", "MouseDown"), so the view, the
// timers and the scenario scripts all reach the same code. A control array may have
// several handlers for one event, each for its own index range (the options box and the
// keyboard share lblVisualizza_Click).
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace velondo {

struct Program;

struct Event {
    int index = -1;       // element of the control array, -1 for a single control
    int keyCode = 0;      // KeyDown / KeyPress
    int button = 1;       // mouse button (1 left)
    double x = 0, y = 0;  // mouse position in twips, relative to the control
};

using Handler = std::function<void(Program&, const Event&)>;

class HandlerTable {
public:
    // For every index (or a single control).
    void add(const std::string& control, const std::string& event, Handler h);
    // For the indices lo..hi of a control array only.
    void add(const std::string& control, const std::string& event, int lo, int hi, Handler h);
    const Handler* find(const std::string& control, const std::string& event, int index = -1) const;
    bool has(const std::string& control, const std::string& event, int index = -1) const {
        return find(control, event, index) != nullptr;
    }
    std::vector<std::string> names() const;

private:
    struct Entry {
        int lo, hi;  // lo > hi: every index
        Handler handler;
    };
    std::map<std::string, std::vector<Entry>> table_;
};

}  // namespace velondo
