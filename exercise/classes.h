#pragma once
// The five spelling classes as the configuration panels and the note pool see them:
// class i = 1 … 5 is naturals, sharps, flats, double sharps, double flats.
#include <array>
#include <string_view>

#include "core/color.h"
#include "notation/notation.h"

namespace velondo::exercise {

constexpr int kClasses = 5;

struct SpellingClassInfo {
    std::string_view caption;  // button caption on the accidentals panel
    std::string_view picture;  // note on the middle line with its accidental
    Color colour;              // text colour of its spelled names
    int rowCode;               // 1, 2, 4, 8, 16
};

inline constexpr std::array<SpellingClassInfo, kClasses> kClassInfo{{
    {"Naturali", "Velondo7/Grafica/16.gif", colors::Black, 1},
    {"Diesis", "Velondo7/Grafica/16di.gif", Rgb(255, 0, 0), 2},
    {"Bemolli", "Velondo7/Grafica/16be.gif", Rgb(0, 0, 255), 4},
    {"Doppi Diesis", "Velondo7/Grafica/16dd.gif", Rgb(255, 128, 0), 8},
    {"Doppi Bemolli", "Velondo7/Grafica/16db.gif", Rgb(0, 128, 128), 16},
}};

inline const SpellingClassInfo& ClassInfo(int i) { return kClassInfo[static_cast<size_t>(i - 1)]; }
inline notation::Spelling ClassSpelling(int i) { return static_cast<notation::Spelling>(i - 1); }
// The spelling table of class i (lblNaturali … lblDBemolli): names, range marks, count in 0.
inline ControlArray& ClassTable(Program& p, int i) {
    return notation::SpellingArray(p, ClassSpelling(i));
}

// Range marks, as the spelling tables keep them in their background colour.
namespace marks {
constexpr Color None = Rgb(255, 255, 255);
constexpr Color InRange = Rgb(255, 255, 192);
constexpr Color Selected = Rgb(255, 255, 0);
}  // namespace marks

}  // namespace velondo::exercise
