#include "core/control.h"

#include <stdexcept>

#include "core/ports.h"

namespace velondo {

Control::Control(ControlRegistry& registry, std::string n, ControlKind k, int i)
    : name(std::move(n)), index(i), kind(k) {
    if (kind == ControlKind::Label) backColor = colors::White;
    if (index < 0) registry.add(this);
}

std::string Control::displayName() const {
    return index < 0 ? name : name + "(" + std::to_string(index) + ")";
}

ControlArray::ControlArray(ControlRegistry& registry, std::string n, ControlKind kind, int lo,
                           int hi)
    : name_(std::move(n)), lo_(lo), hi_(hi) {
    for (int i = lo; i <= hi; ++i) {
        items_.emplace_back(registry, name_, kind, i);
        registry.add(&items_.back());
    }
    registry.addArray(this);
}

Control& ControlArray::operator[](int i) {
    if (!contains(i)) throw std::out_of_range(name_ + "(" + std::to_string(i) + ")");
    return items_[static_cast<size_t>(i - lo_)];
}

const Control& ControlArray::operator[](int i) const {
    if (!contains(i)) throw std::out_of_range(name_ + "(" + std::to_string(i) + ")");
    return items_[static_cast<size_t>(i - lo_)];
}

Timer::Timer(ControlRegistry& registry, std::string name, int intervalMs)
    : name_(std::move(name)), interval_(intervalMs) {
    registry.addTimer(this);
}

void Timer::setEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    if (port_) port_->timerChanged(*this);
}

void Timer::setInterval(int ms) {
    interval_ = ms;
    if (port_ && enabled_) port_->timerChanged(*this);
}

void ControlRegistry::add(Control* c) {
    c->order = static_cast<int>(all_.size());
    all_.push_back(c);
    if (c->index < 0) singles_[c->name] = c;
}

void ControlRegistry::addArray(ControlArray* a) { arrays_[a->name()] = a; }

void ControlRegistry::addTimer(Timer* t) { timers_.push_back(t); }

Control* ControlRegistry::find(const std::string& name, int index) const {
    if (index < 0) {
        auto it = singles_.find(name);
        return it == singles_.end() ? nullptr : it->second;
    }
    auto it = arrays_.find(name);
    if (it == arrays_.end() || !it->second->contains(index)) return nullptr;
    return &(*it->second)[index];
}

ControlArray* ControlRegistry::findArray(const std::string& name) const {
    auto it = arrays_.find(name);
    return it == arrays_.end() ? nullptr : it->second;
}

Timer* ControlRegistry::findTimer(const std::string& name) const {
    for (Timer* t : timers_)
        if (t->name() == name) return t;
    return nullptr;
}

}  // namespace velondo
