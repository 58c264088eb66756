#include "TestSupport.h"

#include "rules/BLLDialog.h"
#include "rules/BlockIPreview.h"
#include "rules/ChoiceCheck.h"
#include "rules/Dispatch.h"
#include "rules/StudyGroups.h"

#include <QtTest>

using namespace tamb;
using namespace tamb::test;

namespace {

// Answers like the screen: the BLL dialog opens when the logic asks for it
// and stays open until the test closes it.
class DialogInteraction : public ScriptedInteraction
{
public:
    explicit DialogInteraction(Model &model) : m_model(model) {}

    void showWindow(Window window) override
    {
        ScriptedInteraction::showWindow(window);
        if (window == Window::BLLDialog && !dialogOpen) {
            dialogOpen = true;
            dialog = BLLDialogState();
            BLLFormShow(m_model, dialog);
        }
    }
    void closeDialog()
    {
        BLLFormClose(m_model, *this, dialog);
        dialogOpen = false;
    }

    BLLDialogState dialog;
    bool dialogOpen = false;

private:
    Model &m_model;
};

struct Cell
{
    int col;
    int row;
};

void clicks(Model &m, ScriptedInteraction &ui, std::initializer_list<Cell> cells)
{
    for (const Cell &c : cells)
        click(m, ui, c.col, c.row);
}

void typeHours(Model &m, ScriptedInteraction &ui, int col, QChar digit)
{
    click(m, ui, col, SubjectCount);
    AGStdEdKeyDown(m, ui, Qt::Key_0 + digit.digitValue(), QString(digit));
    AGStdEdKeyDown(m, ui, Qt::Key_Return, QStringLiteral("\r"));
}

QStringList column8(const Model &m)
{
    QStringList cells;
    for (int row = 1; row < SubjectCount; ++row)
        if (!m.FaecherSgr.cell(8, row).isEmpty())
            cells << m.abbreviation(row) + u'=' + m.FaecherSgr.cell(8, row);
    return cells;
}

int weeklyHours(const Model &m)
{
    int sum = 0;
    for (int h = 1; h <= 4; ++h)
        sum += m.WostSgr.cell(h, 0).toInt();
    return sum;
}

void verifyComplete(Model &m, int courses)
{
    QCOMPARE(CheckChoice(m, SubjectCount), 0);
    QCOMPARE(m.view.messages, QStringLiteral("Es wurden keine Fehler bei der Tamberon gefunden"));
    QCOMPARE(m.view.messagesColor, LabelColor::Green);
    QVERIFY(m.view.menusEnabled);
    QVERIFY(m.view.legendVisible);
    const CourseCount count = CountCourses(m, SubjectCount);
    QCOMPARE(count.total, courses);
    QVERIFY(count.total >= 40);
    QCOMPARE(m.KurszSgr.cell(1, 0), QString::number(count.total) + QStringLiteral(" (")
                                        + QString::number(count.compulsory) + QStringLiteral("*)"));
}

} // namespace

class TestPupils : public QObject
{
    Q_OBJECT
private slots:
    void languagesAndPhysics();
    void economicsAsCoreSubject();
    void seminarCourseAsOralExam();
};

// Englisch, Französisch and Physik as core subjects, Bild. Kunst, a
// Psychologie elective and Geschichte as the oral exam.
void TestPupils::languagesAndPhysics()
{
    Model m = startedModel();
    ScriptedInteraction ui;
    clicks(m, ui, {{1, 2}, {1, 3}, {1, 16}});
    QCOMPARE(CheckChoice(m, SubjectCount), 8 + 16 + 32 + 64 + 128 + 512 + 2048);
    QCOMPARE(m.view.messages, QStringLiteral("»Es fehlen noch 2 schriftliche Prüfungsfächer darunter: \r\n\n"
                                             " ... eine als Kernfach belegte Fremdsprache\r\n\n"
                                             "»Das mündliche Prüfungsfach ist noch nicht gewählt\r\n\n"
                                             "»Es fehlt Religion oder Ethik\r\n\n"
                                             "»Bildende Kunst oder Musik muss gewählt werden\r\n\n"
                                             "»Sie haben nur eine Naturwissenschaft gewählt"));
    clicks(m, ui, {{2, 2}, {2, 16}, {0, 12}, {0, 6}, {0, 17}});
    QCOMPARE(CheckChoice(m, SubjectCount), int(FaultOral));
    QVERIFY(!m.view.menusEnabled);
    clicks(m, ui, {{3, 8}, {0, 28}});

    verifyComplete(m, 46);
    QCOMPARE(weeklyHours(m), 132);
    QCOMPARE(column8(m), (QStringList{"D=4*", "E=4*", "F=4*", "BK=4(2*)", "G=4*", "Gk=2*", "Geo=2*",
                                      "ev=4", "M=4*", "Ph=4*", "Ch=4*", "S=4", "Psy=2"}));
    QCOMPARE(m.PfaecherSgr.cell(4, 6), QStringLiteral("   Geschichte"));
    QCOMPARE(ui.beeps, 0);
}

// Wirtschaft as core and written subject; Physik, not yet chosen, as the
// oral exam; Gemeinschaftskunde and Geographie with one course each.
void TestPupils::economicsAsCoreSubject()
{
    Model m = startedModel();
    ScriptedInteraction ui;
    clicks(m, ui, {{1, 2}, {1, 18}, {1, 11}});
    QVERIFY(m.Choice[Core][11]);
    QVERIFY(!m.Choice[HalfYear4][9] && !m.Choice[HalfYear2][10]);
    clicks(m, ui, {{2, 2}, {2, 11}, {3, 16}, {0, 14}, {0, 7}});
    QCOMPARE(CheckChoice(m, SubjectCount), int(FaultHours));
    QVERIFY(m.view.messagesBold);
    clicks(m, ui, {{0, 26}});

    verifyComplete(m, 44);
    QCOMPARE(weeklyHours(m), 128);
    QCOMPARE(column8(m), (QStringList{"D=4*", "E=4*", "Mu=4(2*)", "G=4*", "Gk=1*", "Geo=1*", "W=4*",
                                      "Et=4", "M=4*", "Ph=4*", "B=4*", "S=4", "Lit=2"}));
    // A single course cannot be the oral exam.
    QCOMPARE(m.FaecherSgr.cell(3, 9), QStringLiteral(" ¤"));
    QCOMPARE(m.FaecherSgr.cell(3, 10), QStringLiteral(" ¤"));
    QCOMPARE(m.PfaecherSgr.cell(4, 6), QStringLiteral("   Physik"));
}

// A seminar course in task field II as the oral exam, chosen from the " m"
// column of the achievement; study groups make up the hours.
void TestPupils::seminarCourseAsOralExam()
{
    Model m = startedModel();
    DialogInteraction ui(m);
    clicks(m, ui, {{1, 3}, {1, 17}, {1, 8}, {2, 3}, {2, 17}, {0, 13}, {0, 6}, {0, 18}});
    QCOMPARE(CheckChoice(m, SubjectCount), FaultOral + FaultHours);

    click(m, ui, 3, 20);
    QVERIFY(ui.dialogOpen);
    QCOMPARE(m.ClickCol, 3);
    QVERIFY(!m.Choice[Oral][20]);
    ArtRGrClick(m, ui.dialog, 0);
    AufgabenfeldRgrClick(m, ui.dialog, 1);
    ui.closeDialog();
    QVERIFY(m.Choice[Taken][20]);
    QVERIFY(m.Choice[Oral][20]);
    QVERIFY(m.BLLSocialField);
    QCOMPARE(m.PfaecherSgr.cell(4, 6), QStringLiteral("   BLL - Seminarkurs"));
    QCOMPARE(m.view.afSemKCaption,
             QStringLiteral("Aufgabenfeld der besonderen Lernleistung: gesellschaftswissenschaftlich"));
    QCOMPARE(m.view.width, m.NormalWidth + 25);
    QCOMPARE(CheckChoice(m, SubjectCount), int(FaultHours));
    QCOMPARE(weeklyHours(m), 126);

    typeHours(m, ui, 6, u'2');
    verifyComplete(m, 42);
    QCOMPARE(weeklyHours(m), 128);
    QCOMPARE(column8(m), (QStringList{"D=4*", "F=4*", "BK=4(2*)", "G=4*", "Gk=2*", "Geo=2*", "rk=4",
                                      "M=4*", "Ch=4*", "B=4*", "S=4", "BLL=2*"}));
}

QTEST_GUILESS_MAIN(TestPupils)
#include "tst_pupils.moc"
