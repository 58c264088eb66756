// "Zielnote": the points still needed for a target average grade.
#include "grades/Zielnote.h"

#include "grades/Grades.h"
#include "model/Interaction.h"
#include "model/Model.h"

#include <QRegularExpression>
#include <vector>

namespace tamb {

namespace {

// A grade still missing: its byte(s) in `Grades` and the flags of a value.
struct Gap
{
    int h;
    int col;
    quint8 flags;
    bool twice; // the special learning achievement's total: half-years 1 and 2
};

std::vector<Gap> gaps(const Model &m, int rows)
{
    std::vector<Gap> list;
    const int bll = m.BLLRow;
    for (int r = 1; r < rows; ++r)
        for (int h = 1; h <= 4; ++h)
            if (m.Choice[h + 3][r] && m.Grades[h][r] == 0)
                list.push_back({h, r, GradePresent, false});
    // The total of a special learning achievement without courses; as the
    // fifth component it is that result.
    if (CountsDouble(m) && bll < rows && m.Grades[1][bll] == 0)
        list.push_back({1, bll, GradePresent, true});
    for (const QPoint &need : NeededResults(m)) {
        const int col = examColumn(rows, need.y());
        if (m.Grades[need.x()][col] == 0)
            list.push_back({need.x(), col, quint8(GradePresent | ExamResult), false});
    }
    return list;
}

// Passes with the target or better, as the grades window shows it.
bool reaches(Model &m, int rows, int target)
{
    GradesView g;
    RefreshGrades(m, g, rows);
    return g.AdmissionFlags == 0 && g.DSNoteGBx.visible
           && AverageGradeTenths(g.GPZPl.text.toInt()) <= target;
}

QString gradeText(int target) { return AverageGradeText(target); }

} // namespace

std::optional<int> ParseTargetGrade(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^([1-4]),([0-9])$"));
    const QRegularExpressionMatch match = form.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    const int tenths = match.captured(1).toInt() * 10 + match.captured(2).toInt();
    if (tenths > 40)
        return std::nullopt;
    return tenths;
}

TargetPoints PointsForTarget(const Model &m, int target)
{
    const int rows = qBound(1, m.GridRows, SubjectCount);
    TargetPoints answer;
    answer.target = target;
    const std::vector<Gap> list = gaps(m, rows);
    answer.missing = int(list.size());
    Model trial = m;
    if (list.empty()) {
        if (reaches(trial, rows, target))
            answer.points = 0;
        return answer;
    }
    // Each p in turn: the least one wins, whether or not more points always
    // help under the program's selection.
    for (int p = 0; p <= 15; ++p) {
        for (const Gap &gap : list) {
            trial.Grades[gap.h][gap.col] = quint8(p | gap.flags);
            if (gap.twice)
                trial.Grades[2][gap.col] = quint8(p | gap.flags);
        }
        if (reaches(trial, rows, target)) {
            answer.points = p;
            break;
        }
    }
    return answer;
}

QString TargetSentence(const TargetPoints &a)
{
    const QString grade = gradeText(a.target);
    if (a.missing == 0)
        return QStringLiteral("Es fehlen keine Noten mehr: die Durchschnittsnote %1 ist %2.")
            .arg(grade, a.points ? QStringLiteral("erreicht") : QStringLiteral("nicht erreicht"));
    const QString where = a.missing == 1
                              ? QStringLiteral("in der noch fehlenden Note")
                              : QStringLiteral("in jeder der %1 noch fehlenden Noten").arg(a.missing);
    if (!a.points)
        return QStringLiteral("Die Durchschnittsnote %1 ist nicht erreichbar, auch nicht mit 15 "
                              "Punkten %2.")
            .arg(grade, where);
    if (*a.points == 0)
        return QStringLiteral("Die Durchschnittsnote %1 ist schon mit 0 Punkten %2 erreicht.")
            .arg(grade, where);
    return QStringLiteral("Für die Durchschnittsnote %1 sind %2 mindestens %3 %4 nötig.")
        .arg(grade, where, QString::number(*a.points),
             *a.points == 1 ? QStringLiteral("Punkt") : QStringLiteral("Punkte"));
}

void AskTargetGrade(const Model &m, Interaction &ui)
{
    for (;;) {
        const std::optional<QString> answer =
            ui.inputQuery(QStringLiteral("Zielnote"),
                          QStringLiteral("Welche Durchschnittsnote wollen Sie erreichen "
                                         "(1,0 bis 4,0)?"),
                          QStringLiteral("2,0"));
        if (!answer)
            return;
        if (const std::optional<int> target = ParseTargetGrade(*answer)) {
            ui.inform(TargetSentence(PointsForTarget(m, *target)));
            return;
        }
        ui.error(QStringLiteral("'%1' ist keine Durchschnittsnote von 1,0 bis 4,0.").arg(*answer));
    }
}

} // namespace tamb
