#pragma once

// Random clicks for the property tests of the click rules: the steps of a
// run, the states a run starts from and the generator of the steps.

#include "tst_rulestate.h"

#include "rules/BLLDialog.h"
#include "rules/Dispatch.h"

#include <QList>
#include <QRandomGenerator>
#include <QStringList>

#include <functional>
#include <initializer_list>
#include <utility>

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

// A state a run starts from.
struct StartState
{
    const char *name;
    std::function<Model()> make;
};

// `m` after clicks into the given cells.
inline Model clicked(Model m, std::initializer_list<std::pair<int, int>> cells)
{
    ScriptedInteraction ui;
    for (const auto &[col, row] : cells)
        FaecherSgrMouseDown(m, ui, col, row);
    return m;
}

inline const QList<StartState> &startStates()
{
    static const QList<StartState> states = {
        {"initial", [] { return startedModel(); }},
        {"school with two more languages",
         [] {
             return startedModel(QStringLiteral("Schule"), QStringLiteral("Spanisch"),
                                       QStringLiteral("Englisch"), QStringLiteral("3"));
         }},
        {"nearly complete",
         [] {
             return clicked(startedModel(),
                            {{1, 2}, {1, 16}, {1, 8}, {2, 2}, {2, 8}, {3, 17}, {0, 12}, {0, 6},
                             {0, 28}});
         }},
        {"Wirtschaft core, Gk oral", [] { return clicked(startedModel(), {{1, 11}, {3, 9}}); }},
        {"seminar course in field II",
         [] {
             Model m = startedModel();
             ScriptedInteraction ui;
             FaecherSgrMouseDown(m, ui, 3, m.BLLRow);
             play(m, ui, {DialogStep, 1, false});
             return m;
         }},
    };
    return states;
}

// Mostly clicks anywhere in and around the table, with random answers;
// now and then the BLL dialog.
inline Step randomStep(QRandomGenerator &rng)
{
    if (rng.bounded(200) == 0)
        return {DialogStep - int(rng.bounded(3)), int(rng.bounded(3)), false};
    return {int(rng.bounded(-1, 10)), int(rng.bounded(-1, 33)), rng.bounded(2) == 0};
}

// A run as "(col,row)" steps, "Y" where a question is answered Yes.
inline QString describe(const QList<Step> &steps)
{
    QStringList parts;
    for (const Step &s : steps) {
        if (s.col <= DialogStep)
            parts << QStringLiteral("BLL(form %1, field %2)").arg(DialogStep - s.col).arg(s.row);
        else
            parts << QStringLiteral("(%1,%2)%3").arg(s.col).arg(s.row).arg(s.yes ? "Y" : "");
    }
    return parts.join(u' ');
}

} // namespace tamb::test
