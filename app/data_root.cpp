#include "app/data_root.h"

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "drill/drill.h"

namespace velondo::app {

namespace fs = std::filesystem;

namespace {

std::string WithSlash(std::string dir) {
    if (!dir.empty() && dir.back() != '/') dir += '/';
    return dir;
}

bool HasMarker(const std::string& root) {
    std::error_code ec;
    return fs::is_regular_file(root + std::string(kMarker), ec);
}

// The folders a student's root holds as copies, and those it links to the installed tree.
constexpr std::string_view kCopied[] = {"Dati", "Impostazioni"};
constexpr std::string_view kLinked[] = {"Grafica", "Piano", "Suoni"};

std::string Failed(const std::string& what, const fs::path& path, const std::error_code& ec) {
    return what + " " + path.string() + ": " + ec.message();
}

// Copies every file of `from` that `to` lacks, below it too; owner-writable, as the copies are
// the student's to change even when the installed files are read-only. `skip` is left out.
std::string CopyMissing(const fs::path& from, const fs::path& to, const fs::path& skip = {}) {
    std::error_code ec;
    fs::create_directories(to, ec);
    if (ec) return Failed("cartella", to, ec);
    if (!fs::is_directory(from, ec)) return {};  // nothing delivered: an empty folder
    for (auto it = fs::recursive_directory_iterator(from, ec); !ec && it != fs::end(it);
         it.increment(ec)) {
        const fs::path target = to / fs::relative(it->path(), from);
        if (it->path() == skip) continue;
        if (it->is_directory()) {
            fs::create_directories(target, ec);
            if (ec) return Failed("cartella", target, ec);
            continue;
        }
        if (fs::exists(fs::symlink_status(target))) continue;
        fs::copy_file(it->path(), target, ec);
        if (!ec)
            fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write,
                            fs::perm_options::add, ec);
        if (ec) return Failed("copia", target, ec);
    }
    return ec ? Failed("lettura", from, ec) : std::string{};
}

// Points `link` at `target`, unless it already does; a link elsewhere (an earlier install)
// is replaced, anything else the student put there is kept.
std::string Link(const fs::path& target, const fs::path& link) {
    std::error_code ec;
    const fs::file_status st = fs::symlink_status(link, ec);
    if (fs::exists(st) && !fs::is_symlink(st)) return {};
    if (fs::is_symlink(st) && fs::read_symlink(link, ec) == target) return {};
    const fs::path fresh = link.string() + ".nuovo";
    fs::remove(fresh, ec);
    fs::create_directory_symlink(target, fresh, ec);
    if (!ec) fs::rename(fresh, link, ec);  // replaces an old link in one step
    return ec ? Failed("collegamento", link, ec) : std::string{};
}

}  // namespace

std::string UserDataRoot() {
    // XDG: a relative XDG_DATA_HOME is invalid and ignored.
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg == '/')
        return WithSlash(xdg) + "velondo/";
    if (const char* home = std::getenv("HOME"); home && *home)
        return WithSlash(home) + ".local/share/velondo/";
    return {};
}

DataPlaces PlatformPlaces(const std::string& programDir) {
    if (const char* env = std::getenv("VELONDO_DATA_ROOT"); env && *env)
        return {{}, {}, WithSlash(env)};
    DataPlaces places;
    places.installed.push_back(WithSlash(VELONDO_INSTALL_DATA_DIR));
    bool runsInstalled = false;
    if (!programDir.empty()) {
        const fs::path bin = fs::path(programDir).lexically_normal();
        if (bin.filename() == "bin") {
            // The tree of a package or of `cmake --install --prefix`, wherever the prefix is.
            const std::string beside = WithSlash((bin.parent_path() / "share/velondo").string());
            if (HasMarker(beside)) {
                runsInstalled = true;
                if (beside != places.installed.front()) places.installed.push_back(beside);
            }
        }
    }
    places.perUser = UserDataRoot();
    if (!runsInstalled && std::string_view(VELONDO_SOURCE_DATA_DIR) != "")
        places.working = WithSlash(VELONDO_SOURCE_DATA_DIR);
    return places;
}

std::vector<std::string> Candidates(const DataPlaces& places) {
    std::vector<std::string> c = places.installed;
    for (const std::string& dir : {places.perUser, places.working})
        if (!dir.empty()) c.push_back(dir);
    return c;
}

std::vector<std::string> DataRootCandidates(const Program& p) {
    if (!p.dataRootCandidates.empty()) return p.dataRootCandidates;
    return Candidates(p.dataPlaces ? *p.dataPlaces : PlatformPlaces(""));
}

std::string FindDataRoot(const Program& p) {
    std::string root;
    // Every candidate is probed: a later match replaces an earlier one.
    for (const std::string& candidate : DataRootCandidates(p))
        if (p.ports.files->exists(candidate + std::string(kMarker))) root = candidate;
    return root;
}

bool WritableRoot(const std::string& root) {
    for (std::string_view folder : kCopied) {
        const std::string dir = root + "Velondo7/" + std::string(folder);
        if (::access(dir.c_str(), W_OK) != 0) return false;
    }
    return true;
}

std::string MakeUserDataRoot(const std::string& installed, const std::string& user) {
    const fs::path from = fs::path(installed) / "Velondo7", to = fs::path(user) / "Velondo7";
    const fs::path marker = fs::path(installed) / std::string(kMarker);
    for (std::string_view folder : kCopied) {
        const fs::path target = to / std::string(folder);
        // The saved profiles are the student's: once the folder is there, a deleted one
        // stays deleted. The state files the program needs are completed every time.
        if (folder == "Impostazioni" && fs::exists(fs::symlink_status(target))) continue;
        if (std::string e = CopyMissing(from / std::string(folder), target, marker); !e.empty())
            return e;
    }
    for (std::string_view folder : kLinked)
        if (std::string e = Link(from / std::string(folder), to / std::string(folder)); !e.empty())
            return e;
    const fs::path userMarker = fs::path(user) / std::string(kMarker);
    std::error_code ec;
    if (!fs::exists(userMarker, ec)) fs::copy_file(marker, userMarker, ec);
    return ec ? Failed("copia", userMarker, ec) : std::string{};
}

std::string PrepareDataRoot(Program& p) {
    p.setDataWritable(true);
    // Candidates named by hand (tests, the scenario driver) are used as they are.
    if (!p.dataRootCandidates.empty()) return {};
    const DataPlaces places = p.dataPlaces ? *p.dataPlaces : PlatformPlaces("");
    const std::string found = FindDataRoot(p);
    if (found.empty()) return {};
    std::string installed;  // the installed tree the probe would take without the student's root
    for (const std::string& dir : places.installed)
        if (p.ports.files->exists(dir + std::string(kMarker))) installed = dir;

    std::string problem;
    if (std::ranges::find(places.installed, found) != places.installed.end()) {
        problem = places.perUser.empty() ? "nessuna cartella personale (HOME)"
                                         : MakeUserDataRoot(found, places.perUser);
    } else {
        // The student's root is completed from the installed tree (links to a newer install,
        // a state file gone missing); a failure here still leaves a usable root.
        if (found == places.perUser && !installed.empty())
            if (std::string e = MakeUserDataRoot(installed, found); !e.empty() && p.ports.log)
                p.ports.log->error(e);
        if (!WritableRoot(found)) problem = "non scrivibile: " + found;
    }
    if (!problem.empty()) {
        p.setDataWritable(false);
        if (p.ports.log) p.ports.log->error(std::string(kNoUserDataText) + " (" + problem + ")");
    }
    return problem;
}

void ShowDataRootProblem(Program& p) {
    if (p.dataWritable()) return;
    MainWindow& m = p.main;
    m.lblFineProva.caption = std::string(kNoUserDataText);
    drill::ShowMessage(p, m.lblFineProva);
}

}  // namespace velondo::app
