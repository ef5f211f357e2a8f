#include "core/phase.h"

namespace velondo {

Phase CurrentPhase(const Program& p) {
    const MainWindow& m = p.main;
    if (p.ended || m.TmrEsci.enabled()) return Phase::Exiting;
    if (p.state.ProvaInCorso == "Sì") return Phase::Running;
    if (m.TmrCountDown.enabled()) return Phase::CountingDown;
    if (m.TmrStoScrivendo.enabled()) return Phase::Composing;
    if (m.TmrCommentoDopo.enabled()) return Phase::Finished;
    return Phase::Idle;
}

bool MayStart(const Program& p, Flow flow) {
    const Phase phase = CurrentPhase(p);
    const bool betweenTrials = phase == Phase::Idle || phase == Phase::Finished;
    auto shown = [&](Panel panel) { return p.main.panel(panel).visible; };
    switch (flow) {
        case Flow::Practise:
        case Flow::CreateProfile:
        case Flow::LoadProfile: return betweenTrials;
        case Flow::SaveAs: return phase != Phase::Exiting && shown(Panel::SavePrompt);
        // The configuration steps skip nothing: each needs its own panel on the screen.
        case Flow::ChooseClef: return betweenTrials;
        case Flow::ConfirmRange: return betweenTrials && shown(Panel::Range);
        case Flow::ConfirmAccidentals: return betweenTrials && shown(Panel::Accidentals);
        case Flow::StartTrial: return betweenTrials;
        case Flow::LoadLine: return phase == Phase::Composing;
        case Flow::Exit: return phase != Phase::Exiting;
    }
    return false;
}

const char* PhaseName(Phase phase) {
    switch (phase) {
        case Phase::Idle: return "idle";
        case Phase::Composing: return "composing";
        case Phase::CountingDown: return "counting down";
        case Phase::Running: return "running";
        case Phase::Finished: return "finished";
        case Phase::Exiting: return "exiting";
    }
    return "?";
}

}  // namespace velondo
