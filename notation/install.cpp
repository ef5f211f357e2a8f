#include "notation/install.h"

#include "notation/notation.h"

namespace velondo::notation {

void Install(Program& p) {
    p.fields.add("PosizioneNota", p.state.PosizioneNota);
    p.fields.add("ChiaveScelta", p.state.ChiaveScelta);

    // Built-in register until the default profile brings its own labels.
    SetKeyboardRegister(p, Register::Acuta);
    p.state.PosizioneNota[0] = "DO1";
    p.state.PosizioneNota[50] = "";

    for (int s = 0; s < kSpellingClasses; ++s) {
        auto spelling = static_cast<Spelling>(s);
        ControlArray& cells = SpellingArray(p, spelling);
        cells[0].caption = "0";  // notes of this class in the pool
        for (int k = 1; k <= kKeys; ++k) cells[k].caption = KeySpelling(KeyNumber{k}, spelling);
    }

    p.handlers.add("cmdEstensioneGrave", "Click",
                   [](Program& prog, const Event&) { SetKeyboardRegister(prog, Register::Grave); });
    p.handlers.add("cmdEstensioneMedia", "Click",
                   [](Program& prog, const Event&) { SetKeyboardRegister(prog, Register::Media); });
    p.handlers.add("cmdEstensioneAcuta", "Click",
                   [](Program& prog, const Event&) { SetKeyboardRegister(prog, Register::Acuta); });
}

}  // namespace velondo::notation
