#include "model/History.h"

#include <algorithm>

namespace tamb {

namespace {

using GradeArray = quint8[5][GradeColumns];

void clearComputedGrades(GradeArray &grades)
{
    for (auto &column : grades)
        for (quint8 &grade : column)
            grade &= quint8(~(Counted | Compulsory));
    for (int e = 1; e <= 5; ++e)
        grades[3][SubjectCount - 1 + e] = 0;
}

// The parts of a model that no step changes or that undo leaves alone.
Model comparable(const Model &m)
{
    Model c = m;
    c.ClickCol = c.ClickRow = 0;
    c.Modified = 0;
    c.FileWords.clear();
    c.GridRows = SubjectCount;
    c.ProgDir.clear();
    c.WorkDir.clear();
    c.DiskFile.clear();
    c.DiskBytes.clear();
    c.SettingsSeen = false;
    c.BLLDialogSerial = 0;
    c.view.hintShown = false;
    c.view.hint.clear();
    c.view.hoursEditorVisible = false;
    c.view.hoursEditorText.clear();
    // What the grades window computes whenever it comes to the front makes
    // no step of its own.
    clearComputedGrades(c.Grades);
    return c;
}

} // namespace

bool SameState(const Model &a, const Model &b)
{
    return comparable(a) == comparable(b);
}

bool SameSchool(const Model &a, const Model &b)
{
    if (a.SchoolName != b.SchoolName || a.FspiHours != b.FspiHours)
        return false;
    for (int r = 0; r < 4; ++r)
        for (int i = 0; i < SubjectCount; ++i)
            if (a.Allowed[r][i] != b.Allowed[r][i] || a.SubjectText[r][i] != b.SubjectText[r][i])
                return false;
    return true;
}

QByteArray EnteredGrades(const Model &m)
{
    GradeArray grades;
    std::copy(&m.Grades[0][0], &m.Grades[0][0] + sizeof m.Grades, &grades[0][0]);
    clearComputedGrades(grades);
    QByteArray bytes(reinterpret_cast<const char *>(&grades[0][0]), sizeof grades);
    for (char &b : bytes)
        b = char(b & (GradePresent | PointsMask));
    return bytes;
}

void RestoreState(Model &m, const Model &kept)
{
    Model next = kept;
    next.ProgDir = m.ProgDir;
    next.WorkDir = m.WorkDir;
    next.DiskFile = m.DiskFile;
    next.DiskBytes = m.DiskBytes;
    next.SettingsSeen = m.SettingsSeen;
    next.ClickCol = m.ClickCol;
    next.ClickRow = m.ClickRow;
    next.FileWords.clear();
    next.GridRows = SubjectCount;
    // The achievement may differ now: an open dialog takes it afresh.
    next.BLLDialogSerial = m.BLLDialogSerial + 1;
    next.view.hintShown = false;
    next.view.hint.clear();
    next.view.hoursEditorVisible = false;
    next.view.hoursEditorText.clear();
    m = std::move(next);
}

QString ClickStepName(const Model &m, int col, int row)
{
    const QString subject = row >= 1 && row <= SubjectCount
                                ? m.FaecherSgr.cell(0, row).trimmed()
                                : QString();
    switch (col) {
    case 0:
        return subject;
    case 1:
        return subject + QStringLiteral(" Kernfach");
    case 2:
        return subject + QStringLiteral(" schriftliches Prüfungsfach");
    case 3:
        return subject + QStringLiteral(" mündliches Prüfungsfach");
    case 4:
    case 5:
    case 6:
    case 7:
        return subject + QStringLiteral(" Halbjahr ") + QString::number(col - 3);
    default:
        return subject;
    }
}

bool History::record(const QString &name, const Model &before, const Model &after)
{
    if (SameState(before, after))
        return false;
    m_steps.erase(m_steps.begin() + m_done, m_steps.end());
    m_steps.push_back({name, before, after});
    while (int(m_steps.size()) > m_limit)
        m_steps.pop_front();
    m_done = int(m_steps.size());
    return true;
}

QString History::undoName() const
{
    return canUndo() ? m_steps[m_done - 1].name : QString();
}

QString History::redoName() const
{
    return canRedo() ? m_steps[m_done].name : QString();
}

bool History::undo(Model &m)
{
    if (!canUndo())
        return false;
    --m_done;
    RestoreState(m, m_steps[m_done].before);
    return true;
}

bool History::redo(Model &m)
{
    if (!canRedo())
        return false;
    RestoreState(m, m_steps[m_done].after);
    ++m_done;
    return true;
}

void History::clear()
{
    m_steps.clear();
    m_done = 0;
    ++m_generation;
}

} // namespace tamb
