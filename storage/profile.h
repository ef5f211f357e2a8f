#pragma once
// A settings profile as a file: 549 lines, one field a line, in the order of one table
// that drives both reading and writing. A file is read whole and checked before any
// field of the program changes.
#include <optional>
#include <string>
#include <vector>

#include "core/program.h"
#include "storage/line_format.h"

namespace velondo::storage {

inline constexpr int kProfileLines = 549;

// How a line is written and what it may hold.
enum class FieldKind {
    Text,            // any text in quotes
    NumberText,      // an integer lo..hi in quotes ("13")
    Choice,          // "Inseriti" or "No"
    CountOrEmpty,    // a count in quotes, or empty
    AverageOrEmpty,  // an average in seconds in quotes ("0,7692308"), or empty
    Flag,            // #TRUE# / #FALSE#
    Integer,         // a plain integer lo..hi
    Mark,            // a range mark colour: 16777215, 12648447 or 65535
};

// One field's value on its way between a file and the program.
struct FieldValue {
    std::string text;
    bool flag = false;
    long long number = 0;
};

struct ProfileField {
    std::string name;  // "VoceOpzioni(11)", "Naturali(3)"
    FieldKind kind;
    long long lo = 0, hi = 0;
    FieldValue (*get)(const Program&, int index);
    void (*set)(Program&, int index, const FieldValue&);
    int index = -1;  // the element of an array field
};

// The 549 fields in file order.
const std::vector<ProfileField>& ProfileTable();

// The file of the current profile: 549 lines, Windows-1252, CR LF.
std::string ProfileBytes(const Program& p);

// The values of a file, every line checked; nullopt with the first bad line otherwise.
struct ProfileRead {
    std::vector<FieldValue> values;
    std::optional<LineProblem> problem;
};
ProfileRead ParseProfile(std::string_view bytes);
// Puts checked values into the program.
void ApplyProfile(Program& p, const std::vector<FieldValue>& values);

}  // namespace velondo::storage
