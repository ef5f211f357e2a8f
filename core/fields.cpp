#include "core/fields.h"

#include <charconv>

namespace velondo {

void FieldRegistry::add(const std::string& name, std::string& field) {
    fields_[name] = {-1, -1, [&field](int) { return field; },
                     [&field](int, const std::string& v) {
                         field = v;
                         return true;
                     }};
}

void FieldRegistry::add(const std::string& name, int& field) {
    fields_[name] = {-1, -1, [&field](int) { return std::to_string(field); },
                     [&field](int, const std::string& v) {
                         const std::optional<int> n = NumberOf(v);
                         if (n) field = *n;
                         return n.has_value();
                     }};
}

void FieldRegistry::add(const std::string& name, bool& field) {
    fields_[name] = {-1, -1, [&field](int) { return std::string(field ? "1" : "0"); },
                     [&field](int, const std::string& v) {
                         field = (v == "1" || v == "True");
                         return true;
                     }};
}

void FieldRegistry::addColor(const std::string& name, Color& field) {
    fields_[name] = {-1, -1, [&field](int) { return std::to_string(field); },
                     [&field](int, const std::string& v) {
                         Color c = 0;
                         auto [ptr, ec] = std::from_chars(v.data(), v.data() + v.size(), c);
                         if (v.empty() || ec != std::errc() || ptr != v.data() + v.size())
                             return false;
                         field = c;
                         return true;
                     }};
}

void FieldRegistry::addArray(const std::string& name, int lo, int hi,
                             std::function<std::string&(int)> element) {
    fields_[name] = {lo, hi, [element](int i) { return element(i); },
                     [element](int i, const std::string& v) {
                         element(i) = v;
                         return true;
                     }};
}

const FieldAccess* FieldRegistry::find(const std::string& name) const {
    auto it = fields_.find(name);
    return it == fields_.end() ? nullptr : &it->second;
}

}  // namespace velondo
