#include "core/system_adapters.h"

#include <chrono>
#include <ctime>
#include <filesystem>
#include <iostream>

namespace velondo {

void StderrLog::error(const std::string& message) { std::cerr << "velondo: " << message << "\n"; }

DateTime SystemClock::now() const {
    std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

std::int64_t SystemClock::steadyMs() const {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void SystemRandom::seedFromClock(const DateTime& now) {
    auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    engine_.seed(static_cast<std::uint64_t>(ticks) ^
                 static_cast<std::uint64_t>(now.hour * 3600 + now.minute * 60 + now.second));
}

double SystemRandom::next() {
    return std::uniform_real_distribution<double>(0.0, 1.0)(engine_);
}

bool SystemFiles::exists(const std::string& path) const {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

}  // namespace velondo
