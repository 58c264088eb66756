// The floor of any Qt program of this kind: one window holding one table of
// 31 x 9 texts, shown once, then the program quits.

#include "StartProbe.h"

#include <QApplication>
#include <QHeaderView>
#include <QTableWidget>

int main(int argc, char *argv[])
{
    const qint64 t0 = bench::launchTimeNs(argc, argv);
    QApplication app(argc, argv);

    QTableWidget table(31, 9);
    table.horizontalHeader()->hide();
    table.verticalHeader()->hide();
    table.horizontalHeader()->setDefaultSectionSize(80);
    table.verticalHeader()->setDefaultSectionSize(20);
    for (int row = 0; row < table.rowCount(); ++row)
        for (int col = 0; col < table.columnCount(); ++col)
            table.setItem(row, col,
                          new QTableWidgetItem(QStringLiteral("Kurs %1/%2").arg(row).arg(col)));
    // Every cell in sight, as in the program's course table.
    table.resize(9 * 80 + 2 * table.frameWidth(), 31 * 20 + 2 * table.frameWidth());
    table.show();

    bench::reportWhenShown(&table, t0, bench::holdMs(argc, argv));
    return QApplication::exec();
}
