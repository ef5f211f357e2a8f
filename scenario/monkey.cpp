// monkey <seed> <events>: random events over every handler of the main window, random
// waits and random clicks through the real view, with the invariants checked after each.
#include <deque>
#include <iostream>
#include <random>

#include "core/phase.h"
#include "scenario/invariants.h"
#include "scenario/runner.h"
#include "view/view_host.h"

namespace velondo::scenario {

namespace {

struct HandlerCall {
    std::string control, event;
    int index = -1;
    std::string name() const {
        return index < 0 ? control : control + "(" + std::to_string(index) + ")";
    }
};

// Events that are not a student's: the windows' own lifecycle and the timers, which fire
// through the waits.
bool StudentEvent(const std::string& event) {
    return event != "Timer" && event != "Load" && event != "Unload" && event != "QueryUnload";
}

std::string Quoted(const std::string& s) {
    std::string out = "\"";
    for (char c : s) {
        if (c == '"' || c == '\\') out += '\\';
        if (c == '\n') {
            out += "\\n";
            continue;
        }
        out += c;
    }
    return out + "\"";
}

constexpr double kTwipsPerPixel = 15;

}  // namespace

class Monkey {
public:
    Monkey(Runner& runner, std::uint64_t seed) : r_(runner), seed_(seed), rng_(seed) {
        findTargets();
    }

    // Sends n events; false when an invariant broke (the report is printed).
    bool run(int n, const Line& line);

private:
    Program& prog() { return *r_.program_; }
    int uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(rng_) < p; }
    template <class T>
    const T& pick(const std::vector<T>& v) {
        return v[static_cast<size_t>(uniform(0, static_cast<int>(v.size()) - 1))];
    }

    void findTargets();
    void step();
    void call(const HandlerCall& t, Event e);
    void callHandler(const HandlerCall& t);
    void wait(std::int64_t ms);
    void viewMouse(view::MouseAction a, int x, int y);
    void clickVisibleControl();
    void answer();
    void typeText();
    void setName();
    void queueDialogAnswer();
    std::string randomText();
    void log(const std::string& s) {
        last_.push_back(s);
        if (last_.size() > 20) last_.pop_front();
    }

    Runner& r_;
    std::uint64_t seed_;
    std::mt19937_64 rng_;
    std::vector<HandlerCall> targets_;
    std::deque<std::string> last_;
    std::vector<std::string> held_;         // controls a button is down on; "view" for the view
    std::optional<HandlerCall> pendingUp_;  // the MouseUp that ends a hold
    std::optional<std::pair<int, int>> pendingRelease_;  // the view's release
    std::string queuedDialog_;
    size_t dialogsAsked_ = 0;
    InvariantChecker invariants_;
    long long trials_ = 0, restarts_ = 0, events_ = 0;
    std::string lastProva_ = "No";
};

void Monkey::findTargets() {
    targets_.clear();
    const Program& p = prog();
    for (const std::string& key : p.handlers.names()) {
        const size_t dot = key.rfind('.');
        HandlerCall t{key.substr(0, dot), key.substr(dot + 1)};
        if (!StudentEvent(t.event)) continue;
        if (p.splash.registry.find(t.control) || p.splash.registry.findArray(t.control)) continue;
        if (const ControlArray* a = p.main.registry.findArray(t.control)) {
            for (int i = a->lo(); i <= a->hi(); ++i)
                if (p.handlers.has(t.control, t.event, i))
                    targets_.push_back({t.control, t.event, i});
        } else if (p.handlers.has(t.control, t.event)) {
            targets_.push_back(t);
        }
    }
}

void Monkey::call(const HandlerCall& t, Event e) {
    e.index = t.index;
    std::string entry = t.name() + "." + t.event;
    if (t.event == "KeyDown" || t.event == "KeyUp" || t.event == "KeyPress")
        entry += " " + std::to_string(e.keyCode);
    else if (t.event.starts_with("Mouse"))
        entry += " " + std::to_string(static_cast<int>(e.x)) + " " +
                 std::to_string(static_cast<int>(e.y)) + " " + std::to_string(e.button);
    log(entry);
    prog().call(t.control, t.event, e);
}

void Monkey::callHandler(const HandlerCall& t) {
    Event e;
    if (t.event.starts_with("Key")) {
        static const int keys[] = {13, 13, 13, 16, 8, 27, 32, 65, 77, 90, 48, 57, 37, 39, 0, 255};
        e.keyCode = keys[uniform(0, 15)];
    } else if (t.event.starts_with("Mouse")) {
        double w = 3000, h = 3000;
        if (const Control* c = prog().findControl(t.control, t.index)) w = c->width, h = c->height;
        e.x = uniform(0, static_cast<int>(std::max(1.0, w)));
        e.y = uniform(0, static_cast<int>(std::max(1.0, h)));
        e.button = chance(0.85) ? 1 : 2;
    }
    call(t, e);
    if (t.event == "MouseDown" && prog().handlers.has(t.control, "MouseUp", t.index)) {
        held_.push_back(t.name());
        pendingUp_ = HandlerCall{t.control, "MouseUp", t.index};
    }
}

void Monkey::wait(std::int64_t ms) {
    log("wait " + std::to_string(ms));
    r_.cmdWait(ms);
}

void Monkey::viewMouse(view::MouseAction a, int x, int y) {
    static const char* names[] = {"press", "release", "move", "click"};
    log(std::string(names[static_cast<int>(a)]) + " " + std::to_string(x) + " " +
        std::to_string(y));
    r_.viewHost().mouse(a, x, y);
}

void Monkey::clickVisibleControl() {
    const Program& p = prog();
    std::vector<std::pair<int, int>> spots;
    const double winW = p.main.frmVelondo7Principale2.width / kTwipsPerPixel;
    const double winH = p.main.frmVelondo7Principale2.height / kTwipsPerPixel;
    for (const Control* c : p.main.registry.all()) {
        if (c == &p.main.frmVelondo7Principale2 || c->width <= 0 || c->height <= 0) continue;
        if (!p.handlers.has(c->name, "Click", c->index) &&
            !p.handlers.has(c->name, "MouseDown", c->index))
            continue;
        bool shown = c->visible;
        double left = c->left, top = c->top;
        for (const Control* f = c->parent; f && shown; f = f->parent) {
            shown = f->visible;
            left += f->left;
            top += f->top;
        }
        if (!shown) continue;
        const int x = static_cast<int>((left + c->width / 2) / kTwipsPerPixel);
        const int y = static_cast<int>((top + c->height / 2) / kTwipsPerPixel);
        if (x >= 0 && y >= 0 && x < winW && y < winH) spots.push_back({x, y});
    }
    if (spots.empty())
        return viewMouse(view::MouseAction::Click, uniform(0, 1023), uniform(0, 767));
    auto [x, y] = pick(spots);
    viewMouse(view::MouseAction::Click, x + uniform(-3, 3), y + uniform(-3, 3));
}

void Monkey::answer() {
    const int i = prog().state.CopiaNumeroScelto;
    int key = 0;
    if (i >= 1 && i <= 120) {
        const std::string& k = prog().state.ScegliNumero[static_cast<size_t>(i)];
        key = std::atoi(k.c_str());
    }
    if (key < 1 || key > 49 || chance(0.1)) key = uniform(1, 49);  // now and then a wrong key
    call({"lblTasto", "MouseDown", key}, {});
    call({"lblTasto", "MouseUp", key}, {});
}

std::string Monkey::randomText() {
    static const std::vector<std::string> pieces = {
        "a",          "Mario",      " ", "\"",     "\\", ",",  "à", "è", "ù", "Zoë",
        "\U0001D11E", "\U0001F600", "1", "#TRUE#", "''", "\t", "é", "ß", "x"};
    std::string s;
    for (int n = uniform(0, 6); n > 0; --n) s += pick(pieces);
    return s;
}

void Monkey::typeText() {
    std::string s = randomText();
    if (chance(0.3)) s += "\n";
    log("type " + Quoted(s));
    r_.viewHost().type(s);
}

void Monkey::setName() {
    const std::string s = randomText();
    log("TxtNomeAlunno.Text = " + Quoted(s));
    prog().main.TxtNomeAlunno.text = s;
    if (prog().handlers.has("TxtNomeAlunno", "Change")) prog().call("TxtNomeAlunno", "Change");
}

void Monkey::queueDialogAnswer() {
    auto& dialogs = r_.rig_.dialogs;
    if (dialogs.pending()) return;
    const int kind = uniform(0, 9);
    std::optional<std::string> a;
    std::string shown;
    if (kind <= 2) {
        shown = "cancel";
    } else if (kind <= 5) {
        shown = "Velondo7/Impostazioni/00000 - Esempio da non cancellare.txt";
    } else if (kind <= 8) {
        shown = "Velondo7/Impostazioni/Scimmia " + std::to_string(uniform(1, 5)) + ".txt";
    } else {
        shown = "Velondo7/Impostazioni/";
    }
    if (shown != "cancel") a = r_.dataRoot_ + shown;
    dialogs.queue(a);
    queuedDialog_ = "dialog " + (shown == "cancel" ? shown : Quoted(shown));
}

void Monkey::step() {
    ++events_;
    if (pendingUp_) {
        if (chance(0.4)) return wait(uniform(0, 2000));
        call(*pendingUp_, {});
        pendingUp_.reset();
        held_.clear();
        return;
    }
    if (pendingRelease_) {
        if (chance(0.4)) return wait(uniform(0, 2000));
        viewMouse(view::MouseAction::Release, pendingRelease_->first, pendingRelease_->second);
        pendingRelease_.reset();
        held_.clear();
        return;
    }
    const bool running = prog().state.ProvaInCorso == "Sì";
    const int roll = uniform(0, 99);
    if (running && roll < 30) return answer();
    if (roll < 40) return callHandler(pick(targets_));
    if (roll < 55) return wait(chance(0.3) ? uniform(0, 200) : uniform(0, 5000));
    if (roll < 75) return clickVisibleControl();
    if (roll < 80) {
        const int x = uniform(0, 1023), y = uniform(0, 767);
        return viewMouse(chance(0.5) ? view::MouseAction::Click : view::MouseAction::Move, x, y);
    }
    if (roll < 83) {
        const int x = uniform(0, 1023), y = uniform(0, 767);
        viewMouse(view::MouseAction::Press, x, y);
        held_.push_back("view");
        pendingRelease_ = {x + uniform(-20, 20), y + uniform(-20, 20)};
        return;
    }
    if (roll < 90) {
        if (prog().main.panel(Panel::Name).visible)
            return call({"TxtNomeAlunno", "KeyDown"}, {.keyCode = 13});
        return callHandler(pick(targets_));
    }
    if (roll < 95) return typeText();
    return setName();
}

bool Monkey::run(int n, const Line& line) {
    auto& dialogs = r_.rig_.dialogs;
    for (int i = 1; i <= n; ++i) {
        queueDialogAnswer();
        const size_t asked = dialogs.asked.size();
        step();
        if (dialogs.asked.size() != asked) {  // the answer was used: it belongs before the event
            last_.insert(last_.end() - 1, queuedDialog_);
            if (last_.size() > 20) last_.pop_front();
        }
        dialogs.unexpected.clear();
        const std::string prova = prog().state.ProvaInCorso;
        if (lastProva_ == "Sì" && prova == "No") ++trials_;
        lastProva_ = prova;

        auto broken = invariants_.check(prog(), r_.rig_.time.steadyMs(), held_);
        auto files = invariants_.checkFiles(r_.dataRoot_);
        broken.insert(broken.end(), files.begin(), files.end());
        // A fault the program reports itself (a call of a handler that does not exist).
        for (const auto& e : r_.rig_.log.errors) broken.push_back("the program reported: " + e);
        r_.rig_.log.errors.clear();
        if (!broken.empty()) {
            std::cout << "monkey seed " << seed_ << ": event " << i << " broke:\n";
            for (const auto& b : broken) std::cout << "  " << b << "\n";
            const ExerciseState& st = prog().state;
            std::string frames;
            for (int k = 1; k <= 13; ++k)
                if (prog().main.ShpEvidenzia[k].visible) frames += " " + std::to_string(k);
            std::cout << "  (phase " << PhaseName(CurrentPhase(prog())) << ", Posizione "
                      << st.Posizione << ", Avanza " << st.Avanza << ", NumeroScelto "
                      << st.NumeroScelto << ", CopiaNumeroScelto " << st.CopiaNumeroScelto
                      << ", frames" << frames << ")\n";
            std::cout << "last " << last_.size() << " events:\n";
            for (const auto& e : last_) std::cout << "  " << e << "\n";
            r_.fail(line, "monkey seed " + std::to_string(seed_) + ": invariant broken at event " +
                              std::to_string(i));
            return false;
        }
        if (prog().ended) {  // the window closed: a fresh start on the files it left
            log("# the window closed; a fresh program starts");
            r_.restartProgram();
            invariants_.restart();
            held_.clear();
            pendingUp_.reset();
            pendingRelease_.reset();
            r_.cmdStart(line);
            findTargets();
            ++restarts_;
        }
    }
    std::cout << "monkey seed " << seed_ << ": " << events_ << " events, " << trials_
              << " trials finished, " << restarts_ << " restarts, " << invariants_.checks()
              << " invariants checked, " << invariants_.filesChecked() << " files read back\n";
    return true;
}

void Runner::cmdMonkey(const Line& line) {
    const auto& w = line.words;
    if (w.size() < 3) return unknown(line, "monkey needs a seed and a number of events");
    if (!program_->mainLoaded) cmdStart(line);
    Monkey monkey(*this, std::stoull(w[1]));
    if (monkey.run(std::stoi(w[2]), line)) pass();
}

}  // namespace velondo::scenario
