#include "scenario/invariants.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "drill/results.h"
#include "storage/profile.h"

namespace fs = std::filesystem;

namespace velondo::scenario {

namespace {

bool IsInt(const std::string& s, int* v = nullptr) {
    int x = 0;
    const char* b = s.data();
    const char* e = b + s.size();
    auto r = std::from_chars(b, e, x);
    if (s.empty() || r.ec != std::errc() || r.ptr != e) return false;
    if (v) *v = x;
    return true;
}

// A decimal text with either separator ("1,5", "0.7692308").
bool IsDecimal(std::string s, double* v = nullptr) {
    std::replace(s.begin(), s.end(), ',', '.');
    double x = 0;
    auto r = std::from_chars(s.data(), s.data() + s.size(), x);
    if (s.empty() || r.ec != std::errc() || r.ptr != s.data() + s.size()) return false;
    if (v) *v = x;
    return true;
}

std::string Num(long long v) { return std::to_string(v); }

struct Row {
    int notes = 0, errors = 0;
    double seconds = 0;
};

}  // namespace

void InvariantChecker::expect(bool ok, const std::string& what, std::vector<std::string>& out) {
    ++checks_;
    if (!ok) out.push_back(what);
}

std::vector<std::string> InvariantChecker::check(const Program& p, std::int64_t nowMs,
                                                 const std::vector<std::string>& held) {
    std::vector<std::string> out;
    const ExerciseState& s = p.state;
    const MainWindow& m = p.main;
    const bool running = s.ProvaInCorso == "Sì";

    // Ranges of the drill and results fields.
    expect(s.Posizione >= 1 && s.Posizione <= 13, "Posizione " + Num(s.Posizione), out);
    expect(s.NumIsto >= 0 && s.NumIsto <= 20, "NumIsto " + Num(s.NumIsto), out);
    expect(s.Avanza >= 0 && s.Avanza <= 14, "Avanza " + Num(s.Avanza), out);
    expect(s.Inizio >= 0 && s.Inizio <= 6, "Inizio " + Num(s.Inizio), out);
    expect(s.Inserimento >= 1 && s.Inserimento <= 13, "Inserimento " + Num(s.Inserimento), out);
    expect(s.MouseMove == 100 || (s.MouseMove >= 1 && s.MouseMove <= 20),
           "MouseMove " + Num(s.MouseMove), out);
    expect(s.lampeggiaRecord >= 0 && s.lampeggiaRecord <= 16,
           "lampeggiaRecord " + Num(s.lampeggiaRecord), out);
    expect(s.ProvaInCorso == "Sì" || s.ProvaInCorso == "No", "ProvaInCorso " + s.ProvaInCorso, out);
    for (auto [name, v] :
         {std::pair{"Errori", s.Errori}, std::pair{"Tempo", s.Tempo},
          std::pair{"NumeroScelto", s.NumeroScelto},
          std::pair{"CopiaNumeroScelto", s.CopiaNumeroScelto},
          std::pair{"CopiaNumeroScelto2", s.CopiaNumeroScelto2},
          std::pair{"NoteTotali", s.NoteTotali}, std::pair{"Contatore", s.Contatore},
          std::pair{"Progressivo", s.Progressivo}, std::pair{"NotaPremuta", s.NotaPremuta}})
        expect(v >= 0, std::string(name) + " negative: " + Num(v), out);
    if (running)
        expect(s.CopiaNumeroScelto >= 1 && s.CopiaNumeroScelto <= s.CopiaNumeroScelto2,
               "CopiaNumeroScelto " + Num(s.CopiaNumeroScelto) + " outside the trial", out);

    // Number fields held as texts.
    for (const ControlArray* counts :
         {&m.lblNaturali, &m.lblDiesis, &m.lblBemolli, &m.lblDDiesis, &m.lblDBemolli}) {
        int v = 0;
        expect(IsInt((*counts)[0].caption, &v) && v >= 0,
               counts->name() + "(0) not a count: \"" + (*counts)[0].caption + "\"", out);
    }
    for (int t = 0; t <= 2; ++t) {
        int v = 0;
        expect(IsInt(m.lblSigleB[t].caption, &v) && v >= 0,
               "SigleB(" + Num(t) + ") not a count: \"" + m.lblSigleB[t].caption + "\"", out);
    }
    expect(IsInt(m.lblContDown.caption), "lblContDown \"" + m.lblContDown.caption + "\"", out);
    if (!s.TempoMedio.empty())
        expect(IsDecimal(s.TempoMedio), "TempoMedio \"" + s.TempoMedio + "\"", out);
    if (!m.lblTempoRecord.caption.empty())
        expect(IsDecimal(m.lblTempoRecord.caption),
               "TempoRecord \"" + m.lblTempoRecord.caption + "\"", out);

    // Ranking: rows 1..12 filled from the top, in order, only the entered row red.
    std::vector<Row> rows;
    bool emptySeen = false;
    for (int i = 1; i <= drill::board::kRows; ++i) {
        const bool filled = !m.lblData[i].caption.empty();
        if (i <= drill::board::kRankedRows) {
            expect(!(filled && emptySeen), "ranking row " + Num(i) + " below an empty row", out);
            emptySeen = emptySeen || !filled;
        }
        if (filled) {
            Row r;
            const bool numbers = IsInt(m.lblNumeroNote[i].caption, &r.notes) &&
                                 IsInt(m.lblNumeroErrori[i].caption, &r.errors) &&
                                 IsDecimal(m.lblMediaSec[i].caption, &r.seconds);
            expect(numbers, "ranking row " + Num(i) + " holds a text that is not a number", out);
            if (i <= drill::board::kRankedRows && numbers) rows.push_back(r);
        }
        const bool mayBeRed = i == s.Inserimento && i <= drill::board::kRankedRows;
        bool red = false;
        for (const ControlArray* cells : {&m.lblGraduatoria, &m.lblNomeGiocatore, &m.lblNumeroNote,
                                          &m.lblNumeroErrori, &m.lblMediaSec, &m.lblData})
            red = red || (*cells)[i].foreColor != colors::Black;
        expect(!red || mayBeRed,
               "ranking row " + Num(i) + " red, Inserimento " + Num(s.Inserimento), out);
    }
    for (size_t i = 1; i < rows.size(); ++i) {
        const Row& a = rows[i - 1];
        const Row& b = rows[i];
        const bool worse = a.notes < b.notes || (a.notes == b.notes && a.errors > b.errors) ||
                           (a.notes == b.notes && a.errors == b.errors && a.seconds > b.seconds);
        expect(!worse,
               "ranking row " + Num(static_cast<long long>(i)) + " ranks below row " +
                   Num(static_cast<long long>(i + 1)),
               out);
    }
    for (int k = 1; k <= drill::board::kSlots; ++k) {
        if (m.lblData2[k].caption.empty()) continue;
        expect(IsInt(m.lblNumeroNote2[k].caption) && IsInt(m.lblNumeroErrori2[k].caption) &&
                   IsDecimal(m.lblMediaSec2[k].caption),
               "history slot " + Num(k) + " holds a text that is not a number", out);
    }

    // One highlight frame during a trial, none otherwise.
    int frames = 0;
    for (int i = 1; i <= 13; ++i) frames += m.ShpEvidenzia[i].visible ? 1 : 0;
    expect(frames == (running ? 1 : 0),
           Num(frames) + " highlight frames with ProvaInCorso " + s.ProvaInCorso, out);
    if (running)
        expect(m.ShpEvidenzia[s.Posizione].visible, "the highlight is not on Posizione", out);

    // Timers: each running one explained by the state.
    auto isHeld = [&](const std::string& c) {
        return std::find(held.begin(), held.end(), c) != held.end() ||
               std::find(held.begin(), held.end(), "view") != held.end();
    };
    const bool exiting = m.TmrEsci.enabled();
    expect(m.TmrTempo.enabled() == running,
           std::string("TmrTempo ") + (m.TmrTempo.enabled() ? "on" : "off") +
               " with ProvaInCorso " + s.ProvaInCorso,
           out);
    if (m.TmrCountDown.enabled())
        expect(!running && s.Avanza == 14, "TmrCountDown on with Avanza " + Num(s.Avanza), out);
    if (m.TmrStoScrivendo.enabled())
        expect(!running && !m.TmrCountDown.enabled(), "TmrStoScrivendo on during a trial", out);
    if (m.TmrCommentoDopo.enabled()) expect(!running, "TmrCommentoDopo on during a trial", out);
    if (m.TmrLampeggiaRecord.enabled())
        expect(!m.lblTempoRecord.caption.empty(), "TmrLampeggiaRecord on without a record", out);
    if (exiting) expect(m.lblVarie[13].visible, "TmrEsci on without the goodbye", out);
    if (m.TmrScaricaSplash.enabled())
        expect(p.splashLoaded, "TmrScaricaSplash on without a splash", out);
    expect(!p.splash.TmrVia.enabled() || !p.mainLoaded, "TmrVia on after start-up", out);
    for (auto [timer, control] :
         {std::pair{&m.TmrGraveGiu, "lblPosizioneGrave(1)"},
          std::pair{&m.TmrGraveSu, "lblPosizioneGrave(2)"},
          std::pair{&m.TmrAcutaGiu, "lblPosizioneAcuta(1)"},
          std::pair{&m.TmrAcutaSu, "lblPosizioneAcuta(2)"},
          std::pair{&m.TmrIndietro, "lblMedio(0)"}, std::pair{&m.TmrAvanti, "lblMedio(1)"}}) {
        if (timer->enabled())
            expect(isHeld(control), timer->name() + " on with no button held", out);
    }
    // One-shots end within a few of their intervals.
    for (const Timer* t : {&m.TmrStoScrivendo, &m.TmrVisualizzaNota, &m.TmrCommentoDopo,
                           &m.TmrScaricaSplash, &m.TmrEsci, &m.TmrLampeggiaRecord}) {
        const int lifetime = t == &m.TmrLampeggiaRecord ? 18 * t->interval() : 2 * t->interval();
        if (!t->enabled()) {
            enabledSince_.erase(t->name());
            continue;
        }
        auto [it, fresh] = enabledSince_.try_emplace(t->name(), nowMs);
        expect(nowMs - it->second <= lifetime,
               t->name() + " on for " + Num(nowMs - it->second) + " ms", out);
    }
    return out;
}

std::string DataFileProblem(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return "cannot be read";
    std::stringstream ss;
    ss << in.rdbuf();
    const std::string text = ss.str();
    const std::string name = fs::path(path).filename().string();
    const std::string folder = fs::path(path).parent_path().filename().string();
    int expected = 0;
    if (folder == "Impostazioni" || name == "Default.txt")
        expected = 549;
    else if (name == "Opzioni.txt")
        expected = 14;
    else if (name == "Nome.txt" || name == "Audio.txt")
        expected = 1;
    else
        return "";  // not a data file of the program
    int lines = 0;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find("\r\n", start);
        if (end == std::string::npos) return "line " + Num(lines + 1) + " does not end in CR LF";
        const std::string line = text.substr(start, end - start);
        ++lines;
        if (line.find_first_of("\r\n") != std::string::npos)
            return "line " + Num(lines) + " holds a lone CR or LF";
        if (!line.empty() && line.front() == '"') {
            if (line.size() < 2 || line.back() != '"' || line.find('"', 1) != line.size() - 1)
                return "line " + Num(lines) + " is not one quoted text: " + line;
        }
        start = end + 2;
    }
    if (lines != expected) return Num(lines) + " lines instead of " + Num(expected);
    if (expected == storage::kProfileLines) {
        if (const auto read = storage::ParseProfile(text); read.problem)
            return "refused by the reader at line " + Num(read.problem->line) + ": " +
                   read.problem->what;
    }
    return "";
}

std::vector<std::string> InvariantChecker::checkFiles(const std::string& root) {
    std::vector<std::string> out;
    for (const char* sub : {"Velondo7/Dati", "Velondo7/Impostazioni"}) {
        std::error_code ec;
        const fs::path dir = fs::path(root) / sub;
        if (!fs::is_directory(dir, ec)) continue;
        for (const auto& entry : fs::directory_iterator(dir, ec)) {
            const std::string path = entry.path().string();
            const std::string name = entry.path().filename().string();
            if (!entry.is_regular_file(ec)) continue;
            if (name == "Velondo7.marker") continue;
            ++checks_;
            if (!name.ends_with(".txt")) {
                out.push_back("a file that is not a data file was left: " + std::string(sub) + "/" +
                              name);
                continue;
            }
            const auto size = entry.file_size(ec);
            const auto mtime = entry.last_write_time(ec).time_since_epoch().count();
            auto& seen = seen_[path];
            if (seen == std::pair{size, static_cast<std::int64_t>(mtime)}) continue;
            seen = {size, static_cast<std::int64_t>(mtime)};
            ++filesChecked_;
            if (std::string problem = DataFileProblem(path); !problem.empty())
                out.push_back(std::string(sub) + "/" + name + ": " + problem);
        }
    }
    return out;
}

}  // namespace velondo::scenario
