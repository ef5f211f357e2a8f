#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>

#include "app/wiring.h"
#include "core/testing/test_adapters.h"
#include "ui/clef_table.h"
#include "ui/help.h"
#include "ui/options_box.h"

namespace velondo {
namespace {

class OptionsTest : public ::testing::Test {
protected:
    OptionsTest() : p(*rig.program), m(p.main) { InstallAll(p); }
    testing::TestRig rig;
    Program& p;
    MainWindow& m;
};

// --- clef table names -------------------------------------------------------------------

struct TableRow {
    const char* clef;
    int number;
    const char* position1;
    std::array<const char*, 5> lines;   // positions 12, 14, 16, 18, 20
    std::array<const char*, 4> spaces;  // positions 13, 15, 17, 19
    const char* position31;
};

class ClefTableNames : public ::testing::TestWithParam<TableRow> {};

TEST_P(ClefTableNames, NameTheLinesAndSpacesOfTheClef) {
    const TableRow& r = GetParam();
    EXPECT_EQ(ui::TableNoteName(r.number, 1), r.position1);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(ui::TableNoteName(r.number, 12 + 2 * i), r.lines[i]) << i;
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(ui::TableNoteName(r.number, 13 + 2 * i), r.spaces[i]) << i;
    EXPECT_EQ(ui::TableNoteName(r.number, 31), r.position31);
}

INSTANTIATE_TEST_SUITE_P(
    Clefs, ClefTableNames,
    ::testing::Values(
        TableRow{
            "Violino", 1, "LA", {"MI", "SOL", "SI", "RE", "FA"}, {"FA", "LA", "DO", "MI"}, "DO"},
        TableRow{
            "Soprano", 2, "FA", {"DO", "MI", "SOL", "SI", "RE"}, {"RE", "FA", "LA", "DO"}, "LA"},
        TableRow{"Mezzosoprano",
                 3,
                 "RE",
                 {"LA", "DO", "MI", "SOL", "SI"},
                 {"SI", "RE", "FA", "LA"},
                 "FA"},
        TableRow{
            "Contralto", 4, "SI", {"FA", "LA", "DO", "MI", "SOL"}, {"SOL", "SI", "RE", "FA"}, "RE"},
        TableRow{
            "Tenore", 5, "SOL", {"RE", "FA", "LA", "DO", "MI"}, {"MI", "SOL", "SI", "RE"}, "SI"},
        TableRow{
            "Baritono", 6, "MI", {"SI", "RE", "FA", "LA", "DO"}, {"DO", "MI", "SOL", "SI"}, "SOL"},
        TableRow{
            "Basso", 7, "DO", {"SOL", "SI", "RE", "FA", "LA"}, {"LA", "DO", "MI", "SOL"}, "MI"}),
    [](const auto& info) { return std::string(info.param.clef); });

TEST(ClefTable, NamesFollowTheCycleUpwardsEverywhere) {
    constexpr std::array<const char*, 7> cycle = {"DO", "RE", "MI", "FA", "SOL", "LA", "SI"};
    for (int c = 1; c <= 7; ++c)
        for (int pos = 1; pos < 31; ++pos) {
            const std::string here = ui::TableNoteName(c, pos);
            size_t i = 0;
            while (cycle[i] != here) ++i;
            EXPECT_EQ(ui::TableNoteName(c, pos + 1), cycle[(i + 1) % 7]) << c << " " << pos;
        }
}

TEST(ClefTable, ReferenceLineOfEachClef) {
    const std::array<int, 9> expected = {0, 2, 1, 2, 3, 4, 3, 4, 0};
    for (int c = 0; c <= 8; ++c)
        EXPECT_EQ(ui::ClefReferenceLine(c), expected[static_cast<size_t>(c)]) << c;
}

TEST_F(OptionsTest, TableLabelsStandAboveAndBelowTheStaffInAscendingRows) {
    // Lower row 1 … 16 under the bottom line's neighbourhood, upper row 17 … 31 over the staff,
    // each row rising from left to right.
    for (int pos = 2; pos <= 31; ++pos) {
        if (pos == 17) continue;
        EXPECT_GT(m.lblNoteTavola[pos].left, m.lblNoteTavola[pos - 1].left) << pos;
        EXPECT_LE(m.lblNoteTavola[pos].top, m.lblNoteTavola[pos - 1].top) << pos;
    }
    for (int pos = 17; pos <= 31; ++pos) EXPECT_LT(m.lblNoteTavola[pos].top + 330, 2415) << pos;
    for (int pos = 11; pos <= 16; ++pos) EXPECT_GT(m.lblNoteTavola[pos].top, 3675) << pos;
}

// --- start-up synchronisation ------------------------------------------------------------

TEST_F(OptionsTest, SyncHidesTheDecorationsOfOptionsReadOff) {
    for (int i : {3, 4, 5, 6, 8, 10}) m.lblVisualizzaB[i].on = false;
    m.lblSave[0].on = true;
    m.lblSave[1].on = false;
    ui::SyncOptionButtons(p);
    for (int i : {3, 4, 5, 6, 8, 10}) EXPECT_EQ(m.lblSfondiB[i].backColor, colors::White) << i;
    for (int n = 1; n <= 4; ++n) {
        EXPECT_FALSE(m.ShpLineaNota[n].visible) << n;
        EXPECT_FALSE(m.ShpLineaNota2[n].visible) << n;
    }
    EXPECT_FALSE(m.lblTonoChiave.visible);
    EXPECT_FALSE(m.lblLineaDel[0].visible);
    for (int i = 0; i <= 12; ++i) EXPECT_FALSE(m.ShpVerticale[i].visible) << i;
    for (int b = 1; b <= 12; ++b) EXPECT_FALSE(m.ShpBattute[b].visible) << b;
    for (int s = 1; s <= 13; ++s) EXPECT_FALSE(m.lblNomeNota[s].visible) << s;
    EXPECT_FALSE(m.ShpCollegamento.visible);
    EXPECT_EQ(m.lblSfondoSave[0].backColor, colors::Peach);
    EXPECT_EQ(m.lblSfondoSave[1].backColor, colors::White);
    EXPECT_EQ(m.lblSfondiB[9].backColor, colors::PaleGreen);
    EXPECT_EQ(m.lblSfondiB[11].backColor, colors::Pink);
}

TEST_F(OptionsTest, SyncShadesTheKeysAfreshInSilence) {
    // The shading read on: the keys outside the range turn grey, with no click.
    m.lblVisualizza[8].on = true;
    for (int k = 1; k <= 49; ++k)
        p.main.lblNaturali[k].backColor = k >= 20 && k <= 30 ? Rgb(255, 255, 192) : colors::White;
    rig.sound.takeLog();
    ui::SyncOptionButtons(p);
    EXPECT_TRUE(m.lblVisualizza[8].on);
    EXPECT_EQ(m.ShpTasto[1].fillColor, Rgb(192, 192, 192));
    EXPECT_EQ(m.ShpTasto[20].fillColor, colors::White);
    EXPECT_TRUE(rig.sound.takeLog().empty());
    EXPECT_FALSE(p.state.SilentClicks);
}

// --- help ---------------------------------------------------------------------------------

TEST(HelpTopics, RowsAreIndentedUnderTheBoxAndEveryTopicExplainsItself) {
    size_t n = 0;
    const ui::HelpTopic* topics = ui::HelpTopics(&n);
    ASSERT_GE(n, 4u);
    EXPECT_EQ(topics[0].title, "RIQUADRO OPZIONI");
    EXPECT_EQ(topics[1].title, "   1a Fila di pulsanti (in alto)");
    EXPECT_EQ(topics[2].title, "   2a Fila di pulsanti (al centro)");
    EXPECT_EQ(topics[3].title, "   3a Fila di pulsanti (in basso)");
    std::set<std::string_view> titles;
    for (size_t i = 0; i < n; ++i) {
        EXPECT_FALSE(topics[i].explanation.empty()) << topics[i].title;
        EXPECT_TRUE(titles.insert(topics[i].title).second) << "twice: " << topics[i].title;
    }
}

TEST(HelpTopics, EveryOptionOfTheBoxIsExplainedByItsTooltip) {
    // The row topics name each button by its tooltip (or its caption).
    size_t n = 0;
    const ui::HelpTopic* topics = ui::HelpTopics(&n);
    std::string rows;
    for (size_t i = 1; i <= 3; ++i) rows += std::string(topics[i].explanation);
    for (const char* name : {"Linea di riferimento nel pentagramma",
                             "Linea di riferimento nella tastiera",
                             "Stanghette di misura",
                             "Indicatori di posizione",
                             "Salva impostazioni in automatico",
                             "Salva impostazioni con nome",
                             "Simulazione movimento tasti",
                             "Tasti evidenziati solo in pressione",
                             "Tasti evidenziati anche nel rilascio",
                             "Ombreggia tasti e nomi non utilizzati",
                             "Rumori del programma",
                             "Suoni della tastiera",
                             "Voce che segnala l'errore",
                             "Note",
                             "Dati",
                             "Esci",
                             "Help",
                             "Sel",
                             "Tut",
                             "Stampante"})
        EXPECT_NE(rows.find(name), std::string::npos) << name;
}

TEST_F(OptionsTest, HelpListIsFilledOnce) {
    size_t n = 0;
    ui::HelpTopics(&n);
    ui::FillHelpList(p);
    ui::FillHelpList(p);
    EXPECT_EQ(m.lstGuida.items.size(), n);
}

}  // namespace
}  // namespace velondo
