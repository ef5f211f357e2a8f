// Answering from a MIDI keyboard and from the computer keyboard: which key a note or a
// letter presses, the names of notes outside the keyboard, the octaves of the letters.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "app/wiring.h"
#include "core/testing/test_adapters.h"
#include "input/input.h"
#include "notation/notation.h"
#include "ui/computer_keys.h"
#include "ui/keyboard.h"

namespace velondo {
namespace {

using notation::Register;
using ui::KeyPosition;

class InputTest : public ::testing::Test {
protected:
    InputTest() : p(*rig.program) {
        InstallAll(p);
        p.mainLoaded = true;
        input::StartListening(p);
        rig.midi.connect("Tastiera");
        p.main.lblVisualizzaB[9].on = true;  // the last key pressed is recorded in Index
    }
    // Keys a … b in range, as the range "Ok" marks them; none when a is 0.
    void MarkKeys(int a, int b) {
        for (int k = 1; k <= 49; ++k)
            p.main.lblNaturali[k].backColor =
                a && k >= a && k <= b ? ui::rangemark::InRange : ui::rangemark::None;
    }
    // The key a MIDI note pressed, or nullopt when it pressed none.
    std::optional<int> KeyOfNote(int note) {
        p.state.Index = "0";
        rig.midi.noteOn("Tastiera", 0, note, 100);
        rig.midi.noteOff("Tastiera", 0, note);
        if (p.state.Index == "0") return std::nullopt;
        return std::stoi(p.state.Index);
    }
    std::string Letter(int key) { return p.main.lblLettera[key].caption; }

    testing::TestRig rig;
    Program& p;
};

struct NoteCase {
    const char* name;
    Register reg;
    int note;
    std::optional<int> key;
};

class MidiNoteKeyTest : public InputTest, public ::testing::WithParamInterface<NoteCase> {};

TEST_P(MidiNoteKeyTest, PressesTheKeyOfSampleNoteMinus23InTheRegister) {
    notation::SetKeyboardRegister(p, GetParam().reg);
    EXPECT_EQ(KeyOfNote(GetParam().note), GetParam().key);
}

INSTANTIATE_TEST_SUITE_P(
    Registers, MidiNoteKeyTest,
    ::testing::Values(NoteCase{"grave_lowest_do", Register::Grave, 24, 1},
                      NoteCase{"grave_below", Register::Grave, 23, std::nullopt},
                      NoteCase{"grave_highest_do4", Register::Grave, 72, 49},
                      NoteCase{"grave_above", Register::Grave, 73, std::nullopt},
                      NoteCase{"media_middle_do3", Register::Media, 60, 25},
                      NoteCase{"media_lowest_do1", Register::Media, 36, 1},
                      NoteCase{"acuta_middle_do3", Register::Acuta, 60, 13},
                      NoteCase{"acuta_highest_do6", Register::Acuta, 96, 49},
                      NoteCase{"acuta_below_do2", Register::Acuta, 47, std::nullopt},
                      NoteCase{"acuta_la4_black_neighbour", Register::Acuta, 82, 35}),
    [](const auto& info) { return std::string(info.param.name); });

struct LabelCase {
    const char* name;
    int note;
    const char* label;
};

class MidiNoteLabelTest : public ::testing::TestWithParam<LabelCase> {};

TEST_P(MidiNoteLabelTest, NamesEveryMidiNote) {
    EXPECT_EQ(input::MidiNoteLabel(GetParam().note), GetParam().label);
}

INSTANTIATE_TEST_SUITE_P(Labels, MidiNoteLabelTest,
                         ::testing::Values(LabelCase{"sample_one_has_no_digit", 24, "DO"},
                                           LabelCase{"octave_zero_sharp", 30, "FA#"},
                                           LabelCase{"just_below_sample_one", 23, "SI-1"},
                                           LabelCase{"midi_zero", 0, "DO-2"},
                                           LabelCase{"middle_do", 60, "DO3"},
                                           LabelCase{"above_the_samples", 97, "DO#6"},
                                           LabelCase{"midi_top", 127, "SOL8"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(InputTest, NoteOutsideSaysWhichAndWhereTheKeyboardLies) {
    notation::SetKeyboardRegister(p, Register::Media);
    rig.sound.takeLog();
    EXPECT_EQ(KeyOfNote(30), std::nullopt);
    EXPECT_EQ(p.main.lblMessaggioMidi.caption,
              "La nota FA# (MIDI 30) è fuori dalla tastiera, che va da DO1 a DO5.");
    EXPECT_TRUE(p.main.lblMessaggioMidi.visible);
    EXPECT_TRUE(rig.sound.takeLog().empty());
}

TEST_F(InputTest, NothingIsPressedBeforeTheWindowHasLoaded) {
    p.mainLoaded = false;
    EXPECT_EQ(KeyOfNote(60), std::nullopt);
}

TEST(ComputerKeyLetters, EveryLetterNamesItsPositionAndBack) {
    for (int i = 0; i < ui::kPianoPositions; ++i) {
        const auto pos = static_cast<KeyPosition>(i);
        const std::string letter(ui::LetterOf(pos));
        ASSERT_EQ(letter.size(), 1u);
        EXPECT_EQ(ui::PositionOfLetter(letter[0]), pos) << letter;
        EXPECT_EQ(ui::PositionOfLetter(static_cast<char>(std::tolower(letter[0]))), pos);
        EXPECT_EQ(ui::SemitoneOfPosition(pos), i);
    }
    EXPECT_EQ(ui::SemitoneOfPosition(KeyPosition::Left), std::nullopt);
    EXPECT_EQ(ui::LetterOf(KeyPosition::Right), "");
    EXPECT_EQ(ui::PositionOfLetter('A'), std::nullopt);
    EXPECT_EQ(ui::PositionOfLetter('4'), std::nullopt);
}

struct BaseCase {
    const char* name;
    int lowest, highest;  // keys in range; 0: none
    int base;
};

class ComputerKeysBaseTest : public InputTest, public ::testing::WithParamInterface<BaseCase> {};

TEST_P(ComputerKeysBaseTest, StartsAtTheDoAtOrBelowTheRangesLowestKey) {
    MarkKeys(GetParam().lowest, GetParam().highest);
    EXPECT_EQ(ui::ComputerKeysBase(p), GetParam().base);
}

INSTANTIATE_TEST_SUITE_P(Ranges, ComputerKeysBaseTest,
                         ::testing::Values(BaseCase{"range_from_a_do", 13, 34, 13},
                                           BaseCase{"range_from_a_sol", 20, 40, 13},
                                           BaseCase{"range_from_key_one", 1, 10, 1},
                                           BaseCase{"range_in_the_last_octave", 44, 49, 37},
                                           BaseCase{"range_on_the_top_do", 49, 49, 37},
                                           BaseCase{"no_range", 0, 0, 13}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(InputTest, ArrowsMoveTheOctavesWithinTheKeyboardUntilTheRangeChanges) {
    MarkKeys(25, 40);
    ui::ShowComputerKeyLetters(p);
    EXPECT_EQ(Letter(25), "Z");
    input::ComputerKeyDown(p, KeyPosition::Left);
    input::ComputerKeyDown(p, KeyPosition::Left);
    input::ComputerKeyDown(p, KeyPosition::Left);
    EXPECT_EQ(ui::ComputerKeysBase(p), 1);
    EXPECT_EQ(Letter(1), "Z");
    EXPECT_EQ(Letter(25), "I");
    EXPECT_FALSE(p.main.lblLettera[26].visible);
    for (int i = 0; i < 5; ++i) input::ComputerKeyDown(p, KeyPosition::Right);
    EXPECT_EQ(ui::ComputerKeysBase(p), 37);
    EXPECT_EQ(ui::KeyOfPosition(p, KeyPosition::Q), 49);
    EXPECT_EQ(ui::KeyOfPosition(p, KeyPosition::Digit2), std::nullopt);
    // a new range brings the octaves back to it
    MarkKeys(3, 20);
    EXPECT_EQ(ui::ComputerKeysBase(p), 1);
}

TEST_F(InputTest, ALetterReleasesTheKeyItPressedEvenAfterTheOctaveMoved) {
    p.main.lblVisualizzaB[9].on = false;
    p.main.lblVisualizzaB[7].on = true;  // lit only while held
    MarkKeys(13, 30);
    input::ComputerKeyDown(p, KeyPosition::Z);
    EXPECT_EQ(p.main.ShpTasto[13].fillColor, ui::keycolors::Pressed);
    input::ComputerKeyDown(p, KeyPosition::Right);
    input::ComputerKeyUp(p, KeyPosition::Z);
    EXPECT_EQ(p.main.ShpTasto[13].fillColor, ui::keycolors::White);
    EXPECT_EQ(p.main.ShpTasto[25].fillColor, ui::keycolors::White);
}

}  // namespace
}  // namespace velondo
