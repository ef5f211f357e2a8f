#include "core/program.h"

#include <cmath>

namespace velondo {

Program::Program(Ports p) : ports(p) {
    for (Timer* t : main.registry.timers()) t->bind(ports.timers);
    for (Timer* t : splash.registry.timers()) t->bind(ports.timers);
}

bool Program::call(const std::string& control, const std::string& event, const Event& e) {
    if (offer(control, event, e)) return true;
    logError("no handler " + control + (e.index >= 0 ? "(" + std::to_string(e.index) + ")" : "") +
             "." + event);
    return false;
}

bool Program::offer(const std::string& control, const std::string& event, const Event& e) {
    const Handler* h = handlers.find(control, event, e.index);
    if (!h) return false;
    (*h)(*this, e);
    return true;
}

void Program::logError(const std::string& message) {
    if (ports.log) ports.log->error(message);
}

void Program::fireTimer(Timer& timer) {
    if (!timer.enabled()) return;
    call(timer.name(), "Timer");
}

Control* Program::findControl(const std::string& name, int index) const {
    if (Control* c = main.registry.find(name, index)) return c;
    return splash.registry.find(name, index);
}

Timer* Program::findTimer(const std::string& name) const {
    if (Timer* t = main.registry.findTimer(name)) return t;
    return splash.registry.findTimer(name);
}

int ChoiceIndex(int n, double x) {
    long long v = static_cast<long long>(std::floor(n * x));
    long long m = v % n;
    if (m < 0) m += n;
    return 1 + static_cast<int>(m);
}

int ClockChoice(int n, double r, const DateTime& now) {
    return ChoiceIndex(n, r + now.minute / 60.0 - now.second / 61.0);
}

}  // namespace velondo
