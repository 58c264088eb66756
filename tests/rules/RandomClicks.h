#pragma once

// The random clicks of the rule tests: steps into the course table with
// random answers, now and then the BLL dialog.

#include "TestSupport.h"
#include "rules/BLLDialog.h"
#include "rules/Dispatch.h"

#include <QRandomGenerator>

namespace tamb::test {

// One step of a run: a click into the course table, or the BLL dialog used
// with a form and a task field (col = -10 - form, row = task field).
struct Step
{
    int col;
    int row;
    bool yes; // answer to a question
};

constexpr int DialogStep = -10;

inline void play(Model &m, ScriptedInteraction &ui, const Step &s)
{
    if (s.col <= DialogStep) {
        BLLDialogState d;
        BLLFormShow(m, d);
        if (s.col == DialogStep - 2) {
            // Dialog opened and closed without a form.
        } else {
            ArtRGrClick(m, d, DialogStep - s.col);
            AufgabenfeldRgrClick(m, d, s.row);
        }
        BLLFormClose(m, ui, d);
        return;
    }
    ui.defaultAnswer = s.yes ? Answer::Yes : Answer::No;
    FaecherSgrMouseDown(m, ui, s.col, s.row);
}

inline Step randomStep(QRandomGenerator &rng)
{
    if (rng.bounded(200) == 0)
        return {DialogStep - int(rng.bounded(3)), int(rng.bounded(3)), false};
    return {int(rng.bounded(-1, 10)), int(rng.bounded(-1, 33)), rng.bounded(2) == 0};
}

} // namespace tamb::test
