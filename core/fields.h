#pragma once
// Names of the state fields, for the scenario driver and the dump: each subsystem
// registers the fields it owns, by the name the window gives them.
#include <array>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/color.h"
#include "core/text_number.h"

namespace velondo {

struct FieldAccess {
    int lo = -1, hi = -1;  // index range for arrays; -1/-1 for a single field
    std::function<std::string(int)> get;
    // false when the text does not read as a value of the field (nothing changes then)
    std::function<bool(int, const std::string&)> set;
};

class FieldRegistry {
public:
    void add(const std::string& name, std::string& field);
    void add(const std::string& name, int& field);
    void add(const std::string& name, bool& field);
    void addColor(const std::string& name, Color& field);
    template <size_t N>
    void add(const std::string& name, std::array<std::string, N>& a, int lo = 0) {
        addArray(name, lo, lo + static_cast<int>(N) - 1,
                 [&a, lo](int i) -> std::string& { return a[static_cast<size_t>(i - lo)]; });
    }
    template <size_t N>
    void add(const std::string& name, std::array<int, N>& a, int lo = 0) {
        FieldAccess f{lo, lo + static_cast<int>(N) - 1,
                      [&a, lo](int i) { return std::to_string(a[static_cast<size_t>(i - lo)]); },
                      [&a, lo](int i, const std::string& v) {
                          const std::optional<int> n = NumberOf(v);
                          if (n) a[static_cast<size_t>(i - lo)] = *n;
                          return n.has_value();
                      }};
        fields_[name] = std::move(f);
    }
    void addCustom(const std::string& name, FieldAccess access) {
        fields_[name] = std::move(access);
    }

    const FieldAccess* find(const std::string& name) const;
    const std::map<std::string, FieldAccess>& all() const { return fields_; }

private:
    void addArray(const std::string& name, int lo, int hi,
                  std::function<std::string&(int)> element);
    std::map<std::string, FieldAccess> fields_;
};

}  // namespace velondo
