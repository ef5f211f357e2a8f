#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_mixer.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>

#include <unistd.h>

#include "sound/sdl/sdl_sound.h"
#include "sound/sdl/wav_writer.h"

namespace velondo {
namespace {

namespace fs = std::filesystem;
using sound::SdlSound;

constexpr std::int16_t kStart = 12000;  // level of the first 0.2 s of the test sound
constexpr std::int16_t kBody = 3000;

// What the mixer feeds one channel, seen from inside the audio callback.
struct ChannelProbe {
    std::atomic<int> buffers{0};
    std::atomic<int> firstSample{0};
    std::atomic<bool> sawBody{false};

    static void Effect(int, void* stream, int len, void* self) {
        auto* probe = static_cast<ChannelProbe*>(self);
        if (len < 2) return;
        int sample = *static_cast<const std::int16_t*>(stream);
        if (probe->buffers++ == 0) probe->firstSample = sample;
        if (sample == kBody) probe->sawBody = true;
    }
    void attach(int channel) {
        buffers = 0;
        sawBody = false;
        Mix_RegisterEffect(channel, &Effect, nullptr, this);
    }
};

std::atomic<int> finishedChannels{0};
void OnChannelFinished(int) { ++finishedChannels; }

bool WaitFor(const std::function<bool()>& condition) {
    auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > until) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

class SdlSoundTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        dir = fs::temp_directory_path() / ("velondo_sdl_" + std::to_string(getpid()));
        fs::create_directories(dir);
        // 1 s: 0.2 s of the start level, then the body.
        ASSERT_TRUE(sound::WriteTestWav((dir / "a.wav").string(), 44100, 8820, kStart, kBody));
        ASSERT_TRUE(sound::WriteTestWav((dir / "b.wav").string(), 44100, 8820, kStart, kBody));
        std::ofstream(dir / "broken.wav") << "RIFF but nothing that follows";
    }
    void TearDown() override { fs::remove_all(dir); }
    void PlaySound(SdlSound& s, const PlayerRef& p) {
        s.command(p, SoundCommand::Prev);
        s.command(p, SoundCommand::Open);
        s.command(p, SoundCommand::Play);
    }
    fs::path dir;
    const PlayerRef a{"mmcPiano", 25}, b{"mmcTic"};
};

TEST_F(SdlSoundTest, SampleStartsRestartsFromTheBeginningAndStops) {
    SdlSound s;
    ASSERT_TRUE(s.active());
    s.setFile(a, (dir / "a.wav").string());
    ASSERT_TRUE(s.hasSound(a));
    int ch = s.channelOf(a);
    ChannelProbe probe;
    finishedChannels = 0;
    Mix_ChannelFinished(&OnChannelFinished);

    PlaySound(s, a);
    probe.attach(ch);
    ASSERT_TRUE(WaitFor([&] { return probe.sawBody.load(); })) << "never got past its start";
    EXPECT_EQ(probe.firstSample, kStart);
    EXPECT_EQ(Mix_Playing(ch), 1);

    // Played again while sounding: cut off and started over.
    PlaySound(s, a);
    probe.attach(ch);
    EXPECT_EQ(finishedChannels, 1);
    EXPECT_EQ(Mix_Playing(ch), 1);
    ASSERT_TRUE(WaitFor([&] { return probe.buffers > 0; }));
    EXPECT_EQ(probe.firstSample, kStart);

    s.command(a, SoundCommand::Stop);
    EXPECT_EQ(Mix_Playing(ch), 0);
    EXPECT_EQ(finishedChannels, 2);
    Mix_ChannelFinished(nullptr);
}

TEST_F(SdlSoundTest, PlayersSoundTogetherAndStopAlone) {
    SdlSound s;
    ASSERT_TRUE(s.active());
    s.setFile(a, (dir / "a.wav").string());
    s.setFile(b, (dir / "b.wav").string());
    ASSERT_NE(s.channelOf(a), s.channelOf(b));
    PlaySound(s, a);
    PlaySound(s, b);
    EXPECT_EQ(Mix_Playing(s.channelOf(a)), 1);
    EXPECT_EQ(Mix_Playing(s.channelOf(b)), 1);
    s.command(b, SoundCommand::Stop);
    EXPECT_EQ(Mix_Playing(s.channelOf(a)), 1);
    EXPECT_EQ(Mix_Playing(s.channelOf(b)), 0);
}

TEST_F(SdlSoundTest, PlayNeedsAnOpenRewoundPlayer) {
    SdlSound s;
    ASSERT_TRUE(s.active());
    s.setFile(a, (dir / "a.wav").string());
    int ch = s.channelOf(a);
    s.command(a, SoundCommand::Play);  // not open yet
    EXPECT_EQ(Mix_Playing(ch), 0);
    s.command(a, SoundCommand::Open);
    s.command(a, SoundCommand::Play);
    EXPECT_EQ(Mix_Playing(ch), 1);
    s.command(a, SoundCommand::Stop);
    s.command(a, SoundCommand::Play);  // not rewound: nothing to play from
    EXPECT_EQ(Mix_Playing(ch), 0);
}

TEST_F(SdlSoundTest, MissingOrBrokenFilesAreSilent) {
    SdlSound s;
    ASSERT_TRUE(s.active());
    const PlayerRef missing{"mmcNo"}, broken{"mmcClick"}, unknown{"mmcPiano", 0};
    s.setFile(missing, (dir / "none.wav").string());
    s.setFile(broken, (dir / "broken.wav").string());
    EXPECT_FALSE(s.hasSound(missing));
    EXPECT_FALSE(s.hasSound(broken));
    for (const auto& p : {missing, broken, unknown}) {
        PlaySound(s, p);
        s.command(p, SoundCommand::Stop);
    }
    EXPECT_EQ(Mix_Playing(-1), 0);
    EXPECT_EQ(s.channelOf(unknown), -1);
}

TEST_F(SdlSoundTest, WithoutAnAudioDeviceEverythingIsANoOp) {
    const char* before = std::getenv("SDL_AUDIODRIVER");
    std::string saved = before ? before : "";
    setenv("SDL_AUDIODRIVER", "no_such_driver", 1);
    {
        SdlSound s;
        EXPECT_FALSE(s.active());
        s.setFile(a, (dir / "a.wav").string());
        PlaySound(s, a);
        s.command(a, SoundCommand::Stop);
        EXPECT_FALSE(s.hasSound(a));
    }
    setenv("SDL_AUDIODRIVER", saved.c_str(), 1);
}

}  // namespace
}  // namespace velondo
