#pragma once
// For the adapter's test and benchmark: a JACK server of the process's own on the dummy
// driver, and a stand-in for the window's thread that runs what the adapter posts.
#include <fcntl.h>
#include <jack/jack.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

namespace velondo::midi::testing {

using namespace std::chrono_literals;
using Steady = std::chrono::steady_clock;

inline void Quiet(const char*) {}

// jackd --no-realtime -d dummy (256 frames at 44.1 kHz) under a server name of this process,
// which the process's JACK clients then use; stopped when the object goes.
class JackServer {
public:
    JackServer() : name_("velondo-test-" + std::to_string(::getpid())) {
        ::setenv("JACK_DEFAULT_SERVER", name_.c_str(), 1);
        ::setenv("JACK_NO_AUDIO_RESERVATION", "1", 1);
        ::setenv("JACK_NO_START_SERVER", "1", 1);
        jack_set_error_function(&Quiet);
        jack_set_info_function(&Quiet);
        pid_ = ::fork();
        if (pid_ == 0) {
            const int null = ::open("/dev/null", O_WRONLY);
            ::dup2(null, 1);
            ::dup2(null, 2);
            ::execlp("jackd", "jackd", "--no-realtime", "-n", name_.c_str(), "-d", "dummy", "-r",
                     "44100", "-p", "256", static_cast<char*>(nullptr));
            ::_exit(127);
        }
        const auto deadline = Steady::now() + 15s;
        while (!up_ && Steady::now() < deadline && !exited()) {
            if (jack_client_t* c = jack_client_open("probe", JackNoStartServer, nullptr)) {
                jack_client_close(c);
                up_ = true;
            } else {
                std::this_thread::sleep_for(50ms);
            }
        }
    }
    ~JackServer() {
        if (pid_ <= 0 || exited()) return;
        ::kill(pid_, SIGTERM);
        for (int i = 0; i < 100 && !exited(); ++i) std::this_thread::sleep_for(50ms);
        if (!exited()) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    bool up() const { return up_; }

private:
    bool exited() {
        if (gone_) return true;
        gone_ = ::waitpid(pid_, nullptr, WNOHANG) == pid_;
        return gone_;
    }
    std::string name_;
    pid_t pid_ = -1;
    bool up_ = false;
    bool gone_ = false;
};

// The window's thread, played by the caller's own: what the adapter posts runs here.
class WindowThread {
public:
    void post(std::function<void()> fn) {
        std::lock_guard lock(mutex_);
        if (std::this_thread::get_id() == owner_) ++postedFromWindowThread;
        queue_.push_back(std::move(fn));
        arrived_.notify_all();
    }
    // Runs the posted functions until done() holds or the time is up.
    bool runUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout = 10s) {
        const auto deadline = Steady::now() + timeout;
        while (!done()) {
            std::unique_lock lock(mutex_);
            // done() may turn true on another thread: look again every millisecond.
            const auto until = std::min(deadline, Steady::now() + 1ms);
            if (!arrived_.wait_until(lock, until, [this] { return !queue_.empty(); })) {
                if (Steady::now() >= deadline) return done();
                continue;
            }
            auto fn = std::move(queue_.front());
            queue_.pop_front();
            lock.unlock();
            fn();
        }
        return true;
    }
    int postedFromWindowThread = 0;

private:
    std::thread::id owner_ = std::this_thread::get_id();
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::deque<std::function<void()>> queue_;
};

}  // namespace velondo::midi::testing
