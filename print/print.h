#pragma once
// The results page: the frame FraStampa, as large as the window, filled with the profile's
// settings, ranking, record and last twenty trials, then printed or written as a PDF after
// the confirmation panel fraPreparaStampa.
#include <string>

#include "core/program.h"

namespace velondo::print {

namespace texts {
inline constexpr const char* Confirm =
    "Se la tua stampante è accesa e pronta per la stampa premi Stampa, altrimenti Annulla.";
inline constexpr const char* NoPrinter =
    "Nessuna stampante disponibile: la pagina non è stata stampata. Puoi salvarla in PDF.";
inline constexpr const char* PdfNotWritten =
    "Non è stato possibile scrivere il file PDF: la pagina non è stata salvata.";
inline constexpr const char* PdfDialogTitle = "Salva i risultati in PDF";
inline constexpr const char* PdfFilter = "Documento PDF (*.pdf)|*.pdf";
}  // namespace texts

// The answers of the confirmation panel, lblStampaPronta(0…2).
enum class Answer { Print = 0, Cancel = 1, Pdf = 2 };

// lblPrint_Click: shows the confirmation panel, or closes it when it is open.
void PrintButtonClick(Program& p);
// lblStampaPronta_MouseDown / _MouseUp: the pressed look of an answer.
void PressAnswer(Program& p, Answer a);
void ReleaseAnswer(Program& p, Answer a);
// lblStampaPronta_Click.
void AnswerClick(Program& p, Answer a);
// FraStampa_Click: a click on the page hides it.
void PageClick(Program& p);

// Fills the page from the board and the settings summary; the date line says today.
void FillPage(Program& p);
// The page as the printer draws it: every shown text and line of FraStampa, in design
// twips and points whatever the window's scaling.
Page DescribePage(const Program& p);
// "<profile name> - risultati.pdf", without characters a file name cannot hold.
std::string ProposedPdfName(const std::string& profileName);

void DesignPage(Program& p);
void DesignConfirmPanel(Program& p);

}  // namespace velondo::print
