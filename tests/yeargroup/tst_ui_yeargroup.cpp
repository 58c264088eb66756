// The year group window as a coordinator uses it: opened from the menu,
// filtered, sorted, a pupil opened in the main window, exported, and a file
// handed in while it is open.
#include "../app/StartedWindow.h"
#include "YearGroupFixture.h"

#include "yeargroup/ui/YearGroupModels.h"
#include "yeargroup/ui/YearGroupWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStandardPaths>
#include <QStringEncoder>
#include <QTableView>
#include <QTest>

using namespace tamb;

class TestUiYearGroup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void coordinatorsWay();
};

void TestUiYearGroup::coordinatorsWay()
{
    test::YearGroupFolder folder;
    test::StartedWindow main;
    main.ui.folderNames = {folder.path()};
    main.window->findChild<QAction *>(QStringLiteral("JahrgangOeffnen"))->trigger();
    auto *window = qobject_cast<YearGroupWindow *>(main.window->yearGroupWindow());
    QVERIFY(window);
    QTRY_VERIFY(!window->reading());
    QTableView *table = window->pupilTable();
    QAbstractItemModel *shown = table->model();
    QCOMPARE(shown->rowCount(), 7);
    QCOMPARE(window->summary()->text(),
             QStringLiteral("7 Dateien: 4 vollständig, 2 unvollständig, 1 nicht lesbar"));

    // Sorted by name; by status the unreadable file comes first.
    QCOMPARE(shown->index(0, PupilTableModel::Name).data().toString(), QStringLiteral(""));
    table->sortByColumn(PupilTableModel::Status, Qt::AscendingOrder);
    QCOMPARE(shown->index(0, PupilTableModel::File).data().toString(), QStringLiteral("kaputt.tmd"));
    QCOMPARE(shown->index(1, PupilTableModel::Status).data(Qt::AccessibleTextRole).toString(),
             QStringLiteral("Berg, Bernd: unvollständig, Es fehlen noch 3 Kernfächer darunter: ... "
                            "eine Fremdsprache ... eine weitere Fremdsprache oder eine "
                            "Naturwissenschaft"));

    // Filters: problems only, then a search within them.
    window->problemsOnly()->setChecked(true);
    QCOMPARE(shown->rowCount(), 3);
    QTest::keyClicks(window->searchField(), QStringLiteral("11 b"));
    QCOMPARE(shown->rowCount(), 1);
    QVERIFY(window->summary()->text().endsWith(QStringLiteral("(1 angezeigt)")));

    // The course counts follow the files; a limit turns them into courses.
    QAbstractItemModel *courses = window->courseTable()->model();
    QCOMPARE(courses->index(0, 0).data().toString(), QStringLiteral("Deutsch"));
    QCOMPARE(courses->index(0, 1).data().toInt(), 6);
    window->perCourse()->setValue(4);
    QCOMPARE(courses->index(0, 1).data().toInt(), 2);

    // Export: the checker's CSV.
    const QString csv = folder.file(QStringLiteral("export/jahrgang.csv"));
    QDir().mkpath(QFileInfo(csv).path());
    main.ui.saveNames = {csv};
    window->exportCsv();
    QFile written(csv);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(written.readAll()), check::yearGroupCsv(window->pupils()->records()));

    // The printed list is the visible table, under the school's name.
    const QString list = window->listHtml();
    QVERIFY(list.startsWith(QStringLiteral("<h3>Testgymnasium</h3>")));
    QVERIFY(list.contains(QStringLiteral("Berg, Bernd")));
    QVERIFY(!list.contains(QStringLiteral("Acker, Anna")));

    // Forms: none among the visible rows; with all rows, one PDF per complete
    // choice as the checker names them, or one PDF with a page each.
    window->exportForms(true);
    QCOMPARE(main.ui.boxes.takeLast().text,
             QStringLiteral("Unter den gewählten Dateien ist keine vollständige Wahl."));
    window->problemsOnly()->setChecked(false);
    window->searchField()->clear();
    const QString forms = folder.file(QStringLiteral("export/formulare"));
    QDir().mkpath(forms);
    main.ui.folderNames = {forms};
    main.ui.saveNames = {folder.file(QStringLiteral("export/alle.pdf"))};
    window->exportForms(false);
    window->exportForms(true);
    QCOMPARE(QDir(forms).entryList(QDir::Files),
             QStringList({"acker.pdf", "dietz.pdf", "ernst.pdf", "franke.pdf"}));
    QFile all(folder.file(QStringLiteral("export/alle.pdf")));
    QVERIFY(all.open(QIODevice::ReadOnly));
    const QByteArray pdf = all.readAll();
    QVERIFY(pdf.startsWith("%PDF-"));
    QCOMPARE(pdf.count("/Type /Page\n"), 4);
    // A pupil's own PDF bears the name in its title (UTF-16, high byte first).
    const QByteArray title =
        QStringEncoder(QStringEncoder::Utf16BE).encode(QStringLiteral("BELEGPLAN-WAHLBOGEN Acker, Anna"));
    QFile own(QDir(forms).filePath(QStringLiteral("acker.pdf")));
    QVERIFY(own.open(QIODevice::ReadOnly));
    QVERIFY(own.readAll().contains(title));
    table->sortByColumn(PupilTableModel::Status, Qt::AscendingOrder);
    window->searchField()->setText(QStringLiteral("11 b"));

    // A double click opens the pupil's file in the main window.
    const QModelIndex berg = shown->index(0, PupilTableModel::Name);
    table->scrollTo(berg);
    const QPoint at = table->visualRect(berg).center();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(main.model().PersonalData.Name, QStringLiteral("Berg, Bernd"));

    // A file handed in now appears by itself.
    window->problemsOnly()->setChecked(false);
    window->searchField()->clear();
    folder.add(QStringLiteral("haas.tmd"),
               test::YearGroupFolder::pupil(test::completeModel(), "Haas, Hanna", "11 c"), false);
    QTRY_COMPARE_WITH_TIMEOUT(shown->rowCount(), 8, 10000);
    QTRY_VERIFY(window->summary()->text().startsWith(QStringLiteral("8 Dateien: 5 vollständig")));
}

QTEST_MAIN(TestUiYearGroup)
#include "tst_ui_yeargroup.moc"
