#include "model/CellNames.h"

#include "model/Model.h"

namespace tamb {

namespace {

const QString StudyGroups = QStringLiteral("Arbeitsgemeinschaften");

QString roleName(int col)
{
    switch (col) {
    case 1:
        return QStringLiteral("Kernfach");
    case 2:
        return QStringLiteral("schriftliches Prüfungsfach");
    case 3:
        return QStringLiteral("mündliches Prüfungsfach");
    default:
        return QString();
    }
}

} // namespace

QString CourseHeadTip(int col)
{
    if (col >= 1 && col <= 3)
        return QStringLiteral("%1: %2").arg(QStringLiteral("Ksm").at(col - 1), roleName(col));
    if (col >= 4 && col <= 7)
        return QStringLiteral("%1: Kurshalbjahr %1").arg(col - 3);
    if (col == 8)
        return QStringLiteral("Zahl: Kurse und Block-I-Anrechnung");
    return QString();
}

QString CourseCellName(const Model &m, int col, int row)
{
    const TextGrid &grid = m.FaecherSgr;
    if (row < 0 || col < 0 || row >= grid.rowCount() || col >= grid.colCount())
        return QString();
    if (row == 0)
        return col == 0 ? grid.cell(0, 0) : CourseHeadTip(col);
    const bool subjectRow = row < SubjectCount;
    const QString subject = subjectRow ? grid.cell(0, row).trimmed() : StudyGroups;
    const QString text = grid.cell(col, row);
    if (col == 0) {
        if (!subjectRow)
            return subject;
        return subject + (m.Choice[Taken][row] ? QStringLiteral(", gewählt")
                                               : QStringLiteral(", nicht gewählt"));
    }
    if (col <= 3) {
        if (!subjectRow)
            return subject;
        const QString role = roleName(col);
        if (!m.Allowed[col][row])
            return subject + QStringLiteral(", ") + role + QStringLiteral(": nicht möglich");
        if (m.Choice[col][row])
            return subject + QStringLiteral(", ") + role;
        return subject + QStringLiteral(", ") + role + QStringLiteral(": nein");
    }
    if (col <= 7) {
        const QString halfYear = QStringLiteral(", Halbjahr %1: ").arg(col - 3);
        bool ok = false;
        const int hours = cellNumber(text, &ok);
        if (!ok || hours <= 0)
            return subject + halfYear + (subjectRow ? QStringLiteral("kein Kurs")
                                                    : QStringLiteral("keine Stunden"));
        const QString hoursText = QString::number(hours)
                                  + (hours == 1 ? QStringLiteral(" Wochenstunde")
                                                : QStringLiteral(" Wochenstunden"));
        return subject + halfYear + (subjectRow ? QStringLiteral("Kurs, ") : QString()) + hoursText;
    }
    const QString value = text.trimmed();
    return subject + QStringLiteral(", Zahl: ") + (value.isEmpty() ? QStringLiteral("leer") : value);
}

} // namespace tamb
