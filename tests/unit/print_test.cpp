#include "print/print.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "app/wiring.h"
#include "core/testing/test_adapters.h"
#include "drill/results.h"
#include "ui/layout.h"

namespace velondo {
namespace {

using print::Answer;

class PrintPage : public ::testing::Test {
protected:
    PrintPage() { InstallAll(p); }

    // The text whose box starts at (top, left), or nullopt.
    static std::optional<PageText> At(const Page& page, double top, double left) {
        for (const PageText& t : page.texts)
            if (std::abs(t.top - top) < 0.01 && std::abs(t.left - left) < 0.01) return t;
        return std::nullopt;
    }
    static int Count(const Page& page, const std::string& text) {
        return static_cast<int>(std::count_if(page.texts.begin(), page.texts.end(),
                                              [&](const PageText& t) { return t.text == text; }));
    }
    void Print(Answer a = Answer::Print) {
        print::PrintButtonClick(p);
        print::AnswerClick(p, a);
    }

    testing::TestRig rig;
    Program& p = *rig.program;
};

struct Placed {
    const char* name;
    double top, left, width, height, fontSize;
    bool bold, italic;
    const char* text;
};

class PageLayout : public PrintPage, public ::testing::WithParamInterface<Placed> {};

// The page of an empty board on the design screen, printed on 5 January 2026.
TEST_P(PageLayout, PlacesTextAtTheLayoutTable) {
    const Placed& c = GetParam();
    Print();
    ASSERT_EQ(rig.printer.printed.size(), 1u);
    const std::optional<PageText> t = At(rig.printer.printed.back(), c.top, c.left);
    ASSERT_TRUE(t) << c.name;
    EXPECT_EQ(t->text, c.text);
    EXPECT_DOUBLE_EQ(t->width, c.width);
    EXPECT_DOUBLE_EQ(t->height, c.height);
    EXPECT_DOUBLE_EQ(t->fontSize, c.fontSize);
    EXPECT_EQ(t->bold, c.bold);
    EXPECT_EQ(t->italic, c.italic);
}

INSTANTIATE_TEST_SUITE_P(
    EmptyBoard, PageLayout,
    ::testing::Values(
        Placed{"date_line", 458, 630, 6105, 330, 9.75, true, true,
               "05/01/26 - Dati dell'esercizio: "},
        Placed{"profile", 735, 630, 6105, 330, 11.25, true, true, "'Vio1220snnnn'"},
        Placed{"clef_caption", 1050, 1155, 1380, 225, 9, false, true, "Chiave:"},
        Placed{"clef_value", 1050, 2625, 1485, 225, 9, false, false, "Violino"},
        Placed{"highest_caption", 1338, 1155, 1380, 225, 9, false, true, "Nota più acuta:"},
        Placed{"highest_value", 1338, 2625, 1485, 225, 9, false, false, "RE5"},
        Placed{"different_value", 2205, 2625, 1485, 225, 9, false, false, "19"},
        Placed{"naturals_value", 1050, 5775, 330, 225, 9, false, false, "19"},
        Placed{"double_flats", 2205, 4305, 1380, 225, 9, false, true, "Doppi Bemolli:"},
        Placed{"ranking_heading", 2520, 210, 6210, 330, 11.25, true, false, "Classifica"},
        Placed{"average_header", 2940, 3885, 1380, 225, 9, false, false, "Media Sec."},
        Placed{"position_1", 3255, 210, 330, 225, 9, false, false, "1"},
        Placed{"position_12", 5565, 210, 330, 225, 9, false, false, "12"},
        Placed{"record_caption", 5985, 210, 1590, 225, 9, false, true, "Record assoluto:"},
        Placed{"record_time_alone", 5985, 3570, 1695, 225, 9, false, true, " sec."},
        Placed{"history_heading", 6405, 210, 6525, 330, 11.25, true, false,
               "Dati istogrammi (tempo medio per nota e numero errori)"},
        Placed{"history_date_header", 6825, 5355, 1380, 225, 9, false, false, "Data"},
        Placed{"slot_20", 11130, 210, 330, 225, 9, false, false, "20"}),
    [](const ::testing::TestParamInfo<Placed>& info) { return std::string(info.param.name); });

TEST_F(PrintPage, FullRowsStandInTheirColumns) {
    for (int i = 1; i <= 12; ++i)
        drill::SetRankingRow(
            p, i, {"Nome" + std::to_string(i), "13", std::to_string(i), "1,5", "02/01/26"});
    drill::SetHistorySlot(p, 20, {"Ultima", "15", "2", "0,9876543", "04/01/26"});
    Print();
    const Page& page = rig.printer.printed.back();
    const double row7 = 3255 + 210 * 6;
    EXPECT_EQ(At(page, row7, 630)->text, "Nome7");
    EXPECT_EQ(At(page, row7, 2835)->text, "13");
    EXPECT_EQ(At(page, row7, 3360)->text, "7");
    EXPECT_EQ(At(page, row7, 3885)->text, "1,5");
    EXPECT_EQ(At(page, row7, 5355)->text, "02/01/26");
    EXPECT_EQ(At(page, row7, 630)->align, PageText::Align::Center);
    EXPECT_EQ(At(page, 11130, 630)->text, "Ultima");
    EXPECT_EQ(At(page, 11130, 3885)->text, "0,9876543");
}

TEST_F(PrintPage, NeverPrintsTheOverflowRow) {
    drill::SetRankingRow(p, 13, {"Tredicesimo", "13", "0", "9,9", "31/12/25"});
    Print();
    const Page& page = rig.printer.printed.back();
    EXPECT_EQ(Count(page, "Tredicesimo"), 0);
    EXPECT_EQ(Count(page, "9,9"), 0);
    EXPECT_FALSE(At(page, 3255 + 210 * 12, 210));   // nor its number
    EXPECT_FALSE(At(page, 3255 + 210 * 12, 2835));  // nor its notes
}

TEST_F(PrintPage, DateLineSaysThePrintingDay) {
    drill::SetRankingRow(p, 1, {"Anna", "13", "0", "1,2", "01/01/26"});
    rig.time.setClock({2026, 12, 11, 9, 30, 0});
    Print();
    EXPECT_EQ(At(rig.printer.printed.back(), 458, 630)->text, "11/12/26 - Dati dell'esercizio: ");
}

TEST_F(PrintPage, StretchedWindowPrintsTheDesignPage) {
    Print();
    const Page design = rig.printer.printed.back();
    rig.screen.size_ = {19200, 15360};
    ui::ScaleLayout(p);
    EXPECT_NE(p.main.lblDataStampa.fontSize, 9.75);  // the window's page did stretch
    Print();
    const Page stretched = rig.printer.printed.back();
    ASSERT_EQ(stretched.texts.size(), design.texts.size());
    EXPECT_NEAR(stretched.width, 15360, 1e-6);
    EXPECT_NEAR(stretched.height, 11520, 1e-6);
    for (size_t i = 0; i < design.texts.size(); ++i) {
        const PageText &a = design.texts[i], &b = stretched.texts[i];
        EXPECT_EQ(a.text, b.text);
        EXPECT_NEAR(a.left, b.left, 1e-6);
        EXPECT_NEAR(a.top, b.top, 1e-6);
        EXPECT_NEAR(a.width, b.width, 1e-6);
        EXPECT_NEAR(a.fontSize, b.fontSize, 1e-6);
    }
}

TEST_F(PrintPage, PdfDialogProposesTheProfileNameInDocuments) {
    p.main.lblVoceOpzioni[11].caption = "00012 - Violino";
    rig.dialogs.queue("/tmp/x/risultati.pdf");
    Print(Answer::Pdf);
    ASSERT_EQ(rig.dialogs.asked.size(), 1u);
    const FileDialogRequest& r = rig.dialogs.asked.back();
    EXPECT_EQ(r.filter, "Documento PDF (*.pdf)|*.pdf");
    EXPECT_EQ(r.initialDir, rig.dialogs.documents);
    EXPECT_EQ(r.proposedName, "00012 - Violino - risultati.pdf");
    ASSERT_EQ(rig.printer.pdfs.size(), 1u);
    EXPECT_EQ(rig.printer.pdfs.back().path, "/tmp/x/risultati.pdf");
    EXPECT_EQ(At(rig.printer.pdfs.back().page, 735, 630)->text, "'00012 - Violino'");
    EXPECT_TRUE(rig.printer.printed.empty());
    EXPECT_FALSE(p.main.FraStampa.visible);
}

struct ProposedName {
    const char* name;
    const char* profile;
    const char* file;
};
class PdfName : public ::testing::TestWithParam<ProposedName> {};
TEST_P(PdfName, HoldsOnlyWhatAFileNameCan) {
    EXPECT_EQ(print::ProposedPdfName(GetParam().profile), GetParam().file);
}
INSTANTIATE_TEST_SUITE_P(
    Profiles, PdfName,
    ::testing::Values(ProposedName{"plain", "00012 - Violino", "00012 - Violino - risultati.pdf"},
                      ProposedName{"accented", "00003 - Città", "00003 - Città - risultati.pdf"},
                      ProposedName{"slashes", "a/b\\c", "a-b-c - risultati.pdf"},
                      ProposedName{"empty", "", "risultati.pdf"}),
    [](const ::testing::TestParamInfo<ProposedName>& info) {
        return std::string(info.param.name);
    });

struct Failure {
    const char* name;
    Answer answer;
    PrintOutcome outcome;
    const char* message;
};
class PrintFailure : public PrintPage, public ::testing::WithParamInterface<Failure> {};

TEST_P(PrintFailure, TellsAndHidesThePage) {
    const Failure& c = GetParam();
    rig.printer.failNext = c.outcome;
    if (c.answer == Answer::Pdf) rig.dialogs.queue("/tmp/x/risultati.pdf");
    Print(c.answer);
    EXPECT_TRUE(rig.printer.printed.empty());
    EXPECT_TRUE(rig.printer.pdfs.empty());
    EXPECT_FALSE(p.main.FraStampa.visible);
    EXPECT_FALSE(p.main.fraPreparaStampa.visible);
    EXPECT_FALSE(p.main.lblPrint.on);
    EXPECT_TRUE(p.main.fraLogo.visible);
    EXPECT_TRUE(p.main.lblFineProva.visible);
    EXPECT_EQ(p.main.lblFineProva.caption, c.message);
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, PrintFailure,
    ::testing::Values(Failure{"no_printer", Answer::Print, PrintOutcome::NoPrinter,
                              print::texts::NoPrinter},
                      Failure{"printer_error", Answer::Print, PrintOutcome::PrinterError,
                              print::texts::NoPrinter},
                      Failure{"unwritable_pdf", Answer::Pdf, PrintOutcome::FileError,
                              print::texts::PdfNotWritten}),
    [](const ::testing::TestParamInfo<Failure>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace velondo
