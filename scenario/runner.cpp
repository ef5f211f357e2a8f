#include "scenario/runner.h"

#include <cctype>
#include <climits>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include "app/wiring.h"
#include "scenario/properties.h"
#include "storage/line_format.h"
#include "view/view_host.h"

namespace fs = std::filesystem;

namespace velondo::scenario {

namespace {

// The big read-only folders are linked, the ones the program writes are copied.
void PrepareDataCopy(const fs::path& from, const fs::path& to) {
    fs::create_directories(to);
    if (!fs::exists(from)) return;
    for (const auto& top : fs::directory_iterator(from)) {
        fs::path target = to / top.path().filename();
        if (top.path().filename() != "Velondo7" || !top.is_directory()) {
            fs::copy(top.path(), target, fs::copy_options::recursive);
            continue;
        }
        fs::create_directories(target);
        for (const auto& sub : fs::directory_iterator(top.path())) {
            const auto name = sub.path().filename().string();
            if (name == "Grafica" || name == "Piano" || name == "Suoni")
                fs::create_directory_symlink(fs::absolute(sub.path()), target / name);
            else
                fs::copy(sub.path(), target / name, fs::copy_options::recursive);
        }
    }
}

bool ParseDateTime(const std::string& date, const std::string& time, DateTime* out) {
    DateTime t;
    if (std::sscanf(date.c_str(), "%d-%d-%d", &t.year, &t.month, &t.day) != 3) return false;
    if (std::sscanf(time.c_str(), "%d:%d:%d", &t.hour, &t.minute, &t.second) != 3) return false;
    *out = t;
    return true;
}

std::string Join(const std::vector<std::string>& v, const std::string& sep) {
    std::string out;
    for (size_t i = 0; i < v.size(); ++i) out += (i ? sep : "") + v[i];
    return out;
}

// A text as the scripts write it: quotes, backslashes and line breaks escaped.
std::string Quote(const std::string& s) {
    std::string out = "\"";
    for (char c : s) {
        if (c == '\n') {
            out += "\\n";
            continue;
        }
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out + "\"";
}

// A word of a line that must be a number; the line fails as a whole when it is not.
struct NotANumber {
    std::string word;
};
long long Whole(const std::string& word) {
    if (auto v = WholeNumber(word)) return *v;
    throw NotANumber{word};
}
int Int(const std::string& word) {
    const long long v = Whole(word);
    if (v < INT_MIN || v > INT_MAX) throw NotANumber{word};
    return static_cast<int>(v);
}
double Real(const std::string& word) {
    if (auto v = RealNumber(word)) return *v;
    throw NotANumber{word};
}

std::string WithoutCr(std::string s) {
    if (!s.empty() && s.back() == '\r') s.pop_back();
    return s;
}

}  // namespace

Runner::Runner(const Options& options, std::string scriptPath)
    : options_(options), script_(std::move(scriptPath)) {
    static int serial = 0;
    fs::path tmp = fs::temp_directory_path() / ("velondo-scenario-" + std::to_string(::getpid()) +
                                                "-" + std::to_string(++serial));
    fs::remove_all(tmp);
    PrepareDataCopy(options_.dataDir, tmp);
    dataRoot_ = tmp.string() + "/";
    program_ = rig_.program.get();
    program_->dataRootCandidates = {dataRoot_};
    rig_.dialogs.documents = dataRoot_ + "Documenti";
    InstallAll(*program_);
}

void Runner::makeReadOnly(const std::string& folder) {
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                fs::perms::group_exec | fs::perms::others_read |
                                fs::perms::others_exec);
    readOnly_.push_back(folder);
    auto writable = [&] {
        const std::string probe = folder + "/.velondo-probe";
        const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        if (fd < 0) return false;
        ::close(fd);
        ::unlink(probe.c_str());
        return true;
    };
    if (!writable()) return;
    // The superuser ignores permissions: the immutable flag stops it too.
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        int flags = 0;
        if (::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
            flags |= FS_IMMUTABLE_FL;
            ::ioctl(fd, FS_IOC_SETFLAGS, &flags);
        }
        ::close(fd);
    }
    // Where neither works the file adapter refuses the writes as such a folder would.
    if (writable()) rig_.files.markReadOnly(folder);
}

void Runner::releaseReadOnly() {
    for (const std::string& folder : readOnly_) {
        const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
        if (fd >= 0) {
            int flags = 0;
            if (::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0 && (flags & FS_IMMUTABLE_FL)) {
                flags &= ~FS_IMMUTABLE_FL;
                ::ioctl(fd, FS_IOC_SETFLAGS, &flags);
            }
            ::close(fd);
        }
        std::error_code ec;
        fs::permissions(folder,
                        fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                            fs::perms::others_read | fs::perms::others_exec,
                        ec);
    }
    readOnly_.clear();
}

Runner::~Runner() {
    releaseReadOnly();
    view_.reset();
    std::error_code ec;
    fs::remove_all(dataRoot_, ec);
}

Tally Runner::run() {
    std::string error;
    auto lines = ReadScript(script_, &error);
    if (!error.empty()) {
        std::cout << error << "\n";
        tally_.unknown = true;
        return tally_;
    }
    for (const Line& line : lines) {
        // A bad line fails alone: the script goes on and the data copy is removed at the end.
        try {
            execute(line);
        } catch (const NotANumber& e) {
            unknown(line, "not a number: " + Quote(e.word));
        } catch (const std::exception& e) {
            fail(line, std::string("error: ") + e.what());
        }
        if (program_->ended && view_) view_->sync();
    }
    return tally_;
}

void Runner::fail(const Line& line, const std::string& message) {
    ++tally_.failed;
    std::cout << (line.file.empty() ? script_ : line.file) << ":" << line.number << ": " << message
              << "\n";
}

void Runner::failExpect(const Line& line, const std::string& what, const std::string& expected,
                        const std::string& actual) {
    fail(line, what + ": expected " + Quote(expected) + ", actual " + Quote(actual));
}

void Runner::unknown(const Line& line, const std::string& message) {
    tally_.unknown = true;
    fail(line, message);
}

view::ViewHost& Runner::viewHost() {
    if (!view_) view_ = std::make_unique<view::ViewHost>(*program_);
    view_->sync();
    return *view_;
}

void Runner::afterStep() {
    if (view_) view_->sync();
}

void Runner::execute(const Line& line) {
    const auto& w = line.words;
    const std::string& cmd = w[0];
    auto need = [&](size_t n) {
        if (w.size() < n) {
            unknown(line, "too few words for " + cmd);
            return false;
        }
        return true;
    };

    if (cmd == "clock") {
        DateTime t;
        if (!need(3) || !ParseDateTime(w[1], w[2], &t)) return unknown(line, "bad clock");
        rig_.time.setClock(t);
    } else if (cmd == "screen") {
        if (!need(3)) return;
        rig_.screen.size_ = {Real(w[1]), Real(w[2])};
    } else if (cmd == "locale") {
        if (!need(2)) return;
        rig_.locale.format_.decimalSeparator = (w[1] == "C" || w[1] == "en") ? '.' : ',';
    } else if (cmd == "random") {
        for (size_t i = 1; i < w.size(); ++i) rig_.random.queue(Real(w[i]));
    } else if (cmd == "candidates") {
        program_->dataRootCandidates.clear();
        for (size_t i = 1; i < w.size(); ++i)
            program_->dataRootCandidates.push_back(w[i].starts_with("/") ? w[i] : dataRoot_ + w[i]);
    } else if (cmd == "mkdir") {  // a folder below the data copy, for data root probes
        for (size_t i = 1; i < w.size(); ++i) fs::create_directories(dataRoot_ + w[i]);
    } else if (cmd == "copy") {  // copy "from" "to", both below the data copy
        if (!need(3)) return;
        fs::create_directories(fs::path(dataRoot_ + w[2]).parent_path());
        fs::copy(dataRoot_ + w[1], dataRoot_ + w[2],
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    } else if (cmd ==
               "readonly") {  // readonly "Velondo7/Impostazioni": no file can be written there
        for (size_t i = 1; i < w.size(); ++i) makeReadOnly(dataRoot_ + w[i]);
    } else if (cmd == "start") {
        cmdStart(line);
    } else if (cmd == "restart") {  // the next run of the program on the same data folder
        view_.reset();
        rig_.reset();
        program_ = rig_.program.get();
        program_->dataRootCandidates = {dataRoot_};
        InstallAll(*program_);
    } else if (cmd == "write") {  // write "path" "line" …: a file below the copy, CR LF lines
        if (!need(2)) return;
        fs::create_directories(fs::path(dataRoot_ + w[1]).parent_path());
        std::ofstream out(dataRoot_ + w[1], std::ios::binary | std::ios::trunc);
        for (size_t i = 2; i < w.size(); ++i) out << w[i] << "\r\n";
    } else if (cmd == "wait") {
        if (!need(2)) return;
        cmdWait(Whole(w[1]));
    } else if (cmd == "dialog") {
        if (!need(2)) return;
        if (w[1] == "cancel")
            rig_.dialogs.queue(std::nullopt);
        else
            rig_.dialogs.queue(w[1].starts_with("/") ? w[1] : dataRoot_ + w[1]);
    } else if (cmd == "printer") {  // printer none | error | unwritable: the next print fails
        if (!need(2)) return;
        if (w[1] == "none")
            rig_.printer.failNext = PrintOutcome::NoPrinter;
        else if (w[1] == "error")
            rig_.printer.failNext = PrintOutcome::PrinterError;
        else if (w[1] == "unwritable")
            rig_.printer.failNext = PrintOutcome::FileError;
        else
            return unknown(line, "bad printer " + w[1]);
    } else if (cmd == "expect") {
        cmdExpect(line);
    } else if (cmd == "set") {  // set Field[(i)] = value: prepare state directly
        Target t;
        if (!need(4) || !ParseTarget(w[1], &t) || w[2] != "=") return unknown(line, "bad set");
        const FieldAccess* f = program_->fields.find(t.name);
        if (f) {
            if (!f->set(t.index, w[3])) fail(line, "not a value of " + t.name + ": " + Quote(w[3]));
        } else if (Control* c = control(t.name, t.index)) {
            c->caption = w[3];
        } else {
            unknown(line, "unknown field " + t.name);
        }
    } else if (cmd == "forget") {
        rig_.sound.takeLog();
    } else if (cmd == "dump") {
        cmdDump();
    } else if (cmd == "monkey") {
        cmdMonkey(line);
    } else if (cmd == "shot") {
        if (!need(2)) return;
        std::error_code ec;
        fs::create_directories(options_.shotsDir, ec);
        if (ec || !fs::is_directory(options_.shotsDir))
            return fail(line, "cannot create the shots folder " + Quote(options_.shotsDir) + ": " +
                                  (ec ? ec.message() : "it is not a folder"));
        std::string file = (fs::path(options_.shotsDir) / (w[1] + ".png")).string();
        if (!viewHost().shot(file)) fail(line, "cannot write the shot " + Quote(file));
    } else if (cmd == "click" || cmd == "press" || cmd == "release" || cmd == "move") {
        if (!need(3)) return;
        auto action = cmd == "click"     ? view::MouseAction::Click
                      : cmd == "press"   ? view::MouseAction::Press
                      : cmd == "release" ? view::MouseAction::Release
                                         : view::MouseAction::Move;
        viewHost().mouse(action, Int(w[1]), Int(w[2]));
    } else if (cmd == "type") {
        if (!need(2)) return;
        viewHost().type(w[1]);
    } else if (cmd == "midi") {
        cmdMidi(line);
    } else if (cmd == "keys" || cmd == "key") {
        cmdKeys(line);
    } else {
        Target t;
        if (!ParseTarget(cmd, &t) || t.member.empty())
            return unknown(line, "unknown command " + cmd);
        if (w.size() >= 3 && w[1] == "=")
            cmdAssign(line, t, w[2]);
        else
            cmdCall(line, t);
    }
    afterStep();
    if (!rig_.dialogs.unexpected.empty()) {
        for (const auto& d : rig_.dialogs.unexpected)
            fail(line, "unexpected dialog " + Quote(d.title) + " (cancelled)");
        rig_.dialogs.unexpected.clear();
    }
}

void Runner::cmdStart(const Line& line) {
    if (!program_->call("frmSplashVelondo7", "Load")) return unknown(line, "no splash Load");
    Timer& via = program_->splash.TmrVia;
    for (int guard = 0; via.enabled() && guard < 1000; ++guard) {
        auto due = rig_.time.nextDue();
        if (!due) break;
        rig_.time.advance(*due - rig_.time.steadyMs(), *program_);
    }
    if (via.enabled()) fail(line, "TmrVia never fired");
}

void Runner::cmdWait(std::int64_t ms) { rig_.time.advance(ms, *program_); }

void Runner::restartProgram() {
    view_.reset();
    rig_.reset();
    program_ = rig_.program.get();
    program_->dataRootCandidates = {dataRoot_};
    InstallAll(*program_);
}

void Runner::cmdCall(const Line& line, const Target& t) {
    Event e;
    e.index = t.index;
    const auto& w = line.words;
    if (t.member == "KeyDown" || t.member == "KeyPress" || t.member == "KeyUp") {
        if (w.size() >= 2) e.keyCode = Int(w[1]);
    } else if (w.size() >= 3) {  // mouse events: x y in twips, then the button
        e.x = Real(w[1]);
        e.y = Real(w[2]);
        if (w.size() >= 4) e.button = Int(w[3]);
    }
    if (!program_->call(t.name, t.member, e))
        unknown(line, "unknown handler " + t.name + "." + t.member);
}

void Runner::cmdAssign(const Line& line, const Target& t, const std::string& value) {
    Control* c = control(t.name, t.index);
    if (!c) return unknown(line, "unknown control " + t.name);
    if (!SetProperty(*c, t.member, value, dataRoot_))
        return unknown(line, "cannot set " + t.name + "." + t.member);
    if (t.member == "Text") {
        Event e;
        e.index = t.index;
        program_->offer(t.name, "Change", e);
    }
}

Control* Runner::control(const std::string& name, int index) {
    if (Control* c = program_->findControl(name, index)) return c;
    return program_->findControl("lbl" + name, index);
}

std::optional<std::string> Runner::fieldValue(const std::string& name, int index, bool* known) {
    *known = true;
    if (name == "DataRoot") {
        const std::string& d = program_->state.Dir;
        return d.rfind(dataRoot_, 0) == 0 ? d.substr(dataRoot_.size()) : d;
    }
    if (const FieldAccess* f = program_->fields.find(name)) {
        if (f->lo <= f->hi && (index < f->lo || index > f->hi)) return std::nullopt;
        // Paths below the data copy read as below DataRoot, like Picture.
        std::string v = f->get(index);
        return v.rfind(dataRoot_, 0) == 0 ? v.substr(dataRoot_.size()) : v;
    }
    if (Control* c = program_->findControl("lbl" + name, index)) return c->caption;
    *known = false;
    return std::nullopt;
}

void Runner::cmdExpect(const Line& line) {
    const auto& w = line.words;
    if (w.size() >= 2 && w[1] == "file") return cmdExpectFile(line);
    if (w.size() >= 2 && w[1] == "page") return cmdExpectPage(line);
    if (w.size() < 4 || w[2] != "=") return unknown(line, "bad expect");
    const std::string& expected = w[3];
    if (w[1] == "printed") {
        const std::string actual = std::to_string(rig_.printer.printed.size());
        return SameValue(expected, actual) ? pass() : failExpect(line, "printed", expected, actual);
    }
    if (w[1] == "pdf") {
        const auto& pdfs = rig_.printer.pdfs;
        std::string actual = pdfs.empty() ? "" : pdfs.back().path;
        if (actual.rfind(dataRoot_, 0) == 0) actual = actual.substr(dataRoot_.size());
        return actual == expected ? pass() : failExpect(line, "pdf", expected, actual);
    }
    if (w[1] == "sounds") {
        auto log = rig_.sound.takeLog();
        std::string actual = Join(log, ", ");
        if (SameValue(expected, actual))
            pass();
        else
            failExpect(line, "sounds", expected, actual);
        return;
    }
    Target t;
    if (!ParseTarget(w[1], &t)) return unknown(line, "bad target " + w[1]);
    std::optional<std::string> actual;
    if (t.member.empty()) {
        bool known = false;
        actual = fieldValue(t.name, t.index, &known);
        if (!known) return unknown(line, "unknown field " + t.name);
        if (!actual) return unknown(line, "index out of range: " + w[1]);
    } else if (Timer* timer = program_->findTimer(t.name)) {
        if (t.member == "Enabled")
            actual = timer->enabled() ? "1" : "0";
        else if (t.member == "Interval")
            actual = std::to_string(timer->interval());
        else
            return unknown(line, "unknown timer property " + t.member);
    } else {
        Control* c = control(t.name, t.index);
        if (!c) return unknown(line, "unknown control " + w[1]);
        actual = GetProperty(*c, t.member, dataRoot_);
        if (!actual) return unknown(line, "unknown property " + t.member);
    }
    if (SameValue(expected, *actual))
        pass();
    else
        failExpect(line, w[1], expected, *actual);
}

void Runner::cmdExpectFile(const Line& line) {
    // expect file "<path>" line <n> = v | lines = n | exists = 1
    const auto& w = line.words;
    if (w.size() < 5) return unknown(line, "bad expect file");
    std::string path = dataRoot_ + w[2];
    std::vector<std::string> lines;
    bool exists = fs::is_regular_file(path);
    if (exists) {
        std::ifstream in(path, std::ios::binary);
        std::string s;
        // The data files are Windows-1252: a line compares as the text it stands for.
        while (std::getline(in, s)) lines.push_back(storage::FromWindows1252(WithoutCr(s)));
    }
    std::string what = "file " + w[2];
    if (w[3] == "exists" && w[4] == "=" && w.size() >= 6) {
        std::string actual = exists ? "1" : "0";
        return SameValue(w[5], actual) ? pass() : failExpect(line, what, w[5], actual);
    }
    if (w[3] == "lines" && w[4] == "=" && w.size() >= 6) {
        std::string actual = exists ? std::to_string(lines.size()) : "(missing)";
        return SameValue(w[5], actual) ? pass() : failExpect(line, what, w[5], actual);
    }
    if (w[3] == "line" && w.size() >= 7 && w[5] == "=") {
        const long long n = Whole(w[4]);
        std::string actual = !exists ? "(missing)"
                             : (n >= 1 && n <= static_cast<long long>(lines.size()))
                                 ? lines[static_cast<size_t>(n - 1)]
                                 : "(no such line)";
        return actual == w[6] ? pass() : failExpect(line, what + " line " + w[4], w[6], actual);
    }
    unknown(line, "bad expect file");
}

void Runner::cmdMidi(const Line& line) {
    // midi connect "<name>" | midi disconnect "<name>"
    // midi on <note> [velocity] [port "<name>"] [channel <c>] | midi off <note> [port …] [channel
    // …]
    const auto& w = line.words;
    if (w.size() < 3) return unknown(line, "bad midi");
    if (w[1] == "connect") return rig_.midi.connect(w[2]);
    if (w[1] == "disconnect") return rig_.midi.disconnect(w[2]);
    if (w[1] != "on" && w[1] != "off") return unknown(line, "bad midi " + w[1]);
    const int note = std::stoi(w[2]);
    int velocity = 100, channel = 0;
    std::string port = rig_.midi.ports().empty() ? "" : rig_.midi.ports().back();
    size_t i = 3;
    if (w[1] == "on" && i < w.size() && !w[i].empty() &&
        std::isdigit(static_cast<unsigned char>(w[i][0])))
        velocity = std::stoi(w[i++]);
    for (; i + 1 < w.size(); i += 2) {
        if (w[i] == "port")
            port = w[i + 1];
        else if (w[i] == "channel")
            channel = std::stoi(w[i + 1]);
        else
            return unknown(line, "bad midi option " + w[i]);
    }
    if (i != w.size()) return unknown(line, "bad midi option " + w[i]);
    const bool heard = w[1] == "on" ? rig_.midi.noteOn(port, channel, note, velocity)
                                    : rig_.midi.noteOff(port, channel, note);
    if (!heard) fail(line, "no MIDI input \"" + port + "\" is connected and listened to");
}

void Runner::cmdKeys(const Line& line) {
    // keys "zsx": each letter by its position; key Left | key Right: an arrow
    const auto& w = line.words;
    if (w.size() < 2) return unknown(line, "too few words for " + w[0]);
    if (w[0] == "key") {
        if (w[1] == "Left") return viewHost().physicalKey(ui::KeyPosition::Left);
        if (w[1] == "Right") return viewHost().physicalKey(ui::KeyPosition::Right);
        return unknown(line, "unknown key " + w[1]);
    }
    for (char c : w[1]) {
        const auto pos = ui::PositionOfLetter(c);
        if (!pos) return unknown(line, std::string("no piano key for '") + c + "'");
        viewHost().physicalKey(*pos);
    }
}

void Runner::cmdExpectPage(const Line& line) {
    // expect page <top> <left> = "text" | expect page has "text" = n: the last page sent
    const auto& w = line.words;
    if (w.size() < 6 || w[4] != "=") return unknown(line, "bad expect page");
    const Page* page = rig_.printer.lastPage();
    if (w[2] == "has") {
        int n = 0;
        if (page)
            for (const PageText& t : page->texts) n += t.text == w[3];
        const std::string actual = std::to_string(n);
        return SameValue(w[5], actual) ? pass()
                                       : failExpect(line, "page has " + Quote(w[3]), w[5], actual);
    }
    const double top = std::stod(w[2]), left = std::stod(w[3]);
    std::string actual = "(nothing)";
    if (page)
        for (const PageText& t : page->texts)
            if (std::abs(t.top - top) < 0.5 && std::abs(t.left - left) < 0.5) actual = t.text;
    if (actual == w[5]) return pass();
    failExpect(line, "page " + w[2] + " " + w[3], w[5], actual);
}

void Runner::cmdDump() {
    std::cout << "--- fields\n";
    for (const auto& [name, f] : program_->fields.all()) {
        if (f.lo > f.hi) {
            std::cout << name << " = " << Quote(f.get(-1)) << "\n";
        } else {
            for (int i = f.lo; i <= f.hi; ++i)
                std::cout << name << "(" << i << ") = " << Quote(f.get(i)) << "\n";
        }
    }
    std::cout << "--- controls\n";
    for (const ControlRegistry* reg : {&program_->splash.registry, &program_->main.registry}) {
        for (const Control* c : reg->all()) {
            std::cout << c->displayName();
            for (const auto& p : PropertyNames())
                std::cout << " " << p << "=" << Quote(*GetProperty(*c, p, dataRoot_));
            std::cout << "\n";
        }
        for (const Timer* t : reg->timers())
            std::cout << t->name() << " Enabled=" << t->enabled() << " Interval=" << t->interval()
                      << "\n";
    }
}

}  // namespace velondo::scenario
