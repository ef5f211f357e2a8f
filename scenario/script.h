#pragma once
// The scenario language: one command a line, '#' starts a comment, texts in double
// quotes with \" and \\ escapes, a bare word is a text too.
#include <string>
#include <vector>

namespace velondo::scenario {

struct Line {
    int number = 0;
    std::vector<std::string> words;  // tokens, quotes removed
    std::string raw;
};

// Splits a line into tokens; '=' , '(' and ')' stay inside bare words.
std::vector<std::string> Tokenize(const std::string& line, std::string* error);
std::vector<Line> ReadScript(const std::string& path, std::string* error);

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
