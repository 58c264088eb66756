#include "TestSupport.h"

#include "print/FormLayout.h"
#include "files/FileNames.h"
#include "print/RecordingCanvas.h"

#include <QTest>

using namespace tamb;

namespace {

using Item = RecordingCanvas::Item;
using Kind = RecordingCanvas::Kind;

const QDate Today(2009, 10, 15);

// One way of drawing the form: preview at 3 or 4, or a 600 dpi printer.
struct Setup
{
    int u = 4;
    bool printer = false;
    int pageWidth = 840;
    int pageHeight = 1188;

    double pixelsPerPoint() const { return printer ? 600.0 / 72 : 96.0 / 72; }
    bool small() const { return !printer && u == 3; }
    int s1() const { return small() ? 11 : 14; }
    int s2() const { return small() ? 7 : 10; }
    int s3() const { return small() ? 8 : 12; }
    int s4() const { return small() ? 3 : 8; }
    int s5() const { return small() ? 3 : 6; }
    int px(double mm) const { return static_cast<int>(mm * u + 1e-7); }
    int thick() const { return printer ? u / 3 : u / 2; }
    int y0() const { return px(printer ? 60 : 70); }
};

} // namespace

Q_DECLARE_METATYPE(Setup)

namespace {

void addSetups()
{
    QTest::addColumn<Setup>("setup");
    QTest::newRow("preview u=3") << Setup{3, false, 630, 891};
    QTest::newRow("preview u=4") << Setup{4, false, 840, 1188};
    // A4 at 600 dpi: 4961 x 7016 device pixels, factor 24 both ways.
    QTest::newRow("printer 600 dpi") << Setup{24, true, 4961, 7016};
}

// A complete-looking choice: four written subjects with the placeholder of
// the unwritten core slot, an oral subject, a BLL in the science field.
Model formModel(bool withBLL = true)
{
    Model m = test::startedModel();
    m.SchoolName = QStringLiteral("Gymnasium am Rhein");
    const QStringList exams = {QStringLiteral("   Deutsch"), QStringLiteral("   Mathematik"),
                               QStringLiteral(" -----"), QStringLiteral("   Englisch"),
                               QStringLiteral("   Physik"), QStringLiteral("   Geschichte")};
    for (int k = 1; k <= 6; ++k)
        m.PfaecherSgr.setCell(4, k, exams.at(k - 1));
    m.KurszSgr.setCell(0, 0, QStringLiteral("Block I: Anrechenbare Kurse (davon verpflichtend*)"));
    m.KurszSgr.setCell(1, 0, QStringLiteral("42 (26*)"));
    m.FaecherSgr.setCell(8, 1, QStringLiteral("4*"));
    m.FaecherSgr.setCell(4, 30, QStringLiteral("  2"));
    SumWeeklyHours(m);
    m.Choice[Taken][m.BLLRow] = withBLL;
    m.BLLField = 3;
    m.PersonalData = {QStringLiteral("Muster, Erika"), QStringLiteral("01.02.1993"),
                      QStringLiteral("11 a"), QStringLiteral("ev"), 1};
    return m;
}

RecordingCanvas drawn(const Setup &s, const Model &m, const QString &wahlart = {})
{
    RecordingCanvas canvas(s.pixelsPerPoint());
    FormPage page;
    if (s.printer)
        page = FormPage::printer(600, s.pageWidth, s.pageHeight);
    page.wahlart = wahlart;
    page.today = Today;
    DrawForm(canvas, m, s.u, m.GridRows, m.PersonalData, page);
    return canvas;
}

// The one drawing of a text; a missing or doubled text has no position.
Item only(const RecordingCanvas &canvas, const QString &text)
{
    const QList<Item> found = canvas.textItems(text);
    if (found.size() != 1) {
        const int count = static_cast<int>(found.size());
        return Item{Kind::Text, -count, -count, -1, -1, text, 0, Fill::Ink};
    }
    return found.first();
}

#define COMPARE_AT(item, x, y, size)                                                              \
    do {                                                                                          \
        const Item it_ = (item);                                                                  \
        QCOMPARE(QPoint(it_.x1, it_.y1), QPoint((x), (y)));                                       \
        QCOMPARE(it_.fontSize, (size));                                                           \
    } while (false)

// A horizontal thick line as drawn: a filled band below its position.
bool hasThickH(const RecordingCanvas &c, const Setup &s, int x, int y, int right)
{
    for (const Item &i : c.items())
        if (i.kind == Kind::Rect && i.x1 == x && i.y1 == y && i.x2 == right
            && i.y2 == y + s.thick())
            return true;
    return false;
}

bool hasThickV(const RecordingCanvas &c, const Setup &s, int x, int y, int bottom)
{
    for (const Item &i : c.items())
        if (i.kind == Kind::Rect && i.x1 == x && i.y1 == y && i.x2 == x + s.thick()
            && i.y2 == bottom)
            return true;
    return false;
}

bool drawnAt(const RecordingCanvas &c, const QString &text, int x, int y)
{
    for (const Item &i : c.textItems(text))
        if (i.x1 == x && i.y1 == y)
            return true;
    return false;
}

bool hasLine(const RecordingCanvas &c, int x1, int y1, int x2, int y2)
{
    for (const Item &i : c.items())
        if (i.kind == Kind::Line && i.x1 == x1 && i.y1 == y1 && i.x2 == x2 && i.y2 == y2)
            return true;
    return false;
}

int widestName(const Model &m, const RecordingCanvas &c, const Setup &s)
{
    int w = 1;
    for (int r = 0; r < SubjectCount; ++r)
        w = std::max(w, c.extentAt(s.s2(), m.SubjectText[0][r]).width());
    return w;
}

} // namespace

class TestDrawForm : public QObject
{
    Q_OBJECT
private slots:
    void schoolYear_data();
    void schoolYear();
    void factorForDpi_data();
    void factorForDpi();

    void heading_data() { addSetups(); }
    void heading();
    void examinationBox_data() { addSetups(); }
    void examinationBox();
    void personalData_data() { addSetups(); }
    void personalData();
    void tableCells_data() { addSetups(); }
    void tableCells();
    void tableLines_data() { addSetups(); }
    void tableLines();
    void hoursAndBlockCount_data() { addSetups(); }
    void hoursAndBlockCount();
    void taskField_data() { addSetups(); }
    void taskField();
    void legend_data() { addSetups(); }
    void legend();
    void signaturesAndFooter_data() { addSetups(); }
    void signaturesAndFooter();
    void staysOnPage_data() { addSetups(); }
    void staysOnPage();
    void linesClippedAtPageEdge();
};

void TestDrawForm::schoolYear_data()
{
    QTest::addColumn<QString>("klasse");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("text");
    QTest::newRow("autumn, class 11") << "11 a" << QDate(2009, 10, 15) << "10-12";
    QTest::newRow("autumn, class 12") << "12" << QDate(2009, 10, 15) << "09-11";
    QTest::newRow("spring, class 11") << "11 d" << QDate(2010, 3, 1) << "10-12";
    QTest::newRow("end of August") << "11 b" << QDate(2010, 8, 31) << "10-12";
    QTest::newRow("1 September") << "11 b" << QDate(2010, 9, 1) << "11-13";
    QTest::newRow("class 10 typed") << "10" << QDate(2009, 10, 15) << "10-12";
    QTest::newRow("one-digit years") << "11 c" << QDate(2006, 2, 1) << "06-08";
    QTest::newRow("ZZ reaches ten") << "11 c" << QDate(2007, 9, 1) << "08-10";
    // A class that is no number counts as not above 11: no error.
    QTest::newRow("letters") << "K1" << QDate(2009, 10, 15) << "10-12";
    QTest::newRow("empty") << "" << QDate(2009, 10, 15) << "10-12";
    QTest::newRow("one digit and letter") << "9a" << QDate(2009, 10, 15) << "10-12";
}

void TestDrawForm::schoolYear()
{
    QFETCH(QString, klasse);
    QFETCH(QDate, today);
    QFETCH(QString, text);
    QCOMPARE(SchoolYearText(klasse, today), text);
}

void TestDrawForm::factorForDpi_data()
{
    QTest::addColumn<int>("dpi");
    QTest::addColumn<int>("factor");
    QTest::newRow("600") << 600 << 24;
    QTest::newRow("300") << 300 << 12;
    QTest::newRow("1200") << 1200 << 47;
    QTest::newRow("96") << 96 << 4;
    QTest::newRow("72") << 72 << 3;
}

void TestDrawForm::factorForDpi()
{
    QFETCH(int, dpi);
    QFETCH(int, factor);
    QCOMPARE(FactorForDpi(dpi), factor);
}

void TestDrawForm::heading()
{
    QFETCH(Setup, setup);
    const Setup &s = setup;
    const Model m = formModel();
    const RecordingCanvas c = drawn(s, m, QStringLiteral("Endwahl"));
    const int a1 = c.extentAt(s.s1(), QStringLiteral("A")).height();
    const int b2 = c.extentAt(s.s2(), QStringLiteral("B")).height();

    COMPARE_AT(only(c, m.SchoolName), s.px(18), 0, s.s1());
    COMPARE_AT(only(c, QStringLiteral("BELEGPLAN-WAHLBOGEN")), s.px(130), a1 - b2, s.s2());
    COMPARE_AT(only(c, QStringLiteral("Endwahl")), s.px(140), a1, s.s2());
    const QString year = QStringLiteral("10-12");
    const int yearX = s.printer ? s.pageWidth - 3 * c.extentAt(s.s2(), year).width() : s.px(200);
    COMPARE_AT(only(c, year), yearX, a1, s.s2());

    // No choice kind selected: nothing in its place.
    const RecordingCanvas none = drawn(s, m);
    for (const Item &i : none.items())
        QVERIFY(i.kind != Kind::Text || i.x1 != s.px(140) || i.y1 != a1);
}

void TestDrawForm::examinationBox()
{
    QFETCH(Setup, setup);
    const Setup &s = setup;
    const Model m = formModel();
    const RecordingCanvas c = drawn(s, m);

    COMPARE_AT(only(c, QStringLiteral("Prüfungsfächer")), s.px(19), s.px(15), s.s2());
    COMPARE_AT(only(c, QStringLiteral("s")), s.px(20), s.px(29.5), s.s2());
    COMPARE_AT(only(c, QStringLiteral("m")), s.px(20), s.px(45.4), s.s2());
    // The placeholder is skipped; the next subject moves up into its place.
    QVERIFY(c.textItems(QStringLiteral(" -----")).isEmpty());
    const QStringList shown = {QStringLiteral("   Deutsch"), QStringLiteral("   Mathematik"),
                               QStringLiteral("   Englisch"), QStringLiteral("   Physik"),
                               QStringLiteral("   Geschichte")};
    for (int j = 1; j <= 5; ++j)
        COMPARE_AT(only(c, shown.at(j - 1)), s.px(26), s.px(10 + 5.9 * (j + 1)), s.s2());
    QCOMPARE(s.px(10 + 5.9 * 6), s.px(45.4)); // the oral subject beside "m"

    QVERIFY(hasThickH(c, s, s.px(18), s.px(15), s.px(108)));
    QVERIFY(hasThickH(c, s, s.px(18), s.px(44) - 1, s.px(108)));
    QVERIFY(hasThickH(c, s, s.px(18), s.px(50) - 1, s.px(108)));
    QVERIFY(hasLine(c, s.px(25), s.px(15) + s.px(5.9 * 2), s.px(108), s.px(15) + s.px(5.9 * 2)));
    QVERIFY(hasThickV(c, s, s.px(108), s.px(15), s.px(15) + s.px(35.4)));
    QVERIFY(hasThickV(c, s, s.px(25), s.px(20), s.px(50)));
}

void TestDrawForm::personalData()
{
    QFETCH(Setup, setup);
    const Setup &s = setup;
    Model m = formModel();
    const RecordingCanvas c = drawn(s, m);
    const int box = s.small() ? 85 : 80;

    COMPARE_AT(only(c, QStringLiteral("Name, Vorname")), s.px(116), s.px(15), s.s2());
    COMPARE_AT(only(c, QStringLiteral("Stammklasse")), s.px(140), s.px(30), s.s2());
    COMPARE_AT(only(c, QStringLiteral("Unterricht in Klasse 11:")), s.px(163), s.px(40), s.s4());
    COMPARE_AT(only(c, QStringLiteral("Muster, Erika")), s.px(116), s.px(22), s.s3());
    COMPARE_AT(only(c, QStringLiteral("01.02.1993")), s.px(116), s.px(40), s.s3());
    COMPARE_AT(only(c, QStringLiteral("11 a")), s.px(144), s.px(40), s.s3());
    COMPARE_AT(only(c, QStringLiteral("ev")), s.px(184), s.px(33), s.s3());
    // "Ethik" is also a subject of the table.
    QVERIFY(drawnAt(c, QStringLiteral("Ethik"), s.px(168), s.px(45)));
    QVERIFY(!drawnAt(c, QStringLiteral("Religion"), s.px(168), s.px(45)));

    QVERIFY(hasThickH(c, s, s.px(115), s.px(30), s.px(115) + s.px(box)));
    QVERIFY(hasLine(c, s.px(162), s.px(40), s.px(162) + s.px(box - 47), s.px(40)));
    QVERIFY(hasThickV(c, s, s.px(115) + s.px(box), s.px(15), s.px(15) + s.px(35.4)));

    m.PersonalData.ReletU = 0;
    const RecordingCanvas religion = drawn(s, m);
    QVERIFY(drawnAt(religion, QStringLiteral("Religion"), s.px(168), s.px(45)));
    QVERIFY(!drawnAt(religion, QStringLiteral("Ethik"), s.px(168), s.px(45)));
}

void TestDrawForm::tableCells()
{
    QFETCH(Setup, setup);
    const Setup &s = setup;
    const Model m = formModel();
    const RecordingCanvas c = drawn(s, m);
    const int w = widestName(m, c, s);
    const int t = s.px(19);
    const auto y = [&](int r) { return s.y0() + s.px(6.0 * r); };
    const auto x = [&](int col) { return t + w + s.px(7.0 * col - 3.5); };

    COMPARE_AT(only(c, QStringLiteral("Fächer")), t, y(0), s.s2());
    for (int col = 1; col <= 7; ++col)
        QVERIFY(drawnAt(c, m.FaecherSgr.cell(col, 0), x(col), y(0)));
    COMPARE_AT(only(c, QStringLiteral("  Zahl")), x(8), y(0), s.s2());
    COMPARE_AT(only(c, QStringLiteral("Arbeitsgemeinschaften")), t, y(30), s.s2());
    COMPARE_AT(only(c, QStringLiteral("  2")), x(4), y(30), s.s2());
    COMPARE_AT(only(c, QStringLiteral("4*")), x(8), y(1), s.s2());

    // " ¤" never appears; marks and hours of allowed cells do.
    QVERIFY(c.textItems(QStringLiteral(" ¤")).isEmpty());
    QVERIFY(m.FaecherSgr.cell(2, 11) == QStringLiteral(" ¤"));
    QVERIFY(drawnAt(c, QStringLiteral(" s"), x(2), y(1)));
    QVERIFY(drawnAt(c, QStringLiteral(" K"), x(1), y(15)));
    int fours = 0;
    for (const Item &i : c.textItems(QStringLiteral(" 4")))
        fours += i.y1 == y(15) && i.x1 >= x(4) && i.x1 <= x(7);
    QCOMPARE(fours, 4); // Mathematik in all four half-years
}

void TestDrawForm::tableLines()
{
    QFETCH(Setup, setup);
    const Setup &s = setup;
    const Model m = formModel();
    const RecordingCanvas c = drawn(s, m);
    const int w = widestName(m, c, s);
    const int l = s.px(18);
    const int right = l + s.px(w / s.u + 66);
    const auto lineY = [&](int r) { return s.y0() + s.px(6.0 * r) - s.px(1); };
    const int n = SubjectCount;

    // Thick: the frame, the header, and each change of subject group.
    for (int r : {0, 1, n, n + 1})
        QVERIFY2(hasThickH(c, s, l, lineY(r), right), qPrintable(QString::number(r)));
    for (int r = 2; r <= n - 3; ++r) {
        const bool groupChange = m.SubjectText[2][r] != m.SubjectText[2][r - 1];
        QCOMPARE(hasThickH(c, s, l, lineY(r), right), groupChange);
        QCOMPARE(hasLine(c, l, lineY(r), right, lineY(r)), !groupChange);
    }
    QVERIFY(hasLine(c, l, lineY(n - 1), right, lineY(n - 1)));

    const int top = s.y0() - s.px(1);
    const int full = top + s.px(6.0 * (n + 1));
    QVERIFY(hasThickV(c, s, l, top, full));
    QVERIFY(hasThickV(c, s, l + w + s.px(2), top, top + s.px(6.0 * n)));     // K
    QVERIFY(hasLine(c, l + w + s.px(9), top, l + w + s.px(9), top + s.px(6.0 * n))); // s
    QVERIFY(hasThickV(c, s, l + w + s.px(23), top, full));                     // half-year 1
    QVERIFY(hasLine(c, l + w + s.px(30), top, l + w + s.px(30), full));         // half-year 2
    QVERIFY(hasThickV(c, s, l + w + s.px(51), top, full));                     // "Zahl"
    QVERIFY(hasThickV(c, s, l + w + s.px(65), top, full));
}

void TestDrawForm::hoursAndBlockCount()
{
    QFETCH(Setup, setup);
    const Setup &s = setup;
    const Model m = formModel();
    const RecordingCanvas c = drawn(s, m);
    const int w = widestName(m, c, s);
    const int l = s.px(18);
    const int t = s.px(19);
    const int y1 = s.y0() + s.px(6.0 * (SubjectCount + 1));

    COMPARE_AT(only(c, QStringLiteral("     Summe der Wochenstunden")), t, y1 + s.px(1), s.s2());
    for (int k = 1; k <= 4; ++k)
        QVERIFY(drawnAt(c, m.WostSgr.cell(k, 0), t + w + s.px(7.0 * (k + 2) + 2), y1 + s.px(1)));
    COMPARE_AT(only(c, m.KurszSgr.cell(0, 0)), t + s.px(5), y1 + s.px(8), s.s2());
    COMPARE_AT(only(c, QStringLiteral("42 (26*)")), t + w + s.px(51) + 3, y1 + s.px(8), s.s2());

    QVERIFY(hasThickH(c, s, l, y1, l + s.px(w / s.u + 3.1 + 49)));
    QVERIFY(hasThickH(c, s, l, y1 + s.px(13), l + s.px(w / s.u + 3.2 + 63)));
    QVERIFY(hasThickV(c, s, l + w + s.px(51), y1 - s.px(1), y1 - s.px(1) + s.px(14)));
    QVERIFY(hasLine(c, l + w + s.px(37), y1, l + w + s.px(37), y1 + s.px(6)));
}

void TestDrawForm::taskField()
{
    QFETCH(Setup, setup);
    const Setup &s = setup;
    const auto diagonals = [](const RecordingCanvas &c) {
        int count = 0;
        for (const Item &i : c.items())
            count += i.kind == Kind::Line && i.x1 != i.x2 && i.y1 != i.y2;
        return count;
    };

    const Model without = formModel(false);
    const RecordingCanvas none = drawn(s, without);
    QVERIFY(none.textItems(QStringLiteral("Aufgabenfeld:")).isEmpty());
    QVERIFY(none.textItems(QStringLiteral("mathematisch-naturwissenschaftlich")).isEmpty());
    QCOMPARE(diagonals(none), 0);

    Model m = formModel(true);
    const RecordingCanvas c = drawn(s, m);
    const int w = widestName(m, c, s);
    const int x = s.px(18) + w + s.px(91);
    const int captionY = s.y0() + s.px((m.BLLRow - 0.25) * 6);
    const int fieldY = s.y0() + s.px((m.BLLRow + 0.45) * 6);
    COMPARE_AT(only(c, QStringLiteral("Aufgabenfeld:")), x, captionY, s.s2());
    COMPARE_AT(only(c, QStringLiteral("mathematisch-naturwissenschaftlich")), x, fieldY, s.s2());
    QCOMPARE(diagonals(c), 10);
    const int tipX = s.px(18) + w + s.px(86);
    QVERIFY(hasLine(c, x - 3, captionY + 2, tipX, fieldY));
    QVERIFY(hasLine(c, x - 3, s.y0() + s.px((m.BLLRow + 1.2) * 6) - 10, tipX, fieldY));

    m.BLLField = 0;
    QCOMPARE(drawn(s, m).textItems(QStringLiteral("... noch nicht festgelegt")).size(), 1);
}

void TestDrawForm::legend()
{
    QFETCH(Setup, setup);
    const Setup &s = setup;
    const Model m = formModel();
    const RecordingCanvas c = drawn(s, m);
    const int w = widestName(m, c, s);
    const int xl = s.px(18) + w + s.px(70);
    const int yl = s.px(200);
    const int b2 = c.extentAt(s.s2(), QStringLiteral("B")).height();
    const int a = c.extentAt(s.s4(), QStringLiteral("A")).height();
    const int tilde = c.extentAt(s.s2(), QStringLiteral("~")).width();
    const int y2 = yl + static_cast<int>(2.5 * b2);

    COMPARE_AT(only(c, QStringLiteral("Zeichenerklärung:")), xl, yl + b2, s.s2());
    COMPARE_AT(only(c, QStringLiteral("Im Block I der Gesamtqualifikation sind")), xl, y2, s.s2());
    COMPARE_AT(only(c, QStringLiteral("°")), xl, y2 + 3 * a, s.s2());
    COMPARE_AT(only(c, QStringLiteral(" ... anrechnungspflichtige Kurse")), xl + tilde,
               y2 + static_cast<int>(1.5 * a), s.s4());
    COMPARE_AT(only(c, QStringLiteral("4(2*) von den vier möglichen Kursen zwei ...")), xl,
               y2 + static_cast<int>(8.5 * a), s.s4());
    // The printer has shorter texts of its own.
    const QString science =
        s.printer ? QStringLiteral(" ...  die Kurse aus zwei (versch.) Naturwissenschaften  ...")
                  : QStringLiteral(
                        " ...  die Kurse aus zwei (verschiedenen) Naturwissenschaften  ...");
    COMPARE_AT(only(c, science), xl + tilde, y2 + static_cast<int>(5.5 * a), s.s4());
    const QString one =
        s.printer ? QStringLiteral(" ... die Kurse aus einer der beiden Naturwissenschaften ...")
                  : QStringLiteral("... die Kurse aus einer der beiden Naturwissenschaften ...");
    COMPARE_AT(only(c, one), xl + tilde, y2 + 7 * a, s.s4());
    const QString last = s.printer ? QStringLiteral("        ... anrechnungspflichtig")
                                   : QStringLiteral("...anrechnungspflichtig");
    COMPARE_AT(only(c, last), xl, y2 + 10 * a, s.s2());
}

void TestDrawForm::signaturesAndFooter()
{
    QFETCH(Setup, setup);
    const Setup &s = setup;
    const Model m = formModel();
    const RecordingCanvas c = drawn(s, m);
    const int ys = s.y0() + s.px(6.0 * (SubjectCount + 3)) + s.px(2);

    COMPARE_AT(only(c, QStringLiteral("Unterschriften:")), s.px(19), ys, s.s2());
    COMPARE_AT(only(c, QStringLiteral("15.10.2009")), s.px(19), ys + s.px(6), s.s3());
    QVERIFY(hasThickH(c, s, s.px(42), ys + s.px(12), s.px(87)));
    QVERIFY(hasThickH(c, s, s.px(90), ys + s.px(12), s.px(135)));
    COMPARE_AT(only(c, QStringLiteral("Schüler(in)")), s.px(43), ys + s.px(12.5), s.s4());
    COMPARE_AT(only(c, QStringLiteral("ggf. Erziehungsberechtigte(r)")), s.px(91),
               ys + s.px(12.5), s.s4());

    const QSize footer = c.extentAt(s.s5(), QStringLiteral("TAMBERON 6.0"));
    COMPARE_AT(only(c, QStringLiteral("TAMBERON 6.0")), s.px(210) - 2 * footer.width(),
               s.px(297) - 5 * footer.height(), s.s5());
}

void TestDrawForm::staysOnPage()
{
    QFETCH(Setup, setup);
    const Setup &s = setup;
    const RecordingCanvas c = drawn(s, formModel());
    for (const Item &i : c.items()) {
        QVERIFY(i.x1 >= 0 && i.y1 >= 0 && i.x2 >= 0 && i.y2 >= 0);
        const QSize extent = c.extentAt(i.fontSize, i.text);
        const int right = i.kind == Kind::Text ? i.x1 + extent.width() : i.x2;
        const int bottom = i.kind == Kind::Text ? i.y1 + extent.height() : i.y2;
        QVERIFY2(right <= s.pageWidth && bottom <= s.pageHeight, qPrintable(i.text));
    }
}

void TestDrawForm::linesClippedAtPageEdge()
{
    // A narrow printer page: lines stop at its edges.
    const Model m = formModel();
    RecordingCanvas c(600.0 / 72);
    FormPage page = FormPage::printer(600, 2000, 3000);
    page.today = Today;
    DrawForm(c, m, 24, m.GridRows, m.PersonalData, page);
    int clippedH = 0;
    int clippedV = 0;
    for (const Item &i : c.items()) {
        const bool horizontal = (i.kind == Kind::Line && i.y1 == i.y2)
                                || (i.kind == Kind::Rect && i.y2 - i.y1 == 8);
        const bool vertical = (i.kind == Kind::Line && i.x1 == i.x2)
                              || (i.kind == Kind::Rect && i.x2 - i.x1 == 8);
        if (horizontal) {
            QVERIFY(i.x2 <= 2000);
            clippedH += i.x2 == 2000;
        }
        if (vertical) {
            QVERIFY(i.y2 <= 3000);
            clippedV += i.y2 == 3000;
        }
    }
    QVERIFY(clippedH > 0);
    QVERIFY(clippedV > 0);
}

QTEST_GUILESS_MAIN(TestDrawForm)
#include "tst_drawform.moc"
