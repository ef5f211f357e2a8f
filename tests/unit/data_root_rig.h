#pragma once
// A whole program on the test adapters, on a temporary data root of its own with the two
// profile folders, removed with the rig; and the raw bytes of a file.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "app/wiring.h"
#include "core/program.h"
#include "core/testing/test_adapters.h"

namespace velondo::testing {

inline std::string Slurp(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void Put(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

struct DataRootRig {
    // tag keeps the roots of rigs alive at the same time apart.
    explicit DataRootRig(const std::string& tag)
        : root(std::filesystem::temp_directory_path() /
               ("velondo-" + tag + "-" + std::to_string(::getpid()))) {
        std::filesystem::remove_all(root);
        std::filesystem::create_directories(root / "Velondo7/Dati");
        std::filesystem::create_directories(root / "Velondo7/Impostazioni");
        InstallAll(p);
        p.state.Dir = root.string() + "/";
    }
    ~DataRootRig() { std::filesystem::remove_all(root); }
    DataRootRig(const DataRootRig&) = delete;
    DataRootRig& operator=(const DataRootRig&) = delete;

    std::filesystem::path root;
    TestRig rig;
    Program& p = *rig.program;
};

}  // namespace velondo::testing
