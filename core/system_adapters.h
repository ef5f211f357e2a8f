#pragma once
// Adapters of the ports that need nothing but the standard library.
#include <random>

#include "core/ports.h"

namespace velondo {

class SystemClock : public Clock {
public:
    DateTime now() const override;
    std::int64_t steadyMs() const override;
};

class SystemRandom : public Random {
public:
    void seedFromClock(const DateTime& now) override;
    double next() override;

private:
    std::mt19937_64 engine_{12345};
};

// Faults on the standard error stream.
class StderrLog : public LogPort {
public:
    void error(const std::string& message) override;
};

class SystemFiles : public FilesPort {
public:
    bool exists(const std::string& path) const override;
};

}  // namespace velondo
