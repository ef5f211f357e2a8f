#include "sound/install.h"

#include "sound/sound.h"

namespace velondo::sound {

void Install(Program& p) {
    p.fields.add("NotaPremuta", p.state.NotaPremuta);
    p.fields.add("SuonaNota", p.state.SuonaNota);
    p.hooks.loadSounds = [](Program& prog) {
        LoadPianoSamples(prog);
        LoadEffectSounds(prog);
    };
}

}  // namespace velondo::sound
