#include "print/install.h"

#include "print/print.h"

namespace velondo::print {

namespace {

bool IsAnswer(int index) { return index >= 0 && index <= 2; }

}  // namespace

void Install(Program& program) {
    DesignPage(program);
    DesignConfirmPanel(program);

    HandlerTable& h = program.handlers;
    h.add("lblPrint", "Click", [](Program& p, const Event&) { PrintButtonClick(p); });
    h.add("lblStampaPronta", "MouseDown", [](Program& p, const Event& e) {
        if (IsAnswer(e.index)) PressAnswer(p, static_cast<Answer>(e.index));
    });
    h.add("lblStampaPronta", "MouseUp", [](Program& p, const Event& e) {
        if (IsAnswer(e.index)) ReleaseAnswer(p, static_cast<Answer>(e.index));
    });
    h.add("lblStampaPronta", "Click", [](Program& p, const Event& e) {
        if (IsAnswer(e.index)) AnswerClick(p, static_cast<Answer>(e.index));
    });
    h.add("FraStampa", "Click", [](Program& p, const Event&) { PageClick(p); });
}

}  // namespace velondo::print
