#include "tst_rulestate.h"

#include "print/FormLayout.h"
#include "print/RecordingCanvas.h"
#include "rules/BLLDialog.h"
#include "rules/ChoiceCheck.h"
#include "rules/Dispatch.h"
#include "rules/StudyGroups.h"

#include <QTest>

using namespace tamb;

namespace {

// The widgets' side of the BLL dialog: showing it runs its FormShow at
// once, inside the rule that opens it, as the window does.
class DialogInteraction : public ScriptedInteraction
{
public:
    explicit DialogInteraction(Model &m) : m_model(m) {}

    void showWindow(Window window) override
    {
        ScriptedInteraction::showWindow(window);
        if (window == Window::BLLDialog && !open) {
            dialog = BLLDialogState();
            BLLFormShow(m_model, dialog);
            open = true;
        }
    }

    BLLDialogState dialog;
    bool open = false;

private:
    Model &m_model;
};

// One step: "c,r" a click in the course table ("c,rY" answers a question
// with Yes), "form:i" and "field:i" an item of the open BLL dialog, "close"
// closes it, "AG9" types 9 study-group hours into every half-year.
void play(Model &m, DialogInteraction &ui, const QString &step)
{
    if (step.startsWith(u"form:")) {
        ArtRGrClick(m, ui.dialog, step.mid(5).toInt());
    } else if (step.startsWith(u"field:")) {
        AufgabenfeldRgrClick(m, ui.dialog, step.mid(6).toInt());
    } else if (step == u"close") {
        BLLFormClose(m, ui, ui.dialog);
        ui.open = false;
    } else if (step == u"AG9") {
        for (int col = 4; col <= 7; ++col) {
            FaecherSgrMouseDown(m, ui, col, SubjectCount);
            AGStdEdKeyDown(m, ui, Qt::Key_9, QStringLiteral("9"));
            AGStdEdKeyDown(m, ui, Qt::Key_Return, QString());
        }
    } else {
        QString cell = step;
        ui.defaultAnswer = cell.endsWith(u'Y') ? Answer::Yes : Answer::No;
        if (cell.endsWith(u'Y'))
            cell.chop(1);
        const QStringList parts = cell.split(u',');
        FaecherSgrMouseDown(m, ui, parts.at(0).toInt(), parts.at(1).toInt());
    }
}

QString weeklyHours(const Model &m)
{
    QStringList sums;
    for (int h = 1; h <= 4; ++h)
        sums << m.WostSgr.cell(h, 0);
    return sums.join(u' ');
}

// The texts of the printed exam box, top to bottom, blanks trimmed.
QString printedExams(const Model &m)
{
    constexpr int u = 3;
    RecordingCanvas canvas;
    FormPage page;
    page.today = QDate(2009, 10, 15);
    Daten pupil;
    pupil.Klasse = QStringLiteral("11 a");
    DrawForm(canvas, m, u, m.GridRows, pupil, page);
    QStringList texts;
    for (const RecordingCanvas::Item &item : canvas.items())
        if (item.kind == RecordingCanvas::Kind::Text && item.x1 == 26 * u && item.y1 < 60 * u)
            texts << item.text.trimmed();
    return texts.join(u'|');
}

const QStringList ThreeCores = {"1,2", "1,16", "1,8"};
const QStringList Complete = ThreeCores + QStringList{"2,2", "2,8", "3,17", "0,12", "0,6", "0,28"};
const QStringList OralAchievement = ThreeCores + QStringList{"2,2", "2,8", "3,20"};
const QStringList StillMissing = {"0,12", "0,6", "0,17", "AG9", "0,21"};

} // namespace

class TestExamOverview : public QObject
{
    Q_OBJECT
private slots:
    void clickSequences_data();
    void clickSequences();
};

void TestExamOverview::clickSequences_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("overview"); // core/written of slots 3..5 | m P/oral
    QTest::addColumn<QString>("slots");
    QTest::addColumn<int>("mask");
    QTest::addColumn<QString>("hours");
    QTest::addColumn<QString>("rows"); // "row=flags|cells" or "row:column 8", ';' separated
    QTest::addColumn<QString>("printed");

    // 1. No role in the overview that the subject no longer holds.
    QTest::newRow("1 oral Physik dropped by name")
        << QStringList{"1,8", "2,8", "3,16", "0,16"} << "/|/|Geschichte/Geschichte|/" << "0,0,8"
        << 2303 << "20 20 20 20" << "16=--------|||||||;17=T---1234|||| 2| 2| 2| 2"
        << "Deutsch|Mathematik|||Geschichte|";
    QTest::newRow("1 oral set and taken away")
        << QStringList{"3,8", "3,8"} << "/|/|/|/" << "0,0,0" << 2559 << "14 14 14 14"
        << "8=T---1234|||| 2| 2| 2| 2" << "Deutsch|Mathematik||||";
    QTest::newRow("1 Gk oral, Wirtschaft core, half-year 4 on and off")
        << QStringList{"3,9", "1,11", "7,9", "7,9"} << "/|/|Wirtschaft/|/" << "0,0,11" << 2559
        << "18 16 18 16" << "9=T---1---||| ¤| 2|||" << "Deutsch|Mathematik||||";
    QTest::newRow("1 oral sport, a half-year clicked away")
        << QStringList{"1,8", "2,8", "3,19", "6,19"} << "/|/|Geschichte/Geschichte|/" << "0,0,8"
        << 3583 << "14 14 14 14" << "19=--------|||||||" << "Deutsch|Mathematik|||Geschichte|";
    QTest::newRow("1 oral language dropped by name")
        << QStringList{"1,8", "2,8", "3,3", "0,3"} << "/|/|Geschichte/Geschichte|/" << "0,0,8"
        << 2559 << "16 16 16 16" << "3=--------|||||||" << "Deutsch|Mathematik|||Geschichte|";
    QTest::newRow("1 oral Informatik dropped by name")
        << QStringList{"1,8", "2,8", "3,25", "0,25"} << "/|/|Geschichte/Geschichte|/" << "0,0,8"
        << 2559 << "16 16 16 16" << "25=--------| ¤| ¤|||||" << "Deutsch|Mathematik|||Geschichte|";
    QTest::newRow("1 oral Gk dropped by name, Wirtschaft core")
        << QStringList{"1,11", "3,9", "0,9"} << "/|/|Wirtschaft/|/" << "0,0,11" << 2559
        << "18 16 18 16" << "9=T---1---||| ¤| 2|||" << "Deutsch|Mathematik||||";
    QTest::newRow("1 oral Wirtschaft loses its core role")
        << QStringList{"1,11", "3,11", "1,11"} << "/|/|/|/" << "0,0,0" << 2559 << "14 14 14 14"
        << "11=--------|||||||" << "Deutsch|Mathematik||||";
    QTest::newRow("1 written Geschichte taken away, oral Physik goes")
        << QStringList{"1,8", "2,8", "3,16", "2,8"} << "/|/|Geschichte/|/" << "0,0,8" << 2815
        << "18 18 18 18" << "16=T---1234|||| 2| 2| 2| 2" << "Deutsch|Mathematik||||";
    QTest::newRow("1 fourth written subject taken away: no placeholder")
        << ThreeCores + QStringList{"2,2", "2,8", "2,8"} << "Englisch/Englisch|Physik/|Geschichte/|/"
        << "2,16,8" << 2792 << "24 24 24 24" << "" << "Deutsch|Mathematik|Englisch|||";
    QTest::newRow("1 core languages in catalog order, as a file opens them")
        << QStringList{"1,3", "1,2"} << "Englisch/|Französisch/|/|/" << "2,3,0" << 2553
        << "22 22 22 22" << "" << "Deutsch|Mathematik||||";
    QTest::newRow("1 language of slot 3 goes: the other language moves up")
        << QStringList{"1,2", "1,16", "1,3", "1,2", "1,8"} << "Französisch/|Physik/|Geschichte/|/"
        << "3,16,8" << 2808 << "28 28 28 28" << "2=T---1234|||| 4| 4| 4| 4"
        << "Deutsch|Mathematik||||";

    // 2. The special learning achievement is the oral exam only while chosen.
    QTest::newRow("2 dialog closed without a form")
        << OralAchievement + QStringList{"close"} + StillMissing
        << "Englisch/Englisch|Physik/-----|Geschichte/Geschichte|/" << "2,16,8" << 32
        << "41 41 39 39" << "20=--------| ¤| ¤|||||;20:;1:    4"
        << "Deutsch|Mathematik|Englisch|Geschichte|";
    QTest::newRow("2 dialog still open")
        << OralAchievement << "Englisch/Englisch|Physik/-----|Geschichte/Geschichte|/" << "2,16,8"
        << 2784 << "24 24 24 24" << "20=---m----| ¤| ¤| m||||"
        << "Deutsch|Mathematik|Englisch|Geschichte|";
    QTest::newRow("2 seminar course picked")
        << OralAchievement + QStringList{"form:0", "field:0", "close"} + StillMissing
        << "Englisch/Englisch|Physik/-----|Geschichte/Geschichte|m P/BLL - Seminarkurs" << "2,16,8"
        << 0 << "44 44 39 39" << "20=T--m12--| ¤| ¤| m| 3| 3||;20:2*"
        << "Deutsch|Mathematik|Englisch|Geschichte|BLL - Seminarkurs";

    // 3. Sport short of a course is no core subject; four hours only in courses.
    QTest::newRow("3 core sport, a half-year clicked away, then s")
        << QStringList{"1,19", "5,19", "2,19"} << "/|/|/|/" << "0,0,0" << 3583 << "14 12 14 14"
        << "19=----1-34||||2||2|2" << "Deutsch|Mathematik||||";
    QTest::newRow("3 written core sport, a half-year clicked away")
        << QStringList{"1,2", "1,16", "1,19", "2,2", "2,19", "7,19"}
        << "Englisch/Englisch|Physik/|/|/" << "2,16,0" << 3817 << "20 20 20 20"
        << "19=--------|||||||" << "Deutsch|Mathematik|Englisch|||";
    QTest::newRow("3 four hours for Gemeinschaftskunde")
        << ThreeCores + QStringList{"1,9Y"} << "Englisch/|Physik/|Geschichte/|/" << "2,16,8" << 2808
        << "26 24 24 26" << "9=T---1--4||||4|||4" << "Deutsch|Mathematik||||";

    // 4. Rulings kept as built.
    QTest::newRow("4 third science for one pair")
        << Complete + QStringList{"4,18"}
        << "Englisch/Englisch|Physik/-----|Geschichte/Geschichte|m P/Chemie" << "2,16,8" << 0
        << "34 34 30 30" << "18=----12--||||2|2||;18:2*;17:4*;16:4*"
        << "Deutsch|Mathematik|Englisch|Geschichte|Chemie";
    QTest::newRow("4 three sciences, one of them core")
        << Complete + QStringList{"0,18"}
        << "Englisch/Englisch|Physik/-----|Geschichte/Geschichte|m P/Chemie" << "2,16,8" << 0
        << "34 34 32 32" << "18:4(4~);17:4*;16:4*" << "Deutsch|Mathematik|Englisch|Geschichte|Chemie";
}

// Every sequence: the overview, slots, fault mask, weekly hours, the rows
// concerned, the menus and the printed exam box follow the roles held, and
// the choice shows the same overview after saving and opening it again.
void TestExamOverview::clickSequences()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, rows);

    Model m = test::startedModel();
    DialogInteraction ui(m);
    for (const QString &step : std::as_const(steps))
        play(m, ui, step);

    QTEST(test::overview(m), "overview");
    QTEST(test::coreSlots(m), "slots");
    QTEST(CheckChoice(m, SubjectCount), "mask");
    QTEST(weeklyHours(m), "hours");
    for (const QString &item : rows.split(u';', Qt::SkipEmptyParts)) {
        const qsizetype eq = item.indexOf(u'=');
        const qsizetype colon = item.indexOf(u':');
        if (eq > 0)
            QCOMPARE(test::rowState(m, item.left(eq).toInt()), item.mid(eq + 1));
        else
            QCOMPARE(m.FaecherSgr.cell(8, item.left(colon).toInt()), item.mid(colon + 1));
    }
    const int mask = CheckChoice(m, SubjectCount);
    QCOMPARE(m.view.messages.contains(QStringLiteral("Das mündliche Prüfungsfach ist noch nicht gewählt")),
             (mask & 32) != 0);
    QCOMPARE(m.view.menusEnabled, mask == 0);
    QTEST(printedExams(m), "printed");
    QCOMPARE(test::reopenedOverview(m), test::dump(m.PfaecherSgr));
}

QTEST_GUILESS_MAIN(TestExamOverview)
#include "tst_examoverview.moc"
