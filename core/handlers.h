#pragma once
// Event handlers by control and event name ("lblTasto", "MouseDown"), so the view, the
// timers and the scenario scripts all reach the same code.
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace velondo {

struct Program;

struct Event {
    int index = -1;   // element of the control array, -1 for a single control
    int keyCode = 0;  // KeyDown / KeyPress
    int button = 1;   // mouse button (1 left)
    double x = 0, y = 0;  // mouse position in twips, relative to the control
};

using Handler = std::function<void(Program&, const Event&)>;

class HandlerTable {
public:
    void add(const std::string& control, const std::string& event, Handler h);
    const Handler* find(const std::string& control, const std::string& event) const;
    bool has(const std::string& control, const std::string& event) const {
        return find(control, event) != nullptr;
    }
    std::vector<std::string> names() const;

private:
    std::map<std::string, Handler> table_;
};

}  // namespace velondo
