#include "scenario/script.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <fstream>

namespace velondo::scenario {

namespace {

// "rgb(255, 192, 192)" → the colour number as the window stores it (&H00BBGGRR): "12632319".
bool RgbValue(const std::string& word, std::string* out) {
    int r = 0, g = 0, b = 0;
    char close = 0;
    int used = 0;
    if (std::sscanf(word.c_str(), "rgb(%d ,%d ,%d %c%n", &r, &g, &b, &close, &used) != 4 ||
        close != ')' || used != static_cast<int>(word.size()))
        return false;
    for (int c : {r, g, b})
        if (c < 0 || c > 255) return false;
    *out = std::to_string(r + 256 * g + 65536 * b);
    return true;
}

bool AsNumber(const std::string& s, double* v) {
    if (s.empty()) return false;
    const char* b = s.data();
    const char* e = b + s.size();
    if (*b == '+') ++b;
    auto [p, ec] = std::from_chars(b, e, *v);
    return ec == std::errc() && p == e && std::isfinite(*v);
}

}  // namespace

std::optional<long long> WholeNumber(const std::string& word) {
    long long v = 0;
    const char* end = word.data() + word.size();
    auto [p, ec] = std::from_chars(word.data(), end, v);
    if (word.empty() || ec != std::errc() || p != end) return std::nullopt;
    return v;
}

std::optional<double> RealNumber(const std::string& word) {
    double v = 0;
    if (!AsNumber(word, &v)) return std::nullopt;
    return v;
}

std::vector<std::string> Tokenize(const std::string& line, std::string* error) {
    std::vector<std::string> out;
    size_t i = 0;
    while (i < line.size()) {
        char c = line[i];
        if (c == ' ' || c == '\t' || c == '\r') {
            ++i;
        } else if (c == '#') {
            break;
        } else if (c == '"') {
            std::string text;
            ++i;
            bool closed = false;
            while (i < line.size()) {
                if (line[i] == '\\' && i + 1 < line.size()) {
                    char n = line[i + 1];
                    text += (n == 'n') ? '\n' : n;
                    i += 2;
                } else if (line[i] == '"') {
                    closed = true;
                    ++i;
                    break;
                } else {
                    text += line[i++];
                }
            }
            if (!closed && error) *error = "unterminated text";
            out.push_back(text);
        } else {
            std::string word;
            while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r')
                word += line[i++];
            if (word.starts_with("rgb(")) {  // a colour value may hold blanks up to its ')'
                while (i < line.size() && word.find(')') == std::string::npos) word += line[i++];
                std::string colour;
                if (!RgbValue(word, &colour) && error) *error = "bad colour " + word;
                word = colour;
            }
            out.push_back(word);
        }
    }
    return out;
}

namespace {

constexpr int kMaxIncludeDepth = 16;
constexpr long long kMaxRepeat = 10000;

std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

struct Reader {
    std::string* error;

    bool fail(const std::string& file, int number, const std::string& message) {
        *error = file + ":" + std::to_string(number) + ": " + message;
        return false;
    }

    // The lines of a file, includes spliced in; repeat blocks are left for Expand.
    bool read(const std::string& path, int depth, std::vector<Line>* out) {
        std::ifstream in(path);
        if (!in) {
            *error = "cannot read " + path;
            return false;
        }
        std::string s;
        int n = 0;
        while (std::getline(in, s)) {
            ++n;
            std::string e;
            auto words = Tokenize(s, &e);
            if (!e.empty()) return fail(path, n, e);
            if (words.empty()) continue;
            if (words[0] == "include") {
                if (words.size() != 2) return fail(path, n, "include needs one file");
                if (depth >= kMaxIncludeDepth) return fail(path, n, "includes nested too deep");
                const std::string file =
                    words[1].starts_with("/") ? words[1] : FolderOf(path) + words[1];
                if (!read(file, depth + 1, out)) return false;
                continue;
            }
            out->push_back({n, std::move(words), s, path});
        }
        return true;
    }

    // Unrolls `repeat <n>` … `end` from lines[i] on, up to the `end` closing an open block.
    bool expand(const std::vector<Line>& lines, size_t& i, bool inBlock, std::vector<Line>* out) {
        while (i < lines.size()) {
            const Line& line = lines[i++];
            const auto& w = line.words;
            if (w[0] == "end" && w.size() == 1) {
                if (inBlock) return true;
                return fail(line.file, line.number, "end without repeat");
            }
            if (w[0] != "repeat") {
                out->push_back(line);
                continue;
            }
            const std::optional<long long> times = w.size() == 2 ? WholeNumber(w[1]) : std::nullopt;
            if (!times || *times < 0 || *times > kMaxRepeat)
                return fail(line.file, line.number, "repeat needs a count of 0 … 10000");
            std::vector<Line> body;
            if (!expand(lines, i, true, &body)) {
                if (error->empty()) fail(line.file, line.number, "repeat without end");
                return false;
            }
            for (long long t = 0; t < *times; ++t)
                out->insert(out->end(), body.begin(), body.end());
        }
        return !inBlock;  // an open block at the end: the caller names its repeat
    }
};

}  // namespace

std::vector<Line> ReadScript(const std::string& path, std::string* error) {
    error->clear();
    Reader reader{error};
    std::vector<Line> lines;
    if (!reader.read(path, 0, &lines)) return {};
    std::vector<Line> out;
    size_t i = 0;
    if (!reader.expand(lines, i, false, &out)) return {};
    return out;
}

bool ParseTarget(const std::string& word, Target* out) {
    Target t;
    size_t i = 0;
    while (i < word.size() && word[i] != '(' && word[i] != '.') t.name += word[i++];
    if (t.name.empty()) return false;
    if (i < word.size() && word[i] == '(') {
        size_t close = word.find(')', i);
        if (close == std::string::npos) return false;
        std::string idx = word.substr(i + 1, close - i - 1);
        auto [p, ec] = std::from_chars(idx.data(), idx.data() + idx.size(), t.index);
        if (ec != std::errc() || p != idx.data() + idx.size()) return false;
        i = close + 1;
    }
    if (i < word.size()) {
        if (word[i] != '.') return false;
        t.member = word.substr(i + 1);
    }
    *out = t;
    return true;
}

bool SameValue(const std::string& expected, const std::string& actual) {
    double a, b;
    if (AsNumber(expected, &a) && AsNumber(actual, &b))
        return a == b || std::fabs(a - b) <= 1e-9 * std::max(std::fabs(a), std::fabs(b));
    return expected == actual;
}

}  // namespace velondo::scenario
