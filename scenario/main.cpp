// velondo-scenario [--data DIR] [--shots DIR] SCRIPT…
// Runs scenario scripts on the real core (and the real view for shot and mouse input).
#include <QApplication>
#include <cstdlib>
#include <iostream>
#include <memory>

#include "scenario/runner.h"

#ifndef VELONDO_SOURCE_DATA_DIR
#define VELONDO_SOURCE_DATA_DIR "data/"
#endif

int main(int argc, char** argv) {
    velondo::scenario::Options options{VELONDO_SOURCE_DATA_DIR, "shots"};
    std::vector<std::string> scripts;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--data" && i + 1 < argc)
            options.dataDir = argv[++i];
        else if (a == "--shots" && i + 1 < argc)
            options.shotsDir = argv[++i];
        else
            scripts.push_back(a);
    }
    if (scripts.empty()) {
        std::cerr << "usage: velondo-scenario [--data DIR] [--shots DIR] SCRIPT...\n";
        return 2;
    }
    // The view renders offscreen; nothing is shown on a screen.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);

    int passed = 0, failed = 0;
    bool unknown = false;
    for (const auto& s : scripts) {
        velondo::scenario::Runner runner(options, s);
        auto tally = runner.run();
        passed += tally.passed;
        failed += tally.failed;
        unknown = unknown || tally.unknown;
    }
    std::cout << passed << " passed, " << failed << " failed\n";
    return failed == 0 && !unknown ? 0 : 1;
}
