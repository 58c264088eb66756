#pragma once

#include "model/Model.h"

#include <QByteArray>
#include <QString>
#include <deque>

namespace tamb {

// What the user sees and the files hold are the same in both models: the
// position of the last click, the hint of a refusal, the open hours
// editor, the modification mark and the folders are left out.
bool SameState(const Model &a, const Model &b);

// The school's settings (name, languages, hours) are the same in both.
bool SameSchool(const Model &a, const Model &b);

// The grades as entered, as the files keep them: points and presence of
// every half-year grade and examination result. Which courses count and
// the component points of the "gesamt" column are computed: left out.
QByteArray EnteredGrades(const Model &m);

// Puts a kept state back, with the folders and the settings notice seen
// of this run, no hint and no open editor.
void RestoreState(Model &m, const Model &kept);

// Name of the step that a click into the course table makes
// ("Englisch Kernfach", "Englisch Halbjahr 2").
QString ClickStepName(const Model &m, int col, int row);

// Undo and redo: every step keeps the whole state before and after, so
// going back never needs to know the rules.
class History
{
public:
    static constexpr int DefaultLimit = 200;
    explicit History(int limit = DefaultLimit) : m_limit(limit) {}

    // A step from `before` to `after`; nothing when both show the same.
    // A new step drops what could be redone. True when a step was kept.
    bool record(const QString &name, const Model &before, const Model &after);

    bool canUndo() const { return m_done > 0; }
    bool canRedo() const { return m_done < int(m_steps.size()); }
    QString undoName() const;
    QString redoName() const;
    int undoCount() const { return m_done; }
    int redoCount() const { return int(m_steps.size()) - m_done; }
    int limit() const { return m_limit; }
    // Counts the clearings, so that an observer sees that steps went away.
    int generation() const { return m_generation; }

    // The state before the last step, or after the next one, into `m`.
    bool undo(Model &m);
    bool redo(Model &m);
    void clear();

private:
    struct Step
    {
        QString name;
        Model before;
        Model after;
    };
    std::deque<Step> m_steps;
    int m_done = 0; // steps that can be undone
    int m_generation = 0;
    int m_limit;
};

} // namespace tamb
