#include "exercise/pool.h"

#include "core/text_number.h"
#include "exercise/classes.h"
#include "exercise/panel_look.h"
#include "sound/sound.h"
#include "ui/toggle.h"

namespace velondo::exercise {
namespace {

// The note-count buttons of panel 5, lblVisualizzaB(0 … 2).
constexpr int kMin = 0, kCentral = 1, kMax = 2;

// Within a key the pool lists its spellings from the one written lowest on the staff.
constexpr int kKeyOrder[kClasses] = {4, 2, 1, 3,
                                     5};  // double sharp, sharp, natural, flat, double flat

int& CountCopy(ExerciseState& s, int i) {
    int* copies[kClasses] = {&s.CopiaNaturali, &s.CopiaDiesis, &s.CopiaBemolli, &s.CopiaDoppiDiesis,
                             &s.CopiaDoppiBemolli};
    return *copies[i - 1];
}

Control& ClassCount(Program& p, int i) { return ClassTable(p, i)[0]; }

void EmptyPool(Program& p) {
    for (int n = 1; n <= kPoolCapacity; ++n) {
        p.main.lblScegliNome[n].caption.clear();
        p.state.ScegliNumero[static_cast<size_t>(n)].clear();
    }
    for (int i = 1; i <= kClasses; ++i) ClassCount(p, i).caption = "0";
    p.state.NoteTotali = 0;
}

// One pass over the keyboard, appending every selected spelling; returns how many.
int AppendSelection(Program& p) {
    int added = 0;
    for (int k = 1; k <= 49; ++k) {
        for (int i : kKeyOrder) {
            Control& mark = ClassTable(p, i)[k];
            if (mark.backColor != marks::Selected || mark.caption.empty()) continue;
            if (p.state.NoteTotali >= kPoolCapacity) return added;
            int n = ++p.state.NoteTotali;
            Control& count = ClassCount(p, i);
            count.caption = std::to_string(NumberOf(count.caption).value_or(0) + 1);
            p.main.lblScegliNome[n].caption = mark.caption;
            p.main.lblScegliNome[n].foreColor = ClassInfo(i).colour;
            p.state.ScegliNumero[static_cast<size_t>(n)] = std::to_string(k);
            ++added;
        }
    }
    return added;
}

// Entry a takes entry b's note (name, colour and key).
void CopyEntry(Program& p, int a, int b) {
    p.main.lblScegliNome[a].caption = p.main.lblScegliNome[b].caption;
    p.main.lblScegliNome[a].foreColor = p.main.lblScegliNome[b].foreColor;
    p.state.ScegliNumero[static_cast<size_t>(a)] = p.state.ScegliNumero[static_cast<size_t>(b)];
}

void SwapEntries(Program& p, int a, int b) {
    CopyEntry(p, 0, a);  // entry 0 is the scratch place
    CopyEntry(p, a, b);
    CopyEntry(p, b, 0);
}

Control& CountLabel(Program& p, int i) { return p.main.lblSigleB[i]; }
void SetCount(Program& p, int i, int v) { CountLabel(p, i).caption = std::to_string(v); }
int Count(const Program& p, int i) { return NumberOf(p.main.lblSigleB[i].caption).value_or(0); }

void ClickCountButton(Program& p, int i) {
    SelectNoteCount(p, i);
    if (sound::ProgramNoisesOn(p) && !p.state.SilentClicks)
        sound::PlaySound(p, sound::players::Click);
}

// "<" (j = 0) and ">" (j = 1) step the central value while it is selected.
void StepCentral(Program& p, int j) {
    if (ui::IsOn(p.main.lblVisualizzaB[kCentral])) {
        int central = Count(p, 1);
        bool atBound = j == 1 ? central >= Count(p, 2) : Count(p, 0) >= central;
        if (atBound) {
            SelectNoteCount(p, 1);
            return;
        }
        SetCount(p, 1, central + (j == 1 ? 1 : -1));
    }
    if (sound::ProgramNoisesOn(p)) sound::PlaySound(p, sound::players::Click);
    SelectNoteCount(p, 1);
}

}  // namespace

void ComposePool(Program& p) {
    ExerciseState& s = p.state;
    // Composing always starts from an empty sequence, so it can never grow past its capacity.
    EmptyPool(p);
    s.NumeroPassaggi = 0;
    for (;;) {
        int added = AppendSelection(p);
        s.Contatore = s.NoteTotali;
        // A selection without notes (only a damaged profile gives one) leaves the pool empty.
        if (s.Contatore >= kMinNotes || added == 0) break;
        if (++s.NumeroPassaggi == 1) {
            s.CopiaContatore = s.Contatore;
            for (int i = 1; i <= kClasses; ++i)
                CountCopy(s, i) = NumberOf(ClassCount(p, i).caption).value_or(0);
        }
    }
    if (s.NumeroPassaggi != 0) {
        s.NumeroPassaggi = 0;
        s.Contatore = s.CopiaContatore;
        for (int i = 1; i <= kClasses; ++i)
            ClassCount(p, i).caption = std::to_string(CountCopy(s, i));
    }
    p.main.lblVoceOpzioni[5].caption = std::to_string(s.Contatore);
    ShufflePool(p);
}

int DrawEntry(Program& p, int n) {
    return ClockChoice(n, p.ports.random->next(), p.ports.clock->now());
}

void ShufflePool(Program& p) {
    ExerciseState& s = p.state;
    for (;;) {
        for (int n = s.Contatore; n > 1; n = s.Contatore) {
            SwapEntries(p, n, DrawEntry(p, n));
            s.Contatore = n - 1;
        }
        s.Contatore = s.NoteTotali;
        if (s.SecondShuffle) break;
        s.SecondShuffle = true;
    }
    s.SecondShuffle = false;
}

void SetupNoteCount(Program& p) {
    SetCount(p, 2, p.state.NoteTotali);
    SetCount(p, 1, p.state.NoteTotali == kMinNotes ? kMinNotes : kMinNotes + 1);
    SelectNoteCount(p, kMin);  // silently: no click sound
}

void SelectNoteCount(Program& p, int i) {
    p.state.SelectedCountButton = i;
    for (int j = 0; j < 3; ++j) {
        if (j == i)
            ui::SetOn(p.main.lblVisualizzaB[j], p.main.lblSfondiB[j], colors::Pink);
        else
            ui::SetOff(p.main.lblVisualizzaB[j], p.main.lblSfondiB[j]);
    }
    if (p.main.panel(Panel::Name).visible)
        p.main.lblSpiegazione[kPanelFiveExplanation].caption = PanelFiveText(Count(p, i));
}

int SelectedNoteCount(const Program& p) {
    const int i = p.state.SelectedCountButton;
    return i >= kMin && i <= kMax ? Count(p, i) : 0;
}

std::string PanelFiveText(int n) {
    return "Prima d'iniziare l'esercizio inserisci nella casella di testo il tuo nome, se ancora "
           "non l'hai fatto. Scopo dell'esercizio è quello di riconoscere - col minor numero di "
           "errori e nel più breve tempo possibile - le " +
           std::to_string(n) +
           " note che Velondo ora ti proporrà sul pentagramma, cliccando i rispettivi tasti del "
           "pianoforte virtuale sotto riportato. Puoi ancora modificare il numero di note "
           "dell'esercizio premendo uno dei tre relativi pulsanti ('Min', 'Max' e quello "
           "centrale, liberamente impostabile). Ricordati che in Velondo le eventuali "
           "alterazioni riguardano sempre ed esclusivamente le note davanti alle quali sono "
           "poste. Quando sei pronto ad iniziare premi INVIO e... buona lettura!!";
}

namespace {

// Panel 5: lblSpiegazione indices of its texts.
constexpr int kHeading = 55, kCountTitle = 57, kMinCaption = 58, kLessCaption = 59,
              kMoreCaption = 60, kMaxCaption = 61;
constexpr double kButtonTop = 3000, kButtonW = 1050, kButtonH = 600, kButtonGap = 150;
constexpr double kButtonsLeft = 11100;

double ButtonLeft(int i) { return kButtonsLeft + (kButtonW + kButtonGap) * i; }

}  // namespace

void DesignNamePanel(Program& p) {
    auto& m = p.main;
    constexpr Panel P = Panel::Name;
    PanelHeading(p, m.lblSpiegazione[kHeading], P, "Indicazioni e suggerimenti");
    PanelText(p, m.lblSpiegazione[kPanelFiveExplanation], P, 300, 1200, 10200, 4700,
              PanelFiveText(kMinNotes), 14);
    InPanel(p, m.TxtNomeAlunno, P, kButtonsLeft, 1500, 3 * kButtonW + 2 * kButtonGap, 480);
    m.TxtNomeAlunno.fontSize = 12;
    m.TxtNomeAlunno.bold = true;
    m.TxtNomeAlunno.border = true;
    PanelText(p, m.lblSpiegazione[kCountTitle], P, kButtonsLeft - 150, 2550, 3900, 360,
              "Numero note dell'esercizio:", 12, true);
    const char* counts[3] = {"13", "15", "17"};
    for (int i = 0; i < 3; ++i) {
        double left = ButtonLeft(i);
        Control& square = InPanel(p, m.lblSfondiB[i], P, left, kButtonTop, kButtonW, kButtonH);
        square.opaque = true;
        square.caption.clear();
        Control& label = PanelText(p, m.lblSigleB[i], P, left, kButtonTop, kButtonW, kButtonH,
                                   counts[i], 14, true);
        label.align = Align::Center;
        label.centredVertically = true;
        Control& surface =
            ClickSurface(p, m.lblVisualizzaB[i], P, left, kButtonTop, kButtonW, kButtonH);
        surface.border = true;
        surface.z = 5;
        ui::SetToggle(surface, square, i == 0, colors::Pink);
    }
    struct CaptionPlace {
        int index;
        const char* text;
        double left, width;
    };
    const double half = kButtonW / 2;
    const CaptionPlace captions[] = {
        {kMinCaption, "Min", ButtonLeft(0), kButtonW},
        {kLessCaption, "<", ButtonLeft(1), half},
        {kMoreCaption, ">", ButtonLeft(1) + half, half},
        {kMaxCaption, "Max", ButtonLeft(2), kButtonW},
    };
    for (const auto& c : captions) {
        Control& l = PanelText(p, m.lblSpiegazione[c.index], P, c.left, kButtonTop + kButtonH + 60,
                               c.width, 360, c.text, 12, true);
        l.align = Align::Center;
    }
    // "<" and ">" take the clicks over each half of the central button and its caption.
    for (int j = 0; j < 2; ++j)
        ClickSurface(p, m.lblMedio[j], P, ButtonLeft(1) + half * j, kButtonTop, half,
                     kButtonH + 420);
}

void InstallPool(Program& p) {
    auto& h = p.handlers;
    h.add("lblVisualizzaB", "Click", 0, 0,
          [](Program& prog, const Event&) { ClickCountButton(prog, 0); });
    h.add("lblVisualizzaB", "Click", 2, 2,
          [](Program& prog, const Event&) { ClickCountButton(prog, 2); });
    h.add("lblMedio", "Click", [](Program& prog, const Event& e) {
        if (e.index == 0 || e.index == 1) StepCentral(prog, e.index);
    });
    h.add("lblMedio", "MouseDown", [](Program& prog, const Event& e) {
        if (e.index == 0) prog.main.TmrIndietro.setEnabled(true);
        if (e.index == 1) prog.main.TmrAvanti.setEnabled(true);
    });
    h.add("lblMedio", "MouseUp", [](Program& prog, const Event& e) {
        if (e.index == 0) prog.main.TmrIndietro.setEnabled(false);
        if (e.index == 1) prog.main.TmrAvanti.setEnabled(false);
    });
    // Held arrows step the central value silently; the click after the release sounds.
    h.add("TmrAvanti", "Timer", [](Program& prog, const Event&) {
        if (Count(prog, 2) < Count(prog, 1) + 1)
            prog.main.TmrAvanti.setEnabled(false);
        else
            SetCount(prog, 1, Count(prog, 1) + 1);
    });
    h.add("TmrIndietro", "Timer", [](Program& prog, const Event&) {
        if (Count(prog, 1) >= kMinNotes + 1)
            SetCount(prog, 1, Count(prog, 1) - 1);
        else
            prog.main.TmrIndietro.setEnabled(false);
    });

    auto& f = p.fields;
    f.add("ScegliNumero", p.state.ScegliNumero);
    f.add("NoteTotali", p.state.NoteTotali);
    f.add("Contatore", p.state.Contatore);
    f.add("NumeroPassaggi", p.state.NumeroPassaggi);
    f.add("CopiaContatore", p.state.CopiaContatore);
    f.add("CopiaNaturali", p.state.CopiaNaturali);
    f.add("CopiaDiesis", p.state.CopiaDiesis);
    f.add("CopiaBemolli", p.state.CopiaBemolli);
    f.add("CopiaDoppiDiesis", p.state.CopiaDoppiDiesis);
    f.add("CopiaDoppiBemolli", p.state.CopiaDoppiBemolli);
    f.add("SecondShuffle", p.state.SecondShuffle);
}

}  // namespace velondo::exercise
