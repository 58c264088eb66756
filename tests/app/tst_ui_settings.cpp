#include "TestSupport.h"
#include "../files/FileTestSupport.h"

#include "widgets/GridView.h"
#include "app/HelpWindow.h"
#include "app/TEinstellungenFrm.h"
#include "app/TTambFrm.h"
#include "model/Settings.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QPushButton>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QListWidget>
#include <QPointer>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace tamb;

namespace {

TEinstellungenFrm *openDialog()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *frm = qobject_cast<TEinstellungenFrm *>(w); frm && frm->isVisible())
            return frm;
    return nullptr;
}

void clickCell(GridView *grid, int col, int row)
{
    const QRect cell = grid->visualRect(grid->model()->index(row, col));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

void clickEntry(QListWidget *list, const QString &entry)
{
    const QList<QListWidgetItem *> items = list->findItems(entry, Qt::MatchExactly);
    QVERIFY2(!items.isEmpty(), qPrintable(entry));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(items[0]).center());
}

struct Program
{
    explicit Program(const QString &workingDirectory = QString())
        : main(StartOptions{&ui, QSize(1280, 1024),
                            workingDirectory.isEmpty() ? dir.path() : workingDirectory, {}})
    {
        main.show();
        ui.reset();
    }

    QTemporaryDir dir;
    ScriptedInteraction ui;
    TTambFrm main;
};

} // namespace

class TestUiSettings : public QObject
{
    Q_OBJECT
private slots:
    void components_data();
    void components();
    void pickersFollowClicks();
    void closingAppliesAndShowsMainWindow_data();
    void closingAppliesAndShowsMainWindow();
    void writeFailureWarnsAndShowsMainWindow();
};

void TestUiSettings::components_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry"); // width, height 0: not fixed
    QTest::addColumn<QString>("text");
    QTest::newRow("SchulnameLbl") << "SchulnameLbl" << QRect(16, 16, 0, 0) << "Schulname:";
    QTest::newRow("AktSchulnameLbl") << "AktSchulnameLbl" << QRect(224, 16, 0, 0) << "[ Schule ]";
    QTest::newRow("NeuSchulnameLbl") << "NeuSchulnameLbl" << QRect(16, 56, 0, 0)
                                     << "Neuer Schulname (incl. Ort):";
    QTest::newRow("NeuSchulnameEd") << "NeuSchulnameEd" << QRect(224, 52, 385, 21) << "";
    QTest::newRow("PflichtbereichLbl") << "PflichtbereichLbl" << QRect(16, 160, 0, 0)
                                       << "Pflichtbereich:";
    QTest::newRow("FremdsprLbl") << "FremdsprLbl" << QRect(16, 192, 0, 0)
                                 << "Fremdsprachen (im Pflichtbereich):";
    QTest::newRow("FremdsprachenSgr") << "FremdsprachenSgr" << QRect(48, 216, 278, 128) << "";
    QTest::newRow("WahlbereichLbl") << "WahlbereichLbl" << QRect(16, 480, 0, 0) << "Wahlbereich:";
    QTest::newRow("FspiWahlberLbl") << "FspiWahlberLbl" << QRect(40, 512, 0, 0)
                                    << "Fremdsprache (im Wahlbereich):";
    QTest::newRow("FspiWahlberSGr") << "FspiWahlberSGr" << QRect(40, 536, 245, 53) << "";
    QTest::newRow("WostRgr") << "WostRgr" << QRect(296, 544, 145, 41) << "Zahl der Wochenstunden:";
}

void TestUiSettings::components()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    Program p;
    p.main.EinstellungenClick();
    TEinstellungenFrm *frm = openDialog();
    QVERIFY(frm);
    QVERIFY(!frm->isModal());
    QVERIFY(!p.main.isVisible());
    QVERIFY(p.main.model().SettingsSeen);
    QCOMPARE(frm->windowTitle(), QStringLiteral("Tamberon für die Oberstufe - Einstellungen"));
    // At (197, 22), moved in as far as a smaller screen needs.
    const QRect area = frm->screen()->availableGeometry();
    QCOMPARE(frm->pos(), QPoint(qMin(197, area.right() + 1 - frm->frameGeometry().width()), 22));
    auto *w = frm->findChild<QWidget *>(name);
    QVERIFY(w);
    QCOMPARE(w->pos(), geometry.topLeft());
    if (geometry.width() > 0)
        QCOMPARE(w->size(), geometry.size());
    if (auto *label = qobject_cast<QLabel *>(w))
        QCOMPARE(label->text(), text);
    if (auto *box = qobject_cast<QGroupBox *>(w)) {
        QCOMPARE(box->title(), text);
        QStringList items;
        for (auto *radio : box->findChildren<QRadioButton *>())
            items << radio->text();
        QCOMPARE(items, (QStringList{"2", "3", "4 "}));
    }
    frm->close();
}

void TestUiSettings::pickersFollowClicks()
{
    Program p;
    p.main.EinstellungenClick();
    TEinstellungenFrm *frm = openDialog();
    QVERIFY(frm);

    // The header opens nothing.
    clickCell(frm->fremdsprachenSgr(), 1, 0);
    QVERIFY(!frm->fremdsprLbx()->isVisible());

    clickCell(frm->fremdsprachenSgr(), 1, 2);
    QListWidget *list = frm->fremdsprLbx();
    QVERIFY(list->isVisible());
    QCOMPARE(list->geometry().topLeft(), QPoint(336, 216));
    QCOMPARE(list->width(), 145);
    QCOMPARE(list->height(), list->count() * list->sizeHintForRow(0) + 5);
    clickEntry(list, QStringLiteral("Spanisch"));
    QVERIFY(!list->isVisible());
    QCOMPARE(frm->fremdsprachenSgr()->model()->index(2, 1).data().toString(), QStringLiteral("Spanisch"));
    QVERIFY(list->findItems(QStringLiteral("Spanisch"), Qt::MatchExactly).isEmpty());

    clickCell(frm->fspiWahlberSGr(), 1, 1);
    QListWidget *elective = frm->fspiWahlberLbx();
    QVERIFY(elective->isVisible());
    QCOMPARE(elective->x(), 296);
    QCOMPARE(elective->geometry().bottom() + 1, 536 + 53);
    QCOMPARE(elective->height(), elective->count() * elective->sizeHintForRow(0) + 5);
    QCOMPARE(elective->item(elective->count() - 1)->text(), QStringLiteral("Französisch"));
    clickEntry(elective, QStringLiteral("Türkisch"));
    QVERIFY(!elective->isVisible());
    QVERIFY(frm->wostRgr()->isVisible());
    const auto radios = frm->wostRgr()->findChildren<QRadioButton *>();
    for (QRadioButton *radio : radios)
        QVERIFY(!radio->isChecked());
    QTest::mouseClick(radios[0], Qt::LeftButton);
    QVERIFY(radios[0]->isChecked());
    QCOMPARE(p.main.model().FspiHours, QStringLiteral("2"));
    frm->close();
}

void TestUiSettings::closingAppliesAndShowsMainWindow_data()
{
    QTest::addColumn<std::function<void(TEinstellungenFrm *)>>("closeBy");
    QTest::addColumn<bool>("applies");
    const auto button = [](QDialogButtonBox::StandardButton which) {
        return [which](TEinstellungenFrm *frm) {
            frm->findChild<QDialogButtonBox *>()->button(which)->click();
        };
    };
    QTest::newRow("close button") << std::function<void(TEinstellungenFrm *)>([](TEinstellungenFrm *frm) { frm->close(); }) << true;
    QTest::newRow("OK") << std::function<void(TEinstellungenFrm *)>(button(QDialogButtonBox::Ok)) << true;
    QTest::newRow("Abbrechen") << std::function<void(TEinstellungenFrm *)>(button(QDialogButtonBox::Cancel)) << false;
    QTest::newRow("Escape") << std::function<void(TEinstellungenFrm *)>([](TEinstellungenFrm *frm) {
        QTest::keyClick(frm->fremdsprachenSgr(), Qt::Key_Escape);
    }) << false;
}

void TestUiSettings::closingAppliesAndShowsMainWindow()
{
    QFETCH(std::function<void(TEinstellungenFrm *)>, closeBy);
    QFETCH(bool, applies);
    Program p;
    p.main.EinstellungenClick();
    const Model before = p.main.model();
    QPointer<TEinstellungenFrm> frm = openDialog();
    QVERIFY(frm);
    QCOMPARE(HelpWindow::contextOf(frm->fremdsprachenSgr()), SettingsHelpContext);
    QTest::keyClicks(frm->neuSchulnameEd(), QStringLiteral("Gymnasium Überlingen"));
    clickCell(frm->fremdsprachenSgr(), 1, 4);
    clickEntry(frm->fremdsprLbx(), QStringLiteral("Russisch"));
    clickCell(frm->fspiWahlberSGr(), 1, 1);
    clickEntry(frm->fspiWahlberLbx(), QStringLiteral("Latein"));
    closeBy(frm);

    QVERIFY(p.main.isVisible());
    QTRY_VERIFY(frm.isNull());
    QVERIFY(p.ui.boxes.isEmpty());
    if (!applies) {
        // As it was when the dialog opened; nothing written.
        QCOMPARE(test::modelDiff(p.main.model(), before), QString());
        QVERIFY(!QFile::exists(QDir(p.dir.path()).filePath(SettingsFileName)));
        return;
    }
    QCOMPARE(test::shownTitle(p.main), QStringLiteral("Gymnasium Überlingen - Tamberon für die Kursstufe BW"));
    const Model &m = p.main.model();
    QCOMPARE(m.FaecherSgr.cell(0, 5), QStringLiteral("Russisch"));
    QCOMPARE(m.FaecherSgr.cell(1, 5), QString());
    QCOMPARE(m.FaecherSgr.cell(0, 29), QStringLiteral("Latein"));
    QCOMPARE(m.FaecherSgr.cell(3, 29), QString());
    QCOMPARE(p.main.faecherSgr()->model()->index(5, 0).data().toString(), QStringLiteral("Russisch"));
    QVERIFY(QFile::exists(QDir(p.dir.path()).filePath(SettingsFileName)));

    // The next use creates the dialog anew, with the new settings.
    p.main.EinstellungenClick();
    TEinstellungenFrm *again = openDialog();
    QVERIFY(again);
    QCOMPARE(again->findChild<QLabel *>(QStringLiteral("AktSchulnameLbl"))->text(),
             QStringLiteral("Gymnasium Überlingen"));
    QCOMPARE(again->fremdsprachenSgr()->model()->index(4, 0).data().toString(), QStringLiteral("Russisch"));
    again->close();
}

void TestUiSettings::writeFailureWarnsAndShowsMainWindow()
{
    QTemporaryDir dir;
    Program p(dir.filePath(QStringLiteral("missing")));
    p.main.EinstellungenClick();
    TEinstellungenFrm *frm = openDialog();
    QVERIFY(frm);
    QTest::keyClicks(frm->neuSchulnameEd(), QStringLiteral("Kepler-Gymnasium"));
    frm->close();
    QCOMPARE(p.ui.boxes.size(), 1);
    QCOMPARE(p.ui.boxes[0].text, SettingsNotWrittenWarning + QStringLiteral("\n\r\n\rDer Ordner ")
                                     + QDir::toNativeSeparators(dir.filePath(QStringLiteral("missing")))
                                     + QStringLiteral(" existiert nicht (mehr)."));
    QVERIFY(p.main.isVisible());
    QCOMPARE(test::shownTitle(p.main), QStringLiteral("Kepler-Gymnasium - Tamberon für die Kursstufe BW"));
}

QTEST_MAIN(TestUiSettings)
#include "tst_ui_settings.moc"
