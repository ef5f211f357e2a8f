#include "core/handlers.h"

namespace velondo {

void HandlerTable::add(const std::string& control, const std::string& event, Handler h) {
    table_[control + "." + event] = std::move(h);
}

const Handler* HandlerTable::find(const std::string& control, const std::string& event) const {
    auto it = table_.find(control + "." + event);
    return it == table_.end() ? nullptr : &it->second;
}

std::vector<std::string> HandlerTable::names() const {
    std::vector<std::string> out;
    for (const auto& [k, v] : table_) out.push_back(k);
    return out;
}

}  // namespace velondo
