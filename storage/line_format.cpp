#include "storage/line_format.h"

#include <array>
#include <charconv>
#include <cstdint>

namespace velondo::storage {

namespace {

// Windows-1252 bytes 0x80 … 0x9F; the five unassigned ones keep their C1 code point so
// that any file reads back to the same bytes.
constexpr std::array<char32_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes the UTF-8 character at s[i]; advances i. nullopt: invalid sequence.
std::optional<char32_t> NextUtf8(std::string_view s, std::size_t& i) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    if (b0 < 0x80) {
        ++i;
        return b0;
    }
    int extra;
    char32_t c;
    char32_t min;
    if ((b0 & 0xE0) == 0xC0) {
        extra = 1, c = b0 & 0x1F, min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        extra = 2, c = b0 & 0x0F, min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        extra = 3, c = b0 & 0x07, min = 0x10000;
    } else {
        return std::nullopt;
    }
    if (s.size() - i <= static_cast<std::size_t>(extra)) return std::nullopt;
    for (int k = 1; k <= extra; ++k) {
        const auto b = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
        if ((b & 0xC0) != 0x80) return std::nullopt;
        c = (c << 6) | (b & 0x3F);
    }
    if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
    i += static_cast<std::size_t>(extra) + 1;
    return c;
}

std::optional<unsigned char> Windows1252Byte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<unsigned char>(c);
    for (std::size_t k = 0; k < kHigh.size(); ++k)
        if (kHigh[k] == c) return static_cast<unsigned char>(0x80 + k);
    return std::nullopt;
}

}  // namespace

std::string FromWindows1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        AppendUtf8(out, b >= 0x80 && b <= 0x9F ? kHigh[b - 0x80] : char32_t{b});
    }
    return out;
}

std::optional<std::string> ToWindows1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto c = NextUtf8(utf8, i);
        if (!c) return std::nullopt;
        const auto b = Windows1252Byte(*c);
        if (!b) return std::nullopt;
        out += static_cast<char>(*b);
    }
    return out;
}

bool IsValidUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();)
        if (!NextUtf8(bytes, i)) return false;
    return true;
}

bool FitsWindows1252(std::string_view utf8) { return ToWindows1252(utf8).has_value(); }

std::string DecodeFileText(std::string_view bytes) {
    bool ascii = true;
    for (char ch : bytes)
        if (static_cast<unsigned char>(ch) >= 0x80) ascii = false;
    if (ascii) return std::string(bytes);
    if (IsValidUtf8(bytes)) {
        // A byte-order mark says nothing the values need.
        if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
        return std::string(bytes);
    }
    return FromWindows1252(bytes);
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (line.ends_with('\r')) line.remove_suffix(1);
        lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

std::optional<std::string> ParseTextLine(std::string_view line) {
    if (line.size() < 2 || line.front() != '"' || line.back() != '"') return std::nullopt;
    std::string_view inner = line.substr(1, line.size() - 2);
    if (inner.find('"') != std::string_view::npos) return std::nullopt;
    return std::string(inner);
}

std::optional<bool> ParseFlagLine(std::string_view line) {
    if (line == "#TRUE#") return true;
    if (line == "#FALSE#") return false;
    return std::nullopt;
}

std::optional<long long> ParseIntegerLine(std::string_view line) {
    long long v = 0;
    if (line.empty() || line.front() == '+') return std::nullopt;
    auto r = std::from_chars(line.data(), line.data() + line.size(), v);
    if (r.ec != std::errc() || r.ptr != line.data() + line.size()) return std::nullopt;
    return v;
}

std::string Writable(std::string_view utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        std::optional<char32_t> c = NextUtf8(utf8, i);
        if (!c) {
            ++i;  // a stray byte of broken UTF-8
            out += '?';
            continue;
        }
        if (*c == '"') {
            out += '\'';
        } else if (*c < 0x20 || *c == 0x7F || (*c >= 0x80 && *c <= 0x9F)) {
            out += ' ';
        } else if (!Windows1252Byte(*c)) {
            out += '?';
        } else {
            AppendUtf8(out, *c);
        }
    }
    return out;
}

std::size_t CharCount(std::string_view utf8) {
    std::size_t n = 0;
    for (char ch : utf8)
        if ((static_cast<unsigned char>(ch) & 0xC0) != 0x80) ++n;
    return n;
}

std::string FitName(std::string_view utf8, std::size_t maxChars) {
    std::string out;
    std::size_t n = 0;
    for (std::size_t i = 0; i < utf8.size() && n < maxChars;) {
        std::optional<char32_t> c = NextUtf8(utf8, i);
        if (!c) {
            ++i;
            continue;
        }
        // Only what the files can hold is taken; a double quote would end the text early.
        if (*c == '"') c = U'\'';
        if (*c < 0x20 || *c == 0x7F || (*c >= 0x80 && *c <= 0x9F) || !Windows1252Byte(*c)) continue;
        AppendUtf8(out, *c);
        ++n;
    }
    return out;
}

// --- reader ---

void LineReader::fail(int line, std::string what) {
    if (!problem_) problem_ = LineProblem{line, std::move(what)};
}

std::optional<std::string_view> LineReader::take(const char* kind) {
    if (problem_) return std::nullopt;
    if (static_cast<std::size_t>(next_) >= lines_.size()) {
        fail(next_ + 1, std::string("il file finisce prima: manca ") + kind);
        return std::nullopt;
    }
    const std::string& line = lines_[static_cast<std::size_t>(next_++)];
    if (line.size() > kMaxLineBytes) {
        fail(next_, "riga troppo lunga (più di " + std::to_string(kMaxLineBytes) + " byte)");
        return std::nullopt;
    }
    return std::string_view(line);
}

std::string LineReader::text() {
    auto line = take("un testo");
    if (!line) return {};
    auto v = ParseTextLine(*line);
    if (!v) {
        fail(next_, "atteso un testo tra virgolette");
        return {};
    }
    // Read as a save would write it, so that a profile read and saved reads back the same.
    return Writable(*v);
}

bool LineReader::flag() {
    auto line = take("#TRUE# o #FALSE#");
    if (!line) return false;
    auto v = ParseFlagLine(*line);
    if (!v) {
        fail(next_, "atteso #TRUE# o #FALSE#");
        return false;
    }
    return *v;
}

long long LineReader::integer() {
    auto line = take("un numero");
    if (!line) return 0;
    auto v = ParseIntegerLine(*line);
    if (!v) {
        fail(next_, "atteso un numero intero senza virgolette");
        return 0;
    }
    return *v;
}

namespace {
std::string RangeText(long long lo, long long hi) {
    return "atteso un numero da " + std::to_string(lo) + " a " + std::to_string(hi);
}
}  // namespace

long long LineReader::integer(long long lo, long long hi) {
    const long long v = integer();
    if (problem_) return lo;
    if (v < lo || v > hi) {
        fail(next_, RangeText(lo, hi));
        return lo;
    }
    return v;
}

long long LineReader::numberText(long long lo, long long hi) {
    const std::string t = text();
    if (problem_) return lo;
    auto v = ParseIntegerLine(t);
    if (!v || *v < lo || *v > hi) {
        fail(next_, RangeText(lo, hi) + " tra virgolette");
        return lo;
    }
    return *v;
}

std::string LineReader::oneOf(std::initializer_list<std::string_view> allowed) {
    std::string t = text();
    if (problem_) return {};
    for (std::string_view a : allowed)
        if (t == a) return t;
    std::string what = "atteso";
    bool first = true;
    for (std::string_view a : allowed) {
        what += first ? " \"" : " o \"";
        what += a;
        what += '"';
        first = false;
    }
    fail(next_, what);
    return {};
}

void LineReader::reject(std::string what) { fail(next_, std::move(what)); }

void LineReader::expectEnd() {
    if (problem_) return;
    if (static_cast<std::size_t>(next_) < lines_.size())
        fail(next_ + 1, "righe in più: il file dovrebbe finire alla riga " + std::to_string(next_));
}

// --- writer ---

void LineWriter::line(std::string_view encoded) {
    bytes_.append(encoded);
    bytes_.append("\r\n");
    ++lines_;
}

void LineWriter::text(std::string_view utf8) {
    // Writable leaves only characters Windows-1252 holds, so the conversion cannot fail.
    line("\"" + ToWindows1252(Writable(utf8)).value_or("?") + "\"");
}

void LineWriter::flag(bool value) { line(value ? "#TRUE#" : "#FALSE#"); }

void LineWriter::integer(long long value) { line(std::to_string(value)); }

}  // namespace velondo::storage
