// The look of the message box and of the results panel (panel 4), in design twips.
#include <array>

#include "drill/drill.h"
#include "drill/results.h"

namespace velondo::drill {

namespace {

constexpr Color ScaleGreen = colors::DarkGreen;
constexpr Color OddColumn = colors::Green;
constexpr Color EvenColumn = colors::LightGreen;
constexpr Color ErrorBar = colors::LightRed;
constexpr Color ChartBack = colors::White;  // the covers hide the column fill above each bar

struct Column {
    double left, width;
};
// Position number, name, notes, errors, average, date of the ranking rows.
constexpr std::array<Column, 6> kRankColumns{
    {{210, 420}, {630, 2730}, {3360, 630}, {3990, 630}, {4620, 1470}, {6090, 1155}}};
// Name, notes, errors, average, date of the detail row under the histograms.
constexpr std::array<Column, 5> kDetailColumns{
    {{7560, 2415}, {9975, 630}, {10605, 630}, {11235, 1470}, {12705, 1155}}};
constexpr std::array<const char*, 5> kHeaders{"Nome", "Note", "Err.", "Media Sec.", "Data"};
constexpr double kHeaderTop = 1155, kFirstRowTop = 1470, kRowHeight = 270;
constexpr double kRecordTop = 4935, kDetailTop = 5520;

struct ScaleMark {
    const char* caption;
    double top;
};
constexpr std::array<ScaleMark, 5> kSeconds{{{"1 secondo", 4605},
                                             {"2 secondi", 3965},
                                             {"3 secondi", 3335},
                                             {"4 secondi", 2705},
                                             {"5 secondi", 2075}}};
constexpr std::array<ScaleMark, 6> kErrors{{{"1 errore", 4920},
                                            {"3 errori", 4280},
                                            {"5 errori", 3650},
                                            {"7 errori", 3020},
                                            {"9 errori", 2390},
                                            {"11 errori", 1770}}};
constexpr double kScaleLeft = 7560, kScaleWidth = 900, kScaleHeight = 240;

void Text(Control& c, Control* parent, double l, double t, double w, double h, double size,
          Align align = Align::Center) {
    c.parent = parent;
    c.move(l, t, w, h);
    c.fontSize = size;
    c.align = align;
    c.opaque = false;
    c.wordWrap = false;
}

void Solid(Control& c, Control* parent, double l, double t, double w, double h, Color colour) {
    c.parent = parent;
    c.move(l, t, w, h);
    c.filled = true;
    c.opaque = true;
    c.fillColor = c.backColor = c.borderColor = colour;
}

}  // namespace

void DesignMessageBox(Program& p) {
    MainWindow& m = p.main;
    Control* box = &m.fraLogo;
    box->move(5880, 210, 3585, 1695);
    box->backColor = colors::Cream;
    box->opaque = true;
    box->border = true;
    box->visible = false;
    struct Message {
        Control& label;
        Color colour;
    };
    for (Message msg :
         {Message{m.lblStoScrivendo, colors::DarkRed}, Message{m.lblClicca, colors::Black},
          Message{m.lblQuando, colors::DarkBlue}, Message{m.lblFineProva, colors::DarkRed}}) {
        Control& c = msg.label;
        Text(c, box, 150, 255, 3285, 1185, 12);
        c.foreColor = msg.colour;
        c.bold = true;
        c.wordWrap = true;
        c.visible = false;
    }
    m.lblStoScrivendo.caption = texts::Composing;
    m.lblQuando.caption = texts::WhenReady;
    Text(m.lblContDown, box, 150, 105, 3285, 1485, 48);
    m.lblContDown.bold = true;
    m.lblContDown.foreColor = colors::Red;
    m.lblContDown.caption = "3";
    m.lblContDown.visible = false;
}

void DesignResultsPanel(Program& p) {
    MainWindow& m = p.main;
    Control* panel = &m.panel(Panel::Results);

    Control& title = m.lblTitoliClassifica[0];
    Text(title, panel, 210, 420, 14610, 540, 20.25);
    title.caption = "Classifica e Istogrammi (tempo medio per nota e numero errori)";
    title.bold = title.italic = title.border = true;
    for (int h = 0; h < 5; ++h) {
        const Column& c = kRankColumns[static_cast<size_t>(h + 1)];
        Control& header = m.lblTitoliClassifica[h + 1];
        Text(header, panel, c.left, kHeaderTop, c.width, kRowHeight, 9.75);
        header.caption = kHeaders[static_cast<size_t>(h)];
        header.bold = true;
    }

    const std::array<ControlArray*, 6> byColumn{&m.lblGraduatoria, &m.lblNomeGiocatore,
                                                &m.lblNumeroNote,  &m.lblNumeroErrori,
                                                &m.lblMediaSec,    &m.lblData};
    for (int row = 1; row <= board::kRows; ++row) {
        double top = kFirstRowTop + kRowHeight * (row - 1);
        for (size_t col = 0; col < byColumn.size(); ++col) {
            Control& c = (*byColumn[col])[row];
            Text(c, panel, kRankColumns[col].left, top, kRankColumns[col].width, kRowHeight, 9.75);
            c.visible = row != board::kRows;  // the overflow row is kept, never shown
        }
        m.lblGraduatoria[row].caption = std::to_string(row);
        m.lblGraduatoria[row].bold = true;
    }
    m.lblGraduatoria[0].visible = false;
    for (size_t col = 1; col < byColumn.size(); ++col) {
        const Column& c = kDetailColumns[col - 1];
        Text((*byColumn[col])[0], panel, c.left, kDetailTop, c.width, kRowHeight, 9.75);
        (*byColumn[col])[0].bold = true;
    }

    Solid(m.ShpFasciaRecord, panel, 105, kRecordTop - 75, 7245, kRowHeight + 150, colors::White);
    m.ShpFasciaRecord.z = -1;
    Control& recordCaption = m.lblTitoliClassifica[6];
    Text(recordCaption, panel, 210, kRecordTop, 1680, kRowHeight, 9.75, Align::Left);
    recordCaption.caption = "Record assoluto:";
    Text(m.lblNomeRecord, panel, 1890, kRecordTop, 2100, kRowHeight, 9.75);
    Text(m.lblTempoRecord, panel, 3990, kRecordTop, 1260, kRowHeight, 9.75, Align::Right);
    Control& unit = m.lblTitoliClassifica[7];
    Text(unit, panel, 5250, kRecordTop, 630, kRowHeight, 9.75, Align::Left);
    unit.caption = " sec.";
    Text(m.lblDataRecord, panel, 6090, kRecordTop, 1155, kRowHeight, 9.75);
    for (Control* c :
         {&recordCaption, &m.lblNomeRecord, &m.lblTempoRecord, &unit, &m.lblDataRecord}) {
        c->foreColor = colors::Red;
        c->bold = true;
        c->italic = true;
    }

    Control& frame = m.ShpIstogramma[0];
    frame.parent = panel;
    frame.move(8490, board::kColumnTop - 15, 315 * board::kSlots + 30, board::kColumnHeight + 30);
    frame.filled = frame.opaque = frame.border = true;
    frame.fillColor = frame.backColor = ChartBack;
    frame.borderColor = colors::Grey;
    frame.z = -2;
    for (int k = 1; k <= board::kSlots; ++k) {
        double left = 8505 + 315.0 * (k - 1);
        Solid(m.ShpColonna[k], panel, left, board::kColumnTop, 330, board::kColumnHeight,
              k % 2 ? OddColumn : EvenColumn);
        m.ShpColonna[k].z = -1;
        Solid(m.ShpIstogramma[k], panel, left, board::kColumnTop, 330, board::kColumnHeight,
              ChartBack);
        Solid(m.ShpErrori[k], panel, 8610 + 315.0 * (k - 1), board::kColumnTop, 120,
              board::kColumnHeight, ErrorBar);
        m.ShpErrori[k].visible = false;
        Control& hover = m.lblPassaMouse[k];
        hover.parent = panel;
        hover.move(left, board::kColumnTop, 330, board::kColumnHeight);
        hover.opaque = false;
        hover.z = 1;
    }
    for (size_t i = 0; i < kSeconds.size(); ++i) {
        Control& c = m.lblScalaSecondi[static_cast<int>(i) + 1];
        Text(c, panel, kScaleLeft, kSeconds[i].top, kScaleWidth, kScaleHeight, 8.25, Align::Left);
        c.caption = kSeconds[i].caption;
        c.foreColor = ScaleGreen;
    }
    for (size_t i = 0; i < kErrors.size(); ++i) {
        Control& c = m.lblScalaErrori[static_cast<int>(i) + 1];
        Text(c, panel, kScaleLeft, kErrors[i].top, kScaleWidth, kScaleHeight, 8.25, Align::Left);
        c.caption = kErrors[i].caption;
        c.foreColor = colors::Red;
    }
}

}  // namespace velondo::drill
