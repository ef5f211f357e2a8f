#pragma once
// What must hold after every event, whatever the events were: the ranges of the drill and
// results fields, the ranking's order and colours, the highlight frame, the timers, the
// number fields, and the data files the program wrote.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "core/program.h"

namespace velondo::scenario {

class InvariantChecker {
public:
    // held: the controls a mouse button is down on ("lblMedio(1)"), which explain the
    // auto-repeat timers; nowMs: virtual time, for the one-shot timers' lifetimes.
    std::vector<std::string> check(const Program& p, std::int64_t nowMs,
                                   const std::vector<std::string>& held);
    // Data files below root's Velondo7/Dati and Velondo7/Impostazioni written since the last
    // call: each must read back whole. Returns what is wrong.
    std::vector<std::string> checkFiles(const std::string& root);
    // Forgets the timers' history (a fresh program).
    void restart() { enabledSince_.clear(); }

    long long checks() const { return checks_; }
    long long filesChecked() const { return filesChecked_; }

private:
    void expect(bool ok, const std::string& what, std::vector<std::string>& out);
    std::map<std::string, std::int64_t> enabledSince_;
    std::map<std::string, std::pair<std::uintmax_t, std::int64_t>> seen_;  // size, mtime
    long long checks_ = 0;
    long long filesChecked_ = 0;
};

// Why a data file does not read back whole (line count, CR LF, quoting), or "".
std::string DataFileProblem(const std::string& path);

}  // namespace velondo::scenario
