#include "core/system_adapters.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
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

double SystemRandom::next() { return std::uniform_real_distribution<double>(0.0, 1.0)(engine_); }

bool SystemFiles::exists(const std::string& path) const {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

std::string FileErrorReason(int e) {
    switch (e) {
        case EROFS: return "il disco è in sola lettura";
        case EACCES:
        case EPERM: return "cartella in sola lettura o permessi mancanti";
        case ENOSPC:
#ifdef EDQUOT
        case EDQUOT:
#endif
            return "il disco è pieno";
        case EISDIR: return "al posto del file c'è una cartella";
        case ENOENT: return "il file o la cartella non esiste";
        case ENOTDIR: return "una parte del percorso non è una cartella";
        case ENAMETOOLONG: return "il nome è troppo lungo";
        case EIO: return "errore di lettura o scrittura del disco";
        default: return "errore del sistema n. " + std::to_string(e);
    }
}

std::optional<std::string> SystemFiles::read(const std::string& path, std::string* reason) const {
    auto fail = [&](int e) -> std::optional<std::string> {
        if (reason) *reason = FileErrorReason(e);
        return std::nullopt;
    };
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return fail(errno);
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        return fail(EISDIR);
    }
    std::string bytes;
    char buf[16384];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const int e = errno;
            ::close(fd);
            return fail(e);
        }
        if (n == 0) break;
        bytes.append(buf, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return bytes;
}

std::string SystemFiles::TemporaryPath(const std::string& path) {
    const std::filesystem::path p(path);
    return (p.parent_path() / ("." + p.filename().string() + ".velondo-tmp")).string();
}

FileOutcome SystemFiles::writeAtomic(const std::string& path, std::string_view bytes) {
    const std::optional<WriteFault> fault = plannedFault(path);
    auto planned = [&](WriteStep step) { return fault && fault->step == step; };
    const std::string temp = TemporaryPath(path);
    auto failed = [&](int fd, std::string why) {
        if (fd >= 0) ::close(fd);
        ::unlink(temp.c_str());
        return FileOutcome::Failed(std::move(why));
    };

    if (planned(WriteStep::Open)) return failed(-1, fault->reason);
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        // A folder that cannot take the temporary file cannot take the file either; say
        // why in terms of the file itself.
        const int e = errno;
        std::error_code ec;
        if (std::filesystem::is_directory(path, ec)) return failed(-1, FileErrorReason(EISDIR));
        return failed(-1, FileErrorReason(e));
    }
    const std::size_t stopAt = planned(WriteStep::Write) ? fault->atByte : bytes.size();
    std::size_t written = 0;
    while (written < bytes.size() && written < stopAt) {
        const std::size_t want = std::min(bytes.size(), stopAt) - written;
        const ssize_t n = ::write(fd, bytes.data() + written, want);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return failed(fd, FileErrorReason(errno));
        written += static_cast<std::size_t>(n);
    }
    if (written < bytes.size()) return failed(fd, fault->reason);
    if (planned(WriteStep::Flush)) return failed(fd, fault->reason);
    if (::fsync(fd) != 0) return failed(fd, FileErrorReason(errno));
    if (::close(fd) != 0) return failed(-1, FileErrorReason(errno));
    if (planned(WriteStep::Rename)) return failed(-1, fault->reason);
    if (::rename(temp.c_str(), path.c_str()) != 0) return failed(-1, FileErrorReason(errno));
    // The rename itself reaches the disk with the folder.
    const std::string folder = std::filesystem::path(path).parent_path().string();
    const int dir =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return FileOutcome::Done();
}

FileOutcome SystemFiles::moveAside(const std::string& from, const std::string& to) {
    std::error_code ec;
    if (std::filesystem::exists(std::filesystem::symlink_status(to, ec)))
        return FileOutcome::Failed("il nome " + to + " è già in uso");
    if (::rename(from.c_str(), to.c_str()) != 0) return FileOutcome::Failed(FileErrorReason(errno));
    return FileOutcome::Done();
}

std::vector<std::string> SystemFiles::list(const std::string& folder) const {
    std::vector<std::string> names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
         it.increment(ec))
        if (it->is_regular_file(ec)) names.push_back(it->path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace velondo
