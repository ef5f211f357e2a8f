// The print button, its confirmation panel and the printing of the page.
#include <array>

#include "drill/drill.h"
#include "print/print.h"
#include "sound/sound.h"
#include "ui/toggle.h"

namespace velondo::print {

namespace {

constexpr Color kPrintSelected = colors::Peach;
constexpr Color kPressed = colors::Pink;
constexpr int kOverPanels = 999;  // above the panels and the keyboard, under the page

struct Rect {
    double left, top, width, height;
};
constexpr Rect kPanel{4890, 3675, 5580, 2310};
constexpr Rect kQuestion{210, 255, 5160, 855};
constexpr double kAnswerTop = 1320, kAnswerWidth = 1200, kAnswerHeight = 600;
constexpr double kCaptionDrop = 120;  // the caption sits a little below the square's top
constexpr std::array<double, 3> kAnswerLeft{495, 2190, 3885};
constexpr std::array<const char*, 3> kAnswers{"Stampa", "Annulla", "PDF"};

int IndexOf(Answer a) { return static_cast<int>(a); }

void Noise(Program& p) {
    if (sound::ProgramNoisesOn(p)) sound::PlaySound(p, sound::players::Click);
}

// The print button is one label: its own background is its square.
Control& PrintSquare(MainWindow& m) { return m.lblPrint; }

void Deselect(MainWindow& m) { ui::SetOff(m.lblPrint, PrintSquare(m)); }

void Tell(Program& p, const char* message) {
    p.main.lblFineProva.caption = message;
    drill::ShowMessage(p, p.main.lblFineProva);
}

}  // namespace

void DesignConfirmPanel(Program& p) {
    MainWindow& m = p.main;
    Control& panel = m.fraPreparaStampa;
    panel.move(kPanel.left, kPanel.top, kPanel.width, kPanel.height);
    panel.opaque = true;
    panel.backColor = colors::Cream;
    panel.border = true;
    panel.visible = false;
    panel.z = kOverPanels;

    Control& question = m.lblPreparaStampa;
    question.parent = &panel;
    question.move(kQuestion.left, kQuestion.top, kQuestion.width, kQuestion.height);
    question.caption = texts::Confirm;
    question.fontSize = 11.25;
    question.bold = true;
    question.align = Align::Center;
    question.wordWrap = true;

    for (int i = 0; i <= 2; ++i) {
        const double left = kAnswerLeft[static_cast<size_t>(i)];
        Control& button = m.lblStampaPronta[i];
        ui::DesignAnswerButton(panel, m.lblSfondoStampaPronta[i], button, left, kAnswerTop,
                               kAnswerWidth, kAnswerHeight, kAnswers[static_cast<size_t>(i)], 12);
        button.move(left, kAnswerTop + kCaptionDrop, kAnswerWidth, kAnswerHeight - kCaptionDrop);
    }
}

void PrintButtonClick(Program& p) {
    MainWindow& m = p.main;
    Noise(p);
    if (ui::IsOn(m.lblPrint)) {
        Deselect(m);
        m.fraPreparaStampa.visible = false;
    } else {
        ui::SetOn(m.lblPrint, PrintSquare(m), kPrintSelected);
        m.fraPreparaStampa.visible = true;
    }
}

void PressAnswer(Program& p, Answer a) {
    ui::SetOn(p.main.lblStampaPronta[IndexOf(a)], p.main.lblSfondoStampaPronta[IndexOf(a)],
              kPressed);
}

void ReleaseAnswer(Program& p, Answer a) {
    ui::SetOff(p.main.lblStampaPronta[IndexOf(a)], p.main.lblSfondoStampaPronta[IndexOf(a)]);
}

void AnswerClick(Program& p, Answer a) {
    MainWindow& m = p.main;
    Noise(p);
    m.fraPreparaStampa.visible = false;
    Deselect(m);
    if (a == Answer::Cancel) return;

    std::optional<std::string> pdf;
    if (a == Answer::Pdf) {
        DialogPort& dialogs = *p.ports.dialogs;
        pdf = dialogs.saveFile({texts::PdfDialogTitle, texts::PdfFilter, dialogs.documentsFolder(),
                                ProposedPdfName(m.lblVoceOpzioni[11].caption)});
        if (!pdf) return;  // cancelled: nothing is written
    }

    FillPage(p);
    m.FraStampa.visible = true;
    const Page page = DescribePage(p);
    const PrintOutcome outcome =
        pdf ? p.ports.printer->writePdf(page, *pdf) : p.ports.printer->print(page);
    // The page never stays over the window, whatever the printer said.
    m.FraStampa.visible = false;

    if (outcome == PrintOutcome::Done) return;
    Tell(p, pdf ? texts::PdfNotWritten : texts::NoPrinter);
}

void PageClick(Program& p) { p.main.FraStampa.visible = false; }

}  // namespace velondo::print
