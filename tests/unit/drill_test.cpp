#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/wiring.h"
#include "core/testing/test_adapters.h"
#include "drill/drill.h"

namespace velondo {
namespace {

TEST(RefillSlot, RedrawsTheSlotSixPlacesBehindOnTheRing) {
    const int redrawn[14] = {0, 8, 9, 10, 11, 12, 13, 1, 2, 3, 4, 5, 6, 7};
    for (int p = 1; p <= 13; ++p) EXPECT_EQ(drill::RefillSlot(p), redrawn[p]) << p;
}

class NameBox : public ::testing::Test {
protected:
    NameBox() {
        InstallAll(p);
        p.main.lblVisualizzaB[10].on = true;  // program noises
        rig.sound.takeLog();
    }
    // A pool of `size` entries, all on key 25, and the count button "Min" showing `count`.
    void Pool(int size, const std::string& count) {
        for (int i = 1; i <= size; ++i) {
            p.main.lblScegliNome[i].caption = "DO";
            p.state.ScegliNumero[static_cast<size_t>(i)] = "25";
        }
        p.state.NoteTotali = size;
        p.main.lblSigleB[0].caption = count;
        p.main.lblSfondiB[0].backColor = colors::Pink;
        p.main.FraSpiegazioni[5].visible = true;
    }
    void Key(int code) {
        Event e;
        e.keyCode = code;
        p.call("TxtNomeAlunno", "KeyDown", e);
    }

    testing::TestRig rig;
    Program& p = *rig.program;
};

TEST_F(NameBox, TypingTicksButShiftAndEnterDoNot) {
    Pool(13, "13");
    p.main.lblVisualizzaB[10].on = true;
    Key('M');
    Key(16);
    EXPECT_EQ(rig.sound.takeLog(), std::vector<std::string>{"Play mmcTic"});
    p.main.lblVisualizzaB[10].on = false;
    Key('M');
    EXPECT_TRUE(rig.sound.takeLog().empty());
}

struct BadPoolCase {
    const char* name;
    int pool;
    std::string count;
    std::string message;
};

class BadPool : public NameBox, public ::testing::WithParamInterface<BadPoolCase> {};

TEST_P(BadPool, EnterExplainsAndChangesNothingElse) {
    const BadPoolCase& c = GetParam();
    Pool(c.pool, c.count);
    Key(13);
    EXPECT_EQ(p.main.lblFineProva.caption, c.message);
    EXPECT_TRUE(p.main.lblFineProva.visible);
    EXPECT_TRUE(p.main.fraLogo.visible);
    EXPECT_TRUE(p.main.FraSpiegazioni[5].visible);
    EXPECT_FALSE(p.main.TmrStoScrivendo.enabled());
    EXPECT_EQ(p.state.NumeroScelto, 0);
    EXPECT_EQ(p.state.CopiaNumeroScelto2, 13);
    EXPECT_TRUE(rig.sound.takeLog().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadPool,
    ::testing::Values(
        BadPoolCase{"empty_pool", 0, "13",
                    "Non ci sono note per l'esercizio: prepara prima un'impostazione dal menu "
                    "principale."},
        BadPoolCase{"more_notes_than_the_pool", 14, "15",
                    "Le note a disposizione sono solo 14: scegli un numero di note più piccolo."},
        BadPoolCase{"fewer_than_a_line", 20, "12",
                    "Una prova ha almeno 13 note: scegli un numero di note più grande."},
        BadPoolCase{"count_not_a_number", 20, "",
                    "Una prova ha almeno 13 note: scegli un numero di note più grande."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(NameBox, EntriesWithoutAKeyDoNotCount) {
    Pool(15, "15");
    p.state.ScegliNumero[14] = "";
    EXPECT_EQ(drill::PoolProblem(p, 15),
              "Le note a disposizione sono solo 13: scegli un numero di note più piccolo.");
    EXPECT_EQ(drill::PoolProblem(p, 13), "");
}

TEST_F(NameBox, TheClockCountsElapsedTenthsEvenWhenTicksComeLate) {
    Pool(13, "13");
    Key(13);
    rig.time.advance(50 + 3 * 900, p);  // composing, then the countdown
    ASSERT_EQ(p.state.ProvaInCorso, "Sì");
    // A busy loop delivers one tick 1.25 s late: the tenths are not lost.
    p.main.TmrTempo.setEnabled(false);
    rig.time.advance(1250, p);
    p.call("TmrTempo", "Timer");
    EXPECT_EQ(p.state.Tempo, 12);
}

}  // namespace
}  // namespace velondo
