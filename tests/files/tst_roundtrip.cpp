#include "FileTestSupport.h"
#include "../rules/RandomClicks.h"
#include "../rules/tst_rulestate.h"

#include "files/SaveOpen.h"
#include "files/SelectionFile.h"
#include "model/ByteIO.h"
#include "model/MainWindowLogic.h"
#include "print/FormLayout.h"
#include "print/RecordingCanvas.h"
#include "rules/Dispatch.h"

#include <QTemporaryDir>
#include <QTest>

using namespace tamb;

namespace {

// The printed form of a choice, every text with its place.
QString printedTexts(const Model &m)
{
    RecordingCanvas canvas;
    FormPage page;
    page.today = QDate(2009, 10, 15);
    DrawForm(canvas, m, 4, m.GridRows, m.PersonalData, page);
    QString out;
    for (const RecordingCanvas::Item &item : canvas.items())
        if (item.kind == RecordingCanvas::Kind::Text)
            out += QStringLiteral("%1,%2 %3\n").arg(item.x1).arg(item.y1).arg(item.text);
    return out;
}

// What differs after opening, beyond what a file does not hold (its name,
// the window's width, the last click and its hint or hours editor, the
// flags that the file masks off the first three bytes of a grade row, any
// grade in a file without grades) and the study-group hours, which come
// back as plain numbers ("0" for none).
QString differences(const Model &painted, const Model &opened, bool withGrades)
{
    // The window paints the blocked marks before anyone sees the table.
    Model before = painted;
    FormPaint(before);
    Model shown = opened;
    FormPaint(shown);
    for (int r = 1; r <= StoredGradeRows; ++r)
        for (int c = 1; c <= 4; ++c) {
            const quint8 kept = withGrades ? before.Grades[c][r] & (c == 4 ? 0xFF : 0x8F) : 0;
            if (shown.Grades[c][r] == kept)
                shown.Grades[c][r] = before.Grades[c][r];
        }
    for (int c = 4; c <= 7; ++c)
        if (cellNumber(shown.FaecherSgr.cell(c, SubjectCount))
            == cellNumber(before.FaecherSgr.cell(c, SubjectCount)))
            shown.FaecherSgr.setCell(c, SubjectCount, before.FaecherSgr.cell(c, SubjectCount));
    shown.CurrentFile = before.CurrentFile;
    shown.Modified = before.Modified;
    shown.ClickCol = before.ClickCol;
    shown.ClickRow = before.ClickRow;
    shown.FileWords = before.FileWords;
    const MainView view = shown.view;
    shown.view = before.view;
    shown.view.messages = view.messages;
    shown.view.messagesColor = view.messagesColor;
    shown.view.legendVisible = view.legendVisible;
    if (view.legendVisible)
        shown.view.legend = view.legend;
    shown.view.menusEnabled = view.menusEnabled;
    shown.view.afSemKVisible = view.afSemKVisible;
    shown.view.afSemKCaption = view.afSemKCaption;
    shown.Allowed[0][0] = before.Allowed[0][0]; // the header row
    if (!before.Choice[Taken][before.BLLRow])
        shown.BLLField = before.BLLField; // kept only while chosen
    QString diff = test::modelDiff(before, shown);
    for (int r = 0; r <= SubjectCount; ++r)
        for (int c = 0; c < 9; ++c)
            if (before.FaecherSgr.cell(c, r) != shown.FaecherSgr.cell(c, r))
                diff += QStringLiteral("\n(%1,%2) \"%3\" opened as \"%4\"")
                            .arg(c).arg(r).arg(before.FaecherSgr.cell(c, r), shown.FaecherSgr.cell(c, r));
    if (printedTexts(before) != printedTexts(shown))
        diff += QStringLiteral("\nprinted texts");
    return diff;
}

QByteArray saved(const Model &m, bool withGrades)
{
    Model copy = m;
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    WriteSelection(copy, file, withGrades);
    return file.data();
}

// Opened by a program just started, as the batch checker and a new window do.
Model opened(const QByteArray &bytes, bool withGrades)
{
    Model m = test::startedModel();
    QBuffer file;
    file.setData(bytes);
    file.open(QIODevice::ReadOnly);
    ScriptedInteraction ui;
    if (ReadSelection(m, ui, file, withGrades, QStringLiteral("x.tnd")) == ReadStatus::Loaded)
        Refresh(m, ui);
    return m;
}

// Points with the present flag in every course and examination component;
// the file keeps the first three bytes of a row masked.
void enterGrades(Model &m, QRandomGenerator &rng)
{
    for (int r = 1; r <= StoredGradeRows; ++r)
        for (int c = 1; c <= 4; ++c)
            if (r >= SubjectCount || m.Choice[c + 3][r])
                m.Grades[c][r] = quint8(rng.bounded(256) & (c == 4 ? 0xFF : 0x8F));
}

// The reading of the program before these files kept four-hour courses and
// kept seminar courses, copied as it was: the header, the settings block,
// the name check and the words, then the flags of bits 0..7 and the task
// field of the achievement from bits 11..18. Nothing else of a word counted.
struct OldReading
{
    bool accepted = false;
    bool choice[8][SubjectCount] = {};
    quint8 bllField = 0;
};

OldReading readAsBefore(const QByteArray &bytes, bool withGrades)
{
    OldReading out;
    ByteReader r(bytes);
    const qint32 header = r.readInt32();
    if (!r.ok() || (header != 6030 && header != (withGrades ? 1030 : 30)))
        return out;
    if (header == 6030) {
        for (int i = 0; i < 5; ++i)
            r.readString();
        r.readByte();
        r.readString();
        r.readByte();
        r.readByte();
        r.readString();
    }
    const qint32 check = r.readInt32();
    const QString name = r.readString();
    for (int i = 0; i < 3; ++i)
        r.readString();
    r.readByte();
    if (!r.ok() || NameCheck(name) != check)
        return out;
    QList<quint32> words;
    for (int i = 0; i < (withGrades ? 66 : 31); ++i)
        words.append(quint32(r.readInt32()));
    if (!r.ok())
        return out;
    out.accepted = true;
    for (int row = 1; row < SubjectCount; ++row)
        for (int c = 0; c < 8; ++c)
            out.choice[c][row] = (words[row] >> c) & 1u;
    if (out.choice[Taken][20])
        out.bllField = quint8((words[20] >> 11) & 255u);
    return out;
}

// The program before read a new file as the choice it held.
QString oldReadingDiffers(const Model &m, const QByteArray &bytes, bool withGrades)
{
    const OldReading old = readAsBefore(bytes, withGrades);
    if (!old.accepted)
        return QStringLiteral("refused by the reading before");
    for (int row = 1; row < SubjectCount; ++row)
        for (int c = 0; c < 8; ++c)
            if (old.choice[c][row] != m.Choice[c][row])
                return QStringLiteral("flag %1 of row %2 read before as %3").arg(c).arg(row).arg(old.choice[c][row]);
    if (m.Choice[Taken][m.BLLRow] && old.bllField != m.BLLField)
        return QStringLiteral("task field read before as %1").arg(old.bllField);
    return {};
}

using Steps = QList<int>; // col, row pairs; col -10 - form with row = task field: the BLL dialog

void playAll(Model &m, ScriptedInteraction &ui, const Steps &steps, bool yes = false)
{
    for (qsizetype i = 0; i + 1 < steps.size(); i += 2)
        test::play(m, ui, {steps[i], steps[i + 1], yes});
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
    QTest::addColumn<Steps>("afterGrade"); // played after a grade 12 for the achievement
    QTest::addColumn<bool>("withGrades");
    QTest::addColumn<QString>("row");      // the row the case is about, as test::rowState gives it
    QTest::addColumn<int>("rowIndex");

    const Steps core = {1, 2, 2, 2, 1, 16, 1, 11, 2, 11, 3, 9, 0, 12, 0, 6, 0, 17, 0, 21};
    QTest::newRow("Wirtschaft core and written") << "" << core << Steps() << false
                                                 << "TKs-1234| K| s|| 4| 4| 4| 4" << 11;
    QTest::newRow("Gemeinschaftskunde's extra course off") << "" << core + Steps{7, 9, 7, 9} << Steps()
                                                      << false << "T---1---||| ¤| 2|||" << 9;
    QTest::newRow("four-hour Chemie") << "" << core + Steps{1, 17} << Steps() << true
                                      << "T---1234||||4|4|4|4" << 17;
    QTest::newRow("four-hour Gemeinschaftskunde")
        << "" << Steps{1, 2, 1, 16, 1, 8, 1, 9} << Steps() << false << "T---1--4||||4|||4" << 9;
    QTest::newRow("four-hour Englisch")
        << "" << Steps{1, 3, 1, 16, 1, 8, 0, 2, 1, 2} << Steps() << false
        << "T---1234||||4|4|4|4" << 2;
    const Steps seminar = {1, 2, 2, 2, 1, 16, 1, 8, 2, 8, 3, 9, 0, 12, 0, 6, 0, 17, 0, 21, 0, 20,
                           test::DialogStep, 0};
    QTest::newRow("seminar course made the oral exam")
        << "" << seminar << Steps{3, 9, 3, 20} << true << "T--m----| ¤| ¤| m| 3| 3||" << 20;
    QTest::newRow("elective language by pairs") << "3" << Steps{4, 29, 6, 29} << Steps() << false
                                                << "T---1234| ¤| ¤|| 3| 3| 3| 3" << 29;
    QTest::newRow("elective language, damaged hours")
        << "x" << Steps{0, 29} << Steps() << false << "T---1234| ¤| ¤|| 4| 4| 4| 4" << 29;
}

// Saved and opened again, a choice shows the same: table, overview,
// hours, messages, markers, marks that can be clicked, printed form; and
// the program before reads the file as the same choice.
void TestRoundTrip::sequences()
{
    QFETCH(QString, hours);
    QFETCH(Steps, steps);
    QFETCH(Steps, afterGrade);
    QFETCH(bool, withGrades);
    QFETCH(QString, row);
    QFETCH(int, rowIndex);

    QTemporaryDir dir;
    Model m = test::startedModel(QStringLiteral("Testgymnasium"), QStringLiteral("--"),
                                 QStringLiteral("Italienisch"), hours);
    m.PersonalData = {QStringLiteral("Muster, Max"), QStringLiteral("01.02.1993"),
                      QStringLiteral("11 a"), QStringLiteral("ev"), 0};
    ScriptedInteraction ui;
    playAll(m, ui, steps, true);
    if (!afterGrade.isEmpty()) {
        m.Grades[1][m.BLLRow] = GradePresent | 12;
        playAll(m, ui, afterGrade);
    }
    QCOMPARE(test::rowState(m, rowIndex), row);

    const QString path = dir.filePath(withGrades ? QStringLiteral("x.tnd") : QStringLiteral("x.tmd"));
    Model copy = m;
    QVERIFY(WriteSelection(copy, path, withGrades));
    Model reopened = test::startedModel();
    QCOMPARE(int(OpenSelectionFile(reopened, ui, path)), int(OpenOutcome::Loaded));
    QCOMPARE(test::rowState(reopened, rowIndex), row);
    QCOMPARE(differences(m, reopened, withGrades), QString());

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(oldReadingDiffers(m, file.readAll(), withGrades), QString());
}

// Random complete choices, with and without grades, come back as they were,
// and the program before reads each file as the same choice. So do the
// incomplete ones that closing saves.
void TestRoundTrip::randomChoices()
{
    const Steps nearlyComplete = {1, 2, 1, 16, 1, 8, 2, 2, 2, 8, 3, 17, 0, 12, 0, 6, 0, 28};
    const Steps economics = {1, 2, 2, 2, 1, 16, 1, 11, 2, 11, 3, 9, 0, 12, 0, 6, 0, 17, 0, 21};
    const Steps starts[] = {{}, nearlyComplete, economics};
    QRandomGenerator rng(0x23);
    int complete = 0;
    int saves = 0;
    for (int run = 0; run < 400 && saves < 2500; ++run) {
        Model m = run % 2 ? test::startedModel()
                          : test::startedModel(QStringLiteral("Schule"), QStringLiteral("Spanisch"),
                                               QStringLiteral("Italienisch"),
                                               run % 4 ? QStringLiteral("3") : QStringLiteral("?"));
        m.PersonalData.Name = QStringLiteral("Lauf %1").arg(run);
        ScriptedInteraction ui;
        playAll(m, ui, starts[run % 3]);
        for (int i = 0; i < 150; ++i) {
            test::play(m, ui, test::randomStep(rng));
            if (!m.view.menusEnabled && i % 4)
                continue;
            complete += m.view.menusEnabled ? 1 : 0;
            const bool withGrades = ++saves % 2;
            Model shown = m;
            if (withGrades)
                enterGrades(shown, rng);
            const QByteArray bytes = saved(shown, withGrades);
            QString diff = differences(shown, opened(bytes, withGrades), withGrades);
            diff += oldReadingDiffers(shown, bytes, withGrades);
            if (!diff.isEmpty())
                QFAIL(qPrintable(QStringLiteral("run %1 step %2: %3").arg(run).arg(i).arg(diff)));
        }
    }
    QVERIFY2(complete >= 800, qPrintable(QString::number(complete)));
    qInfo("%d choices saved and opened, %d of them complete", saves, complete);
}

QTEST_GUILESS_MAIN(TestRoundTrip)
#include "tst_roundtrip.moc"
