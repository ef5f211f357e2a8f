#include "drill/results.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <limits>

#include "core/text_number.h"
#include "sound/sound.h"
#include "ui/options.h"
#include "ui/options_box.h"

namespace velondo::drill {

using namespace board;

namespace {

// The error bar's height for 1..11 errors; 12 or more fill the column.
double ErrorBarHeight(int errors) {
    return errors >= kFullErrors ? kColumnHeight : 15 + 315.0 * errors;
}

// The factor of bar tops and heights set while the window is stretched.
double K(const Program& p) { return p.scale.scaled ? p.scale.fy : 1.0; }

}  // namespace

std::string FormatAverage(const Program& p, float seconds) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.7g", static_cast<double>(seconds));
    std::string s = buf;
    std::replace(s.begin(), s.end(), '.', p.ports.locale->numberFormat().decimalSeparator);
    return s;
}

std::optional<float> ParseAverage(std::string_view text) {
    std::string s(text);
    std::replace(s.begin(), s.end(), ',', '.');
    float v = 0;
    auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || r.ec != std::errc() || r.ptr != s.data() + s.size()) return std::nullopt;
    return v;
}

std::string Today(const Program& p) {
    DateTime d = p.ports.clock->now();
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d/%02d/%02d", d.day % 100, d.month % 100, d.year % 100);
    return buf;
}

namespace {

// The five texts of a trial, by field of TrialTexts, and the label arrays that show them.
using Columns = std::array<ControlArray MainWindow::*, 5>;
constexpr std::array<std::string TrialTexts::*, 5> kFields{&TrialTexts::name, &TrialTexts::notes,
                                                           &TrialTexts::errors,
                                                           &TrialTexts::average, &TrialTexts::date};
constexpr Columns kRankingColumns{&MainWindow::lblNomeGiocatore, &MainWindow::lblNumeroNote,
                                  &MainWindow::lblNumeroErrori, &MainWindow::lblMediaSec,
                                  &MainWindow::lblData};
constexpr Columns kHistoryColumns{&MainWindow::lblNomeGiocatore2, &MainWindow::lblNumeroNote2,
                                  &MainWindow::lblNumeroErrori2, &MainWindow::lblMediaSec2,
                                  &MainWindow::lblData2};

TrialTexts Read(const Program& p, const Columns& columns, int i) {
    TrialTexts t;
    for (size_t c = 0; c < kFields.size(); ++c) t.*kFields[c] = (p.main.*columns[c])[i].caption;
    return t;
}

void Write(Program& p, const Columns& columns, int i, const TrialTexts& t) {
    for (size_t c = 0; c < kFields.size(); ++c) (p.main.*columns[c])[i].caption = t.*kFields[c];
}

}  // namespace

TrialTexts RankingRow(const Program& p, int row) { return Read(p, kRankingColumns, row); }
void SetRankingRow(Program& p, int row, const TrialTexts& t) { Write(p, kRankingColumns, row, t); }
TrialTexts HistorySlot(const Program& p, int slot) { return Read(p, kHistoryColumns, slot); }
void SetHistorySlot(Program& p, int slot, const TrialTexts& t) {
    Write(p, kHistoryColumns, slot, t);
}

bool RanksAbove(int n, int e, float t, const TrialTexts& row) {
    if (row.date.empty()) return true;
    int ni = NumberOf(row.notes).value_or(0), ei = NumberOf(row.errors).value_or(0);
    if (n != ni) return n > ni;
    if (e != ei) return e < ei;
    // An average that does not read as a number ranks below any real one.
    return t <= ParseAverage(row.average).value_or(std::numeric_limits<float>::infinity());
}

void PaintRow(Program& p, int row, Color c) {
    MainWindow& m = p.main;
    for (ControlArray* a : {&m.lblGraduatoria, &m.lblNomeGiocatore, &m.lblNumeroNote,
                            &m.lblNumeroErrori, &m.lblMediaSec, &m.lblData})
        (*a)[row].foreColor = c;
}

void AdvanceHistory(Program& p) {
    MainWindow& m = p.main;
    if (++p.state.NumIsto <= kSlots) return;
    for (int i = 1; i < kSlots; ++i) {
        SetHistorySlot(p, i, HistorySlot(p, i + 1));
        m.ShpIstogramma[i].height = m.ShpIstogramma[i + 1].height;
        m.ShpErrori[i].height = m.ShpErrori[i + 1].height;
        m.ShpErrori[i].top = m.ShpErrori[i + 1].top;
        m.ShpErrori[i].visible = m.ShpErrori[i + 1].visible;
    }
    p.state.NumIsto = kSlots;
}

void SetTimeBar(Program& p, int slot, float seconds) {
    double k = K(p);
    double t = std::min(seconds, kFullSeconds);
    p.main.ShpIstogramma[slot].height = k * kColumnHeight - k * kTwipsPerSecond * t;
}

void SetErrorBar(Program& p, int slot, int errors) {
    Control& bar = p.main.ShpErrori[slot];
    bar.visible = errors != 0;
    if (errors <= 0) return;
    double k = K(p), h = ErrorBarHeight(errors);
    bar.height = k * h;
    bar.top = k * (kBaseline - h);
}

void EnterTrial(Program& p) {
    ExerciseState& s = p.state;
    int n = s.CopiaNumeroScelto2, e = s.Errori;
    float t = ParseAverage(s.TempoMedio).value_or(std::numeric_limits<float>::infinity());
    const std::string& typed = p.main.TxtNomeAlunno.text;
    const std::string today = Today(p);

    PaintRow(p, s.Inserimento, colors::Black);
    s.Inserimento = kRows;
    for (int i = 1; i <= kRankedRows; ++i)
        if (RanksAbove(n, e, t, RankingRow(p, i))) {
            s.Inserimento = i;
            break;
        }

    const TrialTexts trial{typed, std::to_string(s.CopiaNumeroScelto2), std::to_string(e),
                           s.TempoMedio, today};
    if (s.Inserimento != kRows) {
        for (int j = kRankedRows; j >= s.Inserimento; --j)
            SetRankingRow(p, j + 1, RankingRow(p, j));
        TrialTexts ranked = trial;
        if (ranked.name.empty()) ranked.name = "???";
        SetRankingRow(p, s.Inserimento, ranked);
        PaintRow(p, s.Inserimento, colors::Red);
    }

    MainWindow& m = p.main;
    std::optional<float> record = ParseAverage(m.lblTempoRecord.caption);
    if (!record || t < *record) {
        m.lblNomeRecord.caption = typed;
        m.lblTempoRecord.caption = FormatAverage(p, t);
        m.lblDataRecord.caption = today;
        // Only beating an existing record is celebrated; the first one just stands.
        if (record) {
            s.RecordCompiuto = true;
            // A record beaten while the line still blinks keeps the count of the first:
            // the blink ends 16 toggles after it started.
            if (!m.TmrLampeggiaRecord.enabled()) {
                s.lampeggiaRecord = 0;
                m.ShpFasciaRecord.backColor = m.ShpFasciaRecord.fillColor = colors::White;
                m.TmrLampeggiaRecord.setEnabled(true);
            }
        }
    }

    if (s.NumIsto >= 1 && s.NumIsto <= kSlots) SetHistorySlot(p, s.NumIsto, trial);
    SetRankingRow(p, 0, trial);
}

void RebuildHistogram(Program& p) {
    MainWindow& m = p.main;
    double k = K(p);
    for (int i = 1; i <= kSlots; ++i) {
        TrialTexts slot = HistorySlot(p, i);
        double cover = kColumnHeight, errTop = kColumnTop, errHeight = kColumnHeight;
        if (!slot.date.empty()) {
            float t = std::clamp(ParseAverage(slot.average).value_or(0.0f), 0.0f, kFullSeconds);
            cover = kColumnHeight - kTwipsPerSecond * t;
            int e = NumberOf(slot.errors).value_or(0);
            // Only "1" … "11" select a row of the table; any other text fills the column.
            if (e >= 1 && e <= 11 && std::to_string(e) == slot.errors) {
                errHeight = ErrorBarHeight(e);
                errTop = kBaseline - errHeight;
            }
        }
        m.ShpIstogramma[i].height = k * cover;
        m.ShpErrori[i].top = k * errTop;
        m.ShpErrori[i].height = k * errHeight;
    }
}

void ClearResults(Program& p) {
    MainWindow& m = p.main;
    double k = K(p);
    for (int row = 1; row <= kRows; ++row) SetRankingRow(p, row, {});
    for (int i = 1; i <= kSlots; ++i) {
        SetHistorySlot(p, i, {});
        m.ShpErrori[i].visible = false;
        m.ShpErrori[i].top = m.ShpIstogramma[i].top = k * kColumnTop;
        m.ShpErrori[i].height = m.ShpIstogramma[i].height = k * kColumnHeight;
    }
    m.lblNomeRecord.caption.clear();
    m.lblTempoRecord.caption.clear();
    m.lblDataRecord.caption.clear();
    p.state.NumIsto = 0;
    PaintRow(p, p.state.Inserimento, colors::Black);
}

void PointSlot(Program& p, int slot) {
    if (p.state.MouseMove == slot) return;
    TrialTexts t = HistorySlot(p, slot);
    if (t.date.empty()) {
        p.state.MouseMove = 100;
        SetRankingRow(p, 0, {});
    } else {
        p.state.MouseMove = slot;
        SetRankingRow(p, 0, t);
    }
}

void LeaveSlots(Program& p) {
    if (p.state.MouseMove == 100) return;
    p.state.MouseMove = 100;
    SetRankingRow(p, 0, {});
}

void BlinkRecord(Program& p) {
    Control& band = p.main.ShpFasciaRecord;
    if (++p.state.lampeggiaRecord == 17) {
        p.state.lampeggiaRecord = 0;
        p.main.TmrLampeggiaRecord.setEnabled(false);
        return;
    }
    band.backColor = band.fillColor =
        band.backColor == colors::White ? colors::Yellow : colors::White;
}

void OpenResultsPanel(Program& p) { ui::OpenInGroup(p, Option::Results); }

void CloseResultsPanel(Program& p) {
    ui::CloseInGroup(p, Option::Results);
    // Reopened, the panel shows no detail until a history bar is pointed at.
    p.state.MouseMove = 100;
    SetRankingRow(p, 0, {});
}

void InstallResults(Program& p) {
    FieldRegistry& f = p.fields;
    f.add("Inserimento", p.state.Inserimento);
    f.add("RecordCompiuto", p.state.RecordCompiuto);
    f.add("lampeggiaRecord", p.state.lampeggiaRecord);
    f.add("NumIsto", p.state.NumIsto);
    f.add("MouseMove", p.state.MouseMove);
    // Whether a slot's error bar shows, as the profile stores it.
    f.addCustom(
        "ErrorBarShown",
        {1, kSlots, [&p](int i) { return std::string(p.main.ShpErrori[i].visible ? "1" : "0"); },
         [&p](int i, const std::string& v) {
             p.main.ShpErrori[i].visible = v == "1";
             return true;
         }});

    p.hooks.rebuildHistogram = RebuildHistogram;

    options::Own(p, Option::Results, [](Program& prog) {
        if (prog.main.isOn(Option::Results))
            CloseResultsPanel(prog);
        else
            OpenResultsPanel(prog);
        if (!prog.state.SilentClicks && sound::ProgramNoisesOn(prog))
            sound::PlaySound(prog, sound::players::Click);
    });
    p.handlers.add("lblPassaMouse", "MouseMove", [](Program& prog, const Event& e) {
        if (e.index >= 1 && e.index <= kSlots) PointSlot(prog, e.index);
    });
    p.handlers.add("FraSpiegazioni", "MouseMove", static_cast<int>(Panel::Results),
                   static_cast<int>(Panel::Results),
                   [](Program& prog, const Event&) { LeaveSlots(prog); });
    p.handlers.add("TmrLampeggiaRecord", "Timer",
                   [](Program& prog, const Event&) { BlinkRecord(prog); });
}

}  // namespace velondo::drill
