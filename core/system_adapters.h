#pragma once
// Adapters of the ports that need nothing but the standard library.
#include <cstddef>
#include <optional>
#include <random>
#include <string>
#include <vector>

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

// A step of a crash-safe write, where a test adapter may make it fail.
enum class WriteStep { Open, Write, Flush, Rename };

// A planned failure: at the step, or for Write after `atByte` bytes have reached the
// temporary file; `reason` is what the message box will say.
struct WriteFault {
    WriteStep step = WriteStep::Open;
    std::size_t atByte = 0;
    std::string reason;
};

class SystemFiles : public FilesPort {
public:
    bool exists(const std::string& path) const override;
    std::optional<std::string> read(const std::string& path,
                                    std::string* reason = nullptr) const override;
    FileOutcome writeAtomic(const std::string& path, std::string_view bytes) override;
    FileOutcome moveAside(const std::string& from, const std::string& to) override;
    std::vector<std::string> list(const std::string& folder) const override;

    // The temporary file a write of path goes through (same folder, hidden).
    static std::string TemporaryPath(const std::string& path);

protected:
    // The fault planned for the next write: none in the program; test adapters plan some.
    virtual std::optional<WriteFault> plannedFault(const std::string&) { return std::nullopt; }
};

// Italian words for a system error number ("il disco è pieno").
std::string FileErrorReason(int errorNumber);

}  // namespace velondo
