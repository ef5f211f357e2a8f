#include "storage/profile_files.h"

#include <cerrno>
#include <filesystem>

#include "core/system_adapters.h"

#include "drill/drill.h"
#include "exercise/settings.h"
#include "storage/line_format.h"
#include "storage/profile.h"

namespace velondo::storage {

namespace {

constexpr Color kNoticeColour = Rgb(192, 0, 0);

std::string FileName(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

std::string LineText(const LineProblem& problem) {
    return "riga " + std::to_string(problem.line) + ": " + problem.what;
}

// Reads and checks a whole profile file; the program is untouched.
struct Loaded {
    std::optional<std::vector<FieldValue>> values;
    bool missing = false;
    std::string why;  // for the message box
    std::optional<LineProblem> problem;
};
Loaded Load(const Program& p, const std::string& path) {
    Loaded out;
    std::string reason;
    std::optional<std::string> bytes = p.ports.files->read(path, &reason);
    if (!bytes) {
        out.missing = !p.ports.files->exists(path) && reason == FileErrorReason(ENOENT);
        out.why = reason;
        return out;
    }
    ProfileRead read = ParseProfile(*bytes);
    if (read.problem) {
        out.problem = read.problem;
        out.why = LineText(*read.problem);
        return out;
    }
    out.values = std::move(read.values);
    return out;
}

bool Write(Program& p, const std::string& path) {
    // An installed tree whose per-user copy could not be made is never changed.
    if (!p.dataWritable() && path.starts_with(p.state.Dir)) {
        ShowFileNotice(p, "Impostazione non salvata in " + FileName(path) +
                              ": questa volta Velondo non può scrivere nella cartella dei dati. "
                              "I risultati restano in memoria.");
        return false;
    }
    const FileOutcome out = p.ports.files->writeAtomic(path, ProfileBytes(p));
    if (out) return true;
    ShowFileNotice(
        p, "Impostazione non salvata in " + FileName(path) + " (" + out.reason +
               "). I risultati restano in memoria: non chiudere Velondo senza averli salvati.");
    return false;
}

}  // namespace

std::string ProfileFolder(const Program& p) { return p.path(kProfileFolder); }
std::string ExampleProfile(const Program& p) { return ProfileFolder(p) + kExampleProfileName; }

std::string WithExampleFallback(const Program& p, const std::string& path) {
    return path == ProfileFolder(p) ? ExampleProfile(p) : path;
}

std::string DamagedName(const Program& p, const std::string& path) {
    const std::string first = path + kDamagedSuffix;
    auto taken = [&](const std::string& candidate) {
        std::error_code ec;
        return p.ports.files->exists(candidate) ||
               std::filesystem::exists(std::filesystem::symlink_status(candidate, ec));
    };
    if (!taken(first)) return first;
    for (int n = 2;; ++n)
        if (std::string c = first + std::to_string(n); !taken(c)) return c;
}

void ReadDefaultProfile(Program& p) {
    const std::string path = p.path(kDefaultProfile);
    Loaded l = Load(p, path);
    if (l.values) {
        ApplyProfile(p, *l.values);
        return;
    }
    if (l.missing) return;  // a missing default profile is written after the first trial
    if (!l.problem) {
        ShowFileNotice(p, "Default.txt non si può leggere (" + l.why +
                              "): Velondo parte dai valori iniziali.");
        return;
    }
    if (!p.dataWritable()) {  // a tree the program must not change: the file stays as it is
        ShowFileNotice(
            p, "Default.txt è danneggiato (" + l.why + "): Velondo parte dai valori iniziali.");
        return;
    }
    // Never overwritten: the damaged file is kept beside the new one.
    const std::string aside = DamagedName(p, path);
    const FileOutcome moved = p.ports.files->moveAside(path, aside);
    if (moved)
        ShowFileNotice(p, "Default.txt era danneggiato (" + l.why +
                              "): è stato messo da parte come " + FileName(aside) +
                              ". Velondo parte dai valori iniziali.");
    else
        ShowFileNotice(p, "Default.txt è danneggiato (" + l.why +
                              ") e non si può mettere da parte (" + moved.reason +
                              "). Velondo parte dai valori iniziali.");
}

std::optional<std::vector<FieldValue>> CheckProfile(Program& p, const std::string& path) {
    Loaded l = Load(p, path);
    if (l.values) return l.values;
    if (l.problem)
        ShowFileNotice(p, "Impostazione non caricata: " + FileName(path) + ", " + l.why + ".");
    else
        ShowFileNotice(p, "Impostazione non caricata: " + FileName(path) + " non si può leggere (" +
                              l.why + ").");
    return std::nullopt;
}

bool ReadProfile(Program& p) {
    auto values = CheckProfile(p, WithExampleFallback(p, p.state.PercorsoFileDaAprire));
    if (!values) return false;
    ApplyProfile(p, *values);
    return true;
}

bool WriteDefaultProfile(Program& p) { return Write(p, p.path(kDefaultProfile)); }

bool WriteProfile(Program& p) { return Write(p, WithExampleFallback(p, p.state.NomeFile)); }

bool SaveProfileAs(Program& p, const std::string& path) {
    Control& name = p.main.lblVoceOpzioni[exercise::kProfileNameItem];
    const std::string oldName = name.caption, oldFile = p.state.NomeFile;
    p.state.NomeFile = path;
    std::string title = FileName(path);
    if (!title.empty()) {
        if (title.size() >= 4) title.resize(title.size() - 4);  // the ".txt"
        name.caption = FitName(title);
    }
    if (Write(p, path)) return true;
    // A save that did not happen leaves the profile as it was.
    name.caption = oldName;
    p.state.NomeFile = oldFile;
    return false;
}

void ShowFileNotice(Program& p, const std::string& text) {
    p.main.lblAvvisoFile.caption = text;
    drill::ShowMessage(p, p.main.lblAvvisoFile);
}

void DesignFileNotice(Program& p) {
    Control& c = p.main.lblAvvisoFile;
    c.parent = &p.main.fraLogo;
    c.move(105, 90, 3375, 1515);
    c.fontSize = 8.25;
    c.bold = true;
    c.foreColor = kNoticeColour;
    c.align = Align::Center;
    c.wordWrap = true;
    c.visible = false;
}

}  // namespace velondo::storage
