#include "app/wiring.h"

#include "app/install.h"
#include "drill/drill.h"
#include "drill/install.h"
#include "exercise/install.h"
#include "notation/install.h"
#include "print/install.h"
#include "sound/install.h"
#include "sound/sound.h"
#include "storage/install.h"
#include "ui/install.h"
#include "ui/keyboard.h"

namespace velondo {

void InstallAll(Program& program) {
    // Lower layers first: a later Install may refine the design an earlier one set.
    notation::Install(program);
    sound::Install(program);
    ui::Install(program);
    exercise::Install(program);
    drill::Install(program);
    storage::Install(program);
    print::Install(program);
    app::Install(program);

    // A key press is shared by three subsystems, in this order: the keyboard lights the
    // key, the sound layer sounds it, the drill judges it.
    program.handlers.add("lblTasto", "MouseDown", [](Program& p, const Event& e) {
        if (e.index < 1 || e.index > notation::kKeys) return;
        const notation::KeyNumber key{e.index};
        ui::KeyPressDisplay(p, key);
        sound::KeySample(p, key);
        drill::CheckAnswer(p, key);
    });
    program.handlers.add("lblTasto", "MouseUp", [](Program& p, const Event& e) {
        if (e.index < 1 || e.index > notation::kKeys) return;
        ui::KeyReleaseDisplay(p, notation::KeyNumber{e.index});
    });
}

}  // namespace velondo
