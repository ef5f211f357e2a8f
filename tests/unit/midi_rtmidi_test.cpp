// The RtMidi adapter against a real JACK server (the dummy driver, started here): a virtual
// keyboard appears and is connected, its notes become key presses in order on the test's
// thread, and once it vanishes it is dropped. Without any back end the adapter is silent.
#include <RtMidi.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "app/shell.h"
#include "app/wiring.h"
#include "core/system_adapters.h"
#include "core/testing/test_adapters.h"
#include "input/input.h"
#include "input/rtmidi/rtmidi_input.h"
#include "input/rtmidi/testing/jack_dummy.h"
#include "notation/notation.h"
#include "ui/keyboard.h"

namespace velondo {
namespace {

using namespace std::chrono_literals;
using midi::testing::JackServer;
using midi::testing::WindowThread;

void Send(RtMidiOut& out, unsigned char status, int note, int velocity) {
    const unsigned char bytes[3] = {status, static_cast<unsigned char>(note),
                                    static_cast<unsigned char>(velocity)};
    out.sendMessage(bytes, sizeof bytes);
}

int PianoPlays(const std::vector<std::string>& log, std::vector<int>* samples = nullptr) {
    int n = 0;
    for (const std::string& entry : log) {
        if (!entry.starts_with("Play mmcPiano(")) continue;
        ++n;
        if (samples) samples->push_back(std::stoi(entry.substr(14)));
    }
    return n;
}

TEST(MidiRtMidi, AlsaAndJackAreCompiledIn) {
    const auto backEnds = midi::RtMidiInput::compiledBackEnds();
    for (const char* wanted : {"ALSA", "Jack"})
        EXPECT_NE(std::find(backEnds.begin(), backEnds.end(), wanted), backEnds.end()) << wanted;
}

TEST(MidiRtMidi, VirtualKeyboardIsConnectedPlayedAndDropped) {
    JackServer jack;
    ASSERT_TRUE(jack.up()) << "jackd did not start";

    WindowThread window;
    SystemClock clock;
    midi::RtMidiInput input(
        clock, [&](std::function<void()> fn) { window.post(std::move(fn)); }, 50ms);
    testing::TestRig rig;
    Ports ports = rig.ports();
    ports.midi = &input;
    Program p(ports);
    InstallAll(p);
    p.dataRootCandidates = {VELONDO_SOURCE_DATA_DIR};
    app::MainLoad(p);  // opens the MIDI inputs once the window is there
    notation::SetKeyboardRegister(p, notation::Register::Media);  // samples 13 … 61
    p.main.lblVisualizzaB[11].on = true;                          // keyboard sounds
    p.main.lblVisualizzaB[9].on = false;
    p.main.lblVisualizzaB[7].on = true;  // keys lit only while held

    RtMidiOut keyboard(RtMidi::UNIX_JACK, "Tastiera di prova");
    keyboard.openVirtualPort("uscita");
    const std::string caption =
        std::string(input::texts::MidiConnected) + "Tastiera di prova:uscita";
    ASSERT_TRUE(window.runUntil([&] { return p.main.lblMessaggioMidi.caption == caption; }))
        << "shown: " << p.main.lblMessaggioMidi.caption;
    EXPECT_TRUE(p.main.lblMessaggioMidi.visible);
    const auto open = input.openInputs();
    EXPECT_NE(std::find(open.begin(), open.end(), "Tastiera di prova:uscita"), open.end());

    // The connection is live once a note gets through: JACK may need a period or two.
    rig.sound.takeLog();
    bool live = false;
    for (int attempt = 0; attempt < 100 && !live; ++attempt) {
        Send(keyboard, 0x90, 36, 100);
        Send(keyboard, 0x80, 36, 0);
        live = window.runUntil([&] { return PianoPlays(rig.sound.log()) > 0; }, 100ms);
    }
    ASSERT_TRUE(live) << "no note got through";
    window.runUntil([] { return false; }, 200ms);  // late answers to the first attempts

    rig.sound.takeLog();
    std::vector<int> expected;
    for (int i = 0; i < 50; ++i) {
        const int note = 36 + (i * 7) % 49;  // MIDI 36 … 84: keys 1 … 49 in Media
        expected.push_back(note - 23);
        Send(keyboard, 0x90, note, 100);
        Send(keyboard, 0x80, note, 0);
    }
    ASSERT_TRUE(window.runUntil([&] { return PianoPlays(rig.sound.log()) >= 50; }))
        << PianoPlays(rig.sound.log()) << " of 50 notes arrived";
    std::vector<int> played;
    PianoPlays(rig.sound.takeLog(), &played);
    EXPECT_EQ(played, expected);

    // A key held when the keyboard vanishes is released, and the keyboard is dropped.
    Send(keyboard, 0x90, 60, 100);  // key 25 in Media
    ASSERT_TRUE(window.runUntil([&] { return PianoPlays(rig.sound.log()) == 1; }));
    EXPECT_EQ(p.main.ShpTasto[25].fillColor, ui::keycolors::Pressed);
    keyboard.closePort();
    EXPECT_TRUE(
        window.runUntil([&] { return p.main.ShpTasto[25].fillColor == ui::keycolors::White; }));
    EXPECT_TRUE(input.openInputs().empty());
    EXPECT_EQ(window.postedFromWindowThread, 0);  // everything came from RtMidi's threads
}

TEST(MidiRtMidi, WithoutAnyBackEndStaysSilent) {
    ::setenv("JACK_DEFAULT_SERVER", ("velondo-none-" + std::to_string(::getpid())).c_str(), 1);
    ::setenv("JACK_NO_START_SERVER", "1", 1);
    ::testing::internal::CaptureStderr();
    ::testing::internal::CaptureStdout();
    {
        WindowThread window;
        SystemClock clock;
        midi::RtMidiInput input(
            clock, [&](std::function<void()> fn) { window.post(std::move(fn)); }, 20ms);
        input.start([](const MidiEvent&) {});
        std::this_thread::sleep_for(200ms);  // several looks for inputs
        for (const std::string& name : input.openInputs())
            EXPECT_EQ(name.find("Tastiera di prova"), std::string::npos);
    }
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
}

}  // namespace
}  // namespace velondo
