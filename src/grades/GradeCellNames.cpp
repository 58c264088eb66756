#include "grades/GradeCellNames.h"

#include "model/Model.h"

namespace tamb {

QString GradeCellName(const TextGrid &grid, int col, int row)
{
    if (row < 0 || col < 0 || row >= grid.rowCount() || col >= grid.colCount())
        return QString();
    const QString text = grid.cell(col, row).trimmed();
    if (row == 0 || col == 0)
        return text;
    const QString subject = grid.cell(0, row).trimmed();
    QString head = grid.cell(col, 0).trimmed();
    if (col >= 3 && col <= 6)
        head = QStringLiteral("Halbjahr %1").arg(col - 2);
    QString value;
    bool ok = false;
    const int points = cellNumber(text, &ok);
    if (ok)
        value = QString::number(points) + (points == 1 ? QStringLiteral(" Punkt") : QStringLiteral(" Punkte"));
    else if (text == QStringLiteral("--"))
        value = QStringLiteral("keine Note");
    else if (text.isEmpty())
        value = col >= 3 && col <= 6 ? QStringLiteral("kein Kurs") : QStringLiteral("leer");
    else
        value = text;
    return subject + QStringLiteral(", ") + head + QStringLiteral(": ") + value;
}

} // namespace tamb
