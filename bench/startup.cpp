// Start-up time: from the main window's Form_Load to its first painted frame, with the
// whole delivered data tree (every picture and piano sample loaded), and the peak memory.
#include <sys/resource.h>

#include <QApplication>
#include <QImage>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "app/wiring.h"
#include "view/main_view.h"
#include "view/real_ports.h"

using namespace velondo;

namespace {

struct Timing {
    double load, paint;  // ms: Form_Load, then the first frame
};

// One start of the program.
Timing StartOnce() {
    view::EventGate gate;
    view::RealPorts real(gate, view::RealPorts::Midi::Off);
    Program program(real.ports());
    real.attach(program);
    InstallAll(program);
    program.dataRootCandidates = {VELONDO_SOURCE_DATA_DIR};
    program.call("frmSplashVelondo7", "Load");

    const auto start = std::chrono::steady_clock::now();
    program.call("frmVelondo7Principale2", "Load");
    const auto loaded = std::chrono::steady_clock::now();
    view::ProgramViews views(program, gate);
    views.main.sync();
    QImage frame(views.main.size(), QImage::Format_ARGB32);
    views.main.render(&frame);
    const auto end = std::chrono::steady_clock::now();
    using Ms = std::chrono::duration<double, std::milli>;
    return {Ms(loaded - start).count(), Ms(end - loaded).count()};
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    constexpr int kRuns = 10;
    std::vector<double> ms, load, paint;
    for (int i = 0; i < kRuns; ++i) {
        const Timing t = StartOnce();
        ms.push_back(t.load + t.paint);
        load.push_back(t.load);
        paint.push_back(t.paint);
    }
    auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
    };
    std::sort(ms.begin(), ms.end());
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf(
        "startup: Form_Load to first painted frame over %d runs: min %.1f ms, median %.1f ms, max "
        "%.1f ms\n",
        kRuns, ms.front(), median(ms), ms.back());
    std::printf("startup: median Form_Load %.1f ms, median first paint %.1f ms\n", median(load),
                median(paint));
    std::printf("startup: peak RSS %.1f MB\n", usage.ru_maxrss / 1024.0);
    return 0;
}
