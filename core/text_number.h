#pragma once
// Whole numbers kept as texts: the captions and the fields the profile files store as
// text. Logic reads them through NumberOf, the one reader of such texts.
#include <charconv>
#include <optional>
#include <string_view>

namespace velondo {

// The number a whole text writes in decimal digits (a leading '-' allowed); nullopt for
// any other text, an empty one, or one out of range.
inline std::optional<int> NumberOf(std::string_view text) {
    int v = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, v);
    if (text.empty() || ec != std::errc() || ptr != end) return std::nullopt;
    return v;
}

}  // namespace velondo
