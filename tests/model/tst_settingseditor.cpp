#include "TestSupport.h"

#include "model/MainWindowLogic.h"
#include "model/Settings.h"
#include "model/SettingsEditor.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

using namespace tamb;

namespace {

struct SchoolSettings
{
    QString school = NoSchool;
    QStringList languages = {QStringLiteral("Englisch"), QStringLiteral("Französisch"),
                             QStringLiteral("Latein"), NotOffered};
    QString elective = NotOffered;
    bool offered = false;
    bool oral = false;
    QString hours;
};

QByteArray encoded(const SchoolSettings &s)
{
    Model m;
    BuildCatalog(m);
    m.SchoolName = s.school;
    for (int i = 0; i < 4; ++i)
        m.SubjectText[0][2 + i] = s.languages[i];
    m.SubjectText[0][29] = s.elective;
    m.Allowed[0][29] = s.offered;
    m.Allowed[3][29] = s.oral;
    m.FspiHours = s.hours;
    return EncodeSettings(m);
}

// A program started in its own directory, with or without a settings file,
// and the settings dialog open on it.
struct Started
{
    explicit Started(const std::optional<SchoolSettings> &settings = SchoolSettings())
    {
        if (settings)
            writeFile(encoded(*settings));
        FormCreate(m, ui, 1280, 1024, dir.path());
        ui.reset();
        editor = std::make_unique<SettingsEditor>(m);
        editor->FormShow();
    }

    QString path() const { return dir.filePath(SettingsFileName); }
    void writeFile(const QByteArray &bytes) const
    {
        QFile file(path());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray fileBytes() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    const SettingsView &v() const { return editor->view(); }

    void pickCompulsory(int row, const QString &entry)
    {
        editor->FremdsprachenSgrMouseUp(1, row);
        editor->FremdsprLbxClick(int(v().FremdsprLbx.indexOf(entry)));
    }
    void pickElective(const QString &entry)
    {
        editor->FspiWahlberSGrMouseUp(1, 1);
        editor->FspiWahlberLbxClick(int(v().FspiWahlberLbx.indexOf(entry)));
    }

    QTemporaryDir dir;
    Model m;
    ScriptedInteraction ui;
    std::unique_ptr<SettingsEditor> editor;
};

const SchoolSettings fullSchool()
{
    SchoolSettings s;
    s.school = QStringLiteral("Gymnasium Überlingen");
    s.languages[1] = QStringLiteral("Spanisch");
    s.languages[3] = QStringLiteral("Russisch");
    s.elective = QStringLiteral("Italienisch");
    s.offered = true;
    s.oral = true;
    s.hours = QStringLiteral("3");
    return s;
}

} // namespace

class TestSettingsEditor : public QObject
{
    Q_OBJECT
private slots:
    void unchangedCloseRewritesSameBytes_data();
    void unchangedCloseRewritesSameBytes();
    void compulsoryPick_data();
    void compulsoryPick();
    void clicksOutsideNewChoiceChangeNothing_data();
    void clicksOutsideNewChoiceChangeNothing();
    void picksStayInTheirGrid();
    void electiveHours_data();
    void electiveHours();
    void languageGivenUpDropsItsCourses_data();
    void languageGivenUpDropsItsCourses();
    void keptElectiveLeavesChoiceAlone();
    void newSchoolName_data();
    void newSchoolName();
    void writeFailureWarnsAndKeepsSettings();
    void roundTripToNextStart();
};

void TestSettingsEditor::unchangedCloseRewritesSameBytes_data()
{
    QTest::addColumn<SchoolSettings>("settings");
    QTest::newRow("defaults") << SchoolSettings();
    SchoolSettings named;
    named.school = QStringLiteral("Schiller-Gymnasium Öhringen");
    named.languages[3] = QStringLiteral("Griechisch");
    QTest::newRow("school, fourth language") << named;
    QTest::newRow("elective with hours") << fullSchool();
}

void TestSettingsEditor::unchangedCloseRewritesSameBytes()
{
    QFETCH(SchoolSettings, settings);
    Started s(settings);
    QVERIFY(s.ui.boxes.isEmpty());
    QVERIFY(s.editor->FormClose(s.ui));
    QCOMPARE(s.fileBytes(), encoded(settings));
    QVERIFY(s.ui.boxes.isEmpty());
}

void TestSettingsEditor::compulsoryPick_data()
{
    QTest::addColumn<SchoolSettings>("settings");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("name");     // long name of index row+1 afterwards
    QTest::addColumn<QString>("cell");     // new-choice cell afterwards
    QTest::addColumn<QString>("electiveAdded"); // appended to the elective list, or empty

    const SchoolSettings defaults;
    QTest::newRow("Spanisch for Französisch") << defaults << 2 << "Spanisch" << "Spanisch"
                                              << "Spanisch" << "Französisch";
    QTest::newRow("Englisch not offered as elective") << defaults << 1 << "Russisch" << "Russisch"
                                                      << "Russisch" << "";
    // "--" is on the list only while a fourth language is offered.
    QTest::newRow("-- refused in row 1") << fullSchool() << 1 << "--" << "Englisch" << "" << "";
    QTest::newRow("-- refused in row 2") << fullSchool() << 2 << "--" << "Spanisch" << "" << "";
    QTest::newRow("-- refused in row 3") << fullSchool() << 3 << "--" << "Latein" << "" << "";
    QTest::newRow("-- for the fourth language") << fullSchool() << 4 << "--" << "--" << "--" << "";
}

void TestSettingsEditor::compulsoryPick()
{
    QFETCH(SchoolSettings, settings);
    QFETCH(int, row);
    QFETCH(QString, entry);
    QFETCH(QString, name);
    QFETCH(QString, cell);
    QFETCH(QString, electiveAdded);
    Started s(settings);
    const QStringList compulsoryBefore = s.v().FremdsprLbx;
    const QStringList electiveBefore = s.v().FspiWahlberLbx;
    QVERIFY(compulsoryBefore.contains(entry));

    s.editor->FremdsprachenSgrMouseUp(1, row);
    QVERIFY(s.v().fremdsprLbxVisible);
    s.pickCompulsory(row, entry);

    QCOMPARE(s.m.SubjectText[0][row + 1], name);
    QCOMPARE(s.v().FremdsprachenSgr.cell(1, row), cell);
    QCOMPARE(s.v().FremdsprachenSgr.cell(0, row), settings.languages[row - 1]);
    QCOMPARE(s.v().FremdsprLbx.contains(entry), cell.isEmpty());
    QStringList electiveAfter = electiveBefore;
    if (!electiveAdded.isEmpty())
        electiveAfter.append(electiveAdded);
    QCOMPARE(s.v().FspiWahlberLbx, electiveAfter);
    QVERIFY(!s.v().FspiWahlberLbx.contains(QStringLiteral("Englisch")));
    QVERIFY(!s.v().fremdsprLbxVisible);
    QVERIFY(!s.v().fspiWahlberLbxVisible);
}

void TestSettingsEditor::clicksOutsideNewChoiceChangeNothing_data()
{
    QTest::addColumn<bool>("electiveGrid");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("row");
    QTest::newRow("header Bisher") << false << 0 << 0;
    QTest::newRow("header Neu") << false << 1 << 0;
    QTest::newRow("current Englisch") << false << 0 << 1;
    QTest::newRow("current fourth") << false << 0 << 4;
    QTest::newRow("outside the cells") << false << -1 << -1;
    QTest::newRow("elective header Bisher") << true << 0 << 0;
    QTest::newRow("elective header Neu") << true << 1 << 0;
    QTest::newRow("elective current --") << true << 0 << 1;
}

void TestSettingsEditor::clicksOutsideNewChoiceChangeNothing()
{
    QFETCH(bool, electiveGrid);
    QFETCH(int, col);
    QFETCH(int, row);
    Started s;
    const Model before = s.m;
    const QString gridsBefore = test::dump(s.v().FremdsprachenSgr) + test::dump(s.v().FspiWahlberSGr);
    if (electiveGrid)
        s.editor->FspiWahlberSGrMouseUp(col, row);
    else
        s.editor->FremdsprachenSgrMouseUp(col, row);
    QVERIFY(!s.v().fremdsprLbxVisible && !s.v().fspiWahlberLbxVisible && !s.v().wostRgrVisible);
    // Even a pick that arrives anyway lands nowhere.
    s.editor->FremdsprLbxClick(0);
    s.editor->FspiWahlberLbxClick(0);
    QCOMPARE(test::dump(s.v().FremdsprachenSgr) + test::dump(s.v().FspiWahlberSGr), gridsBefore);
    for (int i = 0; i < SubjectCount; ++i) {
        QCOMPARE(s.m.SubjectText[0][i], before.SubjectText[0][i]);
        QCOMPARE(s.m.Allowed[0][i], before.Allowed[0][i]);
    }
}

void TestSettingsEditor::picksStayInTheirGrid()
{
    // Both lists open: a compulsory pick goes to the row clicked in its own
    // grid, not to the cell clicked last in the other one.
    Started s;
    s.editor->FremdsprachenSgrMouseUp(1, 3);
    s.editor->FspiWahlberSGrMouseUp(1, 1);
    QVERIFY(s.v().fremdsprLbxVisible && s.v().fspiWahlberLbxVisible);
    s.editor->FremdsprLbxClick(int(s.v().FremdsprLbx.indexOf(QStringLiteral("Griechisch"))));
    QCOMPARE(s.v().FremdsprachenSgr.cell(1, 3), QStringLiteral("Griechisch"));
    QCOMPARE(s.v().FremdsprachenSgr.cell(1, 1), QString());
    QCOMPARE(s.m.SubjectText[0][2], QStringLiteral("Englisch"));
    QCOMPARE(s.m.SubjectText[0][4], QStringLiteral("Griechisch"));
    QCOMPARE(s.v().FspiWahlberSGr.cell(1, 1), QString());
}

void TestSettingsEditor::electiveHours_data()
{
    QTest::addColumn<QString>("hoursBefore");
    QTest::addColumn<int>("item"); // -1: no hours picked
    QTest::addColumn<QString>("hours");
    QTest::newRow("default 4") << "" << -1 << "4";
    QTest::newRow("2") << "" << 0 << "2";
    QTest::newRow("3") << "" << 1 << "3";
    QTest::newRow("4") << "" << 2 << "4";
    QTest::newRow("kept from before") << "2" << -1 << "2";
}

void TestSettingsEditor::electiveHours()
{
    QFETCH(QString, hoursBefore);
    QFETCH(int, item);
    QFETCH(QString, hours);
    SchoolSettings settings;
    settings.hours = hoursBefore;
    Started s(settings);
    s.pickElective(QStringLiteral("Latein"));
    QCOMPARE(s.v().FspiWahlberSGr.cell(1, 1), QStringLiteral("Latein"));
    QCOMPARE(s.v().FspiWahlberLbx.last(), QStringLiteral("Latein"));
    QCOMPARE(s.v().FspiWahlberLbx.count(QStringLiteral("Latein")), 1);
    QVERIFY(s.v().wostRgrVisible);
    QVERIFY(!s.v().fspiWahlberLbxVisible);
    QVERIFY(s.m.Allowed[0][29]);
    if (item >= 0)
        s.editor->WostRgrClick(item);
    QVERIFY(s.editor->FormClose(s.ui));
    QCOMPARE(s.m.SubjectText[0][29], QStringLiteral("Latein"));
    QVERIFY(s.m.Allowed[0][29] && s.m.Allowed[3][29]);
    QCOMPARE(s.m.FspiHours, hours);
}

void TestSettingsEditor::languageGivenUpDropsItsCourses_data()
{
    QTest::addColumn<int>("row");
    QTest::newRow("fourth language") << 5;
    QTest::newRow("elective language") << 29;
}

void TestSettingsEditor::languageGivenUpDropsItsCourses()
{
    QFETCH(int, row);
    Started s(fullSchool());
    // The pupil has taken the language and made it the oral subject.
    for (int c : {Taken, Oral, HalfYear1, HalfYear2, HalfYear3, HalfYear4})
        s.m.Choice[c][row] = true;
    for (int col = 4; col <= 7; ++col)
        s.m.FaecherSgr.setCell(col, row, QStringLiteral(" 3"));
    s.m.FaecherSgr.setCell(8, row, QStringLiteral("    4"));
    s.m.PfaecherSgr.setCell(3, 6, QStringLiteral(" m P"));
    s.m.PfaecherSgr.setCell(4, 6, QStringLiteral("   ") + s.m.SubjectText[0][row]);
    s.m.Grades[1][row] = GradePresent | 9;
    if (row == 5) {
        // ... and a core subject.
        s.m.Choice[Core][5] = true;
        s.m.CoreSlots[3] = 5;
        s.m.PfaecherSgr.setCell(1, 3, QStringLiteral("   Russisch"));
    }

    if (row == 29) {
        s.pickElective(NotOffered);
        QVERIFY(!s.m.Allowed[0][29]);
        QVERIFY(!s.v().wostRgrVisible);
        QVERIFY(!s.v().FspiWahlberLbx.contains(NotOffered));
    } else {
        s.pickCompulsory(4, NotOffered);
    }
    QVERIFY(s.editor->FormClose(s.ui));

    QCOMPARE(s.m.SubjectText[0][row], NotOffered);
    QVERIFY(!s.m.Allowed[0][row] && !s.m.Allowed[3][row]);
    for (int col = 4; col <= 8; ++col)
        QCOMPARE(s.m.FaecherSgr.cell(col, row), QString());
    for (int c = Taken; c <= HalfYear4; ++c)
        QVERIFY(!s.m.Choice[c][row]);
    QCOMPARE(s.m.PfaecherSgr.cell(3, 6), QString());
    QCOMPARE(s.m.PfaecherSgr.cell(4, 6), QString());
    QCOMPARE(s.m.Grades[1][row], quint8(0));
    QVERIFY(std::find(std::begin(s.m.CoreSlots), std::end(s.m.CoreSlots), row) == std::end(s.m.CoreSlots));
    QCOMPARE(s.m.PfaecherSgr.cell(1, 3), QString());
    SchoolSettings expected = fullSchool();
    if (row == 29) {
        expected.elective = NotOffered;
        expected.offered = expected.oral = false;
    } else {
        expected.languages[3] = NotOffered;
    }
    QCOMPARE(s.fileBytes(), encoded(expected));
}

void TestSettingsEditor::keptElectiveLeavesChoiceAlone()
{
    SchoolSettings settings = fullSchool();
    settings.oral = false;
    settings.hours.clear();
    Started s(settings);
    QVERIFY(!s.m.Choice[Taken][29]);
    const QString row29 = test::dump(s.m.FaecherSgr);
    QVERIFY(s.editor->FormClose(s.ui));

    QCOMPARE(s.m.SubjectText[0][29], QStringLiteral("Italienisch"));
    QVERIFY(s.m.Allowed[0][29]);
    QVERIFY(s.m.Allowed[3][29]);
    QCOMPARE(s.m.FspiHours, QStringLiteral("4"));
    // Not taken for the pupil: no flag, no hours in the table.
    for (int c = Taken; c <= HalfYear4; ++c)
        QVERIFY(!s.m.Choice[c][29]);
    QCOMPARE(test::dump(s.m.FaecherSgr), row29);
}

void TestSettingsEditor::newSchoolName_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("school");
    QTest::newRow("none typed") << "" << "[ Schule ]";
    QTest::newRow("umlauts") << "Gymnasium Müllheim" << "Gymnasium Müllheim";
    const QString longName(300, QLatin1Char('x'));
    QTest::newRow("too long for the file") << longName << longName.left(255);
}

void TestSettingsEditor::newSchoolName()
{
    QFETCH(QString, typed);
    QFETCH(QString, school);
    Started s;
    s.editor->setNewSchoolName(typed);
    QVERIFY(s.editor->FormClose(s.ui));
    QCOMPARE(s.m.SchoolName, school);
    Model next;
    BuildCatalog(next);
    next.ProgDir = s.dir.path();
    QVERIFY(ReadSettings(next));
    QCOMPARE(next.SchoolName, school);
}

void TestSettingsEditor::writeFailureWarnsAndKeepsSettings()
{
    Started s(std::nullopt);
    s.m.ProgDir = s.dir.filePath(QStringLiteral("gone/away"));
    s.editor->setNewSchoolName(QStringLiteral("Kepler-Gymnasium"));
    s.pickCompulsory(4, QStringLiteral("Russisch"));
    QVERIFY(!s.editor->FormClose(s.ui));
    QCOMPARE(s.ui.boxes.size(), 1);
    QCOMPARE(s.ui.boxes[0].kind, BoxKind::Warning);
    QCOMPARE(s.ui.boxes[0].buttons, Buttons::Ok);
    QCOMPARE(s.ui.boxes[0].text,
             QStringLiteral("Die geänderten Einstellungen können nicht gespeichert werden!\n\r\n\r"
                            "Sie müssen beim nächsten Programmstart erneut vorgenommen werden!\n\r\n\r"
                            "Der Ordner ")
                 + QDir::toNativeSeparators(s.m.ProgDir) + QStringLiteral(" existiert nicht (mehr)."));
    QCOMPARE(s.m.SchoolName, QStringLiteral("Kepler-Gymnasium"));
    QCOMPARE(s.m.SubjectText[0][5], QStringLiteral("Russisch"));
    QVERIFY(s.m.Allowed[0][5] && s.m.Allowed[1][5]);
}

void TestSettingsEditor::roundTripToNextStart()
{
    Started s(std::nullopt);
    s.editor->setNewSchoolName(QStringLiteral("Hölderlin-Gymnasium Nürtingen"));
    s.pickCompulsory(2, QStringLiteral("Spanisch"));
    s.pickCompulsory(4, QStringLiteral("Russisch"));
    s.pickElective(QStringLiteral("Japanisch"));
    s.editor->WostRgrClick(1);
    QVERIFY(s.editor->FormClose(s.ui));

    // Next start in the same directory: no warning, no notice.
    Model m;
    ScriptedInteraction ui;
    FormCreate(m, ui, 1280, 1024, s.dir.path());
    QCOMPARE(ui.boxes.size(), 1); // the program information only
    QVERIFY(!m.view.settingsNotice);
    FormShow(m);
    QCOMPARE(m.view.title, QStringLiteral("Hölderlin-Gymnasium Nürtingen - Tamberon für die Kursstufe BW"));
    const QStringList names = {"Englisch", "Spanisch", "Latein", "Russisch"};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(m.FaecherSgr.cell(0, 2 + i), names[i]);
    QCOMPARE(m.FaecherSgr.cell(0, 29), QStringLiteral("Japanisch"));
    for (int mark = 0; mark <= 3; ++mark)
        QVERIFY(m.Allowed[mark][5]);
    for (int col = 1; col <= 3; ++col)
        QCOMPARE(m.FaecherSgr.cell(col, 5), QString());
    QVERIFY(m.Allowed[0][29] && m.Allowed[3][29]);
    QCOMPARE(m.FaecherSgr.cell(3, 29), QString());
    QCOMPARE(m.FspiHours, QStringLiteral("3"));
}

QTEST_GUILESS_MAIN(TestSettingsEditor)
#include "tst_settingseditor.moc"
