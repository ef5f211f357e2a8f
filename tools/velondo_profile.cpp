// velondo-profile: writes the delivered profiles with the program's own writer, and checks
// a profile file the way the load flow does.
//   velondo-profile default FILE   the initial values of every field (Default.txt)
//   velondo-profile example FILE   the example exercise "00000 - Esempio da non cancellare"
//   velondo-profile check FILE     reads FILE; exit status 1 and the first bad line if refused
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "app/wiring.h"
#include "core/testing/test_adapters.h"
#include "storage/profile.h"

using namespace velondo;

namespace {

// The example: Violino, the range of the design (DO3 to LA4), naturals and sharps,
// composed through the same panels a student uses.
void ComposeExample(testing::TestRig& rig, Program& p) {
    p.call("lblPulsante", 2, "Click");
    p.call("lblClickChiave", 1, "Click");
    rig.time.advance(50, p);
    p.call("lblPulsante", 0, "Click");
    p.call("lblClickAlterazioni", 2, "Click");
    p.call("lblPulsante", 4, "Click");
    p.state.Progressivo = 0;
    p.main.lblVoceOpzioni[11].caption = "00000 - Esempio da non cancellare";
}

int Write(const std::string& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
    out.close();
    if (!out) {
        std::cerr << "cannot write " << file << "\n";
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: velondo-profile default|example|check FILE\n";
        return 2;
    }
    const std::string mode = argv[1], file = argv[2];
    testing::TestRig rig;
    Program& p = *rig.program;
    InstallAll(p);
    if (mode == "default") return Write(file, storage::ProfileBytes(p));
    if (mode == "example") {
        ComposeExample(rig, p);
        return Write(file, storage::ProfileBytes(p));
    }
    if (mode == "check") {
        std::ifstream in(file, std::ios::binary);
        if (!in) {
            std::cerr << file << ": cannot read\n";
            return 1;
        }
        const std::string bytes((std::istreambuf_iterator<char>(in)), {});
        storage::ProfileRead read = storage::ParseProfile(bytes);
        if (read.problem) {
            std::cout << file << ":" << read.problem->line << ": " << read.problem->what << "\n";
            return 1;
        }
        std::cout << file << ": " << storage::kProfileLines << " righe, valido\n";
        return 0;
    }
    std::cerr << "unknown mode " << mode << "\n";
    return 2;
}
