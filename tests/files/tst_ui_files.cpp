#include "TestSupport.h"

#include "app/TTambFrm.h"
#include "files/Clock.h"
#include "files/SelectionFile.h"
#include "print/ui/TPersDatenFrm.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

using namespace tamb;

Q_DECLARE_METATYPE(tamb::PersonalDataUse)

namespace {

const Daten Complete{QStringLiteral("Muster, Max"), QStringLiteral("01.02.1993"),
                     QStringLiteral("11 a"), QStringLiteral("ev"), 1};

template <typename T>
T *child(QWidget *parent, const char *name)
{
    return parent->findChild<T *>(QString::fromLatin1(name));
}

// Acts on the modal personal data dialog once it is open.
void whenDialogOpens(std::function<void(TPersDatenFrm *)> action)
{
    QTimer::singleShot(0, qApp, [action] {
        auto *dialog = qobject_cast<TPersDatenFrm *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        action(dialog);
    });
}

void clickButton(TPersDatenFrm *dialog, const char *name)
{
    auto *button = child<QPushButton>(dialog, name);
    QVERIFY(button && button->isVisible());
    button->click();
}

} // namespace

class TestUiFiles : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void layout_data();
    void layout();
    void typingAndLeaving();
    void printUseSignals();
    void saveFromMenu_data();
    void saveFromMenu();
    void closeQuery_data();
    void closeQuery();
    void openFromMenu();

private:
    std::unique_ptr<TTambFrm> makeWindow(ScriptedInteraction &ui);
    QTemporaryDir m_dir;
};

void TestUiFiles::initTestCase()
{
    QVERIFY(m_dir.isValid());
    SetToday(QDate(2009, 10, 15));
}

void TestUiFiles::cleanupTestCase()
{
    SetToday(QDate());
}

std::unique_ptr<TTambFrm> TestUiFiles::makeWindow(ScriptedInteraction &ui)
{
    StartOptions options;
    options.ui = &ui;
    options.screen = QSize(1280, 1024);
    options.workingDirectory = m_dir.path();
    auto window = std::make_unique<TTambFrm>(options);
    ui.reset();
    return window;
}

void TestUiFiles::layout_data()
{
    QTest::addColumn<PersonalDataUse>("use");
    QTest::addColumn<bool>("stored");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("actionWidth");
    QTest::addColumn<QString>("cancel");
    QTest::addColumn<bool>("preview");
    QTest::addColumn<QString>("notice"); // empty: hidden
    const QString incomplete = QStringLiteral(" Daten unvollständig!\n %1 nicht möglich!");
    QTest::newRow("print, empty") << PersonalDataUse::Print << false << "Bitte eingeben: " << "Drucken"
                                  << 100 << "Druck abbrechen" << false
                                  << incomplete.arg(QStringLiteral("Drucken"));
    QTest::newRow("print, stored") << PersonalDataUse::Print << true << "Ihre Daten:" << "Drucken"
                                   << 100 << "Druck abbrechen" << true << "";
    QTest::newRow("selection, empty") << PersonalDataUse::SaveSelection << false << "Bitte eingeben: "
                                      << "Wahl speichern" << 144 << "Abbrechen" << false
                                      << incomplete.arg(QStringLiteral("Wahl speichern"));
    QTest::newRow("selection, stored") << PersonalDataUse::SaveSelection << true << "Ihre Daten:"
                                       << "Wahl speichern" << 144 << "Abbrechen" << false << "";
    QTest::newRow("with grades, stored")
        << PersonalDataUse::SaveSelectionWithGrades << true << "Ihre Daten:"
        << "Wahl und Noten speichern" << 144 << "Abbrechen" << false << "";
}

void TestUiFiles::layout()
{
    QFETCH(PersonalDataUse, use);
    QFETCH(bool, stored);
    QFETCH(QString, title);
    QFETCH(QString, action);
    QFETCH(int, actionWidth);
    QFETCH(QString, cancel);
    QFETCH(bool, preview);
    QFETCH(QString, notice);

    Model m = test::startedModel();
    if (stored)
        m.PersonalData = Complete;
    ScriptedInteraction ui;
    TPersDatenFrm dialog(m, ui, use);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.windowTitle(), title);

    auto *druckBtn = child<QPushButton>(&dialog, "DruckBtn");
    auto *druckvBtn = child<QPushButton>(&dialog, "DruckvBtn");
    auto *abbrBtn = child<QPushButton>(&dialog, "DruckAbbrBtn");
    QCOMPARE(druckBtn->text(), action);
    QCOMPARE(druckBtn->geometry(), QRect(32, 216, actionWidth, 33));
    QCOMPARE(druckBtn->isVisible(), notice.isEmpty());
    QCOMPARE(druckvBtn->text(), QStringLiteral("Druckvorschau"));
    QCOMPARE(druckvBtn->geometry(), QRect(152, 216, 100, 33));
    QCOMPARE(druckvBtn->isVisible(), preview);
    QCOMPARE(abbrBtn->text(), cancel);
    QCOMPARE(abbrBtn->geometry(), QRect(272, 216, 100, 33));
    QVERIFY(abbrBtn->isVisible());

    auto *wahlart = child<QGroupBox>(&dialog, "WahlartRGR");
    QCOMPARE(wahlart->isVisible(), use == PersonalDataUse::Print);
    QCOMPARE(wahlart->title(), QStringLiteral("Wahl"));
    QCOMPARE(wahlart->geometry(), QRect(208, 56, 177, 65));
    auto *reletU = child<QGroupBox>(&dialog, "ReletURgr");
    QCOMPARE(reletU->title(), QStringLiteral("Unterricht in Klasse 11"));
    QCOMPARE(reletU->geometry(), QRect(208, 136, 177, 65));
    QCOMPARE(child<QLineEdit>(&dialog, "NameEd")->geometry().topLeft(), QPoint(104, 16));
    QCOMPARE(child<QLineEdit>(&dialog, "NameEd")->width(), 225);
    QCOMPARE(child<QComboBox>(&dialog, "KlasseCbx")->count(), 5);
    QCOMPARE(child<QComboBox>(&dialog, "BekenntnisCbx")->itemText(2), QStringLiteral("isl"));

    auto *label = child<QLabel>(&dialog, "unvollstLbl");
    QCOMPARE(label->isVisible(), !notice.isEmpty());
    if (!notice.isEmpty())
        QCOMPARE(label->text(), notice);
    if (stored) {
        QCOMPARE(child<QLineEdit>(&dialog, "NameEd")->text(), Complete.Name);
        QCOMPARE(child<QComboBox>(&dialog, "KlasseCbx")->currentText(), Complete.Klasse);
        QVERIFY(child<QRadioButton>(&dialog, "ReletURgr1")->isChecked());
    }
    // Every control lies inside the window.
    for (QWidget *w : dialog.findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (w->isVisible())
            QVERIFY2(dialog.rect().contains(w->geometry()), qPrintable(w->objectName()));

    // To look at the dialog: TAMBERON_SHOW_MS keeps it on screen.
    QTest::qWait(qEnvironmentVariableIntValue("TAMBERON_SHOW_MS"));
}

void TestUiFiles::typingAndLeaving()
{
    Model m = test::startedModel();
    ScriptedInteraction ui;
    TPersDatenFrm dialog(m, ui, PersonalDataUse::Print);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    auto *druckBtn = child<QPushButton>(&dialog, "DruckBtn");
    auto *name = child<QLineEdit>(&dialog, "NameEd");
    QVERIFY(name->hasFocus());

    QTest::keyClicks(name, QStringLiteral("Muster, Max"));
    child<QLineEdit>(&dialog, "GebtagEd")->setFocus();
    QCOMPARE(dialog.form().mask, int(NameInput));
    QTest::keyClicks(child<QLineEdit>(&dialog, "GebtagEd"), QStringLiteral("1.1.93"));
    child<QComboBox>(&dialog, "KlasseCbx")->setFocus();
    QTest::keyClicks(child<QComboBox>(&dialog, "KlasseCbx"), QStringLiteral("10"));
    child<QComboBox>(&dialog, "BekenntnisCbx")->setFocus();
    child<QComboBox>(&dialog, "BekenntnisCbx")->setCurrentIndex(3);
    name->setFocus();
    QCOMPARE(dialog.form().mask, CompleteMask & ~ReletUInput);
    QVERIFY(!druckBtn->isVisible());
    QCOMPARE(child<QLabel>(&dialog, "unvollstLbl")->text(),
             QStringLiteral(" Daten unvollständig!\n Drucken nicht möglich!"));

    child<QRadioButton>(&dialog, "ReletURgr0")->click();
    QCOMPARE(dialog.form().mask, CompleteMask);
    QVERIFY(druckBtn->isVisible());
    QVERIFY(child<QPushButton>(&dialog, "DruckvBtn")->isVisible());
    QVERIFY(!child<QLabel>(&dialog, "unvollstLbl")->isVisible());

    // Clearing an input and leaving it hides the actions again.
    name->clear();
    child<QLineEdit>(&dialog, "GebtagEd")->setFocus();
    QVERIFY(!druckBtn->isVisible());

    // Cancelling keeps the earlier data.
    child<QPushButton>(&dialog, "DruckAbbrBtn")->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(m.PersonalData, Daten());
}

void TestUiFiles::printUseSignals()
{
    Model m = test::startedModel();
    m.PersonalData = Complete;
    ScriptedInteraction ui;
    TPersDatenFrm dialog(m, ui, PersonalDataUse::Print);
    QSignalSpy print(&dialog, &TPersDatenFrm::printRequested);
    QSignalSpy preview(&dialog, &TPersDatenFrm::previewRequested);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.wahlartIndex(), -1);

    child<QRadioButton>(&dialog, "WahlartRGR1")->click();
    child<QLineEdit>(&dialog, "GebtagEd")->setText(QStringLiteral("02.02.1993"));
    child<QPushButton>(&dialog, "DruckvBtn")->click();
    QCOMPARE(preview.count(), 1);
    QVERIFY(dialog.isVisible());
    QCOMPARE(m.PersonalData.Geburtstag, QStringLiteral("02.02.1993"));
    QCOMPARE(dialog.wahlartText(), QStringLiteral("Endwahl"));

    child<QPushButton>(&dialog, "DruckBtn")->click();
    QCOMPARE(print.count(), 1);
    QCOMPARE(dialog.wahlartIndex(), 1);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void TestUiFiles::saveFromMenu_data()
{
    QTest::addColumn<bool>("withGrades");
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("modifiedAfter");
    // Grades changed: only the file with grades saves them.
    QTest::newRow("selection") << false << "Wahl speichern" << 2;
    QTest::newRow("with grades") << true << "Wahl und Noten speichern" << 0;
}

void TestUiFiles::saveFromMenu()
{
    QFETCH(bool, withGrades);
    QFETCH(QString, action);
    QFETCH(int, modifiedAfter);
    ScriptedInteraction ui;
    auto window = makeWindow(ui);
    window->model().PersonalData = Complete;
    window->model().Modified = 2;
    const QString folder = m_dir.filePath(QStringLiteral("Tamberon-menu"));
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + QStringLiteral("/menu.tmd");
    ui.saveNames << path;
    QString shownCaption;
    whenDialogOpens([&](TPersDatenFrm *dialog) {
        shownCaption = child<QPushButton>(dialog, "DruckBtn")->text();
        clickButton(dialog, "DruckBtn");
    });
    if (withGrades)
        window->WahlundNotenMPClick();
    else
        window->WahlspeichernClick();
    QCOMPARE(shownCaption, action);
    QVERIFY(QFileInfo::exists(path));
    QCOMPARE(int(window->model().Modified), modifiedAfter);
    QCOMPARE(window->isWindowModified(), modifiedAfter != 0);
    QCOMPARE(window->model().view.title, QDir::toNativeSeparators(path)
                                        + QStringLiteral(" - Tamberon für die Oberstufe - [ Schule ]"));
    QVERIFY(window->findChildren<TPersDatenFrm *>().isEmpty());
    QCOMPARE(ui.saveProposals, QStringList{withGrades ? QStringLiteral("005856-1012.tnd")
                                                      : QStringLiteral("005856-1012.tmd")});
}

void TestUiFiles::closeQuery_data()
{
    QTest::addColumn<int>("modified");
    QTest::addColumn<QString>("button");   // pressed in the personal data dialog
    QTest::addColumn<QString>("saveName"); // empty: the file dialog is cancelled
    QTest::addColumn<bool>("closes");
    QTest::addColumn<QString>("action");
    const QString good = QStringLiteral("Tamberon-close/ok.tmd");
    const QString bad = QStringLiteral("Tamberon-fehlt/nein.tmd");
    QTest::newRow("saved") << 1 << "DruckBtn" << good << true << "Wahl speichern";
    QTest::newRow("with grades saved") << 2 << "DruckBtn" << good << true << "Wahl und Noten speichern";
    QTest::newRow("dialog cancelled") << 1 << "DruckAbbrBtn" << good << false << "Wahl speichern";
    QTest::newRow("file dialog cancelled") << 1 << "DruckBtn" << "" << false << "Wahl speichern";
    QTest::newRow("write failed") << 2 << "DruckBtn" << bad << false << "Wahl und Noten speichern";
}

void TestUiFiles::closeQuery()
{
    QFETCH(int, modified);
    QFETCH(QString, button);
    QFETCH(QString, saveName);
    QFETCH(bool, closes);
    QFETCH(QString, action);
    QVERIFY(QDir().mkpath(m_dir.filePath(QStringLiteral("Tamberon-close"))));

    ScriptedInteraction ui;
    auto window = makeWindow(ui);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    window->model().PersonalData = Complete;
    window->model().Modified = quint8(modified);
    ui.answers << Answer::Yes;
    if (!saveName.isEmpty())
        ui.saveNames << m_dir.filePath(saveName);
    QString shownCaption;
    whenDialogOpens([&](TPersDatenFrm *dialog) {
        shownCaption = child<QPushButton>(dialog, "DruckBtn")->text();
        clickButton(dialog, qPrintable(button));
    });
    QCOMPARE(window->close(), closes);
    QCOMPARE(window->isVisible(), !closes);
    QCOMPARE(shownCaption, action);
    QCOMPARE(ui.boxes.first().text,
             QStringLiteral("Wahl noch nicht gespeichert!\n\rSoll jetzt gespeichert werden?"));
    // A save that did not happen leaves the changes marked.
    QCOMPARE(window->isWindowModified(), !closes);
    QCOMPARE(window->model().Modified != 0, !closes);
}

void TestUiFiles::openFromMenu()
{
    ScriptedInteraction ui;
    auto window = makeWindow(ui);
    Model source = test::startedModel();
    source.PersonalData = Complete;
    source.Choice[Taken][12] = false;
    source.Choice[Taken][14] = true;
    const QString path = m_dir.filePath(QStringLiteral("offen.tmd"));
    source.FileWords = EncodeChoice(source);
    QVERIFY(WriteSelection(source, path, false));

    window->model().Modified = 1;
    ui.answers << Answer::No; // changes given up
    ui.openNames << path;
    window->OeffnenClick();
    QCOMPARE(window->model().CurrentFile, path);
    QCOMPARE(test::shownTitle(*window), window->model().view.title);
    QCOMPARE(int(window->model().Modified), 0);
    QVERIFY(window->model().Choice[Taken][14]);

    // The next save dialog opens with the file's personal data.
    whenDialogOpens([](TPersDatenFrm *dialog) {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Ihre Daten:"));
        QCOMPARE(child<QLineEdit>(dialog, "NameEd")->text(), Complete.Name);
        QCOMPARE(child<QLineEdit>(dialog, "GebtagEd")->text(), Complete.Geburtstag);
        QCOMPARE(child<QComboBox>(dialog, "BekenntnisCbx")->currentText(), Complete.Bekenntnis);
        QVERIFY(child<QRadioButton>(dialog, "ReletURgr1")->isChecked());
        clickButton(dialog, "DruckAbbrBtn");
    });
    window->model().PersonalData = Daten();
    window->OeffnenClick(); // cancelled: nothing changes
    QCOMPARE(window->model().PersonalData, Daten());
    ui.openNames << path;
    window->OeffnenClick();
    window->WahlspeichernClick();
}

QTEST_MAIN(TestUiFiles)
#include "tst_ui_files.moc"
