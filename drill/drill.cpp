#include "drill/drill.h"

#include <string_view>

#include "core/phase.h"
#include "core/text_number.h"
#include "drill/results.h"
#include "exercise/pool.h"
#include "notation/notation.h"
#include "sound/sound.h"
#include "ui/options.h"
#include "ui/options_box.h"

namespace velondo::drill {

namespace {

constexpr int kEnter = 13, kShift = 16;
constexpr notation::SampleNumber kEnterSample{34};

void Noise(Program& p, const PlayerRef& player) {
    if (sound::ProgramNoisesOn(p)) sound::PlaySound(p, player);
}

// The key number of sequence entry i; 0 when the entry holds none.
int EntryKey(const Program& p, int i) {
    if (i < 1 || i > 120) return 0;
    return NumberOf(p.state.ScegliNumero[static_cast<size_t>(i)]).value_or(0);
}

// N of the selected note-count button, or the trial's current N when none is.
int ChosenCount(const Program& p) {
    return p.state.SelectedCountButton >= 0 ? exercise::SelectedNoteCount(p)
                                            : p.state.CopiaNumeroScelto2;
}

void PlaceEntry(Program& p, int slot) {
    p.state.Avanza = slot;
    notation::PlaceNoteImage(p);
}

void UpdateTempo(Program& p) {
    p.state.Tempo = static_cast<int>((p.ports.clock->steadyMs() - p.state.trialStartMs) / 100);
}

}  // namespace

void ShowMessage(Program& p, Control& label) {
    MainWindow& m = p.main;
    for (Control* c : {&m.lblQuando, &m.lblClicca, &m.lblFineProva, &m.lblStoScrivendo,
                       &m.lblContDown, &m.lblAvvisoFile})
        c->visible = c == &label;
    m.fraLogo.visible = true;
}

std::string PoolProblem(const Program& p, int n) {
    int pool = p.state.NoteTotali;
    for (int i = 1; i <= pool && i <= n; ++i)
        if (EntryKey(p, i) < 1 || EntryKey(p, i) > 49) pool = i - 1;
    if (pool <= 0) return texts::EmptyPool;
    if (n < kSlots) return texts::TooFewNotes;
    if (n > pool) return texts::TooManyNotes + std::to_string(pool) + texts::TooManyNotesEnd;
    return {};
}

void NameBoxKey(Program& p, int keyCode) {
    if (keyCode != kEnter) {
        if (keyCode != kShift) Noise(p, sound::players::Tic);
        return;
    }
    if (!MayStart(p, Flow::StartTrial)) return;
    MainWindow& m = p.main;
    ExerciseState& s = p.state;
    int n = ChosenCount(p);
    std::string problem = PoolProblem(p, n);
    if (!problem.empty()) {
        m.lblFineProva.caption = problem;
        ShowMessage(p, m.lblFineProva);
        return;
    }

    m.panel(Panel::Name).visible = false;
    // Shading off and on again: it follows the range of the new trial.
    if (m.isOn(Option::Shading)) options::SilentClick(p, Option::Shading, 2);
    if (m.isOn(Option::StaffLine)) ui::ShowReferenceLine(p);
    s.NumeroScelto = s.CopiaNumeroScelto = s.CopiaNumeroScelto2 = n;
    m.lblStoScrivendo.caption = texts::Composing;
    ShowMessage(p, m.lblStoScrivendo);
    for (int i = 1; i <= kSlots; ++i) m.lblNomeNota[i].caption.clear();
    Noise(p, sound::Piano(kEnterSample));
    m.TmrStoScrivendo.setEnabled(true);
}

void DrawFirstLine(Program& p) {
    const bool composing = MayStart(p, Flow::LoadLine);
    p.main.TmrStoScrivendo.setEnabled(false);  // a one-shot, whatever the phase
    if (composing) LoadLine(p);
}

void LoadLine(Program& p) {
    ExerciseState& s = p.state;
    MainWindow& m = p.main;
    while (s.Avanza < kSlots) {
        PlaceEntry(p, s.Avanza + 1);
        if (s.NumeroScelto != 0) m.lblNomeNota[s.Avanza].caption = std::to_string(s.NumeroScelto);
        --s.NumeroScelto;
    }
    s.Avanza = kSlots + 1;
    m.lblContDown.caption = "3";
    ShowMessage(p, m.lblContDown);
    Noise(p, sound::players::Tic);
    m.TmrCountDown.setEnabled(true);
    OptionControls exit = m.option(Option::Exit);
    exit.sign.enabled = exit.surface.enabled = true;
}

void CountDownTick(Program& p) {
    MainWindow& m = p.main;
    ExerciseState& s = p.state;
    int left = NumberOf(m.lblContDown.caption).value_or(1) - 1;
    m.lblContDown.caption = std::to_string(left);
    if (left > 0) {
        Noise(p, sound::players::Tic);
        return;
    }
    m.lblContDown.visible = false;
    m.TmrCountDown.setEnabled(false);
    m.lblContDown.caption = "3";
    for (int i = 1; i <= kSlots; ++i) {
        m.ImgNota[i].visible = true;
        m.lblNomeNota[i].foreColor = colors::Black;
    }
    // A trial always starts on the first note, whatever an interrupted one left behind.
    s.Posizione = 1;
    for (int i = 1; i <= kSlots; ++i) m.ShpEvidenzia[i].visible = i == 1;
    m.lblClicca.caption = texts::Click;
    ShowMessage(p, m.lblClicca);
    s.Avanza = 1;
    // Tempo keeps the tenths it already holds; the steady clock adds the running ones.
    s.trialStartMs = p.ports.clock->steadyMs() - 100LL * s.Tempo;
    m.TmrTempo.setEnabled(true);
    s.Inizio = 6;
    // The panels of the options box close for the trial.
    for (Option panel : {Option::ClefTable, Option::Results, Option::Exit})
        if (m.isOn(panel)) options::Click(p, panel);
    if (sound::ProgramNoisesOn(p)) sound::PlayGoVoice(p);
    s.SetTrialRunning(true);
}

void ClockTick(Program& p) {
    if (p.state.TrialRunning()) UpdateTempo(p);
}

void CheckAnswer(Program& p, notation::KeyNumber pressed) {
    const int key = pressed.value;
    ExerciseState& s = p.state;
    MainWindow& m = p.main;
    if (!s.TrialRunning()) return;
    int i = s.CopiaNumeroScelto;
    if (key != EntryKey(p, i)) {
        ++s.Errori;
        if (sound::ErrorVoiceOn(p)) sound::PlaySound(p, sound::players::No);
        if (m.isOn(Option::HighlightWhilePressed) || m.isOn(Option::HighlightAfterRelease))
            m.ShpTasto[key].fillColor = WrongKey;
        return;
    }
    Control& name = m.lblNomeNota[s.Posizione];
    name.caption = m.lblScegliNome[i].caption;
    name.foreColor = m.lblScegliNome[i].foreColor;
    m.ShpEvidenzia[s.Posizione].visible = false;
    s.CopiaNumeroScelto = i - 1;
    if (s.Inizio == 0) {
        if (s.NumeroScelto > 0) {
            PlaceEntry(p, RefillSlot(s.Posizione));
            m.lblNomeNota[s.Avanza].foreColor = colors::Black;
            m.lblNomeNota[s.Avanza].caption = std::to_string(s.NumeroScelto);
            --s.NumeroScelto;
        }
    } else {
        --s.Inizio;
    }
    s.Posizione = s.Posizione % kSlots + 1;
    if (s.CopiaNumeroScelto == 0)
        FinishTrial(p);
    else
        m.ShpEvidenzia[s.Posizione].visible = true;
}

void FinishTrial(Program& p) {
    ExerciseState& s = p.state;
    MainWindow& m = p.main;
    UpdateTempo(p);  // the tenths up to the final key, however late the last tick came
    AdvanceHistory(p);
    s.SetTrialRunning(false);
    m.TmrTempo.setEnabled(false);
    m.lblClicca.caption.clear();
    m.ShpEvidenzia[s.Posizione].visible = false;
    if (m.isOn(Option::HighlightAfterRelease))
        options::SilentClick(p, Option::HighlightAfterRelease, 2);

    float t = static_cast<float>(s.Tempo) / 10.0f;
    t = t / static_cast<float>(s.CopiaNumeroScelto2);
    s.TempoMedio = FormatAverage(p, t);
    SetTimeBar(p, s.NumIsto, t);
    SetErrorBar(p, s.NumIsto, s.Errori);

    m.lblQuando.caption = texts::WhenReady;
    ShowMessage(p, m.lblQuando);
    EnterTrial(p);
    Run(p.hooks.saveAfterTrial, p);
    // Opens the results; a panel the student opened during the trial is left open.
    if (!m.isOn(Option::Results)) options::SilentClick(p, Option::Results);
    m.TmrCommentoDopo.setEnabled(true);
    m.panel(Panel::Main).visible = true;
}

void ResetExercise(Program& p) {
    ExerciseState& s = p.state;
    MainWindow& m = p.main;
    for (int i = 1; i <= 120; ++i) {
        m.lblScegliNome[i].caption.clear();
        s.ScegliNumero[static_cast<size_t>(i)].clear();
    }
    for (int i = 1; i <= kSlots; ++i) {
        m.lblNomeNota[i].caption.clear();
        m.lblNomeNota[i].foreColor = colors::Black;
        m.ImgNota[i].picture.clear();
        m.ImgNota[i].visible = false;
    }
    for (ControlArray* counts :
         {&m.lblNaturali, &m.lblDiesis, &m.lblBemolli, &m.lblDDiesis, &m.lblDBemolli})
        (*counts)[0].caption = "0";
    s.NoteTotali = 0;
    s.Contatore = 0;
    s.Avanza = 0;
    s.Posizione = 1;
    m.lblClicca.caption.clear();
    m.lblQuando.visible = false;
    // A refusal of an earlier Enter no longer applies to the exercise being prepared.
    m.lblFineProva.caption.clear();
    m.lblFineProva.visible = false;
    s.Tempo = 0;
    s.Errori = 0;
}

void StopDrill(Program& p) {
    MainWindow& m = p.main;
    for (Timer* t : {&m.TmrStoScrivendo, &m.TmrCountDown, &m.TmrTempo, &m.TmrCommentoDopo,
                     &m.TmrLampeggiaRecord})
        t->setEnabled(false);
    // The trial is over: no note stays highlighted under the farewell.
    for (int i = 1; i <= 13; ++i) m.ShpEvidenzia[i].visible = false;
    p.state.ProvaInCorso = "No";
}

bool AwaitsNextTrial(const Program& p) {
    const MainWindow& m = p.main;
    const Phase phase = CurrentPhase(p);
    return m.fraLogo.visible && m.lblQuando.visible &&
           (phase == Phase::Idle || phase == Phase::Finished);
}

void Comment(Program& p) {
    ExerciseState& s = p.state;
    p.main.TmrCommentoDopo.setEnabled(false);
    if (!sound::ProgramNoisesOn(p)) {
        s.RecordCompiuto = false;
        return;
    }
    if (s.RecordCompiuto) {
        s.RecordCompiuto = false;
        sound::PlaySound(p, sound::players::Record);
    } else if (s.Inserimento == 1) {
        sound::PlaySound(p, sound::players::Fine);
    } else if (s.Inserimento >= 2 && s.Inserimento <= 12) {
        sound::PlaySound(p, sound::players::Clap);
    } else if (s.Inserimento == 13) {
        sound::PlaySound(p, sound::players::Buuh);
    }
}

}  // namespace velondo::drill
