#include "rules/ClickPreview.h"

#include "model/Interaction.h"
#include "model/Model.h"
#include "rules/BlockIPreview.h"
#include "rules/ChoiceCheck.h"
#include "rules/Dispatch.h"
#include "rules/Explanations.h"

#include <cstring>

namespace tamb {

namespace {

constexpr int RequiredCourses = 40;

// Answers every question No and shows nothing; keeps what the click asked.
class QuietInteraction : public Interaction
{
public:
    void beep() override { beeped = true; }
    Answer messageBox(BoxKind, const QString &text, Buttons buttons) override
    {
        asked = true;
        if (question.isEmpty())
            question = text;
        switch (buttons) {
        case Buttons::Ok:
            return Answer::Ok;
        case Buttons::YesNo:
            return Answer::No;
        case Buttons::YesNoCancel:
            break;
        }
        return Answer::Cancel;
    }
    std::optional<QString> inputQuery(const QString &, const QString &, const QString &) override
    {
        asked = true;
        return std::nullopt;
    }
    QString openFileName(const QString &, const QString &, const QString &,
                         const QStringList &) override
    {
        asked = true;
        return QString();
    }
    QString saveFileName(const QString &, const QString &, const QString &,
                         const QString &) override
    {
        asked = true;
        return QString();
    }
    void showWindow(Window) override { window = true; }

    bool beeped = false;
    bool asked = false;
    bool window = false;
    QString question;
};

bool sameText(const QString &a, const QString &b)
{
    // Most cells are untouched copies: the same characters, no comparison.
    return (a.constData() == b.constData() && a.size() == b.size()) || a == b;
}

template<typename T, std::size_t N>
bool sameBytes(const T (&a)[N], const T (&b)[N])
{
    return std::memcmp(a, b, sizeof a) == 0;
}

// The choice as the rules change it: flags, slots, grades, names and the
// cells of the course table that the rules write (column 8 and the other
// grids follow from these in the refresh).
bool sameChoice(const Model &a, const Model &b)
{
    if (!sameBytes(a.Choice, b.Choice) || !sameBytes(a.Allowed, b.Allowed)
        || !sameBytes(a.Grades, b.Grades) || !sameBytes(a.CoreSlots, b.CoreSlots)
        || a.BLLField != b.BLLField || a.BLLSocialField != b.BLLSocialField
        || a.view.afSemKVisible != b.view.afSemKVisible
        || a.view.hoursEditorVisible != b.view.hoursEditorVisible)
        return false;
    for (int row = 0; row < SubjectCount; ++row)
        if (!sameText(a.SubjectText[0][row], b.SubjectText[0][row]))
            return false;
    for (int row = 0; row <= SubjectCount; ++row) {
        const QString *ca = a.FaecherSgr.rowCells(row);
        const QString *cb = b.FaecherSgr.rowCells(row);
        if (!ca || !cb)
            return ca == cb;
        for (int col = 0; col < 8; ++col)
            if (!sameText(ca[col], cb[col]))
                return false;
    }
    return true;
}

// One click on `scratch`, a copy of `before`.
ClickOutcome clickCopy(const Model &before, Model &scratch, int col, int row)
{
    QuietInteraction ui;
    FaecherSgrMouseDown(scratch, ui, col, row);
    ClickOutcome o;
    if (scratch.view.hintShown)
        o.hint = scratch.view.hint;
    o.question = ui.question;
    if (ui.window)
        o.kind = ClickKind::Dialog;
    else if (ui.asked)
        o.kind = ClickKind::Question;
    else if (!sameChoice(before, scratch))
        o.kind = ClickKind::Change;
    else if (ui.beeped || scratch.view.hintShown)
        o.kind = ClickKind::Refused;
    if (o.kind == ClickKind::Change)
        o.after = ShortfallOf(scratch);
    return o;
}

constexpr int indexOf(int col, int row)
{
    return (row - ClickPreview::FirstRow) * ClickPreview::Columns + col;
}

} // namespace

Shortfall ShortfallOf(Model &m)
{
    Shortfall s;
    s.mask = CheckChoice(m, SubjectCount);
    s.missingCore = qMax(0, 5 - CountChosen(m, SubjectCount, Core));
    s.missingWritten = qMax(0, 4 - CountChosen(m, SubjectCount, Written));
    for (int h = 1; h <= 4; ++h)
        s.weeklyHours += cellNumber(m.WostSgr.cell(h, 0));
    if (s.mask == 0)
        s.countable = CountCourses(m, SubjectCount).total;
    return s;
}

bool Closer(const Shortfall &before, const Shortfall &after)
{
    if ((after.mask & ~before.mask) != 0 || after.missingCore > before.missingCore
        || after.missingWritten > before.missingWritten)
        return false;
    if ((before.mask & ~after.mask) != 0 || after.missingCore < before.missingCore
        || after.missingWritten < before.missingWritten)
        return true;
    if (before.mask == FaultHours)
        return after.weeklyHours > before.weeklyHours;
    return before.mask == 0 && before.countable < RequiredCourses
           && after.countable > before.countable;
}

bool Mends(const Shortfall &before, const Shortfall &after, int fault)
{
    switch (fault) {
    case 0:
        return false;
    case FaultCoreCount:
        return after.missingCore < before.missingCore;
    case FaultWrittenCount:
        return after.missingWritten < before.missingWritten;
    case FaultHours:
        return (before.mask & FaultHours)
               && (!(after.mask & FaultHours) || after.weeklyHours > before.weeklyHours);
    case BlockIShortfall:
        return before.mask == 0 && after.mask == 0 && before.countable < RequiredCourses
               && after.countable > before.countable;
    default:
        return (before.mask & fault) && !(after.mask & fault);
    }
}

ClickOutcome PreviewClick(const Model &m, int col, int row)
{
    Model scratch = m;
    return clickCopy(m, scratch, col, row);
}

ClickPreview::ClickPreview(const Model &m) : m_empty(false)
{
    {
        QuietInteraction ui;
        Model refreshed = m;
        Refresh(refreshed, ui);
        m_before = ShortfallOf(refreshed);
    }
    // One scratch model, set back to `m` before every click: assignment
    // shares the texts instead of building them again.
    Model scratch = m;
    for (int row = FirstRow; row <= LastRow; ++row)
        for (int col = 0; col < Columns; ++col) {
            if (col != 0 || row != FirstRow)
                scratch = m;
            m_cells[indexOf(col, row)] = clickCopy(m, scratch, col, row);
        }
}

const ClickOutcome &ClickPreview::at(int col, int row) const
{
    static const ClickOutcome none;
    return contains(col, row) ? m_cells[indexOf(col, row)] : none;
}

bool ClickPreview::refused(int col, int row) const
{
    if (!contains(col, row))
        return false;
    const ClickKind kind = at(col, row).kind;
    return kind == ClickKind::Refused || kind == ClickKind::NoChange;
}

bool ClickPreview::suggested(int col, int row) const
{
    const ClickOutcome &o = at(col, row);
    return contains(col, row) && o.kind == ClickKind::Change && Closer(m_before, o.after);
}

bool ClickPreview::mends(int col, int row, int fault) const
{
    const ClickOutcome &o = at(col, row);
    return contains(col, row) && o.kind == ClickKind::Change && Mends(m_before, o.after, fault);
}

} // namespace tamb
