#pragma once
// The five spelling classes as the configuration panels and the note pool see them:
// class i = 1 … 5 is naturals, sharps, flats, double sharps, double flats.
#include "notation/notation.h"
#include "ui/keyboard.h"

namespace velondo::exercise {

constexpr int kClasses = 5;

inline notation::Spelling ClassSpelling(int i) { return static_cast<notation::Spelling>(i - 1); }
inline const notation::SpellingClassFacts& ClassInfo(int i) {
    return notation::Facts(ClassSpelling(i));
}
// The spelling table of class i (lblNaturali … lblDBemolli): names, range marks, count in 0.
inline ControlArray& ClassTable(Program& p, int i) {
    return notation::SpellingArray(p, ClassSpelling(i));
}

// Range marks, as the spelling tables keep them in their background colour.
namespace marks = ui::rangemark;

}  // namespace velondo::exercise
