#pragma once
// The line format of every data file: one value a line, texts between double quotes with
// nothing escaped, flags as #TRUE# / #FALSE#, integers as plain decimals. Written strictly
// (Windows-1252, CR LF after every line); read liberally (CR LF or LF, the last line end
// optional, UTF-8 when the file is valid UTF-8 with non-ASCII bytes, else Windows-1252).
// Texts inside the program are UTF-8.
#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velondo::storage {

// --- encodings ---
std::string FromWindows1252(std::string_view bytes);
// nullopt when the text is not valid UTF-8 or holds a character Windows-1252 lacks.
std::optional<std::string> ToWindows1252(std::string_view utf8);
bool IsValidUtf8(std::string_view bytes);
// Whether every character of a UTF-8 text has a Windows-1252 byte.
bool FitsWindows1252(std::string_view utf8);
// A file's bytes as UTF-8 text: UTF-8 when valid and holding non-ASCII bytes, else Windows-1252.
std::string DecodeFileText(std::string_view bytes);
// Lines ending in CR LF or LF; a last line without its end counts, an empty tail does not.
std::vector<std::string> SplitLines(std::string_view text);

// --- one line ---
std::optional<std::string> ParseTextLine(std::string_view line);
std::optional<bool> ParseFlagLine(std::string_view line);
std::optional<long long> ParseIntegerLine(std::string_view line);

// A text as the format can hold it: a double quote becomes an apostrophe, line breaks and
// other control characters become blanks, characters Windows-1252 lacks become '?'.
std::string Writable(std::string_view utf8);
// A name typed or chosen by the student: a double quote becomes an apostrophe, characters
// Windows-1252 lacks and control characters are dropped, at most maxChars characters.
std::string FitName(std::string_view utf8, std::size_t maxChars = 30);
// Number of characters of a UTF-8 text.
std::size_t CharCount(std::string_view utf8);

// The first line that could not be read and why, in Italian ("atteso un numero intero").
struct LineProblem {
    int line = 0;  // 1-based
    std::string what;
};

// No value of the data files comes near this; a longer line is damage, and refusing it
// keeps a damaged file from filling the window with megabytes of text.
inline constexpr std::size_t kMaxLineBytes = 4096;

// Reads the values of a file in order; the first problem is kept and later reads return
// neutral values, so a caller reads every field and then asks problem() once.
class LineReader {
public:
    explicit LineReader(std::vector<std::string> lines) : lines_(std::move(lines)) {}
    static LineReader FromBytes(std::string_view bytes) {
        return LineReader(SplitLines(DecodeFileText(bytes)));
    }

    // A text between quotes, its control characters as blanks (see Writable).
    std::string text();
    bool flag();
    long long integer();
    long long integer(long long lo, long long hi);
    // A text that must read as an integer in lo..hi ("13" in quotes).
    long long numberText(long long lo, long long hi);
    // A text that is one of the given values.
    std::string oneOf(std::initializer_list<std::string_view> allowed);
    // Marks the line just read as bad (a rule of the caller's).
    void reject(std::string what);
    // The file must end here.
    void expectEnd();

    int lineNumber() const { return next_; }  // lines read so far
    std::size_t lineCount() const { return lines_.size(); }
    const std::optional<LineProblem>& problem() const { return problem_; }
    bool ok() const { return !problem_; }

private:
    std::optional<std::string_view> take(const char* kind);
    void fail(int line, std::string what);
    std::vector<std::string> lines_;
    int next_ = 0;
    std::optional<LineProblem> problem_;
};

// Writes a file's values: Windows-1252, CR LF after every line.
class LineWriter {
public:
    void text(std::string_view utf8);
    void flag(bool value);
    void integer(long long value);
    const std::string& bytes() const { return bytes_; }
    int lines() const { return lines_; }

private:
    void line(std::string_view encoded);
    std::string bytes_;
    int lines_ = 0;
};

}  // namespace velondo::storage
