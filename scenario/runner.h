#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/testing/test_adapters.h"
#include "scenario/script.h"

namespace velondo::view {
class ViewHost;
}

namespace velondo::scenario {

struct Options {
    std::string dataDir;   // copied afresh for every script; it is the DataRoot
    std::string shotsDir;  // where shot writes its PNG files
};

struct Tally {
    int passed = 0;
    int failed = 0;
    bool unknown = false;  // an unknown command, control or field
};

// Runs one script in a fresh program on a fresh copy of the data folder.
class Runner {
    friend class Monkey;

public:
    Runner(const Options& options, std::string scriptPath);
    ~Runner();
    Tally run();

private:
    void execute(const Line& line);
    void fail(const Line& line, const std::string& message);
    void failExpect(const Line& line, const std::string& what, const std::string& expected,
                    const std::string& actual);
    void pass() { ++tally_.passed; }
    void unknown(const Line& line, const std::string& message);

    void cmdStart(const Line& line);
    void cmdWait(std::int64_t ms);
    void cmdExpect(const Line& line);
    void cmdExpectFile(const Line& line);
    void cmdExpectPage(const Line& line);
    void cmdCall(const Line& line, const Target& t);
    void cmdAssign(const Line& line, const Target& t, const std::string& value);
    void cmdDump();
    void cmdMidi(const Line& line);
    void cmdKeys(const Line& line);
    void cmdMonkey(const Line& line);
    // A fresh program on the same data copy, as after the window closed.
    void restartProgram();
    view::ViewHost& viewHost();
    void makeReadOnly(const std::string& folder);
    void releaseReadOnly();
    void afterStep();

    std::optional<std::string> fieldValue(const std::string& name, int index, bool* known);
    Control* control(const std::string& name, int index);

    Options options_;
    std::string script_;
    std::string dataRoot_;  // the temporary copy, ending with '/'
    testing::TestRig rig_;
    Program* program_ = nullptr;
    std::unique_ptr<view::ViewHost> view_;
    std::vector<std::string> soundLog_;
    Tally tally_;
    std::vector<std::string> readOnly_;
};

}  // namespace velondo::scenario
