#include "TestSupport.h"

#include <QTest>

using namespace tamb;

class TestCatalog : public QObject
{
    Q_OBJECT
private slots:
    void findField_data();
    void findField();
};

void TestCatalog::findField_data()
{
    QTest::addColumn<QString>("letter");
    QTest::addColumn<int>("row");
    QTest::newRow("BLL") << "l" << 20;
    QTest::newRow("social") << "g" << 8;
    QTest::newRow("science") << "n" << 15;
    QTest::newRow("none") << "x" << 29;
}

void TestCatalog::findField()
{
    QFETCH(QString, letter);
    QFETCH(int, row);
    const Model m = test::startedModel();
    QCOMPARE(FindField(m, SubjectCount, letter), row);
}

QTEST_GUILESS_MAIN(TestCatalog)
#include "tst_catalog.moc"
