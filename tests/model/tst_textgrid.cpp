// Grid cells and the byte strings of the files: copies stay independent,
// writes outside the grid are ignored, and every Windows-1252 byte survives
// a round trip wherever it stands in a file.
#include "model/ByteIO.h"
#include "model/Cp1252.h"
#include "model/TextGrid.h"

#include <QTest>

using namespace tamb;

class TestTextGrid : public QObject
{
    Q_OBJECT
private slots:
    void copiesStayIndependent_data();
    void copiesStayIndependent();
    void writesOutsideAreIgnored();
    void rowCells();
    void everyByteRoundTrips();
    void stringsAmongOtherItems_data();
    void stringsAmongOtherItems();
};

void TestTextGrid::copiesStayIndependent_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("written");

    const QString built = QString::number(42) + QLatin1Char('*'); // allocated text
    QTest::newRow("literal over empty") << QString() << QStringLiteral(" 2");
    QTest::newRow("empty over literal") << QStringLiteral(" K") << QString();
    QTest::newRow("same literal again") << QStringLiteral(" s") << QStringLiteral(" s");
    QTest::newRow("same built text again") << built << built;
    QTest::newRow("equal text, other copy") << built << QString(built.constData(), built.size());
    QTest::newRow("empty over null") << QString() << QStringLiteral("");
    QTest::newRow("built over literal") << QStringLiteral(" 4") << built;
}

void TestTextGrid::copiesStayIndependent()
{
    QFETCH(QString, before);
    QFETCH(QString, written);

    TextGrid original(3, 2);
    original.setCell(1, 1, before);
    original.setCell(2, 0, QStringLiteral("kept"));

    TextGrid copy = original;
    copy.setCell(1, 1, written);
    QCOMPARE(copy.cell(1, 1), written);
    QCOMPARE(original.cell(1, 1), before);
    QCOMPARE(copy.cell(2, 0), QStringLiteral("kept"));

    // And the other way round: writing into the original leaves the copy.
    TextGrid second = original;
    original.setCell(1, 1, written);
    QCOMPARE(second.cell(1, 1), before);
    QCOMPARE(original.cell(1, 1), written);
    QCOMPARE(original == copy, true);
}

void TestTextGrid::writesOutsideAreIgnored()
{
    TextGrid g(2, 2);
    g.setCell(0, 0, QStringLiteral("a"));
    const TextGrid before = g;
    for (const auto &[col, row] : {std::pair{-1, 0}, {0, -1}, {2, 0}, {0, 2}, {5, 5}})
        g.setCell(col, row, QStringLiteral("x"));
    QVERIFY(g == before);
    QCOMPARE(g.cell(-1, 0), QString());
    QCOMPARE(g.cell(2, 1), QString());
}

void TestTextGrid::rowCells()
{
    TextGrid g(3, 2);
    g.setCell(0, 1, QStringLiteral("a"));
    g.setCell(2, 1, QStringLiteral("c"));
    const QString *row = g.rowCells(1);
    QVERIFY(row);
    QCOMPARE(row[0], QStringLiteral("a"));
    QCOMPARE(row[1], QString());
    QCOMPARE(row[2], QStringLiteral("c"));
    QVERIFY(!g.rowCells(-1));
    QVERIFY(!g.rowCells(2));
}

void TestTextGrid::everyByteRoundTrips()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = fromCp1252(all);
    QCOMPARE(text.size(), 256);
    QCOMPARE(text.at(0x80), QChar(0x20AC));
    QCOMPARE(text.at(0xE4), QChar(u'ä'));
    QCOMPARE(text.at(0x81), QChar(0x81)); // no character in the code page
    QCOMPARE(toCp1252(text), all);
    QCOMPARE(fromCp1252(QByteArrayView()), QString());
}

void TestTextGrid::stringsAmongOtherItems_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("umlauts") << QStringLiteral("Gymnasium Überlingen – Straße");
    QTest::newRow("euro and quotes") << QStringLiteral("„10 €“");
    QTest::newRow("zero byte inside") << QStringView(u"a\0b", 3).toString();
    QTest::newRow("longest") << QString(255, QChar(u'ß'));
}

void TestTextGrid::stringsAmongOtherItems()
{
    QFETCH(QString, text);
    ByteWriter w;
    w.writeInt32(7);
    w.writeString(QStringLiteral("vorher"));
    w.writeString(text);
    w.writeByte(3);
    w.writeString(text);

    ByteReader r(w.data());
    QCOMPARE(r.readInt32(), 7);
    QCOMPARE(r.readString(), QStringLiteral("vorher"));
    QCOMPARE(r.readString(), text);
    QCOMPARE(r.readByte(), quint8(3));
    QCOMPARE(r.readString(), text);
    QVERIFY(r.ok());
    QVERIFY(r.atEnd());
}

QTEST_GUILESS_MAIN(TestTextGrid)
#include "tst_textgrid.moc"
