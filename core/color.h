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
// Every colour of the design, once; the comments say where it is used.
constexpr Color White = Rgb(255, 255, 255);
constexpr Color Black = Rgb(0, 0, 0);
constexpr Color WindowBack = Rgb(193, 209, 177);  // window, options box
constexpr Color PanelGrey = Rgb(224, 224, 224);   // top panel, keyboard band
constexpr Color Cream = Rgb(253, 247, 215);       // panels, message box, "N" and staff options on
constexpr Color Parchment = Rgb(250, 240, 205);   // splash window
constexpr Color Brown = Rgb(80, 60, 40);          // credits under the logo
constexpr Color DarkBrown = Rgb(70, 50, 30);      // splash credit
constexpr Color Pink = Rgb(255, 192, 192);        // pressed and chosen buttons, sound options on
constexpr Color LightRed = Rgb(255, 128, 128);    // panel buttons on, wrong key, error bars
constexpr Color Red = Rgb(255, 0, 0);             // sharps, countdown, record, range marker
constexpr Color DarkRed = Rgb(192, 0, 0);         // messages and problems
constexpr Color Maroon = Rgb(128, 0, 0);          // sound option signs
constexpr Color Orange = Rgb(255, 128, 0);        // double sharps
constexpr Color Peach = Rgb(255, 224, 192);       // save options on, "x" on
constexpr Color Tan = Rgb(222, 186, 165);         // "Tut" and "Sel" on
constexpr Color Yellow = Rgb(255, 255, 0);        // selected range mark, record blink
constexpr Color PaleYellow = Rgb(255, 255, 192);  // range mark: in the range
constexpr Color Blue = Rgb(0, 0, 255);            // flats
constexpr Color DarkBlue = Rgb(0, 0, 192);        // "Quando sei pronto…"
constexpr Color Lavender = Rgb(192, 192, 255);    // "b" on
constexpr Color Teal = Rgb(0, 128, 128);          // double flats
constexpr Color PaleCyan = Rgb(192, 255, 255);    // "bb" on
constexpr Color Green = Rgb(0, 192, 0);           // highlighted note, odd histogram columns
constexpr Color MidGreen = Rgb(0, 160, 0);        // key highlight option signs
constexpr Color DarkGreen = Rgb(0, 128, 0);       // seconds scale, key movement sign
constexpr Color LightGreen = Rgb(128, 255, 128);  // pressed key, even histogram columns
constexpr Color PaleGreen = Rgb(192, 255, 192);   // key options on
constexpr Color Purple = Rgb(192, 0, 192);        // reference lines and their words
constexpr Color Lilac = Rgb(255, 192, 255);       // reference line options on
constexpr Color Silver = Rgb(192, 192, 192);      // shaded white keys, shading on
constexpr Color Grey = Rgb(128, 128, 128);        // shaded black keys, chart frame
constexpr Color DimGrey = Rgb(96, 96, 96);        // shading sign
}  // namespace colors

}  // namespace velondo
