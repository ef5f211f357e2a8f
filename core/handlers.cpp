#include "core/handlers.h"

namespace velondo {

void HandlerTable::add(const std::string& control, const std::string& event, Handler h) {
    auto& entries = table_[control + "." + event];
    std::erase_if(entries, [](const Entry& e) { return e.lo > e.hi; });
    entries.push_back({1, 0, std::move(h)});
}

void HandlerTable::add(const std::string& control, const std::string& event, int lo, int hi,
                       Handler h) {
    table_[control + "." + event].push_back({lo, hi, std::move(h)});
}

const Handler* HandlerTable::find(const std::string& control, const std::string& event,
                                  int index) const {
    auto it = table_.find(control + "." + event);
    if (it == table_.end()) return nullptr;
    // A handler for the index's own range wins over one for every index; later wins ties.
    const Handler* any = nullptr;
    for (auto e = it->second.rbegin(); e != it->second.rend(); ++e) {
        if (e->lo <= e->hi) {
            if (index >= e->lo && index <= e->hi) return &e->handler;
        } else if (!any) {
            any = &e->handler;
        }
    }
    return any;
}

std::vector<std::string> HandlerTable::names() const {
    std::vector<std::string> out;
    for (const auto& [k, v] : table_) out.push_back(k);
    return out;
}

}  // namespace velondo
