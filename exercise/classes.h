#pragma once
// The five spelling classes as the configuration panels and the note pool see them:
// class i = 1 … 5 is naturals, sharps, flats, double sharps, double flats.
#include <array>
#include <string_view>

#include "core/color.h"
#include "notation/notation.h"
#include "ui/keyboard.h"

namespace velondo::exercise {

constexpr int kClasses = 5;

struct SpellingClassInfo {
    std::string_view caption;  // button caption on the accidentals panel
    std::string_view picture;  // note on the middle line with its accidental
    Color colour;              // text colour of its spelled names
    int rowCode;               // 1, 2, 4, 8, 16
};

inline constexpr std::array<SpellingClassInfo, kClasses> kClassInfo{{
    {"Naturali", "Velondo7/Grafica/16.gif", ui::classcolor::Natural, 1},
    {"Diesis", "Velondo7/Grafica/16di.gif", ui::classcolor::Sharp, 2},
    {"Bemolli", "Velondo7/Grafica/16be.gif", ui::classcolor::Flat, 4},
    {"Doppi Diesis", "Velondo7/Grafica/16dd.gif", ui::classcolor::DoubleSharp, 8},
    {"Doppi Bemolli", "Velondo7/Grafica/16db.gif", ui::classcolor::DoubleFlat, 16},
}};

inline const SpellingClassInfo& ClassInfo(int i) { return kClassInfo[static_cast<size_t>(i - 1)]; }
inline notation::Spelling ClassSpelling(int i) { return static_cast<notation::Spelling>(i - 1); }
// The spelling table of class i (lblNaturali … lblDBemolli): names, range marks, count in 0.
inline ControlArray& ClassTable(Program& p, int i) {
    return notation::SpellingArray(p, ClassSpelling(i));
}

// Range marks, as the spelling tables keep them in their background colour.
namespace marks = ui::rangemark;

}  // namespace velondo::exercise
