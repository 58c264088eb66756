#include "TestSupport.h"

#include "app/TTambFrm.h"
#include "print/ui/PrintJob.h"
#include "print/ui/TDruckFrm.h"
#include "print/ui/TPersDatenFrm.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>

using namespace tamb;

namespace {

Model printableModel()
{
    Model m = test::startedModel();
    m.SchoolName = QStringLiteral("Gymnasium am Rhein");
    m.PersonalData = {QStringLiteral("Muster, Erika"), QStringLiteral("01.02.1993"),
                      QStringLiteral("11 a"), QStringLiteral("ev"), 0};
    return m;
}

QByteArray printedPdf(const QString &path, bool *ok)
{
    const Model m = printableModel();
    QPrinter printer(QPrinter::HighResolution);
    PrepareFormPrinter(printer);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    *ok = PrintForm(printer, m, m.GridRows, m.PersonalData, QStringLiteral("Vorwahl (Basiswahl)"),
                    QDate(2009, 10, 15));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// Runs `action` on the next modal window once `call` has opened it.
template<typename Window>
void whenModal(std::function<void(Window *)> action)
{
    QTimer::singleShot(0, [action] {
        auto *window = qobject_cast<Window *>(QApplication::activeModalWidget());
        QVERIFY2(window, "expected modal window is not open");
        action(window);
    });
}

} // namespace

class TestUiPrint : public QObject
{
    Q_OBJECT
private slots:
    void pdfHasOneA4Page();
    void formLiesInsideThePrintableArea_data();
    void formLiesInsideThePrintableArea();
    void unwritablePdfIsReported();
    void previewToggles();
    void previewShownAgainStartsLarge();
    void previewToolBar();
    void printMenuPreview();
    void printerSetupCancelled();
};

void TestUiPrint::pdfHasOneA4Page()
{
    QTemporaryDir dir;
    bool ok = false;
    const QByteArray pdf = printedPdf(dir.filePath(QStringLiteral("form.pdf")), &ok);
    QVERIFY(ok);
    QVERIFY(pdf.startsWith("%PDF"));
    // "/Type /Page" but not "/Type /Pages".
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![s\\w])"));
    QCOMPARE(QString::fromLatin1(pdf).count(page), 1);
    static const QRegularExpression box(
        QStringLiteral("/MediaBox\\s*\\[\\s*0\\s+0\\s+([\\d.]+)\\s+([\\d.]+)\\s*\\]"));
    const QRegularExpressionMatch media = box.match(QString::fromLatin1(pdf));
    QVERIFY(media.hasMatch());
    QCOMPARE(qRound(media.captured(1).toDouble()), 595); // 210 mm in points
    QCOMPARE(qRound(media.captured(2).toDouble()), 842); // 297 mm
}

void TestUiPrint::formLiesInsideThePrintableArea_data()
{
    QTest::addColumn<int>("dpiX");
    QTest::addColumn<int>("dpiY");
    QTest::addColumn<QMarginsF>("minimum");
    QTest::newRow("PDF") << 1200 << 1200 << QMarginsF();
    QTest::newRow("laser printer") << 600 << 600 << QMarginsF(4.2, 4.2, 4.2, 4.2);
    QTest::newRow("ink-jet, wide bottom") << 300 << 600 << QMarginsF(3.4, 3.0, 3.4, 12.7);
    QTest::newRow("wide margins") << 360 << 360 << QMarginsF(10, 15, 10, 15);
}

void TestUiPrint::formLiesInsideThePrintableArea()
{
    QFETCH(int, dpiX);
    QFETCH(int, dpiY);
    QFETCH(QMarginsF, minimum);
    const QSize paper(qRound(210 / 25.4 * dpiX), qRound(297 / 25.4 * dpiY));
    const QTransform t = FormTransform(paper, dpiX, dpiY, minimum);
    // Evenly, never enlarged.
    QCOMPARE(t.m11(), t.m22());
    QVERIFY(t.m11() <= 1.0);
    QVERIFY(!t.isRotating());
    const QRectF page = t.mapRect(QRectF(QPointF(), QSizeF(paper)));
    const auto edge = [](double mm, int dpi) { return qMax(5.0, mm) * dpi / 25.4 - 0.5; };
    QVERIFY(page.left() >= edge(minimum.left(), dpiX));
    QVERIFY(page.top() >= edge(minimum.top(), dpiY));
    QVERIFY(paper.width() - page.right() >= edge(minimum.right(), dpiX));
    QVERIFY(paper.height() - page.bottom() >= edge(minimum.bottom(), dpiY));
    // No smaller than the room allows: it touches two opposite edges.
    const bool fillsWidth = qAbs(page.left() - edge(minimum.left(), dpiX)) < 1.5;
    const bool fillsHeight = qAbs(page.top() - edge(minimum.top(), dpiY)) < 1.5;
    QVERIFY(fillsWidth || fillsHeight);
}

void TestUiPrint::unwritablePdfIsReported()
{
    QTemporaryDir dir;
    bool ok = true;
    QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    printedPdf(dir.filePath(QStringLiteral("missing/folder/form.pdf")), &ok);
    QVERIFY(!ok);
}

void TestUiPrint::previewToggles()
{
    const Model m = printableModel();
    TDruckFrm preview(m);
    preview.setToday(QDate(2009, 10, 15));
    preview.show();
    QVERIFY(QTest::qWaitForWindowExposed(&preview));
    QCOMPARE(preview.windowTitle(), QStringLiteral("Druckvorschau"));
    QCOMPARE(preview.PreviewFactor(), 4);
    QCOMPARE(preview.seite()->image().size(), QSize(840, 1188));
    QCOMPARE(preview.seite()->size(), QSize(840, 1188));
    QCOMPARE(preview.seite()->pos(), QPoint(8, 8));
    const QImage first = preview.seite()->image();

    QTest::mouseClick(preview.seite(), Qt::LeftButton, {}, QPoint(100, 100));
    QCOMPARE(preview.PreviewFactor(), 3);
    QCOMPARE(preview.seite()->image().size(), QSize(630, 891));
    QCOMPARE(preview.seite()->size(), QSize(630, 891));
    // The small page is the page, not the large one cut off.
    const QImage small = preview.seite()->image();
    QVERIFY(small.pixelColor(629, 890) == QColor(Qt::white));

    QTest::mouseClick(preview.seite(), Qt::LeftButton, {}, QPoint(100, 100));
    QCOMPARE(preview.PreviewFactor(), 4);
    QCOMPARE(preview.seite()->image(), first); // nothing of the small page remains
}

void TestUiPrint::previewShownAgainStartsLarge()
{
    const Model m = printableModel();
    TDruckFrm preview(m);
    preview.show();
    QVERIFY(QTest::qWaitForWindowExposed(&preview));
    preview.SeiteClick();
    QCOMPARE(preview.PreviewFactor(), 3);
    preview.hide();
    preview.show();
    QCOMPARE(preview.PreviewFactor(), 4);
    QCOMPARE(preview.seite()->image().size(), QSize(840, 1188));
}

void TestUiPrint::previewToolBar()
{
    QTemporaryDir dir;
    const Model m = printableModel();
    ScriptedInteraction ui;
    TDruckFrm preview(m);
    preview.setInteraction(&ui);
    preview.show();
    auto run = [&preview](const char *name) {
        auto *action = preview.findChild<QAction *>(QString::fromLatin1(name));
        QVERIFY2(action && action->isVisible(), name);
        action->trigger();
    };
    run("VorschauGroesser");
    QCOMPARE(preview.PreviewFactor(), 5);
    run("Originalgroesse");
    QCOMPARE(preview.seite()->image().size(), QSize(794, 1123)); // A4 at 96 dpi
    run("GanzeSeite");
    const QSize room = preview.seite()->parentWidget()->parentWidget()->size();
    QVERIFY(preview.seite()->width() + 16 <= room.width() + 1 && preview.seite()->height() + 16 <= room.height() + 1);

    // The PDF is written at once; the line under the page says where.
    const QString pdf = dir.filePath(QStringLiteral("Formular.pdf"));
    ui.saveNames = {dir.filePath(QStringLiteral("Formular")), dir.filePath(QStringLiteral("fehlt/x.pdf"))};
    run("AlsPdfSpeichern");
    QVERIFY(ui.saveProposals.constFirst().endsWith(QStringLiteral(".pdf")));
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(5) == "%PDF-");
    QVERIFY(preview.savedLine()->isVisible());
    QCOMPARE(preview.savedLine()->text(), QStringLiteral("Gespeichert: ") + QDir::toNativeSeparators(pdf));
    run("AlsPdfSpeichern");
    QCOMPARE(ui.boxes.size(), 1);
    QVERIFY(ui.boxes[0].text.startsWith(QStringLiteral("Datei ") + QDir::toNativeSeparators(dir.filePath(QStringLiteral("fehlt/x.pdf")))));
    QVERIFY(!preview.savedLine()->isVisible());
}

void TestUiPrint::printMenuPreview()
{
    QTemporaryDir dir;
    ScriptedInteraction ui;
    StartOptions options;
    options.ui = &ui;
    options.screen = {1280, 1024};
    options.workingDirectory = dir.path();
    TTambFrm main(options);
    main.model().PersonalData = printableModel().PersonalData;

    bool previewSeen = false;
    whenModal<TPersDatenFrm>([&previewSeen](TPersDatenFrm *dialog) {
        dialog->findChild<QRadioButton *>(QStringLiteral("WahlartRGR1"))->click();
        auto *previewButton = dialog->findChild<QPushButton *>(QStringLiteral("DruckvBtn"));
        QVERIFY(previewButton && previewButton->isVisible());
        whenModal<TDruckFrm>([&previewSeen](TDruckFrm *preview) {
            previewSeen = true;
            QCOMPARE(preview->PreviewFactor(), 4);
            QCOMPARE(preview->wahlart(), QStringLiteral("Endwahl"));
            QCOMPARE(preview->seite()->image().size(), QSize(840, 1188));
            preview->close();
        });
        previewButton->click();
        dialog->findChild<QPushButton *>(QStringLiteral("DruckAbbrBtn"))->click();
    });
    main.DruckenClick();
    QVERIFY(previewSeen);
    QCOMPARE(main.model().GridRows, SubjectCount);
    const QWidgetList windows = QApplication::topLevelWidgets();
    QVERIFY(std::none_of(windows.begin(), windows.end(), [](QWidget *w) {
        return qobject_cast<TDruckFrm *>(w) != nullptr;
    })); // released with the dialog
}

void TestUiPrint::printerSetupCancelled()
{
    QTemporaryDir dir;
    ScriptedInteraction ui;
    StartOptions options;
    options.ui = &ui;
    options.screen = {1280, 1024};
    options.workingDirectory = dir.path();
    TTambFrm main(options);
    main.model().PersonalData = printableModel().PersonalData;

    bool setupSeen = false;
    whenModal<TPersDatenFrm>([&setupSeen](TPersDatenFrm *dialog) {
        whenModal<QPrintDialog>([&setupSeen](QPrintDialog *setup) {
            setupSeen = true;
            setup->reject();
        });
        dialog->findChild<QPushButton *>(QStringLiteral("DruckBtn"))->click();
        QVERIFY(!dialog->isVisible()); // closed after the printer setup
    });
    main.DruckenClick();
    QVERIFY(setupSeen);
}

QTEST_MAIN(TestUiPrint)
#include "tst_ui_print.moc"
