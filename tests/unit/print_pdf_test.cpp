// A full results board printed into a PDF through the real Qt adapter, read back with
// poppler's pdftotext and rendered with pdftoppm.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QGuiApplication>
#include <QPageSize>
#include <QPrinter>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "app/wiring.h"
#include "core/testing/test_adapters.h"
#include "drill/results.h"
#include "print/print.h"
#include "view/qt_adapters.h"

namespace velondo {
namespace {

namespace fs = std::filesystem;

std::string Shell(const std::string& command) {
    std::string out;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return out;
    std::array<char, 4096> buf{};
    size_t n = 0;
    while ((n = std::fread(buf.data(), 1, buf.size(), pipe)) > 0) out.append(buf.data(), n);
    ::pclose(pipe);
    return out;
}

constexpr std::array<const char*, 12> kNames{"Nicolò", "Agnès",  "Luca",   "Zoë",
                                             "Mattia", "Irene",  "Giosuè", "Sara",
                                             "Noè",    "Chiara", "Ettore", "Tecla"};

class PdfPage : public ::testing::Test {
protected:
    PdfPage() {
        Ports ports = rig.ports();
        ports.printer = &printer;
        program = std::make_unique<Program>(ports);
        InstallAll(*program);
        Program& p = *program;
        p.main.lblVoceOpzioni[11].caption = "00007 - Contralto";
        p.main.lblVoceOpzioni[3].caption = "Contralto";
        for (int i = 1; i <= 12; ++i)
            drill::SetRankingRow(
                p, i,
                {kNames[i - 1], i < 6 ? "20" : "13", std::to_string(i - 1),
                 "1," + std::to_string(100 + i), "0" + std::to_string(i % 9 + 1) + "/12/26"});
        for (int k = 1; k <= 20; ++k)
            drill::SetHistorySlot(
                p, k,
                {k % 2 ? "Nicolò" : "Agnès", "13", std::to_string(k % 4),
                 "2," + std::to_string(500 + k), std::to_string(10 + k) + "/11/26"});
        p.main.lblNomeRecord.caption = "Giosuè";
        p.main.lblTempoRecord.caption = "0,8765432";
        p.main.lblDataRecord.caption = "03/12/26";
        rig.time.setClock({2026, 12, 11, 14, 0, 0});
        dir = fs::temp_directory_path() / ("velondo-pdf-" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    ~PdfPage() override { fs::remove_all(dir); }

    void SaveAs(const fs::path& file) {
        rig.dialogs.queue(file.string());
        print::PrintButtonClick(*program);
        print::AnswerClick(*program, print::Answer::Pdf);
    }

    testing::TestRig rig;
    view::QtPrinter printer;
    std::unique_ptr<Program> program;
    fs::path dir;
};

TEST_F(PdfPage, FullBoardReadsBackAsText) {
    const fs::path file = dir / "00007 - Contralto - risultati.pdf";
    SaveAs(file);
    ASSERT_TRUE(fs::exists(file));
    EXPECT_FALSE(program->main.lblFineProva.visible);

    const std::string info = Shell("pdfinfo '" + file.string() + "'");
    EXPECT_TRUE(std::regex_search(info, std::regex(R"(Pages:\s+1\n)"))) << info;
    EXPECT_TRUE(std::regex_search(info, std::regex(R"(Page size:\s+768 x 576 pts)"))) << info;

    const std::string text = Shell("pdftotext -enc UTF-8 '" + file.string() + "' -");
    std::vector<std::string> wanted = {"11/12/26 - Dati dell'esercizio:",
                                       "'00007 - Contralto'",
                                       "Chiave:",
                                       "Contralto",
                                       "Nota più acuta:",
                                       "Nota più grave:",
                                       "Intervallo:",
                                       "Note differenti:",
                                       "Naturali:",
                                       "Diesis:",
                                       "Bemolli:",
                                       "Doppi Diesis:",
                                       "Doppi Bemolli:",
                                       "Classifica",
                                       "Nome",
                                       "Note",
                                       "Err.",
                                       "Media Sec.",
                                       "Data",
                                       "Record assoluto:",
                                       "Giosuè",
                                       "0,8765432 sec.",
                                       "03/12/26",
                                       "Dati istogrammi (tempo medio per nota e numero errori)"};
    for (int i = 1; i <= 12; ++i) {
        wanted.push_back(kNames[i - 1]);
        wanted.push_back("1," + std::to_string(100 + i));
        wanted.push_back("0" + std::to_string(i % 9 + 1) + "/12/26");
    }
    for (int k = 1; k <= 20; ++k) {
        wanted.push_back("2," + std::to_string(500 + k));
        wanted.push_back(std::to_string(10 + k) + "/11/26");
    }
    for (const std::string& w : wanted) EXPECT_NE(text.find(w), std::string::npos) << w;

    // A picture to look at beside the layout table.
    const char* out = std::getenv("VELONDO_PRINT_PNG");
    const fs::path png = out ? fs::path(out) : dir / "page";
    fs::create_directories(png.parent_path());
    Shell("pdftoppm -png -r 96 -singlefile '" + file.string() + "' '" + png.string() + "'");
    EXPECT_TRUE(fs::exists(png.string() + ".png"));
}

TEST_F(PdfPage, UnwritableFolderWritesNothingAndSaysSo) {
    const fs::path file = dir / "missing" / "x.pdf";
    SaveAs(file);
    EXPECT_FALSE(fs::exists(file));
    EXPECT_TRUE(program->main.lblFineProva.visible);
    EXPECT_EQ(program->main.lblFineProva.caption, print::texts::PdfNotWritten);
    EXPECT_FALSE(program->main.FraStampa.visible);
}

TEST_F(PdfPage, ReplacesAnExistingFileWhole) {
    const fs::path file = dir / "r.pdf";
    std::ofstream(file) << "old";
    SaveAs(file);
    std::ifstream in(file, std::ios::binary);
    std::string head(5, '\0');
    in.read(head.data(), 5);
    EXPECT_EQ(head, "%PDF-");
}

struct Paper {
    const char* name;
    QPageSize::PageSizeId id;
    const char* points;  // landscape, as pdfinfo writes it
};
class PrinterPaper : public PdfPage, public ::testing::WithParamInterface<Paper> {};

// The printer's path, with Qt's PDF output standing in for the printer: the page fills
// the landscape paper's height, its proportions kept.
TEST_P(PrinterPaper, FitsTheLandscapePage) {
    const Paper& c = GetParam();
    print::FillPage(*program);
    const Page page = print::DescribePage(*program);
    const fs::path file = dir / (std::string(c.name) + ".pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(file.string()));
    printer.setPageSize(QPageSize(c.id));
    printer.setPageOrientation(QPageLayout::Landscape);
    ASSERT_TRUE(view::PrintFitted(printer, page));
    const std::string info = Shell("pdfinfo '" + file.string() + "'");
    EXPECT_NE(info.find(c.points), std::string::npos) << info;
    const std::string text = Shell("pdftotext -enc UTF-8 '" + file.string() + "' -");
    for (const char* w : {"Nota più acuta:", "Nicolò", "Dati istogrammi", "0,8765432 sec."})
        EXPECT_NE(text.find(w), std::string::npos) << w;
    // Proportions kept: "Chiave:" (top 1050, left 1155) and "Record assoluto:" (5985, 210),
    // both 9 pt italic, stand 4935 twips apart down and 945 across, whatever the scale.
    const std::string boxes = Shell("pdftotext -bbox '" + file.string() + "' -");
    const auto corner = [&](const std::string& word) {
        const std::regex re("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>" + word + "</word>");
        std::smatch m;
        EXPECT_TRUE(std::regex_search(boxes, m, re)) << word;
        return m.empty() ? std::pair{0.0, 0.0} : std::pair{std::stod(m[1]), std::stod(m[2])};
    };
    const auto [clefX, clefY] = corner("Chiave:");
    const auto [recordX, recordY] = corner("Record");
    ASSERT_GT(clefX - recordX, 0);
    EXPECT_NEAR((recordY - clefY) / (clefX - recordX), 4935.0 / 945.0, 0.1);
    // The page's height fills most of the paper's printable height.
    EXPECT_GT(recordY - clefY,
              0.8 * 4935 / 20 * (std::string(c.name) == "a4" ? 595.276 : 612) / 576);
}

INSTANTIATE_TEST_SUITE_P(Papers, PrinterPaper,
                         ::testing::Values(Paper{"a4", QPageSize::A4, "842 x 595 pts"},
                                           Paper{"letter", QPageSize::Letter, "792 x 612 pts"}),
                         [](const ::testing::TestParamInfo<Paper>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
}  // namespace velondo

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
