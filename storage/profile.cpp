#include "storage/profile.h"

#include <array>

#include "drill/results.h"

namespace velondo::storage {

namespace {

using K = FieldKind;
using Get = FieldValue (*)(const Program&, int);
using Set = void (*)(Program&, int, const FieldValue&);

constexpr long long kMaxColor = 16777215;
constexpr int kMaxNotes = 120;
constexpr std::array<Color, 3> kMarks = {16777215, 12648447, 65535};  // outside, in range, selected

FieldValue Text(std::string t) { return {std::move(t), false, 0}; }
FieldValue Number(long long n) { return {std::to_string(n), false, n}; }
FieldValue Flag(bool b) { return {{}, b, 0}; }

// The five spelling tables in file order: naturals, sharps, flats, double sharps, double flats.
ControlArray& Spelling(MainWindow& m, int c) {
    ControlArray* a[5] = {&m.lblNaturali, &m.lblDiesis, &m.lblBemolli, &m.lblDDiesis,
                          &m.lblDBemolli};
    return *a[c];
}
const ControlArray& Spelling(const MainWindow& m, int c) {
    return Spelling(const_cast<MainWindow&>(m), c);
}
constexpr std::array<const char*, 5> kSpellingNames = {"Naturali", "Diesis", "Bemolli", "DDiesis",
                                                       "DBemolli"};

// The five texts of a ranking row or history slot, by column.
ControlArray& Column(MainWindow& m, bool history, int c) {
    ControlArray* rank[5] = {&m.lblNomeGiocatore, &m.lblNumeroNote, &m.lblNumeroErrori,
                             &m.lblMediaSec, &m.lblData};
    ControlArray* hist[5] = {&m.lblNomeGiocatore2, &m.lblNumeroNote2, &m.lblNumeroErrori2,
                             &m.lblMediaSec2, &m.lblData2};
    return *(history ? hist : rank)[c];
}
constexpr std::array<const char*, 5> kColumnNames = {"NomeGiocatore", "NumeroNote", "NumeroErrori",
                                                     "MediaSec", "Data"};
constexpr std::array<K, 5> kColumnKinds = {K::Text, K::CountOrEmpty, K::CountOrEmpty,
                                           K::AverageOrEmpty, K::Text};

std::string Indexed(const std::string& name, int i) { return name + "(" + std::to_string(i) + ")"; }

class TableBuilder {
public:
    void add(std::string name, K kind, Get get, Set set, int index = -1, long long lo = 0,
             long long hi = 0) {
        fields.push_back({std::move(name), kind, lo, hi, get, set, index});
    }
    std::vector<ProfileField> fields;
};

std::vector<ProfileField> BuildTable() {
    TableBuilder t;
    // 1-12: the settings summary.
    for (int i = 0; i <= 11; ++i)
        t.add(
            Indexed("VoceOpzioni", i), K::Text,
            [](const Program& p, int i) { return Text(p.main.lblVoceOpzioni[i].caption); },
            [](Program& p, int i, const FieldValue& v) {
                p.main.lblVoceOpzioni[i].caption = v.text;
            },
            i);
    // 13-30: the range gauge.
    t.add(
        "SpazioBasso", K::NumberText,
        [](const Program& p, int) { return Number(p.state.SpazioBasso); },
        [](Program& p, int, const FieldValue& v) {
            p.state.SpazioBasso = static_cast<int>(v.number);
        },
        -1, 1, 16);
    t.add(
        "SpazioAlto", K::NumberText,
        [](const Program& p, int) { return Number(p.state.SpazioAlto); },
        [](Program& p, int, const FieldValue& v) {
            p.state.SpazioAlto = static_cast<int>(v.number);
        },
        -1, 1, 16);
    for (int b = 1; b <= 16; ++b)
        t.add(
            Indexed("Spazi", b), K::Flag,
            [](const Program& p, int b) { return Flag(p.main.lblSpazi[b].visible); },
            [](Program& p, int b, const FieldValue& v) { p.main.lblSpazi[b].visible = v.flag; }, b);
    // 31-42: clef, range ends, accidental classes.
    t.add(
        "ChiaveScelta", K::NumberText,
        [](const Program& p, int) { return Text(p.state.ChiaveScelta); },
        [](Program& p, int, const FieldValue& v) { p.state.ChiaveScelta = v.text; }, -1, 1, 7);
    // The clef last shown on the clef table, which opens on ChiaveScelta.
    t.add(
        "ChiaveScelta2", K::NumberText,
        [](const Program& p, int) { return Text(p.state.ChiaveScelta2); },
        [](Program& p, int, const FieldValue& v) { p.state.ChiaveScelta2 = v.text; }, -1, 1, 7);
    t.add(
        "PiuGrave", K::Text, [](const Program& p, int) { return Text(p.state.PiuGrave); },
        [](Program& p, int, const FieldValue& v) { p.state.PiuGrave = v.text; });
    t.add(
        "PiuAcuta", K::Text, [](const Program& p, int) { return Text(p.state.PiuAcuta); },
        [](Program& p, int, const FieldValue& v) { p.state.PiuAcuta = v.text; });
    t.add(
        "EstensioneIntervallo", K::NumberText,
        [](const Program& p, int) { return Number(p.state.EstensioneIntervallo); },
        [](Program& p, int, const FieldValue& v) {
            p.state.EstensioneIntervallo = static_cast<int>(v.number);
        },
        -1, 2, 31);
    t.add(
        "IntervalSuffix", K::Text,
        [](const Program& p, int) { return Text(p.main.lblSpiegazione[42].caption); },
        [](Program& p, int, const FieldValue& v) { p.main.lblSpiegazione[42].caption = v.text; });
    t.add(
        "NumAltIns", K::NumberText, [](const Program& p, int) { return Number(p.state.NumAltIns); },
        [](Program& p, int, const FieldValue& v) {
            p.state.NumAltIns = static_cast<int>(v.number);
        },
        -1, 1, 5);
    for (int c = 1; c <= 5; ++c)
        t.add(
            Indexed("SceltaAlterazioni", c), K::Choice,
            [](const Program& p, int c) {
                return Text(p.state.SceltaAlterazioni[static_cast<size_t>(c)]);
            },
            [](Program& p, int c, const FieldValue& v) {
                p.state.SceltaAlterazioni[static_cast<size_t>(c)] = v.text;
            },
            c);
    // 43-342: per key, the range mark of each spelling, then the key's pitch label. Entry 0
    // is the row of class counters, whose colours are not marks.
    for (int i = 0; i <= 49; ++i) {
        for (int c = 0; c < 5; ++c) {
            const int code = i * 8 + c;  // key and class in one index
            t.add(
                Indexed(kSpellingNames[static_cast<size_t>(c)], i), i == 0 ? K::Integer : K::Mark,
                [](const Program& p, int code) {
                    return Number(Spelling(p.main, code % 8)[code / 8].backColor);
                },
                [](Program& p, int code, const FieldValue& v) {
                    Spelling(p.main, code % 8)[code / 8].backColor = static_cast<Color>(v.number);
                },
                code, 0, kMaxColor);
        }
        t.add(
            Indexed("PosizioneNota", i), K::Text,
            [](const Program& p, int i) {
                return Text(p.state.PosizioneNota[static_cast<size_t>(i)]);
            },
            [](Program& p, int i, const FieldValue& v) {
                p.state.PosizioneNota[static_cast<size_t>(i)] = v.text;
            },
            i);
    }
    // 343-349: the pool's counters.
    for (int c = 0; c < 5; ++c)
        t.add(
            Indexed(kSpellingNames[static_cast<size_t>(c)], 0) + ".Caption", K::NumberText,
            [](const Program& p, int c) { return Text(Spelling(p.main, c)[0].caption); },
            [](Program& p, int c, const FieldValue& v) { Spelling(p.main, c)[0].caption = v.text; },
            c, 0, kMaxNotes);
    t.add(
        "NoteTotali", K::NumberText,
        [](const Program& p, int) { return Number(p.state.NoteTotali); },
        [](Program& p, int, const FieldValue& v) {
            p.state.NoteTotali = static_cast<int>(v.number);
        },
        -1, 0, kMaxNotes);
    t.add(
        "Contatore", K::NumberText, [](const Program& p, int) { return Number(p.state.Contatore); },
        [](Program& p, int, const FieldValue& v) {
            p.state.Contatore = static_cast<int>(v.number);
        },
        -1, 0, kMaxNotes);
    // 350-414: the ranking with its hidden row 13; 415-534: the history.
    for (bool history : {false, true}) {
        const int rows = history ? drill::board::kSlots : drill::board::kRows;
        for (int r = 1; r <= rows; ++r) {
            for (int c = 0; c < 5; ++c) {
                const int code = (history ? 1000 : 0) + r * 8 + c;
                t.add(
                    Indexed(
                        std::string(kColumnNames[static_cast<size_t>(c)]) + (history ? "2" : ""),
                        r),
                    kColumnKinds[static_cast<size_t>(c)],
                    [](const Program& p, int code) {
                        const int r = code % 1000 / 8, c = code % 8;
                        return Text(
                            Column(const_cast<MainWindow&>(p.main), code >= 1000, c)[r].caption);
                    },
                    [](Program& p, int code, const FieldValue& v) {
                        Column(p.main, code >= 1000, code % 8)[code % 1000 / 8].caption = v.text;
                    },
                    code);
            }
            if (history)
                t.add(
                    Indexed("ErrorBarShown", r), K::Flag,
                    [](const Program& p, int r) { return Flag(p.main.ShpErrori[r].visible); },
                    [](Program& p, int r, const FieldValue& v) {
                        p.main.ShpErrori[r].visible = v.flag;
                    },
                    r);
        }
    }
    t.add(
        "NumIsto", K::NumberText, [](const Program& p, int) { return Number(p.state.NumIsto); },
        [](Program& p, int, const FieldValue& v) { p.state.NumIsto = static_cast<int>(v.number); },
        -1, 0, drill::board::kSlots);
    // 536-544: the three note-count buttons.
    for (int b = 0; b <= 2; ++b) {
        t.add(
            Indexed("VisualizzaB", b), K::Integer,
            [](const Program& p, int b) { return Number(p.main.lblVisualizzaB[b].on ? 1 : 0); },
            [](Program& p, int b, const FieldValue& v) {
                p.main.lblVisualizzaB[b].on = v.number == 1;
            },
            b, 0, 1);
        t.add(
            Indexed("SfondiB", b), K::Integer,
            [](const Program& p, int b) { return Number(p.main.lblSfondiB[b].backColor); },
            [](Program& p, int b, const FieldValue& v) {
                p.main.lblSfondiB[b].backColor = static_cast<Color>(v.number);
            },
            b, 0, kMaxColor);
        t.add(
            Indexed("SigleB", b), K::NumberText,
            [](const Program& p, int b) { return Text(p.main.lblSigleB[b].caption); },
            [](Program& p, int b, const FieldValue& v) { p.main.lblSigleB[b].caption = v.text; }, b,
            0, kMaxNotes);
    }
    // 545-549: the range ends on the staff and the record.
    t.add(
        "NotaPiuGrave", K::NumberText,
        [](const Program& p, int) { return Number(p.state.NotaPiuGrave); },
        [](Program& p, int, const FieldValue& v) {
            p.state.NotaPiuGrave = static_cast<int>(v.number);
        },
        -1, 1, 31);
    t.add(
        "NotaPiuAcuta", K::NumberText,
        [](const Program& p, int) { return Number(p.state.NotaPiuAcuta); },
        [](Program& p, int, const FieldValue& v) {
            p.state.NotaPiuAcuta = static_cast<int>(v.number);
        },
        -1, 1, 31);
    t.add(
        "NomeRecord", K::Text,
        [](const Program& p, int) { return Text(p.main.lblNomeRecord.caption); },
        [](Program& p, int, const FieldValue& v) { p.main.lblNomeRecord.caption = v.text; });
    t.add(
        "TempoRecord", K::AverageOrEmpty,
        [](const Program& p, int) { return Text(p.main.lblTempoRecord.caption); },
        [](Program& p, int, const FieldValue& v) { p.main.lblTempoRecord.caption = v.text; });
    t.add(
        "DataRecord", K::Text,
        [](const Program& p, int) { return Text(p.main.lblDataRecord.caption); },
        [](Program& p, int, const FieldValue& v) { p.main.lblDataRecord.caption = v.text; });
    return t.fields;
}

bool IsCount(const std::string& s) {
    if (s.empty() || s.size() > 9) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

FieldValue ReadField(LineReader& r, const ProfileField& f) {
    FieldValue v;
    switch (f.kind) {
        case K::Text: v.text = r.text(); break;
        case K::NumberText:
            v.number = r.numberText(f.lo, f.hi);
            v.text = std::to_string(v.number);
            break;
        case K::Choice: v.text = r.oneOf({"Inseriti", "No"}); break;
        case K::CountOrEmpty:
            v.text = r.text();
            if (r.ok() && !v.text.empty() && !IsCount(v.text))
                r.reject("atteso un numero tra virgolette, o nulla");
            break;
        case K::AverageOrEmpty:
            v.text = r.text();
            if (r.ok() && !v.text.empty() && !drill::ParseAverage(v.text))
                r.reject("atteso un tempo in secondi tra virgolette, o nulla");
            break;
        case K::Flag: v.flag = r.flag(); break;
        case K::Integer: v.number = r.integer(f.lo, f.hi); break;
        case K::Mark:
            v.number = r.integer();
            if (r.ok() && std::find(kMarks.begin(), kMarks.end(), v.number) == kMarks.end())
                r.reject("atteso uno dei colori 16777215, 12648447 o 65535");
            break;
    }
    return v;
}

void WriteField(LineWriter& w, const ProfileField& f, const FieldValue& v) {
    switch (f.kind) {
        case K::Flag: w.flag(v.flag); break;
        case K::Integer:
        case K::Mark: w.integer(v.number); break;
        default: w.text(v.text); break;
    }
}

}  // namespace

const std::vector<ProfileField>& ProfileTable() {
    static const std::vector<ProfileField> table = BuildTable();
    return table;
}

std::string ProfileBytes(const Program& p) {
    LineWriter w;
    for (const ProfileField& f : ProfileTable()) WriteField(w, f, f.get(p, f.index));
    return w.bytes();
}

ProfileRead ParseProfile(std::string_view bytes) {
    const auto& table = ProfileTable();
    LineReader r = LineReader::FromBytes(bytes);
    ProfileRead out;
    out.values.reserve(table.size());
    int lowest = 0;
    for (const ProfileField& f : table) {
        out.values.push_back(ReadField(r, f));
        if (!r.ok()) break;
        if (f.name == "NotaPiuGrave") lowest = static_cast<int>(out.values.back().number);
        if (f.name == "NotaPiuAcuta" && out.values.back().number <= lowest)
            r.reject("la nota più acuta deve stare sopra la più grave (riga " +
                     std::to_string(r.lineNumber() - 1) + ")");
    }
    r.expectEnd();
    if (!r.ok()) {
        out.problem = r.problem();
        out.values.clear();
    }
    return out;
}

void ApplyProfile(Program& p, const std::vector<FieldValue>& values) {
    const auto& table = ProfileTable();
    for (std::size_t i = 0; i < table.size() && i < values.size(); ++i)
        table[i].set(p, table[i].index, values[i]);
}

}  // namespace velondo::storage
