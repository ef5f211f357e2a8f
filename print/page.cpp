// The results page: its layout in design twips, its filling and its description for the
// printer.
#include <array>

#include "drill/results.h"
#include "print/print.h"

namespace velondo::print {

namespace {

constexpr double kPageWidth = 15360, kPageHeight = 11520;
constexpr double kLine = 225, kTallLine = 330;
constexpr int kOverEverything = 1000;  // shown, the page covers the whole window

struct Font {
    double size;
    bool bold, italic;
};
constexpr Font kDateFont{9.75, true, true};
constexpr Font kProfileFont{11.25, true, true};
constexpr Font kCaptionFont{9, false, true};
constexpr Font kValueFont{9, false, false};
constexpr Font kHeadingFont{11.25, true, false};
constexpr Font kRowFont{9, false, false};
constexpr Font kRecordFont{9, false, true};

// The ten settings, as the summary box numbers them (lblOpzioni / lblVoceOpzioni).
struct Setting {
    int item;
    const char* caption;
    double top, captionLeft, valueLeft, valueWidth;
};
constexpr double kCaptionWidth = 1380;
constexpr std::array<Setting, 10> kSettings{{
    {3, "Chiave:", 1050, 1155, 2625, 1485},
    {0, "Nota più acuta:", 1338, 1155, 2625, 1485},
    {1, "Nota più grave:", 1626, 1155, 2625, 1485},
    {2, "Intervallo:", 1914, 1155, 2625, 1485},
    {5, "Note differenti:", 2205, 1155, 2625, 1485},
    {6, "Naturali:", 1050, 4305, 5775, 330},
    {7, "Diesis:", 1338, 4305, 5775, 330},
    {8, "Bemolli:", 1626, 4305, 5775, 330},
    {9, "Doppi Diesis:", 1914, 4305, 5775, 330},
    {10, "Doppi Bemolli:", 2205, 4305, 5775, 330},
}};

// Number, name, notes, errors, average and date of the ranking and history lines.
struct Column {
    double left, width;
};
constexpr std::array<Column, 6> kColumns{
    {{210, 330}, {630, 2115}, {2835, 435}, {3360, 435}, {3885, 1380}, {5355, 1380}}};
constexpr std::array<const char*, 5> kHeaders{"Nome", "Note", "Err.", "Media Sec.", "Data"};
constexpr double kRowStep = 210;

constexpr double kRankingHeadingTop = 2520, kRankingHeadersTop = 2940, kRankingTop = 3255;
constexpr double kRecordTop = 5985;
constexpr std::array<Column, 4> kRecordColumns{
    {{210, 1590}, {1890, 1590}, {3570, 1695}, {5355, 1380}}};
constexpr double kHistoryHeadingTop = 6405, kHistoryHeadersTop = 6825, kHistoryTop = 7140;

constexpr const char* kRankingHeading = "Classifica";
constexpr const char* kHistoryHeading = "Dati istogrammi (tempo medio per nota e numero errori)";
constexpr const char* kRecordCaption = "Record assoluto:";
constexpr const char* kRecordUnit = " sec.";
constexpr const char* kDateLineEnd = " - Dati dell'esercizio: ";

// Thin rules under the two header lines, from the number column to the date column's end.
constexpr double kRuleLeft = 210, kRuleRight = 6735, kRuleThickness = 15;
constexpr double kRankingRule = 3210, kHistoryRule = 7095;

void Place(Control& c, Control* page, double left, double top, double width, double height,
           const Font& f, Align align) {
    c.parent = page;
    c.move(left, top, width, height);
    c.fontSize = f.size;
    c.bold = f.bold;
    c.italic = f.italic;
    c.align = align;
    c.opaque = false;
    c.border = false;
    c.wordWrap = false;
    c.foreColor = colors::Black;
}

// One line of the ranking or the history: number, then the five texts in their columns.
void PlaceRow(Control& number, const std::array<Control*, 5>& cells, Control* page, double top) {
    Place(number, page, kColumns[0].left, top, kColumns[0].width, kLine, kRowFont, Align::Center);
    for (size_t c = 0; c < cells.size(); ++c)
        Place(*cells[c], page, kColumns[c + 1].left, top, kColumns[c + 1].width, kLine, kRowFont,
              Align::Center);
}

void PlaceHeaders(ControlArray& titles, int first, Control* page, double top) {
    for (size_t h = 0; h < kHeaders.size(); ++h) {
        Control& c = titles[first + static_cast<int>(h)];
        Place(c, page, kColumns[h + 1].left, top, kColumns[h + 1].width, kLine, kRowFont,
              Align::Center);
        c.caption = kHeaders[h];
    }
}

void Rule(Control& line, Control* page, double top) {
    line.parent = page;
    line.move(kRuleLeft, top, kRuleRight - kRuleLeft, 0);
    line.borderWidth = 1;
    line.borderColor = colors::Black;
}

PageText::Align AlignOf(Align a) {
    switch (a) {
        case Align::Center: return PageText::Align::Center;
        case Align::Right: return PageText::Align::Right;
        case Align::Left: break;
    }
    return PageText::Align::Left;
}

bool OnPage(const Control& c, const Control& page) {
    if (!c.visible) return false;
    for (const Control* f = c.parent; f; f = f->parent) {
        if (f == &page) return true;
        if (!f->visible && f != &page) return false;
    }
    return false;
}

}  // namespace

void DesignPage(Program& p) {
    MainWindow& m = p.main;
    Control* page = &m.FraStampa;
    page->move(0, 0, kPageWidth, kPageHeight);
    page->opaque = true;
    page->backColor = colors::White;
    page->border = false;
    page->visible = false;
    page->z = kOverEverything;

    Place(m.lblDataStampa, page, 630, 458, 6105, kTallLine, kDateFont, Align::Left);
    Place(m.lblNomeImpostazioneSt, page, 630, 735, 6105, kTallLine, kProfileFont, Align::Left);
    for (int i = 0; i <= 10; ++i) m.lblOpzioniSt[i].visible = m.lblVoceOpzioniSt[i].visible = false;
    for (const Setting& s : kSettings) {
        Control& caption = m.lblOpzioniSt[s.item];
        Place(caption, page, s.captionLeft, s.top, kCaptionWidth, kLine, kCaptionFont, Align::Left);
        caption.caption = s.caption;
        caption.visible = true;
        Control& value = m.lblVoceOpzioniSt[s.item];
        Place(value, page, s.valueLeft, s.top, s.valueWidth, kLine, kValueFont, Align::Left);
        value.visible = true;
    }

    Place(m.lblTitoliSt[0], page, 210, kRankingHeadingTop, 6210, kTallLine, kHeadingFont,
          Align::Left);
    m.lblTitoliSt[0].caption = kRankingHeading;
    PlaceHeaders(m.lblTitoliSt, 1, page, kRankingHeadersTop);
    Rule(m.LinStampa[1], page, kRankingRule);
    for (int i = 1; i <= drill::board::kRankedRows; ++i) {
        PlaceRow(m.lblGraduatoriaSt[i],
                 {&m.lblNomeGiocatoreSt[i], &m.lblNumeroNoteSt[i], &m.lblNumeroErroriSt[i],
                  &m.lblMediaSecSt[i], &m.lblDataSt[i]},
                 page, kRankingTop + kRowStep * (i - 1));
        m.lblGraduatoriaSt[i].caption = std::to_string(i);
    }

    for (int r = 0; r <= 3; ++r) {
        const Column& c = kRecordColumns[static_cast<size_t>(r)];
        Place(m.lblRecordSt[r], page, c.left, kRecordTop, c.width, kLine, kRecordFont,
              r == 0 ? Align::Left : Align::Center);
    }
    m.lblRecordSt[0].caption = kRecordCaption;

    Place(m.lblTitoliSt[6], page, 210, kHistoryHeadingTop, 6525, kTallLine, kHeadingFont,
          Align::Left);
    m.lblTitoliSt[6].caption = kHistoryHeading;
    PlaceHeaders(m.lblTitoliSt, 7, page, kHistoryHeadersTop);
    Rule(m.LinStampa[2], page, kHistoryRule);
    // The history slots themselves stand on the page: it always shows them as they are.
    for (int k = 1; k <= drill::board::kSlots; ++k) {
        PlaceRow(m.lblNumeroIstoSt[k],
                 {&m.lblNomeGiocatore2[k], &m.lblNumeroNote2[k], &m.lblNumeroErrori2[k],
                  &m.lblMediaSec2[k], &m.lblData2[k]},
                 page, kHistoryTop + kRowStep * (k - 1));
        m.lblNumeroIstoSt[k].caption = std::to_string(k);
    }
}

void FillPage(Program& p) {
    MainWindow& m = p.main;
    // Rows 1 … 12 only: the overflow row 13 is never printed.
    for (int i = 1; i <= drill::board::kRankedRows; ++i) {
        const drill::TrialTexts row = drill::RankingRow(p, i);
        m.lblNomeGiocatoreSt[i].caption = row.name;
        m.lblNumeroNoteSt[i].caption = row.notes;
        m.lblNumeroErroriSt[i].caption = row.errors;
        m.lblMediaSecSt[i].caption = row.average;
        m.lblDataSt[i].caption = row.date;
    }
    m.lblDataStampa.caption = drill::Today(p) + kDateLineEnd;
    m.lblNomeImpostazioneSt.caption = "'" + m.lblVoceOpzioni[11].caption + "'";
    for (const Setting& s : kSettings)
        m.lblVoceOpzioniSt[s.item].caption = m.lblVoceOpzioni[s.item].caption;
    m.lblRecordSt[1].caption = m.lblNomeRecord.caption;
    m.lblRecordSt[2].caption = m.lblTempoRecord.caption + kRecordUnit;
    m.lblRecordSt[3].caption = m.lblDataRecord.caption;
}

Page DescribePage(const Program& p) {
    const Control& page = p.main.FraStampa;
    // The window may have been stretched at start-up; the page is printed at design size.
    const ScaleFactors& s = p.scale;
    const double fx = s.scaled ? s.fx : 1, fy = s.scaled ? s.fy : 1, ff = s.scaled ? s.ff : 1;
    Page out;
    out.width = page.width / fx;
    out.height = page.height / fy;
    for (const Control* c : p.main.registry.all()) {
        if (!OnPage(*c, page)) continue;
        double left = c->left, top = c->top;
        for (const Control* f = c->parent; f && f != &page; f = f->parent) {
            left += f->left;
            top += f->top;
        }
        if (c->kind == ControlKind::Label && !c->caption.empty()) {
            PageText t;
            t.text = c->caption;
            t.left = left / fx;
            t.top = top / fy;
            t.width = c->width / fx;
            t.height = c->height / fy;
            t.fontSize = c->fontSize / ff;
            t.bold = c->bold;
            t.italic = c->italic;
            t.align = AlignOf(c->align);
            out.texts.push_back(std::move(t));
        } else if (c->kind == ControlKind::Line) {
            out.lines.push_back({left / fx, top / fy, (left + c->width) / fx,
                                 (top + c->height) / fy, c->borderWidth * 15.0});
        }
    }
    return out;
}

std::string ProposedPdfName(const std::string& profileName) {
    std::string name;
    for (char ch : profileName) {
        const bool forbidden = ch == '/' || ch == '\\' || ch == ':' || ch == '*' || ch == '?' ||
                               ch == '"' || ch == '<' || ch == '>' || ch == '|' ||
                               static_cast<unsigned char>(ch) < 32;
        name += forbidden ? '-' : ch;
    }
    return name.empty() ? "risultati.pdf" : name + " - risultati.pdf";
}

}  // namespace velondo::print
