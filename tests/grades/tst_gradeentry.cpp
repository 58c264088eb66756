#include "GradesFixture.h"

#include "grades/GradeEntry.h"

#include <QTest>

using namespace tamb;
using namespace tamb::test;
using namespace tamb::test::rows;

namespace {

// Questions and inputs in the order they were asked.
class LoggingInteraction : public ScriptedInteraction
{
public:
    Answer messageBox(BoxKind kind, const QString &text, Buttons buttons) override
    {
        log.append(text);
        return ScriptedInteraction::messageBox(kind, text, buttons);
    }
    std::optional<QString> inputQuery(const QString &title, const QString &prompt,
                                      const QString &defaultText) override
    {
        log.append(title);
        return ScriptedInteraction::inputQuery(title, prompt, defaultText);
    }
    QStringList log;
};

struct Entry
{
    Model m = pupilModel();
    GradesView g;
    LoggingInteraction ui;

    void open() { RefreshGrades(m, g, m.GridRows); }
    void left(int col, int row, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        NFaecherSgrMouseUp(m, g, ui, col, row, Qt::LeftButton, mods);
    }
    bool key(EditKey k, const QString &text) { return GradeEditorKey(m, g, ui, k, text); }
    void type(const QString &text, EditKey k = EditKey::Return) { key(k, text); }
};

QRect courseCell(int col, int row) { return QRect(116 + 31 * (col - 1), 10 + 21 * row, 30, 20); }
QRect examCell(int col, int row) { return QRect(468 + 31 * (col - 1), 10 + 24 * row, 30, 23); }

const QList<int> HalfYear3Rows = {D, E, F, BK, G, Geo, Ev, M, Ph, B, S};

} // namespace

class TestGradeEntry : public QObject
{
    Q_OBJECT
private slots:
    void typedPoints_data();
    void typedPoints();
    void modesStartAndPlaceTheEditor_data();
    void modesStartAndPlaceTheEditor();
    void halfYearSeriesWalksTheRows();
    void invalidValueStaysOnTheCell_data();
    void invalidValueStaysOnTheCell();
    void subjectSeries();
    void subjectSeriesOfSocialStudies_data();
    void subjectSeriesOfSocialStudies();
    void singleGrade();
    void singleGradeOfSpecialLearningAchievement_data();
    void singleGradeOfSpecialLearningAchievement();
    void singleResult();
    void resultKeepsNonAdmission();
    void deleteHalfYear_data();
    void deleteHalfYear();
    void deleteAllGrades_data();
    void deleteAllGrades();
    void modifiersActInOrder();
    void leftClicksMarkGradesChanged();
    void escapeEnds();
    void fullRecordTypedIn();
};

void TestGradeEntry::typedPoints_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("points"); // -1: not stored
    QTest::newRow("0") << "0" << 0;
    QTest::newRow("7") << "7" << 7;
    QTest::newRow("15") << "15" << 15;
    QTest::newRow("leading zero") << "07" << 7;
    QTest::newRow("blanks") << " 9 " << 9;
    QTest::newRow("16") << "16" << -1;
    QTest::newRow("123") << "123" << -1;
    QTest::newRow("negative") << "-1" << -1;
    QTest::newRow("sign") << "+5" << -1;
    QTest::newRow("letters") << "abc" << -1;
    QTest::newRow("mixed") << "1a" << -1;
    QTest::newRow("empty") << "" << -1;
}

void TestGradeEntry::typedPoints()
{
    QFETCH(QString, text);
    QFETCH(int, points);
    const std::optional<int> p = tamb::typedPoints(text);
    QCOMPARE(p.value_or(-1), points);
}

void TestGradeEntry::modesStartAndPlaceTheEditor_data()
{
    QTest::addColumn<int>("grid"); // 0 courses, 1 examinations, 2 Block I panel
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("editor");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("subject");

    QTest::newRow("half-year series") << 0 << 5 << 0 << int(GradeEditor::HjNotenEd)
                                      << courseCell(5, 1) << "Noteneingabe 3. Halbjahr"
                                      << "Deutsch";
    QTest::newRow("subject series") << 0 << 0 << F << int(GradeEditor::FNotenEd)
                                    << courseCell(3, F) << "Noteneingabe 1. Halbjahr"
                                    << "Französisch";
    QTest::newRow("subject series from 2") << 0 << 0 << Geo << int(GradeEditor::FNotenEd)
                                           << courseCell(4, Geo) << "Noteneingabe 2. Halbjahr"
                                           << "Geographie";
    QTest::newRow("all grades") << 0 << 0 << 0 << int(GradeEditor::AlleNotenEd)
                                << courseCell(3, 1) << "Noteneingabe 1. Halbjahr" << "Deutsch";
    QTest::newRow("all grades from the panel") << 2 << 0 << 0 << int(GradeEditor::AlleNotenEd)
                                               << courseCell(3, 1) << "Noteneingabe 1. Halbjahr"
                                               << "Deutsch";
    QTest::newRow("single grade") << 0 << 6 << S << int(GradeEditor::HjEinzelNoteEd)
                                  << courseCell(6, S) << "Note: 4. Halbjahr" << "Sport";
    QTest::newRow("written results") << 1 << 1 << 0 << int(GradeEditor::AbiNotenEd)
                                     << examCell(1, 1)
                                     << "Eingabe der Ergebnisse der schriftlichen Abiturprüfung"
                                     << "Deutsch";
    QTest::newRow("written result") << 1 << 1 << 4 << int(GradeEditor::AbiEinzelNoteEd)
                                    << examCell(1, 4) << "Ergebnis der schriftlichen Abiturprüfung in"
                                    << "Biologie";
    QTest::newRow("oral result") << 1 << 2 << 5 << int(GradeEditor::AbiEinzelNoteEd)
                                 << examCell(2, 5) << "Ergebnis der mündlichen Abiturprüfung in"
                                 << "Geschichte";
    QTest::newRow("no course") << 0 << 4 << Gk << int(GradeEditor::None) << QRect() << "" << "";
    QTest::newRow("subject not taken") << 0 << 0 << W << int(GradeEditor::None) << QRect() << ""
                                       << "";
    QTest::newRow("gesamt column") << 1 << 3 << 2 << int(GradeEditor::None) << QRect() << "" << "";
    QTest::newRow("oral of row 5 only") << 1 << 1 << 5 << int(GradeEditor::None) << QRect() << ""
                                        << "";
}

void TestGradeEntry::modesStartAndPlaceTheEditor()
{
    QFETCH(int, grid);
    QFETCH(int, col);
    QFETCH(int, row);
    QFETCH(int, editor);
    QFETCH(QString, title);
    Entry w;
    w.open();
    if (grid == 0)
        w.left(col, row);
    else if (grid == 1)
        NPfaecherSgrMouseUp(w.m, w.g, col, row);
    else
        Block1PnlClick(w.m, w.g);
    QCOMPARE(int(w.g.editor), editor);
    if (editor == int(GradeEditor::None))
        return;
    QTEST(w.g.editorRect, "rect");
    QCOMPARE(w.g.NotEingLbl.text, title);
    QTEST(w.g.FachnameLbl.text, "subject");
    QVERIFY(w.g.NotEingLbl.visible);
    QVERIFY(w.g.FachnameLbl.visible);
    const int length = int(title.size());
    const bool exam = grid == 1;
    QCOMPARE(w.g.NotEingLbl.left, exam ? 9 * length / 2 : 41);
    QCOMPARE(w.g.FachnameLbl.left, 11 * length);
    QCOMPARE(w.g.FachnameLbl.top, 648 + (exam ? 30 : 6));
}

void TestGradeEntry::halfYearSeriesWalksTheRows()
{
    Entry w;
    w.open();
    w.left(5, 0);
    QList<int> visited;
    for (int i = 0; i < 20 && w.g.editor == GradeEditor::HjNotenEd; ++i) {
        visited.append(w.g.EditRow);
        QCOMPARE(w.g.editorRect, courseCell(5, w.g.EditRow));
        w.type(QString::number(i % 16), i % 2 ? EditKey::Down : EditKey::Click);
    }
    QCOMPARE(visited, HalfYear3Rows);
    QCOMPARE(w.g.editor, GradeEditor::None);
    QVERIFY(!w.g.NotEingLbl.visible);
    QVERIFY(!w.g.FachnameLbl.visible);
    for (int i = 0; i < visited.size(); ++i)
        QCOMPARE(points(w.m.Grades[3][visited[i]]), i % 16);
    QCOMPARE(w.m.Grades[3][D] & GradePresent, int(GradePresent));
    // Block I follows every value.
    QVERIFY(w.m.Grades[3][D] & Compulsory);
}

void TestGradeEntry::invalidValueStaysOnTheCell_data()
{
    QTest::addColumn<int>("mode"); // 0 half-year, 1 subject, 2 all grades, 3 written results
    QTest::addColumn<QString>("text");
    for (int mode = 0; mode < 4; ++mode) {
        QTest::addRow("mode %d: 16", mode) << mode << "16";
        QTest::addRow("mode %d: text", mode) << mode << "gut";
        QTest::addRow("mode %d: empty", mode) << mode << "";
        QTest::addRow("mode %d: 123", mode) << mode << "123";
    }
}

void TestGradeEntry::invalidValueStaysOnTheCell()
{
    QFETCH(int, mode);
    QFETCH(QString, text);
    Entry w;
    setAllGrades(w.m, 8);
    w.open();
    switch (mode) {
    case 0:
        w.left(3, 0);
        break;
    case 1:
        w.left(0, F);
        break;
    case 2:
        w.left(0, 0);
        break;
    case 3:
        NPfaecherSgrMouseUp(w.m, w.g, 1, 0);
        break;
    }
    const GradeEditor editor = w.g.editor;
    const QRect rect = w.g.editorRect;
    quint8 before[5][GradeColumns];
    std::copy(&w.m.Grades[0][0], &w.m.Grades[0][0] + 5 * GradeColumns, &before[0][0]);
    QVERIFY(w.key(EditKey::Return, text));
    QCOMPARE(w.g.editor, editor);
    QCOMPARE(w.g.editorRect, rect);
    QCOMPARE(w.g.editorText, QString());
    for (int c = 1; c < 5; ++c)
        for (int col = 1; col < GradeColumns; ++col)
            QCOMPARE(w.m.Grades[c][col] & 0xCF, before[c][col] & 0xCF);
}

void TestGradeEntry::subjectSeries()
{
    Entry w;
    setAllGrades(w.m, 10);
    w.open();
    w.left(0, F);
    QList<int> halfYears;
    QStringList titles;
    while (w.g.editor == GradeEditor::FNotenEd) {
        halfYears.append(w.g.EditHalfYear);
        titles.append(w.g.NotEingLbl.text);
        w.type(QStringLiteral("4"), halfYears.size() % 2 ? EditKey::Right : EditKey::Return);
    }
    QCOMPARE(halfYears, (QList<int>{1, 2, 3, 4}));
    QCOMPARE(titles.last(), QStringLiteral("Noteneingabe: 4. Halbjahr"));
    QCOMPARE(bitsPattern(w.m, F, GradePresent), QStringLiteral("1111"));
    QCOMPARE(points(w.m.Grades[2][F]), 4);
    // Each value is followed by admission and Block II.
    QCOMPARE(w.g.PSAbiblockPl.text, QStringLiteral("0"));
    QVERIFY(!w.g.NzulGBx.visible);
}

void TestGradeEntry::subjectSeriesOfSocialStudies_data()
{
    QTest::addColumn<int>("oralRow");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("starts");
    QTest::newRow("Gk, Geschichte oral") << int(G) << int(Gk) << true;
    QTest::newRow("Gk, Biologie oral") << int(B) << int(Gk) << false;
    QTest::newRow("Geo, Geschichte oral") << int(G) << int(Geo) << true;
    QTest::newRow("Geo, Biologie oral") << int(B) << int(Geo) << false;
}

void TestGradeEntry::subjectSeriesOfSocialStudies()
{
    QFETCH(int, oralRow);
    QFETCH(int, row);
    Entry w;
    w.m.Choice[Oral][G] = false;
    w.m.Choice[Written][B] = false;
    w.m.Choice[Oral][oralRow] = true;
    w.open();
    w.left(0, row);
    QTEST(w.g.editor == GradeEditor::FNotenEd, "starts");
}

void TestGradeEntry::singleGrade()
{
    Entry w;
    setAllGrades(w.m, 10);
    w.open();

    // "123" keeps its first two characters.
    w.left(5, F);
    QCOMPARE(w.g.editorText, QStringLiteral("10"));
    w.type(QStringLiteral("123"));
    QCOMPARE(w.m.Grades[3][F] & 0x8F, 0x80 | 12);
    QCOMPARE(w.g.editor, GradeEditor::None);
    QVERIFY(w.m.Grades[3][F] & Counted);

    // Return on an empty editor: back to no grade, Block I recomputed.
    w.left(5, F);
    w.type(QString());
    QCOMPARE(w.m.Grades[3][F], quint8(0));
    QCOMPARE(w.g.NFaecherSgr.cell(5, F), QStringLiteral(" --"));
    QVERIFY(w.g.AdmissionFlags & MissingFirstThree);
    QVERIFY(w.g.NzulGBx.visible);

    // A click into the editor stores, and the window shows what follows.
    w.left(5, F);
    QCOMPARE(w.g.editorText, QString());
    w.key(EditKey::Click, QStringLiteral("7"));
    QCOMPARE(w.m.Grades[3][F] & 0x8F, 0x80 | 7);
    QCOMPARE(int(w.g.AdmissionFlags), 0);
    QVERIFY(!w.g.NzulGBx.visible);

    // Return shows the state that follows.
    w.left(5, F);
    w.type(QStringLiteral("8"));
    QVERIFY(!w.g.NzulGBx.visible);

    // Text that is no number is discarded; the editor stays.
    w.left(5, F);
    QVERIFY(w.key(EditKey::Return, QStringLiteral("x")));
    QCOMPARE(w.g.editor, GradeEditor::HjEinzelNoteEd);
    QCOMPARE(w.g.editorText, QString());
    QVERIFY(!w.key(EditKey::Down, QStringLiteral("9")));
}

void TestGradeEntry::singleGradeOfSpecialLearningAchievement_data()
{
    QTest::addColumn<bool>("oral");
    QTest::newRow("competition") << false;
    QTest::newRow("oral component") << true;
}

void TestGradeEntry::singleGradeOfSpecialLearningAchievement()
{
    QFETCH(bool, oral);
    Entry w;
    w.m.Choice[Taken][BLL] = true;
    if (oral) {
        w.m.Choice[Oral][G] = false;
        w.m.Choice[Oral][BLL] = true;
    }
    w.open();
    w.left(4, BLL);
    QCOMPARE(w.g.editor, GradeEditor::HjEinzelNoteEd);
    QCOMPARE(w.g.NotEingLbl.text, QStringLiteral("Besondere Lernleistung (Gesamtnote)"));
    QCOMPARE(w.g.FachnameLbl.text, QString());
    w.type(QStringLiteral("12"));
    QCOMPARE(w.m.Grades[1][BLL] & 0xCF, 0x80 | 12);
    QCOMPARE(w.m.Grades[2][BLL] & 0xCF, 0x80 | 12);
    QCOMPARE(w.g.NFaecherSgr.cell(3, BLL), QStringLiteral("  12"));
    QCOMPARE(w.g.NFaecherSgr.cell(4, BLL), QStringLiteral("  12"));
    const quint8 fifth = w.m.Grades[2][examColumn(SubjectCount, 5)];
    QCOMPARE(fifth, oral ? quint8(0xC0 | 12) : quint8(0));
    QCOMPARE(w.g.NPfaecherSgr.cell(2, 5), oral ? QStringLiteral("  12") : QString());

    // Deleted again: both columns empty.
    w.left(3, BLL);
    w.type(QString());
    QCOMPARE(w.m.Grades[1][BLL], quint8(0));
    QCOMPARE(w.m.Grades[2][BLL], quint8(0));
    QCOMPARE(w.g.NFaecherSgr.cell(3, BLL), QString());
    QCOMPARE(w.g.NFaecherSgr.cell(4, BLL), QString());
}

void TestGradeEntry::singleResult()
{
    Entry w;
    setAllGrades(w.m, 11);
    w.open();
    NPfaecherSgrMouseUp(w.m, w.g, 1, 2);
    QCOMPARE(w.g.editor, GradeEditor::AbiEinzelNoteEd);
    w.type(QStringLiteral("123"));
    QCOMPARE(w.g.editor, GradeEditor::AbiEinzelNoteEd);
    QCOMPARE(w.m.Grades[1][examColumn(SubjectCount, 2)], quint8(0));
    QVERIFY(!w.key(EditKey::Click, QStringLiteral("9")));
    w.type(QStringLiteral("9"));
    QCOMPARE(w.m.Grades[1][examColumn(SubjectCount, 2)], quint8(0xC0 | 9));
    QCOMPARE(w.g.NPfaecherSgr.cell(1, 2), QStringLiteral("   9"));
    QCOMPARE(w.g.NPfaecherSgr.cell(3, 2), QStringLiteral("   36"));
    QCOMPARE(w.g.PSAbiblockPl.text, QStringLiteral("36"));
    QCOMPARE(w.g.editor, GradeEditor::None);

    NPfaecherSgrMouseUp(w.m, w.g, 1, 2);
    w.type(QString());
    QCOMPARE(w.m.Grades[1][examColumn(SubjectCount, 2)], quint8(0));
    QCOMPARE(w.g.NPfaecherSgr.cell(1, 2), QString());
    QCOMPARE(w.g.PSAbiblockPl.text, QStringLiteral("0"));

    // The fifth component as seminar course.
    w.m.Choice[Oral][G] = false;
    w.m.Choice[Taken][BLL] = true;
    w.m.Choice[Oral][BLL] = true;
    w.m.SubjectText[0][BLL] = QStringLiteral("BLL - Seminarkurs");
    w.open();
    NPfaecherSgrMouseUp(w.m, w.g, 2, 5);
    QCOMPARE(w.g.NotEingLbl.text, QStringLiteral("Besondere Lernleistung(Gesamtnote):"));
    QCOMPARE(w.g.FachnameLbl.text, QString());
}

void TestGradeEntry::resultKeepsNonAdmission()
{
    // Results do not admit a pupil: the reasons stay on screen.
    Entry w;
    setAllGrades(w.m, 11);
    setGrade(w.m, G, 2, 0);
    w.open();
    QVERIFY(w.g.NzulGBx.visible);
    NPfaecherSgrMouseUp(w.m, w.g, 1, 1);
    w.type(QStringLiteral("15"));
    QCOMPARE(w.m.Grades[1][examColumn(SubjectCount, 1)], quint8(0xC0 | 15));
    QVERIFY(w.g.NzulGBx.visible);
    QVERIFY(!w.g.AbiblockGBx.visible);
    QVERIFY(!w.g.GPZGBx.visible);
    QVERIFY(!w.g.DSNoteGBx.visible);
}

void TestGradeEntry::deleteHalfYear_data()
{
    QTest::addColumn<int>("from"); // 0 Ctrl on the header, 1 Delete in the half-year series,
                                   // 2 Delete in the subject series
    QTest::addColumn<bool>("yes");
    for (int from = 0; from < 3; ++from) {
        QTest::addRow("%d, yes", from) << from << true;
        QTest::addRow("%d, no", from) << from << false;
    }
}

void TestGradeEntry::deleteHalfYear()
{
    QFETCH(int, from);
    QFETCH(bool, yes);
    Entry w;
    setAllGrades(w.m, 9);
    w.open();
    w.ui.answers = {yes ? Answer::Yes : Answer::No};
    GradeEditor editor = GradeEditor::None;
    switch (from) {
    case 0:
        w.left(4, 0, Qt::ControlModifier);
        break;
    case 1:
        w.left(4, 0);
        editor = GradeEditor::HjNotenEd;
        QVERIFY(w.key(EditKey::Delete, QString()));
        break;
    case 2:
        w.left(0, F);
        w.type(QStringLiteral("9"));
        editor = GradeEditor::FNotenEd;
        QVERIFY(w.key(EditKey::Delete, QString()));
        break;
    }
    QCOMPARE(w.ui.boxes.size(), 1);
    QCOMPARE(w.ui.boxes[0].text, QStringLiteral("Alle Noten des 2. Halbjahres löschen?"));
    QCOMPARE(w.ui.boxes[0].kind, BoxKind::Confirmation);
    QCOMPARE(w.ui.boxes[0].buttons, Buttons::YesNo);
    for (int r : HalfYear3Rows)
        QCOMPARE(w.m.Grades[2][r] == 0, yes);
    QCOMPARE(w.m.Grades[1][D] != 0, true);
    if (!yes) {
        QCOMPARE(w.g.editor, editor);
        return;
    }
    QCOMPARE(w.g.NFaecherSgr.cell(4, D), QStringLiteral(" --"));
    QVERIFY(w.g.NzulGBx.visible);
    QVERIFY(!w.g.NotEingLbl.visible);
    QCOMPARE(w.g.NotEingLbl.text, QString());
    QVERIFY(!w.g.FachnameLbl.visible);
    // The half-year series ends, the subject series goes on.
    QCOMPARE(w.g.editor, from == 2 ? GradeEditor::FNotenEd : GradeEditor::None);
}

void TestGradeEntry::deleteAllGrades_data()
{
    QTest::addColumn<int>("answer");
    QTest::newRow("yes") << int(Answer::Yes);
    QTest::newRow("no") << int(Answer::No);
    QTest::newRow("cancel") << int(Answer::Cancel);
}

void TestGradeEntry::deleteAllGrades()
{
    QFETCH(int, answer);
    Entry w;
    setAllGrades(w.m, 9);
    setWrittenExams(w.m, {9, 9, 9, 9}, {}, 9);
    w.open();
    w.left(0, 0);
    w.type(QStringLiteral("9"));
    w.ui.answers = {Answer(answer)};
    QVERIFY(w.key(EditKey::Delete, QString()));
    QCOMPARE(w.ui.boxes.size(), 1);
    QCOMPARE(w.ui.boxes[0].text, QStringLiteral("Wirklich alle Noten löschen?"));
    QCOMPARE(w.ui.boxes[0].buttons, Buttons::YesNoCancel);
    bool any = false;
    for (int c = 1; c <= 4; ++c)
        for (int col = 1; col < GradeColumns; ++col)
            any = any || w.m.Grades[c][col] != 0;
    QCOMPARE(any, Answer(answer) != Answer::Yes);
    QCOMPARE(w.g.editor == GradeEditor::AlleNotenEd, Answer(answer) != Answer::Cancel);
    if (Answer(answer) == Answer::Yes) {
        QCOMPARE(w.g.NFaecherSgr.cell(3, D), QStringLiteral(" --"));
        QCOMPARE(w.g.NPfaecherSgr.cell(1, 1), QString());
        QCOMPARE(w.g.PSersterBlockPl.text, QStringLiteral("0"));
        QVERIFY(w.g.NzulGBx.visible);
    }
}

void TestGradeEntry::modifiersActInOrder()
{
    // Ctrl and Shift on a header: first the deletion, then the desired grade.
    Entry w;
    setAllGrades(w.m, 9);
    w.open();
    w.ui.answers = {Answer::Yes};
    w.ui.inputs = {QStringLiteral("13")};
    w.left(6, 0, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(w.ui.log, (QStringList{QStringLiteral("Alle Noten des 4. Halbjahres löschen?"),
                                    QStringLiteral("Wunschnote")}));
    QCOMPARE(points(w.m.Grades[4][D]), 13);
    QCOMPARE(w.g.editor, GradeEditor::None);

    // Ctrl, Shift and Alt: deletion, desired grade, averages.
    w.ui.log.clear();
    w.ui.answers = {Answer::No};
    w.ui.inputs = {QStringLiteral("2")};
    w.left(6, 0, Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
    QCOMPARE(w.ui.log.size(), 2);
    QCOMPARE(points(w.m.Grades[4][D]), 9); // the average of 9, 9, 9
}

void TestGradeEntry::leftClicksMarkGradesChanged()
{
    Entry w;
    w.open();
    w.m.Modified = 0;
    NFaecherSgrMouseUp(w.m, w.g, w.ui, 4, W, Qt::RightButton, Qt::NoModifier);
    // Opening editors and leaving them changes nothing.
    w.left(1, W);
    NPfaecherSgrMouseUp(w.m, w.g, 2, 5);
    w.type(QString(), EditKey::Escape);
    Block1PnlClick(w.m, w.g);
    QCOMPARE(int(w.m.Modified), 0);
    // A stored value does; the same value again does not.
    w.type(QStringLiteral("7"));
    QCOMPARE(int(w.m.Modified), 2);
    w.m.Modified = 0;
    Block1PnlClick(w.m, w.g);
    w.type(QStringLiteral("7"));
    QCOMPARE(int(w.m.Modified), 0);
}

void TestGradeEntry::escapeEnds()
{
    Entry w;
    w.open();
    for (int col : {0, 3}) {
        w.left(col, col == 0 ? 0 : D);
        QVERIFY(w.g.editor != GradeEditor::None);
        QVERIFY(w.key(EditKey::Escape, QStringLiteral("5")));
        QCOMPARE(w.g.editor, GradeEditor::None);
        QVERIFY(!w.g.NotEingLbl.visible);
        QVERIFY(!w.g.FachnameLbl.visible);
    }
    QCOMPARE(w.m.Grades[1][D], quint8(0));
}

void TestGradeEntry::fullRecordTypedIn()
{
    // From an empty grades window to the average grade, by keys only.
    Entry w;
    w.open();
    QVERIFY(w.g.NzulGBx.visible);
    Block1PnlClick(w.m, w.g);
    int typed = 0;
    QStringList titles;
    while (w.g.editor == GradeEditor::AlleNotenEd && typed < 100) {
        titles.append(w.g.NotEingLbl.text);
        w.type(QStringLiteral("11"), typed % 3 == 0 ? EditKey::Right
                                      : typed % 3 == 1 ? EditKey::Down
                                                       : EditKey::Return);
        ++typed;
    }
    QCOMPARE(typed, 44);
    QCOMPARE(titles.first(), QStringLiteral("Noteneingabe 1. Halbjahr"));
    QCOMPARE(titles[1], QStringLiteral("Noteneingabe: 2. Halbjahr"));
    QCOMPARE(w.g.PSersterBlockPl.text, QStringLiteral("440"));
    QCOMPARE(int(w.g.AdmissionFlags), 0);
    QVERIFY(!w.g.NzulGBx.visible);

    NPfaecherSgrMouseUp(w.m, w.g, 1, 0);
    for (const char *value : {"10", "12", "9", "8"}) {
        QCOMPARE(w.g.editor, GradeEditor::AbiNotenEd);
        w.type(QString::fromLatin1(value), EditKey::Down);
    }
    QCOMPARE(w.g.editor, GradeEditor::None);
    NPfaecherSgrMouseUp(w.m, w.g, 2, 3);
    w.type(QStringLiteral("12"));
    NPfaecherSgrMouseUp(w.m, w.g, 2, 5);
    w.type(QStringLiteral("11"));

    QCOMPARE(w.g.PSAbiblockPl.text, QStringLiteral("204"));
    QVERIFY(w.g.GPZGBx.visible);
    QCOMPARE(w.g.GPZPl.text, QStringLiteral("644"));
    QVERIFY(w.g.DSNoteGBx.visible);
    QCOMPARE(w.g.DSNotePl.text, QStringLiteral("2,0"));
}

QTEST_GUILESS_MAIN(TestGradeEntry)
#include "tst_gradeentry.moc"
