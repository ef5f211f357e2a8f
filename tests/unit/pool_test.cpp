#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/wiring.h"
#include "core/testing/test_adapters.h"
#include "exercise/classes.h"
#include "exercise/pool.h"

namespace velondo {
namespace {

constexpr int kWhiteKeys[] = {1, 3, 5, 6, 8, 10, 12, 13, 15, 17, 18, 20, 22, 24, 25, 27};

class PoolTest : public ::testing::Test {
protected:
    PoolTest() : p(*rig.program), m(p.main) { InstallAll(p); }

    // The naturals of the first d white keys are the selected spellings.
    void SelectNaturals(int d) {
        for (int i = 0; i < d; ++i)
            m.lblNaturali[kWhiteKeys[i]].backColor = exercise::marks::Selected;
    }
    void SelectAllClasses(int key) {
        for (int i = 1; i <= exercise::kClasses; ++i)
            exercise::ClassTable(p, i)[key].backColor = exercise::marks::Selected;
    }
    // Draws at minute 0, second 0 that leave every entry in place: ⌊0.999·n⌋ = n − 1.
    void QueueKeepDraws(int count, double r = 0.999) {
        for (int i = 0; i < count; ++i) rig.random.queue(r);
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (int n = 1; n <= p.state.NoteTotali; ++n) names.push_back(m.lblScegliNome[n].caption);
        return names;
    }

    testing::TestRig rig;
    Program& p;
    MainWindow& m;
};

struct SizeCase {
    int different;
    int entries;
};

class PoolSizeTest : public PoolTest, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(PoolSizeTest, RepeatsWholeCopiesToAtLeastThirteen) {
    const SizeCase c = GetParam();
    SelectNaturals(c.different);
    exercise::ComposePool(p);
    EXPECT_EQ(p.state.NoteTotali, c.entries);
    EXPECT_EQ(p.state.Contatore, c.entries);  // after the shuffle
    EXPECT_EQ(m.lblVoceOpzioni[5].caption, std::to_string(c.different));
    EXPECT_EQ(m.lblNaturali[0].caption, std::to_string(c.different));
    EXPECT_EQ(m.lblDiesis[0].caption, "0");
    EXPECT_EQ(p.state.NumeroPassaggi, 0);
    EXPECT_FALSE(p.state.SecondShuffle);
    // Every note occurs equally often: the pool is made of whole copies.
    std::vector<int> seen(50, 0);
    for (int n = 1; n <= c.entries; ++n) ++seen[std::stoi(p.state.ScegliNumero[n])];
    for (int i = 0; i < c.different; ++i) EXPECT_EQ(seen[kWhiteKeys[i]], c.entries / c.different);
    EXPECT_TRUE(m.lblScegliNome[c.entries + 1].caption.empty());
}

INSTANTIATE_TEST_SUITE_P(DifferentNotes, PoolSizeTest,
                         ::testing::Values(SizeCase{1, 13}, SizeCase{2, 14}, SizeCase{3, 15},
                                           SizeCase{4, 16}, SizeCase{5, 15}, SizeCase{6, 18},
                                           SizeCase{7, 14}, SizeCase{8, 16}, SizeCase{9, 18},
                                           SizeCase{10, 20}, SizeCase{11, 22}, SizeCase{12, 24},
                                           SizeCase{13, 13}, SizeCase{14, 14}),
                         [](const auto& info) {
                             return "d" + std::to_string(info.param.different);
                         });

TEST_F(PoolTest, ListsKeysUpwardsAndWithinAKeyFromTheLowestWrittenSpelling) {
    SelectAllClasses(1);
    SelectAllClasses(2);
    QueueKeepDraws(5 + 17);
    exercise::ComposePool(p);
    const std::vector<std::string> once{"Si#", "DO", "Rebb", "Six", "Do#", "Reb"};
    std::vector<std::string> expected;
    for (int copy = 0; copy < 3; ++copy) expected.insert(expected.end(), once.begin(), once.end());
    EXPECT_EQ(Names(), expected);
    EXPECT_EQ(p.state.ScegliNumero[1], "1");
    EXPECT_EQ(p.state.ScegliNumero[4], "2");
    EXPECT_EQ(m.lblScegliNome[1].foreColor, Rgb(255, 0, 0));
    EXPECT_EQ(m.lblScegliNome[2].foreColor, colors::Black);
    EXPECT_EQ(m.lblScegliNome[3].foreColor, Rgb(0, 128, 128));
    EXPECT_EQ(m.lblScegliNome[4].foreColor, Rgb(255, 128, 0));
    EXPECT_EQ(m.lblScegliNome[6].foreColor, Rgb(0, 0, 255));
    // Class counts and the different notes are those of one copy.
    EXPECT_EQ(m.lblVoceOpzioni[5].caption, "6");
    EXPECT_EQ(m.lblDiesis[0].caption, "2");
    EXPECT_EQ(m.lblDDiesis[0].caption, "1");
    EXPECT_EQ(p.state.CopiaContatore, 6);
    EXPECT_EQ(p.state.CopiaDiesis, 2);
}

TEST_F(PoolTest, ClockCorrectedDrawSwapsTheLastEntryOfTheFirstPass) {
    SelectNaturals(10);  // 20 entries; the first pass shuffles the 10 different notes
    rig.time.setClock({2026, 1, 5, 10, 0, 59});
    rig.random.queue(0.1);  // x = 0.1 − 59/61 ≈ −0.867, ⌊10·x⌋ = −9, entry 2
    // At second 59, R = 0.96 gives x ≈ −0.007: every later draw keeps its entry.
    QueueKeepDraws(8 + 19, 0.96);
    exercise::ComposePool(p);
    EXPECT_EQ(m.lblScegliNome[10].caption, "RE");
    EXPECT_EQ(m.lblScegliNome[2].caption, "MI");
    EXPECT_EQ(p.state.ScegliNumero[2], "17");
    EXPECT_EQ(p.state.ScegliNumero[10], "3");
    EXPECT_EQ(m.lblScegliNome[1].caption, "DO");
    EXPECT_EQ(m.lblScegliNome[12].caption, "RE");  // second copy untouched
    // Entry 0 is the scratch place of the swap.
    EXPECT_EQ(m.lblScegliNome[0].caption, "MI");
}

TEST_F(PoolTest, SecondPassCoversTheWholeSequence) {
    SelectNaturals(5);      // 15 entries in three copies
    QueueKeepDraws(4);      // first pass: entries 1 … 5 stay
    rig.random.queue(0.0);  // second pass, n = 15: entry 1
    QueueKeepDraws(13);
    exercise::ComposePool(p);
    EXPECT_EQ(m.lblScegliNome[1].caption, "SOL");  // entry 15, the last note of the third copy
    EXPECT_EQ(m.lblScegliNome[15].caption, "DO");
    EXPECT_EQ(m.lblScegliNome[5].caption, "SOL");
    EXPECT_EQ(p.state.Contatore, 15);
}

TEST_F(PoolTest, ASelectionWithoutNotesGivesAnEmptyPool) {
    m.lblBemolli[1].backColor = exercise::marks::Selected;  // key 1 has no flat spelling
    exercise::ComposePool(p);
    EXPECT_EQ(p.state.NoteTotali, 0);
    EXPECT_EQ(p.state.Contatore, 0);
    EXPECT_EQ(p.state.NumeroPassaggi, 0);
    EXPECT_EQ(m.lblVoceOpzioni[5].caption, "0");
    EXPECT_EQ(m.lblBemolli[0].caption, "0");
}

TEST_F(PoolTest, NeverHoldsMoreThanItsCapacity) {
    for (int k = 1; k <= 49; ++k) SelectAllClasses(k);  // only a damaged profile marks all
    exercise::ComposePool(p);
    EXPECT_EQ(p.state.NoteTotali, exercise::kPoolCapacity);
    EXPECT_EQ(p.state.Contatore, exercise::kPoolCapacity);
    // A second composition starts again from an empty sequence.
    exercise::ComposePool(p);
    EXPECT_EQ(p.state.NoteTotali, exercise::kPoolCapacity);
}

TEST(PanelFiveText, NamesTheNumberOfNotes) {
    const std::string t = exercise::PanelFiveText(17);
    EXPECT_NE(t.find("nel più breve tempo possibile - le 17 note che Velondo ora ti proporrà"),
              std::string::npos);
    EXPECT_TRUE(t.ends_with("Quando sei pronto ad iniziare premi INVIO e... buona lettura!!"));
}

}  // namespace
}  // namespace velondo
