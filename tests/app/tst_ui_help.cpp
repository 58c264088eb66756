#include "StartedWindow.h"

#include "app/HelpWindow.h"
#include "app/TTambFrm.h"
#include "widgets/GridView.h"
#include "app/helpshots/ExamplePupil.h"
#include "grades/Grades.h"
#include "model/MainWindowLogic.h"
#include "model/Settings.h"
#include "rules/BLLDialog.h"
#include "rules/BlockIPreview.h"
#include "rules/ChoiceCheck.h"
#include "rules/Explanations.h"

#include <QDir>
#include <QFile>
#include <QHelpEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTreeWidget>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

using namespace tamb;

static void initHelpResource()
{
    Q_INIT_RESOURCE(help);
}

namespace {

QString source(const QString &page)
{
    QFile file(QStringLiteral(":/help/") + page);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Texts compared as a reader sees them: line breaks, tabs and runs of blanks
// are one blank.
QString normalised(QString text)
{
    for (QChar c : {QChar(u'\r'), QChar(u'\n'), QChar(u'\t'), QChar(0x2028), QChar(0x2029), QChar(0xa0)})
        text.replace(c, u' ');
    return text.simplified();
}

QString pageText(const QString &page)
{
    QTextDocument doc;
    doc.setHtml(source(page));
    return normalised(doc.toPlainText());
}

QStringList anchorsOf(const QString &page)
{
    QTextDocument doc;
    doc.setHtml(source(page));
    QStringList names;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        names << b.blockFormat().property(QTextFormat::AnchorName).toStringList();
        for (auto it = b.begin(); !it.atEnd(); ++it)
            names << it.fragment().charFormat().anchorNames();
    }
    return names;
}

QString helpPageOf(const QString &text)
{
    const QString wanted = normalised(text);
    for (const QString &page : HelpWindow::pages())
        if (pageText(page).contains(wanted))
            return page;
    return QString();
}

struct Cell
{
    int col;
    int row;
};

// What the message area says after the clicks, line by line.
QStringList messagesAfter(std::initializer_list<Cell> cells)
{
    Model m = test::startedModel();
    ScriptedInteraction ui;
    for (const Cell &c : cells)
        test::click(m, ui, c.col, c.row);
    return MessageLines(m.view.messages);
}

QString hintAfter(std::initializer_list<Cell> cells)
{
    Model m = test::startedModel();
    ScriptedInteraction ui;
    for (const Cell &c : cells)
        test::click(m, ui, c.col, c.row);
    return m.view.hintShown ? m.view.hint : QString();
}

struct Example
{
    Model m;
    GradesView g;
    Example()
    {
        m = test::startedModel();
        ScriptedInteraction ui;
        ClickExampleChoice(m, ui);
        EnterExampleGrades(m);
        RefreshGrades(m, g, SubjectCount);
    }
};

// Started with the settings' own school name.
struct Started : test::StartedWindow
{
    Started() : StartedWindow(false) {}
};

} // namespace

class TestHelp : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { initHelpResource(); }
    void shownTextsAreExplained_data();
    void shownTextsAreExplained();
    void linksAndPicturesResolve_data();
    void linksAndPicturesResolve();
    void contextsOpenPages_data();
    void contextsOpenPages();
    void workedExampleIsComputed();
    void averageGradeTable();
    void messageAreaAndHintOpenExplanations_data();
    void messageAreaAndHintOpenExplanations();
    void messageAreaSweep();
    void searchFindsEveryPage();
};

// Every text the message area, a refusal hint or the grades window can show
// stands on a help page as the program shows it; messages and hints have
// their own explanation on the page of messages.
void TestHelp::shownTextsAreExplained_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("anchor");
    QTest::addColumn<bool>("explained"); // has an explanation of its own
    for (int bit = FaultCoreCount; bit <= FaultSport; bit <<= 1)
        QTest::addRow("fault %d", bit) << FaultMessage(bit) << MessageExplanation(FaultMessage(bit)) << true;
    for (const QString &line : {HoursFaultText, NoFaultText, ShortfallText(2)})
        QTest::addRow("%s", qPrintable(line.left(30))) << line << MessageExplanation(line) << true;
    // The numbered lines, as the check writes them.
    const QStringList counted = messagesAfter({}) + messagesAfter({{1, 2}});
    for (const QString &line : counted)
        if (line.startsWith(QStringLiteral("Es fehlen noch")))
            QTest::addRow("%s", qPrintable(line)) << line << MessageExplanation(line) << true;

    const struct
    {
        const char *name;
        std::initializer_list<Cell> clicks;
    } refusals[] = {
        {"not core", {{2, 16}}},
        {"must be written", {{2, 1}}},
        {"four written", {{1, 2}, {1, 16}, {2, 2}, {2, 16}, {1, 3}, {2, 3}}},
        {"five core", {{1, 2}, {1, 16}, {1, 3}, {1, 1}}},
        {"no social exam", {{3, 16}}},
        {"other oral", {{3, 8}, {3, 16}}},
    };
    for (const auto &r : refusals) {
        const QString hint = hintAfter(r.clicks);
        QTest::addRow("hint %s", r.name) << hint << HintExplanation(hint) << true;
    }

    QTest::addRow("legend") << LegendText << QString() << false;
    Model m = test::startedModel();
    BLLDialogState s;
    ArtRGrClick(m, s, 0);
    QTest::addRow("task field open") << m.view.afSemKCaption << QString() << false;
    for (int field = 0; field < 3; ++field) {
        AufgabenfeldRgrClick(m, s, field);
        QTest::addRow("task field %d", field) << m.view.afSemKCaption << QString() << false;
    }

    GradesView g;
    for (quint16 bit = 1; bit; bit <<= 1) {
        if (!(bit & 0x0F0F))
            continue;
        g.AdmissionFlags = bit;
        ShowNonAdmission(g);
        QTest::addRow("admission %x caption", bit) << g.NzulGBx.text << QString() << false;
        for (const QString &line : g.NzulLbl.text.split(QStringLiteral("\r\n")))
            QTest::addRow("admission %x: %s", bit, qPrintable(line)) << line << QString() << false;
    }
    g.PSAbiblockPl.text = QStringLiteral("96");
    ShowTotal(g, 2);
    for (const QString &line : g.GPZLbl.text.split(QStringLiteral("\r\n")))
        QTest::addRow("failed: %s", qPrintable(line)) << line << QString() << false;
    QTest::addRow("rounded") << BlockICaption(41) << QString() << false;
    Example example;
    QTest::addRow("block II") << example.g.AbiblockLbl.text << QString() << false;
    QTest::addRow("under 5") << example.g.Unter5ebLbl.text << QString() << false;
}

void TestHelp::shownTextsAreExplained()
{
    QFETCH(QString, text);
    QFETCH(QString, anchor);
    QFETCH(bool, explained);
    QVERIFY(!text.trimmed().isEmpty());
    QVERIFY2(!helpPageOf(text).isEmpty(), qPrintable(normalised(text)));
    if (explained) {
        QVERIFY2(!anchor.isEmpty(), qPrintable(text));
        QVERIFY2(anchorsOf(MessagesPage).contains(anchor), qPrintable(anchor));
        QVERIFY(pageText(MessagesPage).contains(normalised(text)));
    }
}

// Every page's links lead to a page and anchor that exist, every picture
// loads and says in German what it shows; the contents list every page.
void TestHelp::linksAndPicturesResolve_data()
{
    QTest::addColumn<QString>("page");
    QStringList inResources = QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")});
    QStringList listed = HelpWindow::pages();
    inResources.sort();
    listed.sort();
    QCOMPARE(listed, inResources);
    for (const QString &page : HelpWindow::pages())
        QTest::newRow(qPrintable(page)) << page;
}

void TestHelp::linksAndPicturesResolve()
{
    QFETCH(QString, page);
    const QString html = source(page);
    static const QRegularExpression link(QStringLiteral("href=\"([^\"]*)\""));
    for (auto it = link.globalMatch(html); it.hasNext();) {
        const QUrl url(it.next().captured(1));
        const QString target = url.path().isEmpty() ? page : url.path();
        QVERIFY2(QFile::exists(QStringLiteral(":/help/") + target), qPrintable(target));
        if (url.hasFragment())
            QVERIFY2(anchorsOf(target).contains(url.fragment()), qPrintable(url.toString()));
    }
    static const QRegularExpression image(QStringLiteral("<img ([^>]*)>"));
    static const QRegularExpression src(QStringLiteral("src=\"([^\"]+)\""));
    static const QRegularExpression alt(QStringLiteral("alt=\"([^\"]{20,})\""));
    for (auto it = image.globalMatch(html); it.hasNext();) {
        const QString attributes = it.next().captured(1);
        const QString file = src.match(attributes).captured(1);
        QVERIFY2(!QImage(QStringLiteral(":/help/") + file).isNull(), qPrintable(file));
        QVERIFY2(alt.match(attributes).hasMatch(), qPrintable(file));
    }
    QVERIFY(html.contains(QStringLiteral("<h1>")));
}

// F1 opens a page for every help context of the windows, at its section.
void TestHelp::contextsOpenPages_data()
{
    QTest::addColumn<int>("context");
    for (int context : {0, 10, 100, 220, 300, 320, 330, 340, 350, SettingsHelpContext, 600})
        QTest::addRow("%d", context) << context;
}

void TestHelp::contextsOpenPages()
{
    QFETCH(int, context);
    const QUrl url(HelpWindow::pageFor(context));
    const QString page = url.path().mid(QStringLiteral("/help/").size());
    QVERIFY2(HelpWindow::pages().contains(page), qPrintable(url.toString()));
    QCOMPARE(page == QStringLiteral("index.html"), context == 0);
    if (url.hasFragment())
        QVERIFY2(anchorsOf(page).contains(url.fragment()), qPrintable(url.toString()));
    HelpWindow::showTopic(context);
    QVERIFY(HelpWindow::current());
    QCOMPARE(HelpWindow::current()->browser()->source(), url);
    QVERIFY(!HelpWindow::current()->browser()->toPlainText().isEmpty());
}

// The worked example quotes what the program computes for its pupil.
void TestHelp::workedExampleIsComputed()
{
    Example e;
    const QString text = pageText(QStringLiteral("blocki.html"));
    auto shows = [&text](const QString &phrase) {
        if (!text.contains(normalised(phrase)))
            qWarning("missing: %s", qPrintable(phrase));
        return text.contains(normalised(phrase));
    };
    QVERIFY(shows(e.m.KurszSgr.cell(1, 0)));
    QVERIFY(shows(e.g.ErsterBlockLbl.text));
    QVERIFY(shows(QStringLiteral("Block I: %1 Punkte").arg(e.g.PSersterBlockPl.text)));
    QVERIFY(shows(QStringLiteral("Block II: %1 Punkte").arg(e.g.PSAbiblockPl.text)));
    QVERIFY(shows(QStringLiteral("Gesamtpunktzahl: %1 + %2 = %3 Punkte")
                      .arg(e.g.PSersterBlockPl.text, e.g.PSAbiblockPl.text, e.g.GPZPl.text)));
    QVERIFY(shows(QStringLiteral("Durchschnittsnote: ") + e.g.DSNotePl.text));

    // Compulsory courses, further counted ones and those left out.
    int compulsory = 0;
    int compulsorySum = 0;
    for (int r = 1; r < SubjectCount; ++r) {
        QStringList counted, left;
        for (int h = 1; h <= 4; ++h) {
            const quint8 b = e.m.Grades[h][r];
            if (!b || !e.m.Choice[h + 3][r])
                continue;
            if (b & Compulsory) {
                ++compulsory;
                compulsorySum += points(b);
            } else {
                (b & Counted ? counted : left) << QString::number(points(b));
            }
        }
        for (const QStringList &list : {counted, left})
            if (!list.isEmpty())
                QVERIFY(shows(e.m.name(r) + QStringLiteral(" (") + list.join(QStringLiteral(", "))
                              + QStringLiteral(" Punkte)")));
    }
    QVERIFY(shows(QStringLiteral("Die %1 Pflichtkurse bringen %2 Punkte").arg(compulsory).arg(compulsorySum)));

    // Each examination component with its formula.
    for (int exam = 1; exam <= 5; ++exam) {
        const int w = points(e.m.Grades[1][examColumn(SubjectCount, exam)]);
        const int o = points(e.m.Grades[2][examColumn(SubjectCount, exam)]);
        const QString total = e.g.NPfaecherSgr.cell(3, exam).trimmed();
        const QString formula = exam == 5 ? QStringLiteral("4 × %1").arg(o)
                                : o       ? QStringLiteral("(2 × %1 + %2) × 4 / 3").arg(w).arg(o)
                                          : QStringLiteral("4 × %1").arg(w);
        QVERIFY(shows(formula + QStringLiteral(" = ") + total));
    }
}

// Every row of the table of average grades holds for each of its totals.
void TestHelp::averageGradeTable()
{
    static const QRegularExpression row(
        QStringLiteral("<tr><td>(\\d+)(?: bis (\\d+))?</td><td>(\\d,\\d)</td></tr>"));
    QSet<int> covered;
    for (auto it = row.globalMatch(source(QStringLiteral("blocki.html"))); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const int low = m.captured(1).toInt();
        const int high = m.captured(2).isEmpty() ? low : m.captured(2).toInt();
        for (int total = low; total <= high; ++total) {
            QCOMPARE(AverageGradeText(AverageGradeTenths(total)), m.captured(3));
            covered.insert(total);
        }
    }
    QCOMPARE(covered.size(), 601);
    QVERIFY(covered.contains(300) && covered.contains(900));
}

// A click on the message area opens the explanation of its first message;
// F1 over the course table after a refusal opens that of the hint.
void TestHelp::messageAreaAndHintOpenExplanations_data()
{
    QTest::addColumn<QList<int>>("clicks"); // col, row pairs
    QTest::addColumn<bool>("onTable");
    QTest::addColumn<QString>("anchor");
    QTest::newRow("start") << QList<int>{} << false << QStringLiteral("fehlt-kernfach");
    QTest::newRow("complete") << QList<int>{1, 2, 1, 3, 1, 16, 2, 2, 2, 16, 0, 12, 0, 6, 0, 17, 3, 8, 0, 28}
                              << false << QStringLiteral("keine-fehler");
    QTest::newRow("refused oral") << QList<int>{3, 8, 3, 16} << true
                                  << QStringLiteral("hinweis-schon-muendlich");
}

void TestHelp::messageAreaAndHintOpenExplanations()
{
    QFETCH(QList<int>, clicks);
    QFETCH(bool, onTable);
    QFETCH(QString, anchor);
    Started s;
    for (int i = 0; i + 1 < clicks.size(); i += 2)
        s.window->clickCourseTable(clicks[i], clicks[i + 1]);
    if (onTable) {
        QWidget *table = s.window->faecherSgr();
        QHelpEvent help(QEvent::WhatsThis, QPoint(5, 5), table->mapToGlobal(QPoint(5, 5)));
        help.ignore();
        QApplication::sendEvent(table, &help);
        QVERIFY(help.isAccepted());
    } else {
        auto *label = s.window->findChild<QLabel *>(QStringLiteral("Label1"));
        QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(10, 8));
    }
    QVERIFY(HelpWindow::current());
    QCOMPARE(HelpWindow::current()->browser()->source(),
             QUrl(QStringLiteral("qrc:/help/meldungen.html#") + anchor));
    HelpWindow::current()->close();
    QTRY_VERIFY(!HelpWindow::current());
}

// Moving down the message area meets every message once, in its order.
void TestHelp::messageAreaSweep()
{
    Started s;
    auto *label = s.window->findChild<QLabel *>(QStringLiteral("Label1"));
    const QString messages = s.window->model().view.messages;
    QStringList expected;
    for (const QString &line : MessageLines(messages))
        expected << MessagesPage + u'#' + MessageExplanation(line);
    QCOMPARE(expected.size(), 9);
    QStringList met;
    for (int y = 0; y < label->height(); ++y) {
        const QString page = HelpWindow::messageExplanationAt(label, messages, QPoint(20, y));
        if (!page.isEmpty() && (met.isEmpty() || met.last() != page))
            met << page;
    }
    QCOMPARE(met, expected);
}

// The search finds every page by its own title words, and nothing for a
// word that no page holds; the contents tree lists every page.
void TestHelp::searchFindsEveryPage()
{
    HelpWindow::showContents();
    HelpWindow *help = HelpWindow::current();
    QCOMPARE(help->contentsTree()->topLevelItemCount(), int(HelpWindow::pages().size()));
    for (const QString &page : HelpWindow::pages()) {
        static const QRegularExpression title(QStringLiteral("<h1>(.*)</h1>"));
        const QString words = normalised(title.match(source(page)).captured(1));
        QVERIFY2(HelpWindow::search(words).contains(page), qPrintable(words));
    }
    QVERIFY(HelpWindow::search(QStringLiteral("Xylophonquartett")).isEmpty());
    help->searchField()->setText(QStringLiteral("Attest"));
    QVERIFY(help->searchResults()->count() > 0);
    help->close();
}

QTEST_MAIN(TestHelp)
#include "tst_ui_help.moc"
