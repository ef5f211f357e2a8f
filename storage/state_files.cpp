#include "storage/state_files.h"

#include <array>
#include <charconv>

#include "storage/line_format.h"

namespace velondo::storage {

namespace {

struct OptionLine {
    Option option;
    bool design;
};
// Lines 2 … 14 of the options file.
constexpr std::array<OptionLine, 13> kLines = {{
    {Option::StaffLine, true},
    {Option::KeyboardLine, true},
    {Option::BarLines, true},
    {Option::PositionMarks, true},
    {Option::HighlightWhilePressed, false},
    {Option::KeyMovement, true},
    {Option::HighlightAfterRelease, true},
    {Option::ProgramNoises, true},
    {Option::KeyboardSounds, true},
    {Option::ErrorVoice, true},
    {Option::AutoSave, false},
    {Option::NamedSave, true},
    {Option::Shading, false},
}};
constexpr int kMaxCounter = 99999;  // profile names carry five digits

std::optional<int> Counter(const std::optional<std::string>& text) {
    if (!text || text->empty()) return std::nullopt;
    int v = 0;
    auto [end, ec] = std::from_chars(text->data(), text->data() + text->size(), v);
    if (ec != std::errc() || end != text->data() + text->size() || v < 0 || v > kMaxCounter)
        return std::nullopt;
    return v;
}

// A pair that may not be on together: read both on, the design states.
void KeepPairApart(Control& a, bool aDesign, Control& b, bool bDesign) {
    if (a.on && b.on) {
        a.on = aDesign;
        b.on = bDesign;
    }
}

// Written as the program ends, when the window is already going: a failure can only be
// told on the program's error output. The old file stays whole, so the next start reads
// what the student had before.
void WriteStateFile(Program& p, const char* relative, const std::string& bytes) {
    const FileOutcome out = p.ports.files->writeAtomic(p.path(relative), bytes);
    if (!out && p.ports.log) {
        const std::string name = std::string(relative).substr(std::string(relative).rfind('/') + 1);
        p.ports.log->error(name + " non salvato (" + out.reason +
                           "): al prossimo avvio resta quello di prima.");
    }
}

}  // namespace

std::vector<int> OptionStates(const Program& p) {
    std::vector<int> v;
    for (const OptionLine& l : kLines) v.push_back(p.main.isOn(l.option) ? 1 : 0);
    return v;
}

void ApplyOptions(Program& p, const std::optional<std::string>& counter,
                  const std::vector<std::optional<std::string>>& states) {
    p.state.Progressivo = Counter(counter).value_or(0);
    for (size_t i = 0; i < kLines.size(); ++i) {
        const std::optional<std::string>& v = i < states.size() ? states[i] : std::nullopt;
        const bool valid = v && (*v == "0" || *v == "1");
        p.main.option(kLines[i].option).surface.on = valid ? *v == "1" : kLines[i].design;
    }
    MainWindow& m = p.main;
    KeepPairApart(m.option(Option::HighlightWhilePressed).surface, false,
                  m.option(Option::HighlightAfterRelease).surface, true);
    KeepPairApart(m.option(Option::AutoSave).surface, false, m.option(Option::NamedSave).surface,
                  true);
}

void ReadOptions(Program& p) {
    std::vector<std::string> lines;
    if (auto bytes = p.ports.files->read(p.path(kOptionsFile)))
        lines = SplitLines(DecodeFileText(*bytes));
    std::optional<std::string> counter;
    if (!lines.empty()) {
        counter = ParseTextLine(lines[0]);
        if (!counter && ParseIntegerLine(lines[0])) counter = lines[0];  // written without quotes
    }
    std::vector<std::optional<std::string>> states;
    for (size_t i = 1; i < lines.size() && i < kOptionsLines; ++i) states.emplace_back(lines[i]);
    ApplyOptions(p, counter, states);
}

void WriteOptions(Program& p) {
    LineWriter w;
    w.text(std::to_string(p.state.Progressivo));
    for (int state : OptionStates(p)) w.integer(state);
    WriteStateFile(p, kOptionsFile, w.bytes());
}

void ReadStudentName(Program& p) {
    std::optional<std::string> name;
    if (auto bytes = p.ports.files->read(p.path(kNameFile))) {
        std::vector<std::string> lines = SplitLines(DecodeFileText(*bytes));
        if (!lines.empty()) name = ParseTextLine(lines[0]);
    }
    // A missing or damaged file: the name box starts empty.
    p.main.TxtNomeAlunno.text = name ? FitName(*name) : std::string();
}

void WriteStudentName(Program& p) {
    LineWriter w;
    w.text(p.main.TxtNomeAlunno.text);
    WriteStateFile(p, kNameFile, w.bytes());
}

void WriteSoundSwitch(Program& p) {
    LineWriter w;
    w.text(p.main.isOn(Option::ProgramNoises) ? "Sì" : "No");
    WriteStateFile(p, kSoundSwitchFile, w.bytes());
}

void InstallStateFiles(Program& p) {
    p.hooks.readOptions = ReadOptions;
    p.hooks.readStudentName = ReadStudentName;
    p.hooks.writeSmallStateFiles = [](Program& prog) {
        WriteOptions(prog);
        WriteSoundSwitch(prog);
        WriteStudentName(prog);
    };
}

}  // namespace velondo::storage
