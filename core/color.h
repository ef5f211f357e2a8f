#pragma once
#include <cstdint>

namespace velondo {

// Colours are kept as the window stores them: &H00BBGGRR.
using Color = std::uint32_t;

constexpr Color Rgb(int r, int g, int b) {
    return static_cast<Color>(r) | (static_cast<Color>(g) << 8) | (static_cast<Color>(b) << 16);
}
constexpr int RedOf(Color c) { return c & 0xFF; }
constexpr int GreenOf(Color c) { return (c >> 8) & 0xFF; }
constexpr int BlueOf(Color c) { return (c >> 16) & 0xFF; }

namespace colors {
constexpr Color White = Rgb(255, 255, 255);
constexpr Color Black = Rgb(0, 0, 0);
constexpr Color WindowBack = Rgb(193, 209, 177);
constexpr Color PanelGrey = Rgb(224, 224, 224);
constexpr Color Cream = Rgb(253, 247, 215);
constexpr Color Pink = Rgb(255, 192, 192);
}  // namespace colors

}  // namespace velondo
