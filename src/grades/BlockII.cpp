// Block II, total score and average grade.
#include "grades/Grades.h"

#include "model/Model.h"

namespace tamb {

namespace {

// Marks total and verdict as provisional while results are missing.
void showProvisional(const Model &m, GradesView &g, int rows)
{
    QStringList missing;
    for (const QPoint &need : NeededResults(m)) {
        if (m.Grades[need.x()][examColumn(rows, need.y())] != 0)
            continue;
        QString name = g.NPfaecherSgr.cell(0, need.y()).trimmed();
        if (!(need.y() == 5 && m.Choice[Oral][m.BLLRow]))
            name += need.x() == 1 ? QStringLiteral(" (schriftlich)") : QStringLiteral(" (mündlich)");
        missing.append(name);
    }
    const bool provisional = !missing.isEmpty() && g.GPZGBx.visible;
    if (!provisional)
        missing.clear();
    g.VorlGPZLbl.visible = provisional;
    // Beside the total, or as the caption of the verdict's box.
    g.VorlGPZLbl.left = g.GPZPl.visible ? 150 : 8;
    g.VorlGPZLbl.top = g.GPZPl.visible ? 30 : 0;
    g.VorlDSLbl.visible = provisional && g.DSNoteGBx.visible;
    g.FehltLbl.visible = provisional;
    g.FehltLbl.top = g.DSNoteGBx.visible ? 478 : 398;
    if (missing.size() == 1) {
        g.FehltLbl.text = QStringLiteral("Vorläufig: es fehlt noch das Ergebnis in ") + missing[0]
                          + u'.';
    } else if (!missing.isEmpty()) {
        const QString last = missing.takeLast();
        g.FehltLbl.text = QStringLiteral("Vorläufig: es fehlen noch die Ergebnisse in ")
                          + missing.join(QStringLiteral(", ")) + QStringLiteral(" und ") + last
                          + u'.';
    } else {
        g.FehltLbl.text.clear();
    }
}

} // namespace

void ComputeBlockII(Model &m, GradesView &g)
{
    const int rows = qBound(1, g.Rows, SubjectCount);
    g.NzulGBx.visible = false;
    g.AbiblockGBx.visible = true;
    g.AbiblockLbl.text = QStringLiteral("Punktsumme aus der Abiturprüfung");

    // The grid's results and component points go back into the model.
    for (int e = 1; e <= 5; ++e)
        for (int c = e == 5 ? 2 : 1; c <= 3; ++c) {
            quint8 &stored = m.Grades[c][examColumn(rows, e)];
            const QString &cell = g.NPfaecherSgr.cell(c, e);
            if (cell.isEmpty())
                stored = 0;
            else if (stored == 0)
                stored = quint8((cellNumber(cell) | (GradePresent | ExamResult)) & 0xFF);
        }

    int sum = 0;
    int over19 = 0;
    for (int e = 1; e <= 4; ++e) {
        const quint8 written = m.Grades[1][examColumn(rows, e)];
        const quint8 oral = m.Grades[2][examColumn(rows, e)];
        if (written == 0) {
            g.NPfaecherSgr.setCell(3, e, QString());
            continue;
        }
        const int p = oral != 0 ? (2 * points(written) + points(oral)) * 4 / 3
                                : 4 * points(written);
        g.NPfaecherSgr.setCell(3, e, QStringLiteral("   ") + QString::number(p));
        sum += p;
        if (p > 19)
            ++over19;
    }
    const quint8 fifth = m.Grades[2][examColumn(rows, 5)];
    if (fifth != 0) {
        const int p = 4 * points(fifth);
        g.NPfaecherSgr.setCell(3, 5, QStringLiteral("   ") + QString::number(p));
        if (p > 0)
            sum += p;
        if (p > 19)
            ++over19;
    } else {
        g.NPfaecherSgr.setCell(3, 5, QString());
    }

    g.PSAbiblockPl.text = QString::number(sum);
    ShowTotal(g, over19);
    showProvisional(m, g, rows);
}

int AverageGradeTenths(int total)
{
    if (total > 822)
        return 10;
    return (822 - total) / 18 + 11;
}

QString AverageGradeText(int tenths)
{
    return QString::number(tenths / 10) + QLatin1Char(',') + QString::number(tenths % 10);
}

void ShowTotal(GradesView &g, int over19)
{
    const int blockII = g.PSAbiblockPl.text.toInt();
    if (blockII > 99 && over19 > 2) {
        g.PSAbiblockPl.visible = true;
        g.GPZGBx.visible = true;
        g.GPZGBx.text = QStringLiteral(" Gesamtpunktzahl: ");
        g.GPZLbl.visible = true;
        g.GPZLbl.top = 26;
        g.GPZPl.visible = true;
        g.GPZLimitsVisible = true;
        const int total = g.PSersterBlockPl.text.toInt() + blockII;
        g.GPZPl.text = QString::number(total);
        g.GPZLbl.text = QStringLiteral("Gesamtpunktzahl:");
        g.DSNoteGBx.visible = true;
        g.DSLbl.visible = true;
        g.DSLbl.text = QStringLiteral("Durchschnittsnote\r\nlaut Staatsvertrag:");
        g.DSNotePl.visible = true;
        g.DSNotePl.text = AverageGradeText(AverageGradeTenths(total));
        return;
    }

    g.DSNoteGBx.visible = false;
    g.DSLbl.visible = false;
    g.DSNotePl.visible = false;
    if (!g.GPZGBx.text.startsWith(QStringLiteral(" Nichtzulassung"))) {
        g.GPZLbl.top = 26;
        g.GPZLbl.text.clear();
        g.GPZPl.visible = false;
    }
    g.GPZLimitsVisible = false;
    if (blockII > 0) {
        g.PSAbiblockPl.visible = false;
        g.GPZGBx.visible = true;
        g.GPZGBx.text.clear();
        g.GPZLbl.visible = true;
        g.GPZLbl.top = 24;
        g.GPZLbl.text = QStringLiteral("Abitur nicht bestanden!");
        if (blockII < 100)
            g.GPZLbl.text += QStringLiteral("\r\nweniger als 100 NP in der Abiturprüfung!");
        if (over19 < 3) {
            g.GPZLbl.top -= 8;
            g.GPZLbl.text += QStringLiteral("\r\nnicht in 3 Fächern mind. 20 NP in der Abiturprüfung!");
        }
    }
}

} // namespace tamb
