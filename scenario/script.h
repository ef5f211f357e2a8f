#pragma once
// The scenario language: one command a line, '#' starts a comment, texts in double
// quotes with \" and \\ escapes, a bare word is a text too; rgb(r, g, b) is the number
// of that colour. `include "file"` reads another script in its place (relative to the
// script that includes it); `repeat <n>` … `end` reads its lines n times. No Qt here.
#include <optional>
#include <string>
#include <vector>

namespace velondo::scenario {

struct Line {
    int number = 0;
    std::vector<std::string> words;  // tokens, quotes removed
    std::string raw;
    std::string file;  // the script (or included file) the line stands in
};

// Splits a line into tokens; '=' , '(' and ')' stay inside bare words.
std::vector<std::string> Tokenize(const std::string& line, std::string* error);
// The lines to run: includes read in place, repeat blocks unrolled; {} and *error set
// on a fault (an unreadable file, a repeat without end, an end without repeat).
std::vector<Line> ReadScript(const std::string& path, std::string* error);

// A word that writes a whole number (or any number), or nullopt.
std::optional<long long> WholeNumber(const std::string& word);
std::optional<double> RealNumber(const std::string& word);

// "lblTasto(37).MouseDown" → {name "lblTasto", index 37, member "MouseDown"}.
struct Target {
    std::string name;
    int index = -1;
    std::string member;
};
bool ParseTarget(const std::string& word, Target* out);

// Two values that both read as numbers compare as numbers; otherwise as exact texts.
bool SameValue(const std::string& expected, const std::string& actual);

}  // namespace velondo::scenario
