#include "FileTestSupport.h"
#include "../rules/RandomClicks.h"
#include "../rules/tst_rulestate.h"

#include "files/SaveOpen.h"
#include "model/ByteIO.h"
#include "model/MainWindowLogic.h"
#include "print/FormLayout.h"
#include "print/RecordingCanvas.h"

#include <QTemporaryDir>
#include <QTest>

using namespace tamb;

namespace {

// What the pupil sees of a choice, one item a line: the tables with the
// blocked marks painted (study-group hours as numbers: a file gives "0"
// for none), messages, legend, task field, menus, the flags and the marks
// that can be clicked, the grades as a file keeps them, the printed form.
QString seen(Model m, bool grades)
{
    FormPaint(m);
    // An open task field has two wordings, the dialog's with "Das ".
    if (m.view.afSemKCaption.startsWith(QStringLiteral("Das ")))
        m.view.afSemKCaption.remove(0, 4);
    for (int c = 4; c <= 7; ++c)
        m.FaecherSgr.setCell(c, SubjectCount, QString::number(cellNumber(m.FaecherSgr.cell(c, SubjectCount))));
    QStringList out = {test::dump(m.FaecherSgr), test::dump(m.PfaecherSgr), test::dump(m.WostSgr),
                       test::dump(m.KurszSgr), m.view.messages, m.view.legendVisible ? m.view.legend : "",
                       m.view.afSemKVisible ? m.view.afSemKCaption : "-",
                       QString::number(m.view.menusEnabled + 2 * m.BLLSocialField)};
    for (int r = 1; r < SubjectCount; ++r) {
        QString row;
        for (int c = 0; c < 8; ++c)
            row += QString::number(m.Choice[c][r]) + (c < 4 ? QString::number(m.Allowed[c][r]) : "");
        out << row;
    }
    for (int r = 1; r <= StoredGradeRows; ++r)
        for (int c = 1; c <= 4; ++c)
            out << QString::number(grades ? m.Grades[c][r] & (c < 4 ? 0x8F : 0xFF) : 0);
    RecordingCanvas canvas;
    FormPage page;
    page.today = QDate(2009, 10, 15);
    DrawForm(canvas, m, 4, m.GridRows, m.PersonalData, page);
    for (const RecordingCanvas::Item &item : canvas.items())
        out << QStringLiteral("%1,%2 %3").arg(item.x1).arg(item.y1).arg(item.text);
    return out.join(u'\n');
}

// The lines of what was seen that differ after opening.
QString changes(const QString &before, const QString &after)
{
    const QStringList a = before.split(u'\n');
    const QStringList b = after.split(u'\n');
    QString out;
    for (qsizetype i = 0; i < qMax(a.size(), b.size()); ++i)
        if (a.value(i) != b.value(i))
            out += a.value(i) + QStringLiteral(" -> ") + b.value(i) + u'\n';
    return out;
}

QByteArray saved(Model m, bool withGrades)
{
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    WriteSelection(m, file, withGrades);
    return file.data();
}

// Opened by a program just started, as a new window and the batch checker do.
Model opened(const QByteArray &bytes, bool withGrades)
{
    Model m = test::startedModel();
    QBuffer file;
    file.setData(bytes);
    file.open(QIODevice::ReadOnly);
    ScriptedInteraction ui;
    if (ReadSelection(m, ui, file, withGrades, QStringLiteral("x")) == ReadStatus::Loaded)
        Refresh(m, ui);
    return m;
}

// The flags of every subject, then the task field of a chosen achievement.
QString flagsOf(const Model &m)
{
    QString out;
    for (int r = 1; r < SubjectCount; ++r) {
        int word = 0;
        for (int c = 0; c < 8; ++c)
            word |= m.Choice[c][r] << c;
        out += QString::number(word) + u',';
    }
    return out + (m.Choice[Taken][m.BLLRow] ? QString::number(m.BLLField) : QString());
}

// The reading of the program before the words held more than flags, copied
// from it: header, settings block, name check and words must be there; bits
// 0..7 of a word were the flags, bits 11..18 of the achievement's its task
// field, nothing else counted. As flagsOf gives it, or "refused".
QString flagsReadBefore(const QByteArray &bytes, bool withGrades)
{
    ByteReader r(bytes);
    const qint32 header = r.readInt32();
    if (header != 6030 && header != (withGrades ? 1030 : 30))
        return QStringLiteral("refused");
    for (QChar item : QStringLiteral("SSSSSBSBBS").left(header == 6030 ? 10 : 0))
        item == u'S' ? void(r.readString()) : void(r.readByte());
    const qint32 check = r.readInt32();
    const QString name = r.readString();
    for (int i = 0; i < 3; ++i)
        r.readString();
    r.readByte();
    QList<quint32> words;
    for (int i = 0; i < (withGrades ? 66 : 31); ++i)
        words << quint32(r.readInt32());
    if (!r.ok() || NameCheck(name) != check)
        return QStringLiteral("refused");
    QString out;
    for (int row = 1; row < SubjectCount; ++row)
        out += QString::number(words[row] & 0xFF) + u',';
    return out + (words[20] & 1 ? QString::number((words[20] >> 11) & 255) : QString());
}

QRandomGenerator rng(0x23);

// Points and flags in every course and examination component.
void enterGrades(Model &m)
{
    for (int r = 1; r <= StoredGradeRows; ++r)
        for (int c = 1; c <= 4; ++c)
            if (r >= SubjectCount || m.Choice[c + 3][r])
                m.Grades[c][r] = quint8(rng.bounded(256));
}

using Steps = QList<int>; // column, row; column test::DialogStep - form: the BLL dialog

void playAll(Model &m, ScriptedInteraction &ui, const Steps &steps)
{
    for (qsizetype i = 0; i + 1 < steps.size(); i += 2)
        test::play(m, ui, {steps[i], steps[i + 1], true});
}

} // namespace

class TestRoundTrip : public QObject
{
    Q_OBJECT
private slots:
    void sequences_data();
    void sequences();
    void randomChoices();
};

void TestRoundTrip::sequences_data()
{
    QTest::addColumn<QString>("hours"); // the school's `FspiHours`
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<bool>("withGrades");
    QTest::addColumn<int>("row"); // the row the case is about, its state as test::rowState gives it
    QTest::addColumn<QString>("state");

    const Steps core = {1, 2, 2, 2, 1, 16, 1, 11, 2, 11, 3, 9, 0, 12, 0, 6, 0, 17, 0, 21};
    const Steps bll = {1, 2, 2, 2, 1, 16, 1, 8, 2, 8, 3, 9, 0, 12, 0, 6, 0, 17, 0, 21, 0, 20,
                       test::DialogStep, -1, 99, 99, 3, 9, 3, 20}; // (99,99): grade 12 entered
    QTest::newRow("Wirtschaft core and written") << "" << core << false << 11 << "TKs-1234| K| s|| 4| 4| 4| 4";
    QTest::newRow("Gk's extra course off") << "" << core + Steps{7, 9, 7, 9} << false << 9 << "T---1---||| ¤| 2|||";
    QTest::newRow("four-hour Chemie") << "" << core + Steps{1, 17} << true << 17 << "T---1234||||4|4|4|4";
    QTest::newRow("four-hour Gk") << "" << Steps{1, 2, 1, 16, 1, 8, 1, 9} << false << 9 << "T---1--4||||4|||4";
    QTest::newRow("four-hour Englisch") << "" << Steps{1, 3, 1, 16, 1, 8, 0, 2, 1, 2} << false << 2
                                        << "T---1234||||4|4|4|4";
    QTest::newRow("seminar made the oral exam") << "" << bll << true << 20 << "T--m----| ¤| ¤| m| 3| 3||";
    QTest::newRow("elective language by pairs") << "3" << Steps{4, 29, 6, 29} << false << 29
                                                << "T---1234| ¤| ¤|| 3| 3| 3| 3";
    QTest::newRow("elective language, damaged hours") << "x" << Steps{0, 29} << false << 29
                                                      << "T---1234| ¤| ¤|| 4| 4| 4| 4";
}

// Saved and opened again, a choice shows the same, and the program before
// reads the file as the same choice.
void TestRoundTrip::sequences()
{
    QFETCH(QString, hours);
    QFETCH(Steps, steps);
    QFETCH(bool, withGrades);
    QFETCH(int, row);
    QFETCH(QString, state);

    Model m = test::startedModel(QStringLiteral("Schule"), QStringLiteral("--"),
                                 QStringLiteral("Italienisch"), hours);
    m.PersonalData = {QStringLiteral("Muster, Max"), QStringLiteral("1.2.1993"), QStringLiteral("12"),
                      QStringLiteral("ev"), 0};
    ScriptedInteraction ui;
    const qsizetype grade = steps.indexOf(99);
    playAll(m, ui, steps.mid(0, grade));
    if (grade > 0) {
        m.Grades[1][m.BLLRow] = GradePresent | 12;
        playAll(m, ui, steps.mid(grade + 2));
    }
    QCOMPARE(test::rowState(m, row), state);

    QTemporaryDir dir;
    const QString path = dir.filePath(withGrades ? QStringLiteral("x.tnd") : QStringLiteral("x.tmd"));
    QVERIFY(WriteSelection(m, path, withGrades));
    Model reopened = test::startedModel();
    QCOMPARE(int(OpenSelectionFile(reopened, ui, path)), int(OpenOutcome::Loaded));
    QCOMPARE(test::rowState(reopened, row), state);
    QCOMPARE(changes(seen(m, withGrades), seen(reopened, withGrades)), QString());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(flagsReadBefore(file.readAll(), withGrades), flagsOf(m));
}

// Random choices, complete or not (closing saves both), with and without
// grades: the same after opening, the same flags for the program before.
void TestRoundTrip::randomChoices()
{
    const Steps starts[] = {{}, {1, 2, 1, 16, 1, 8, 2, 2, 2, 8, 3, 17, 0, 12, 0, 6, 0, 28},
                            {1, 2, 2, 2, 1, 16, 1, 11, 2, 11, 3, 9, 0, 12, 0, 6, 0, 17, 0, 21}};
    int complete = 0;
    int saves = 0;
    for (int run = 0; saves < 1200; ++run) {
        Model m = run % 2 ? test::startedModel()
                          : test::startedModel(QStringLiteral("Schule"), QStringLiteral("Spanisch"),
                                               QStringLiteral("Italienisch"), run % 4 ? "3" : "?");
        m.PersonalData.Name = QStringLiteral("Lauf %1").arg(run);
        ScriptedInteraction ui;
        playAll(m, ui, starts[run % 3]);
        for (int i = 0; i < 150; ++i) {
            test::play(m, ui, test::randomStep(rng));
            if (!m.view.menusEnabled && i % 4)
                continue;
            complete += m.view.menusEnabled;
            const bool withGrades = ++saves % 2;
            if (withGrades)
                enterGrades(m);
            const QByteArray bytes = saved(m, withGrades);
            const QString context = QStringLiteral("run %1 step %2").arg(run).arg(i);
            QCOMPARE(context + changes(seen(m, withGrades), seen(opened(bytes, withGrades), withGrades)),
                     context);
            QCOMPARE(context + flagsReadBefore(bytes, withGrades), context + flagsOf(m));
        }
    }
    QVERIFY2(complete >= 400, qPrintable(QString::number(complete)));
}

QTEST_GUILESS_MAIN(TestRoundTrip)
#include "tst_roundtrip.moc"
