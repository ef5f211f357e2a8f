#include "drill/install.h"

#include "drill/drill.h"
#include "drill/results.h"

namespace velondo::drill {

void Install(Program& p) {
    DesignMessageBox(p);
    DesignResultsPanel(p);

    ExerciseState& s = p.state;
    FieldRegistry& f = p.fields;
    f.add("Avanza", s.Avanza);
    f.add("NumeroScelto", s.NumeroScelto);
    f.add("CopiaNumeroScelto", s.CopiaNumeroScelto);
    f.add("CopiaNumeroScelto2", s.CopiaNumeroScelto2);
    f.add("Posizione", s.Posizione);
    f.add("Inizio", s.Inizio);
    f.add("Tempo", s.Tempo);
    f.add("Errori", s.Errori);
    f.add("ProvaInCorso", s.ProvaInCorso);
    f.add("TempoMedio", s.TempoMedio);

    HandlerTable& h = p.handlers;
    h.add("TxtNomeAlunno", "KeyDown",
          [](Program& prog, const Event& e) { NameBoxKey(prog, e.keyCode); });
    h.add("TmrStoScrivendo", "Timer", [](Program& prog, const Event&) { DrawFirstLine(prog); });
    h.add("cmdCaricaNota", "Click", [](Program& prog, const Event&) { DrawFirstLine(prog); });
    h.add("TmrCountDown", "Timer", [](Program& prog, const Event&) { CountDownTick(prog); });
    h.add("TmrTempo", "Timer", [](Program& prog, const Event&) { ClockTick(prog); });
    h.add("TmrCommentoDopo", "Timer", [](Program& prog, const Event&) { Comment(prog); });

    InstallResults(p);
}

}  // namespace velondo::drill
