#include "core/testing/test_adapters.h"

#include <cerrno>
#include <filesystem>

#include <algorithm>
#include <chrono>
#include <utility>

namespace velondo::testing {

namespace {
std::int64_t ToEpochSeconds(const DateTime& t) {
    using namespace std::chrono;
    auto days = sys_days{year{t.year} / month{static_cast<unsigned>(t.month)} /
                         day{static_cast<unsigned>(t.day)}};
    return duration_cast<seconds>(days.time_since_epoch()).count() + t.hour * 3600 + t.minute * 60 +
           t.second;
}
DateTime FromEpochSeconds(std::int64_t s) {
    using namespace std::chrono;
    std::int64_t d = s >= 0 ? s / 86400 : (s - 86399) / 86400;
    std::int64_t rest = s - d * 86400;
    year_month_day ymd{sys_days{days{d}}};
    return {static_cast<int>(ymd.year()),
            static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day())),
            static_cast<int>(rest / 3600),
            static_cast<int>(rest / 60 % 60),
            static_cast<int>(rest % 60)};
}
}  // namespace

VirtualTime::VirtualTime() { baseSeconds_ = ToEpochSeconds({2026, 1, 5, 10, 0, 0}); }

DateTime VirtualTime::now() const { return FromEpochSeconds(baseSeconds_ + elapsedMs_ / 1000); }

void VirtualTime::setClock(const DateTime& t) {
    baseSeconds_ = ToEpochSeconds(t) - elapsedMs_ / 1000;
}

void VirtualTime::timerChanged(Timer& timer) {
    due_.erase(
        std::remove_if(due_.begin(), due_.end(), [&](const Due& d) { return d.timer == &timer; }),
        due_.end());
    if (timer.enabled() && timer.interval() > 0)
        due_.push_back({&timer, elapsedMs_ + timer.interval(), seq_++});
}

std::optional<std::int64_t> VirtualTime::nextDue() const {
    std::optional<std::int64_t> best;
    for (const Due& d : due_)
        if (!best || d.at < *best) best = d.at;
    return best;
}

void VirtualTime::advance(std::int64_t ms, Program& program) {
    const std::int64_t target = elapsedMs_ + ms;
    for (;;) {
        auto it = std::min_element(due_.begin(), due_.end(), [](const Due& a, const Due& b) {
            return a.at != b.at ? a.at < b.at : a.seq < b.seq;
        });
        if (it == due_.end() || it->at > target) break;
        elapsedMs_ = it->at;
        Timer* t = it->timer;
        it->at += t->interval();
        it->seq = seq_++;
        program.fireTimer(*t);
        if (program.ended) break;
    }
    elapsedMs_ = target;
}

double QueuedRandom::next() {
    if (!queued_.empty()) {
        double v = queued_.front();
        queued_.pop_front();
        return v;
    }
    return std::uniform_real_distribution<double>(0.0, 1.0)(engine_);
}

void LoggingSound::command(const PlayerRef& player, SoundCommand command) {
    if (command == SoundCommand::Play) log_.push_back("Play " + player.displayName());
    if (command == SoundCommand::Stop) log_.push_back("Stop " + player.displayName());
}

std::string LoggingSound::fileOf(const PlayerRef& player) const {
    auto it = files_.find(player);
    return it == files_.end() ? std::string() : it->second;
}

std::optional<std::string> ScriptedDialogs::answer(const FileDialogRequest& r) {
    asked.push_back(r);
    if (answers_.empty()) {
        unexpected.push_back(r);
        return std::nullopt;
    }
    auto a = answers_.front();
    answers_.pop_front();
    return a;
}

void ScriptedMidi::start(Sink sink) {
    sink_ = std::move(sink);
    for (const std::string& port : ports_) deliver({MidiEvent::Kind::Connected, port});
}

void ScriptedMidi::connect(const std::string& port) {
    if (std::find(ports_.begin(), ports_.end(), port) != ports_.end()) return;
    ports_.push_back(port);
    deliver({MidiEvent::Kind::Connected, port});
}

void ScriptedMidi::disconnect(const std::string& port) {
    auto it = std::find(ports_.begin(), ports_.end(), port);
    if (it == ports_.end()) return;
    ports_.erase(it);
    deliver({MidiEvent::Kind::Disconnected, port});
}

bool ScriptedMidi::noteOn(const std::string& port, int channel, int note, int velocity) {
    const auto kind = velocity == 0 ? MidiEvent::Kind::NoteOff : MidiEvent::Kind::NoteOn;
    return deliver({kind, port, channel, note, velocity});
}

bool ScriptedMidi::noteOff(const std::string& port, int channel, int note) {
    return deliver({MidiEvent::Kind::NoteOff, port, channel, note, 0});
}

bool ScriptedMidi::deliver(MidiEvent e) {
    if (!sink_) return false;
    const bool known = std::find(ports_.begin(), ports_.end(), e.port) != ports_.end();
    if (!known && e.kind != MidiEvent::Kind::Disconnected) return false;
    e.ms = clock_.steadyMs();
    sink_(e);
    return true;
}

PrintOutcome RecordingPrinter::print(const Page& page) {
    if (failNext) return *std::exchange(failNext, std::nullopt);
    printed.push_back(page);
    last_ = &printed.back();
    return PrintOutcome::Done;
}

PrintOutcome RecordingPrinter::writePdf(const Page& page, const std::string& path) {
    if (failNext) return *std::exchange(failNext, std::nullopt);
    pdfs.push_back({path, page});
    last_ = &pdfs.back().page;
    return PrintOutcome::Done;
}

std::optional<WriteFault> FaultyFiles::plannedFault(const std::string& path) {
    const std::string folder = std::filesystem::path(path).parent_path().string();
    for (const std::string& ro : readOnly_)
        if (std::filesystem::path(ro).lexically_normal() ==
            std::filesystem::path(folder).lexically_normal())
            return WriteFault{WriteStep::Open, 0, FileErrorReason(EACCES)};
    if (!fault_ || times_ == 0) return std::nullopt;
    if (times_ > 0) --times_;
    WriteFault f = *fault_;
    if (times_ == 0) fault_.reset();
    return f;
}

TestRig::TestRig() { reset(); }

Ports TestRig::ports() {
    return {&time,   &random, &time,  &sound, &dialogs, &printer,
            &screen, &locale, &files, &log,   &midi};
}

void TestRig::reset() {
    program.reset();  // its timers leave the schedule with it
    time.forgetTimers();
    program = std::make_unique<Program>(ports());
}

}  // namespace velondo::testing
