#include "scenario/script.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <fstream>

namespace velondo::scenario {

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
            out.push_back(word);
        }
    }
    return out;
}

namespace {
std::vector<Line> ReadScriptAt(const std::string& path, std::string* error, int depth);
}

std::vector<Line> ReadScript(const std::string& path, std::string* error) {
    return ReadScriptAt(path, error, 0);
}

namespace {

// `include "parts/x.vsc"` puts the lines of another script, relative to this one, in its place.
std::vector<Line> ReadScriptAt(const std::string& path, std::string* error, int depth) {
    std::vector<Line> lines;
    if (depth > 8) {
        *error = path + ": includes nested too deep";
        return lines;
    }
    std::ifstream in(path);
    if (!in) {
        *error = "cannot read " + path;
        return lines;
    }
    std::string s;
    int n = 0;
    while (std::getline(in, s)) {
        ++n;
        std::string e;
        auto words = Tokenize(s, &e);
        if (!e.empty()) {
            *error = path + ":" + std::to_string(n) + ": " + e;
            return {};
        }
        if (words.size() == 2 && words[0] == "include") {
            const std::string dir = path.substr(0, path.find_last_of('/') + 1);
            auto included = ReadScriptAt(dir + words[1], error, depth + 1);
            if (!error->empty()) return {};
            for (Line& l : included) {
                l.number = n;  // failures point at the include line of this script
                lines.push_back(std::move(l));
            }
            continue;
        }
        if (!words.empty()) lines.push_back({n, std::move(words), s});
    }
    return lines;
}

}  // namespace

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

namespace {
bool AsNumber(const std::string& s, double* v) {
    if (s.empty()) return false;
    const char* b = s.data();
    const char* e = b + s.size();
    if (*b == '+') ++b;
    auto [p, ec] = std::from_chars(b, e, *v);
    return ec == std::errc() && p == e && std::isfinite(*v);
}
}  // namespace

bool SameValue(const std::string& expected, const std::string& actual) {
    double a, b;
    if (AsNumber(expected, &a) && AsNumber(actual, &b))
        return a == b || std::fabs(a - b) <= 1e-9 * std::max(std::fabs(a), std::fabs(b));
    return expected == actual;
}

}  // namespace velondo::scenario
