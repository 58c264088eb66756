#include "yeargroup/BatchCheck.h"
#include "model/MainWindowLogic.h"

#include "files/SaveOpen.h"
#include "files/SelectionFile.h"
#include "model/ScriptedInteraction.h"
#include "model/Settings.h"
#include "rules/ChoiceCheck.h"
#include "rules/Dispatch.h"

#include <algorithm>
#include <exception>
#include <utility>

namespace tamb::check {

const QString UnknownKindText = QStringLiteral("Unbekannter Dateityp");

Model startedModel(const QString &folder, QString *settingsProblem)
{
    Model m;
    ScriptedInteraction ui;
    m.ProgDir = folder;
    m.GridRows = SubjectCount;
    BuildCatalog(m);
    ReadSettings(m, settingsProblem); // a missing file is no message here
    LayOutStartTable(m, ui);
    return m;
}

namespace {

void readInto(FileCheck &result)
{
    Model &m = result.model;
    ScriptedInteraction ui;
    ui.openNames = {result.file};
    const OpenOutcome outcome = OeffnenClick(m, ui);

    QStringList shown;
    for (const ScriptedInteraction::Box &box : std::as_const(ui.boxes))
        shown.append(box.text);
    if (outcome != OpenOutcome::Loaded) {
        // The reader reports each refusal with exactly one box; its first
        // line is the program's text.
        result.error = shown.isEmpty() ? InputOutputErrorText : shown.constLast().section(u'\n', 0, 0);
        return;
    }
    result.notes = shown;

    // The check is repeatable: the refresh has already made four single
    // sport courses a chosen subject.
    result.faultMask = CheckChoice(m, SubjectCount);
    result.complete = result.faultMask == 0 && m.view.menusEnabled;
    if (result.complete && result.kind == SelectionKind::WithGrades)
        result.grades = gradesAsOpened(m);
}

} // namespace

FileCheck checkFile(const Model &started, const QString &path)
{
    FileCheck result{started};
    result.file = path;
    result.kind = KindOfPath(path);
    if (result.kind == SelectionKind::None) {
        result.error = UnknownKindText;
        return result;
    }
    try {
        readInto(result);
    } catch (const std::exception &e) {
        // Whatever goes wrong with one file must not stop the others.
        result.error = QString::fromLocal8Bit(e.what());
        result.notes.clear();
        result.grades.reset();
    }
    return result;
}

std::array<int, 4> weeklyHours(const Model &m)
{
    std::array<int, 4> hours{};
    for (int h = 1; h <= 4; ++h)
        hours[h - 1] = cellNumber(m.WostSgr.cell(h, 0));
    return hours;
}

QStringList subjectsWith(const Model &m, ChoiceRow row)
{
    QStringList names;
    for (int r = 1; r < SubjectCount; ++r)
        if (m.Choice[row][r])
            names.append(m.name(r));
    return names;
}

GradesSummary summarize(const GradesView &g)
{
    GradesSummary s;
    s.blockI = g.PSersterBlockPl.text.toInt();
    s.blockICaption = g.ErsterBlockLbl.text;
    s.under5 = g.Unter5ebLbl.text;
    s.admissionFlags = g.AdmissionFlags;
    if (g.AdmissionFlags != 0) {
        s.nonAdmission = GradesSummary::NonAdmission{g.NzulGBx.text, g.NzulLbl.text};
        return s;
    }
    s.blockII = g.PSAbiblockPl.text.toInt();
    if (g.DSNoteGBx.visible) {
        s.total = g.GPZPl.text.toInt();
        s.average = g.DSNotePl.text;
    } else if (g.GPZGBx.visible && g.GPZLbl.visible && !g.GPZLbl.text.isEmpty()) {
        s.verdict = g.GPZLbl.text;
    }
    return s;
}

QList<Enrolment> enrolments(const Model &m)
{
    QList<Enrolment> list;
    for (int r = 1; r < SubjectCount; ++r) {
        const QString &name = m.name(r);
        if (name.isEmpty() || name == NotOffered)
            continue;
        quint8 flags = 0;
        for (int h = 0; h < 4; ++h)
            flags |= m.Choice[HalfYear1 + h][r] ? quint8(1 << h) : 0;
        flags |= m.Choice[Core][r] ? InCore : 0;
        flags |= m.Choice[Written][r] ? InWritten : 0;
        flags |= m.Choice[Oral][r] ? InOral : 0;
        list.append(Enrolment{name, r, flags});
    }
    return list;
}

void Statistics::add(const QList<Enrolment> &pupil)
{
    ++m_pupils;
    for (const Enrolment &e : pupil) {
        auto it = m_index.constFind(e.subject);
        if (it == m_index.constEnd()) {
            it = m_index.insert(e.subject, m_lines.size());
            m_lines.append(Line{e.subject, e.row, {}, 0, 0, 0});
        }
        Line &line = m_lines[*it];
        for (int h = 0; h < 4; ++h)
            line.halfYears[h] += (e.flags >> h) & 1;
        line.core += (e.flags & InCore) ? 1 : 0;
        line.written += (e.flags & InWritten) ? 1 : 0;
        line.oral += (e.flags & InOral) ? 1 : 0;
    }
}

int coursesNeeded(int pupils, int perCourse)
{
    return perCourse > 0 ? (pupils + perCourse - 1) / perCourse : pupils;
}

QList<Statistics::Line> Statistics::lines() const
{
    QList<Line> sorted = m_lines;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const Line &a, const Line &b) { return a.row < b.row; });
    return sorted;
}

QStringList textLines(const QString &text)
{
    QString plain = text;
    plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    plain.replace(QLatin1String("\n\r"), QLatin1String("\n"));
    plain.replace(u'\r', u'\n');
    plain.replace(u'\t', QLatin1String("    "));
    QStringList lines;
    for (const QString &line : plain.split(u'\n')) {
        qsizetype end = line.size();
        while (end > 0 && line.at(end - 1).isSpace())
            --end;
        if (end > 0)
            lines.append(line.left(end));
    }
    return lines;
}

} // namespace tamb::check
