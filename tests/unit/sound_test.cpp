#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/wiring.h"
#include "core/testing/test_adapters.h"
#include "sound/sound.h"

namespace velondo {
namespace {

using namespace sound;
using Log = std::vector<std::string>;

// Records every command, Open and Prev included, and every file given.
class RecordingSound : public SoundPort {
public:
    void setFile(const PlayerRef& player, const std::string& path) override {
        log.push_back("File " + player.displayName() + " " + path);
    }
    void command(const PlayerRef& player, SoundCommand c) override {
        static const char* const kNames[] = {"Open", "Prev", "Play", "Stop"};
        log.push_back(std::string(kNames[static_cast<int>(c)]) + " " + player.displayName());
    }
    Log log;
};

class SoundTest : public ::testing::Test {
protected:
    SoundTest() : p(*rig.program) {
        InstallAll(p);
        p.state.Dir = "/dati/";
        SetGates(true, true, true);
        rig.sound.takeLog();
    }
    void SetGates(bool noises, bool keyboard, bool errorVoice) {
        p.main.lblVisualizzaB[10].on = noises;
        p.main.lblVisualizzaB[11].on = keyboard;
        p.main.lblVisualizzaB[12].on = errorVoice;
    }
    void Press(int key) {
        Event e;
        e.index = key;
        ASSERT_TRUE(p.call("lblTasto", "MouseDown", e));
    }
    testing::TestRig rig;
    Program& p;
};

template <class T>
std::string CaseName(const ::testing::TestParamInfo<T>& info) {
    return info.param.name;
}

TEST(SampleFiles, NamedByNumberAndPitch) {
    const std::pair<int, const char*> cases[] = {
        {1, "01do.wav"},  {2, "02do#.wav"}, {3, "03re.wav"},  {12, "12si.wav"}, {13, "13do.wav"},
        {34, "34la.wav"}, {41, "41mi.wav"}, {72, "72si.wav"}, {73, "73do.wav"}};
    for (auto [n, file] : cases) EXPECT_EQ(SampleFileName(n), file);
}

TEST_F(SoundTest, StartUpLoadsEveryPianoPlayerOpenAndRewoundThenTheEffects) {
    RecordingSound recorder;
    p.ports.sound = &recorder;
    velondo::Run(p.hooks.loadSounds, p);
    const Log& log = recorder.log;
    ASSERT_EQ(log.size(), 73u * 3 + 13);
    EXPECT_EQ(log[0], "File mmcPiano(1) /dati/Velondo7/Piano/01do.wav");
    EXPECT_EQ(log[72], "File mmcPiano(73) /dati/Velondo7/Piano/73do.wav");
    EXPECT_EQ(log[73], "Open mmcPiano(1)");
    EXPECT_EQ(log[74], "Prev mmcPiano(1)");
    EXPECT_EQ(log[73 * 3 - 1], "Prev mmcPiano(73)");
    // Effects get their file only: they open on first use.
    Log effects(log.begin() + 73 * 3, log.end());
    EXPECT_EQ(effects, (Log{"File mmcClick /dati/Velondo7/Suoni/CLICK.WAV",
                            "File mmcTic /dati/Velondo7/Suoni/Tic.WAV",
                            "File mmcAvviso /dati/Velondo7/Suoni/Avviso.wav",
                            "File mmcNo /dati/Velondo7/Suoni/No.wav",
                            "File mmcVai(1) /dati/Velondo7/Suoni/Vai1.wav",
                            "File mmcVai(2) /dati/Velondo7/Suoni/Vai2.wav",
                            "File mmcVai(3) /dati/Velondo7/Suoni/Vai3.wav",
                            "File mmcGregoriano /dati/Velondo7/Suoni/Intro.wav",
                            "File mmcRecord /dati/Velondo7/Suoni/Record.wav",
                            "File mmcFine /dati/Velondo7/Suoni/Fine.wav",
                            "File mmcClap /dati/Velondo7/Suoni/Class.wav",
                            "File mmcBuuh /dati/Velondo7/Suoni/Tosse.WAV",
                            "File mmcCiao(1) /dati/Velondo7/Suoni/Benvenuto.wav"}));
}

TEST_F(SoundTest, PlayRewindsOpensAndPlaysStopOnlyStops) {
    RecordingSound recorder;
    p.ports.sound = &recorder;
    PlaySound(p, players::Tic);
    StopSound(p, Piano(notation::SampleNumber{5}));
    EXPECT_EQ(recorder.log, (Log{"Prev mmcTic", "Open mmcTic", "Play mmcTic", "Stop mmcPiano(5)"}));
}

// --- key presses ---

struct KeyCase {
    const char* name;
    const char* registerCommand;
    bool keyboardSounds;
    std::vector<int> keys;
    Log sounds;
    int lastSample;
};
class KeyPress : public SoundTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(KeyPress, StopsThePreviousSampleAndSoundsTheKey) {
    const auto& c = GetParam();
    ASSERT_TRUE(p.call(c.registerCommand, "Click"));
    SetGates(true, c.keyboardSounds, true);
    for (int k : c.keys) Press(k);
    EXPECT_EQ(rig.sound.takeLog(), c.sounds);
    EXPECT_EQ(p.state.NotaPremuta, c.lastSample);
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyPress,
                         ::testing::Values(KeyCase{"acuta_key1_first_press",
                                                   "cmdEstensioneAcuta",
                                                   true,
                                                   {1},
                                                   {"Stop mmcPiano(0)", "Play mmcPiano(25)"},
                                                   25},
                                           KeyCase{"acuta_key49",
                                                   "cmdEstensioneAcuta",
                                                   true,
                                                   {49},
                                                   {"Stop mmcPiano(0)", "Play mmcPiano(73)"},
                                                   73},
                                           KeyCase{"grave_key1",
                                                   "cmdEstensioneGrave",
                                                   true,
                                                   {1},
                                                   {"Stop mmcPiano(0)", "Play mmcPiano(1)"},
                                                   1},
                                           KeyCase{"media_key13",
                                                   "cmdEstensioneMedia",
                                                   true,
                                                   {13},
                                                   {"Stop mmcPiano(0)", "Play mmcPiano(25)"},
                                                   25},
                                           KeyCase{"same_key_restarts",
                                                   "cmdEstensioneAcuta",
                                                   true,
                                                   {1, 1},
                                                   {"Stop mmcPiano(0)", "Play mmcPiano(25)",
                                                    "Stop mmcPiano(25)", "Play mmcPiano(25)"},
                                                   25},
                                           KeyCase{"another_key_cuts_the_previous",
                                                   "cmdEstensioneGrave",
                                                   true,
                                                   {10, 20},
                                                   {"Stop mmcPiano(0)", "Play mmcPiano(10)",
                                                    "Stop mmcPiano(10)", "Play mmcPiano(20)"},
                                                   20},
                                           KeyCase{"keyboard_sounds_off_only_stops",
                                                   "cmdEstensioneAcuta",
                                                   false,
                                                   {1, 2},
                                                   {"Stop mmcPiano(0)", "Stop mmcPiano(25)"},
                                                   26}),
                         CaseName<KeyCase>);

TEST_F(SoundTest, KeyboardSoundsOffSilencesTheSampleStillSounding) {
    Press(1);
    SetGates(true, false, true);
    rig.sound.takeLog();
    Press(2);
    EXPECT_EQ(rig.sound.takeLog(), (Log{"Stop mmcPiano(25)"}));
}

// --- named notes and go voices ---

struct NamedCase {
    const char* name;
    const char* label;
    int player;
};
class NamedNote : public SoundTest, public ::testing::WithParamInterface<NamedCase> {};

TEST_P(NamedNote, PlaysTheSampleOfTheNaturalLabel) {
    p.state.SuonaNota = GetParam().label;
    PlayNamedNote(p);
    EXPECT_EQ(rig.sound.takeLog(),
              (Log{"Play " + Piano(notation::SampleNumber{GetParam().player}).displayName()}));
}

INSTANTIATE_TEST_SUITE_P(Labels, NamedNote,
                         ::testing::Values(NamedCase{"do", "DO", 1}, NamedCase{"la", "LA", 10},
                                           NamedCase{"do3", "DO3", 37}, NamedCase{"la4", "LA4", 58},
                                           NamedCase{"do6", "DO6", 73}, NamedCase{"si5", "SI5", 72},
                                           NamedCase{"unknown", "XYZ", 0},
                                           NamedCase{"empty", "", 0},
                                           NamedCase{"black_key", "DO#3", 0},
                                           NamedCase{"above_do6", "RE6", 0},
                                           NamedCase{"lower_case", "la4", 0}),
                         CaseName<NamedCase>);

struct GoCase {
    const char* name;
    double r;
    int minute, second;
    int voice;
};
class GoVoice : public SoundTest, public ::testing::WithParamInterface<GoCase> {};

TEST_P(GoVoice, FollowsTheClockCorrectedDraw) {
    const auto& c = GetParam();
    rig.time.setClock(DateTime{2026, 1, 5, 10, c.minute, c.second});
    rig.random.queue(c.r);
    PlayGoVoice(p);
    EXPECT_EQ(rig.sound.takeLog(), (Log{"Play " + Vai(c.voice).displayName()}));
}

INSTANTIATE_TEST_SUITE_P(Draws, GoVoice,
                         ::testing::Values(GoCase{"r0", 0.0, 0, 0, 1},
                                           GoCase{"r_half", 0.5, 0, 0, 2},
                                           GoCase{"r_high", 0.9, 0, 0, 3},
                                           GoCase{"negative_wraps", 0.4, 0, 30, 3},
                                           GoCase{"minute_lifts", 0.0, 30, 0, 2}),
                         CaseName<GoCase>);

}  // namespace
}  // namespace velondo
