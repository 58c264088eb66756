// Seeded random mouse and key events into every window of the program,
// with random answers to its questions and undo/redo in between. The run
// lasts TAMBERON_MONKEY_SECONDS (default 25); TAMBERON_MONKEY_SEED picks
// the sequence. After every event the model keeps its invariants; every
// few dozen steps undoing them all must give back the state before them,
// and redoing them all the state after (choice, grades, what follows from
// them, the file). The mark of unsaved changes is compared at the start
// too, except after a personal data dialog: that dialog, even cancelled,
// takes over what refused clicks did to it (no step of their own).
#include "TestSupport.h"
#include "../grades/GradesFixture.h"
#include "../rules/ChoiceBuilder.h"

#include "app/TTambFrm.h"
#include "files/SelectionFile.h"
#include "grades/ui/TNotenfrm.h"
#include "model/History.h"
#include "model/Settings.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMenu>
#include <QRandomGenerator>
#include <QSet>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

using namespace tamb;

namespace {

// Answers every question at random; opens the prepared files now and then.
class RandomInteraction : public Interaction
{
public:
    explicit RandomInteraction(QRandomGenerator &random) : m_random(random) {}

    void beep() override { ++beeps; }
    Answer messageBox(BoxKind, const QString &, Buttons buttons) override
    {
        switch (buttons) {
        case Buttons::Ok:
            return Answer::Ok;
        case Buttons::YesNo:
            return m_random.bounded(2) ? Answer::Yes : Answer::No;
        case Buttons::YesNoCancel:
            break;
        }
        const Answer answers[] = {Answer::Yes, Answer::No, Answer::Cancel};
        return answers[m_random.bounded(3)];
    }
    std::optional<QString> inputQuery(const QString &, const QString &, const QString &) override
    {
        if (m_random.bounded(3) == 0)
            return std::nullopt;
        return QString::number(int(m_random.bounded(-2, 18)));
    }
    QString openFileName(const QString &, const QString &, const QString &, const QStringList &) override
    {
        if (files.isEmpty() || m_random.bounded(4) == 0)
            return QString();
        return files[m_random.bounded(int(files.size()))];
    }
    // Nothing is saved: a save is no step and would end the comparison.
    QString saveFileName(const QString &, const QString &, const QString &, const QString &) override
    {
        return QString();
    }
    void showWindow(Window window) override
    {
        if (opener)
            opener(window);
    }

    std::function<void(Window)> opener;
    QStringList files;
    int beeps = 0;

private:
    QRandomGenerator &m_random;
};

bool isHours(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return false;
    for (QChar c : t)
        if (!c.isDigit())
            return false;
    return true;
}

// What must hold after every event; empty when it does.
QString brokenInvariant(const Model &m)
{
    for (int row = 1; row <= SubjectCount; ++row)
        for (int col = 4; col <= 7; ++col) {
            const QString &t = m.FaecherSgr.cell(col, row);
            if (!t.isEmpty() && !isHours(t))
                return QStringLiteral("cell (%1,%2) \"%3\"").arg(col).arg(row).arg(t);
        }
    if (CountChosen(m, SubjectCount, Core) > 5)
        return QStringLiteral("more than 5 core subjects");
    if (CountChosen(m, SubjectCount, Written) > 4)
        return QStringLiteral("more than 4 written subjects");
    if (CountChosen(m, SubjectCount, Oral) > 1)
        return QStringLiteral("more than 1 oral subject");
    if (m.Modified > 2)
        return QStringLiteral("Modified %1").arg(m.Modified);
    for (const auto &column : m.Grades)
        for (quint8 grade : column)
            if ((grade & GradePresent) && (grade & PointsMask) > 15)
                return QStringLiteral("points above 15");
    return {};
}

// The parts in which two models differ, for the failure message.
QString differences(const Model &a, const Model &b)
{
    QStringList out;
    auto part = [&](bool same, const char *name) {
        if (!same)
            out << QString::fromLatin1(name);
    };
    part(std::equal(&a.Choice[0][0], &a.Choice[0][0] + 8 * SubjectCount, &b.Choice[0][0]), "Choice");
    part(std::equal(&a.Grades[0][0], &a.Grades[0][0] + 5 * GradeColumns, &b.Grades[0][0]), "Grades");
    part(std::equal(&a.Allowed[0][0], &a.Allowed[0][0] + 4 * SubjectCount, &b.Allowed[0][0]), "Allowed");
    part(a.FaecherSgr == b.FaecherSgr, "FaecherSgr");
    part(a.PfaecherSgr == b.PfaecherSgr, "PfaecherSgr");
    part(a.WostSgr == b.WostSgr && a.KurszSgr == b.KurszSgr, "sums");
    part(a.view == b.view, "view");
    part(a.view.title == b.view.title, "title");
    part(a.CurrentFile == b.CurrentFile, "CurrentFile");
    part(a.PersonalData == b.PersonalData, "PersonalData");
    part(a.Modified == b.Modified, "Modified");
    part(a.BLLField == b.BLLField && a.BLLSocialField == b.BLLSocialField, "BLL");
    part(std::equal(a.CoreSlots, a.CoreSlots + 6, b.CoreSlots), "CoreSlots");
    part(a.SchoolName == b.SchoolName, "SchoolName");
    return out.join(u' ');
}

// The choice, the grades and what is computed from them: only steps change
// these. (Personal data, title and mark also change without a step: the
// personal data dialog, showing the window, refused clicks.)
// The counted and compulsory bits of the grades are left out: the grades
// window recomputes them on every activation.
bool sameChoice(const Model &a, const Model &b)
{
    const auto entered = [](quint8 l, quint8 r) {
        const quint8 kept = PointsMask | ExamResult | GradePresent;
        return (l & kept) == (r & kept);
    };
    return std::equal(&a.Choice[0][0], &a.Choice[0][0] + 8 * SubjectCount, &b.Choice[0][0])
           && std::equal(&a.Grades[0][0], &a.Grades[0][0] + 5 * GradeColumns, &b.Grades[0][0], entered)
           && std::equal(a.CoreSlots, a.CoreSlots + 6, b.CoreSlots) && a.FaecherSgr == b.FaecherSgr
           && a.PfaecherSgr == b.PfaecherSgr && a.WostSgr == b.WostSgr && a.KurszSgr == b.KurszSgr
           && a.BLLField == b.BLLField && a.BLLSocialField == b.BLLSocialField
           && a.view.messages == b.view.messages && a.view.legend == b.view.legend
           && a.view.menusEnabled == b.view.menusEnabled && a.CurrentFile == b.CurrentFile;
}

const Qt::Key Keys[] = {Qt::Key_Left,   Qt::Key_Right, Qt::Key_Up,     Qt::Key_Down,
                        Qt::Key_Home,   Qt::Key_End,   Qt::Key_PageUp, Qt::Key_PageDown,
                        Qt::Key_Return, Qt::Key_Space, Qt::Key_Escape, Qt::Key_Delete,
                        Qt::Key_Tab,    Qt::Key_0,     Qt::Key_1,      Qt::Key_2,
                        Qt::Key_5,      Qt::Key_9,     Qt::Key_A,      Qt::Key_Menu};

} // namespace

class TestMonkey : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void randomEvents();

private:
    void tick();
    QWidget *target();
    void randomEvent(QWidget *window);
    void endEpoch();
    void startEpoch();
    void fail(const QString &what);

    QTemporaryDir m_dir;
    QRandomGenerator m_random;
    std::unique_ptr<RandomInteraction> m_ui;
    std::unique_ptr<TTambFrm> m_main;
    Model m_epochStart;
    bool m_epochValid = true;
    int m_generation = 0;
    // A save dialog, even cancelled, takes over the mark of refused clicks.
    bool m_compareModified = true;
    qint64 m_epochEvents = 0;
    qint64 m_events = 0;
    int m_epochs = 0;
    int m_modalEvents = 0;
    QString m_failure;
    QString m_last;
    QElapsedTimer m_clock;
    qint64 m_millis = 25000;
    bool m_done = false;
    QSet<QString> m_windowsSeen;
};

// Resources of a static library are registered by name at global scope.
static void initHelpResource()
{
    Q_INIT_RESOURCE(help);
}

void TestMonkey::initTestCase()
{
    // The help window opens on F1 and from the menu, with its pages.
    initHelpResource();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.filePath("user"));
    bool ok = false;
    const int seconds = qEnvironmentVariableIntValue("TAMBERON_MONKEY_SECONDS", &ok);
    if (ok && seconds > 0)
        m_millis = qint64(seconds) * 1000;
    const quint32 seed = quint32(qEnvironmentVariableIntValue("TAMBERON_MONKEY_SEED", &ok));
    m_random.seed(ok ? seed : 17u);
    qInfo("seed %u, %lld s", ok ? seed : 17u, m_millis / 1000);
}

void TestMonkey::randomEvents()
{
    Model settings = test::startedModel();
    settings.ProgDir = m_dir.path();
    settings.SchoolName = QStringLiteral("Schule");
    QVERIFY(WriteSettings(settings));
    m_ui = std::make_unique<RandomInteraction>(m_random);

    // Files to open: a complete pupil with and without grades.
    Model pupil = test::completeModel();
    pupil.PersonalData = {QStringLiteral("Muster, Max"), QStringLiteral("01.02.1993"),
                          QStringLiteral("11 a"), QStringLiteral("ev"), 1};
    pupil.FileWords = EncodeChoice(pupil);
    const QString tmd = m_dir.filePath(QStringLiteral("pupil.tmd"));
    QVERIFY(WriteSelection(pupil, tmd, false));
    test::setAllGrades(pupil, 9);
    pupil.FileWords = EncodeChoice(pupil);
    const QString tnd = m_dir.filePath(QStringLiteral("pupil.tnd"));
    QVERIFY(WriteSelection(pupil, tnd, true));
    m_ui->files = {tmd, tnd, m_dir.filePath(QStringLiteral("missing.tnd"))};

    StartOptions options;
    options.ui = m_ui.get();
    options.screen = {1280, 1024};
    options.workingDirectory = m_dir.path();
    m_main = std::make_unique<TTambFrm>(options);
    m_ui->opener = [this](Window window) { m_main->openWindow(window); };
    m_main->show();
    startEpoch();

    // Every event is a new single-shot timer, so that events also reach
    // modal dialogs in their own event loops (a running timer does not
    // fire again inside its own handler).
    m_clock.start();
    QTimer::singleShot(0, this, &TestMonkey::tick);
    while (!m_done)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    if (m_failure.isEmpty())
        endEpoch();
    const double seconds = m_clock.elapsed() / 1000.0;
    qInfo("%lld events in %.1f s (%.0f/s), %d undo checks", m_events, seconds,
          m_events / qMax(seconds, 0.001), m_epochs);
    QStringList seen(m_windowsSeen.begin(), m_windowsSeen.end());
    seen.sort();
    qInfo("windows: %s", qPrintable(seen.join(QStringLiteral(", "))));
    QVERIFY2(m_failure.isEmpty(), qPrintable(m_failure + QStringLiteral(" after ") + m_last));
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w != m_main.get() && qobject_cast<TNotenfrm *>(w))
            w->deleteLater();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_main.reset();
}

void TestMonkey::fail(const QString &what)
{
    if (m_failure.isEmpty())
        m_failure = what;
    m_done = true;
}

void TestMonkey::startEpoch()
{
    m_main->clearHistory();
    m_generation = m_main->history().generation();
    m_epochStart = m_main->model();
    m_epochValid = true;
    m_compareModified = true;
    m_epochEvents = m_events;
}

// Closes the other windows (their closing may be a step), then undoes
// every step and redoes them.
void TestMonkey::endEpoch()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w != m_main.get() && w->isVisible() && !qobject_cast<QMenu *>(w))
            w->close();
    if (!m_main->isVisible()) {
        m_epochValid = false;
        m_main->show();
    }
    // A settings dialog that changed the school has cleared the steps.
    if (m_main->history().generation() != m_generation)
        m_epochValid = false;
    if (m_epochValid && !QApplication::activeModalWidget()) {
        ++m_epochs;
        if (qEnvironmentVariableIsSet("TAMBERON_MONKEY_TRACE"))
            qInfo("check %d: %d steps after %lld events", m_epochs, m_main->history().undoCount(), m_events);
        Model end = m_main->model();
        const int steps = m_main->history().undoCount();
        if (qEnvironmentVariableIsSet("TAMBERON_MONKEY_TRACE")) {
            m_main->Undo();
            m_main->Redo();
            qInfo("last step %s: %s", qPrintable(m_main->history().undoName()),
                  qPrintable(differences(m_main->model(), end)));
            for (int r = 1; r < SubjectCount; ++r)
                for (int c = 0; c < 8; ++c)
                    if (m_main->model().Choice[c][r] != end.Choice[c][r])
                        qInfo("Choice[%d][%d] %d -> %d", c, r, end.Choice[c][r], m_main->model().Choice[c][r]);
        }
        while (m_main->history().canUndo())
            m_main->Undo();
        if (!sameChoice(m_main->model(), m_epochStart)
            || (m_compareModified && m_main->model().Modified != m_epochStart.Modified))
            return fail(QStringLiteral("undoing everything did not give back the start: ")
                        + differences(m_main->model(), m_epochStart)
                        + QStringLiteral(" (%1 steps)").arg(steps));
        // Redo what was undone here; steps undone before stay undone.
        for (int i = 0; i < steps; ++i)
            m_main->Redo();
        if (!sameChoice(m_main->model(), end))
            return fail(QStringLiteral("redoing everything did not give back the end: ")
                        + differences(m_main->model(), end));
    }
    startEpoch();
}

QWidget *TestMonkey::target()
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget *popup = QApplication::activePopupWidget())
        return popup;
    QList<QWidget *> windows;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && !qobject_cast<QMenu *>(w))
            windows << w;
    if (windows.isEmpty()) {
        // The program would have ended; showing it again is a new start.
        m_epochValid = false;
        m_main->show();
        return m_main.get();
    }
    return windows[m_random.bounded(int(windows.size()))];
}

void TestMonkey::tick()
{
    if (m_done)
        return;
    QTimer::singleShot(0, this, &TestMonkey::tick);
    if (m_clock.elapsed() > m_millis) {
        // Leave the modal dialogs first; the last check runs outside them.
        if (QWidget *modal = QApplication::activeModalWidget()) {
            if (auto *dialog = qobject_cast<QDialog *>(modal))
                dialog->reject();
            else
                modal->close();
            return;
        }
        m_done = true;
        return;
    }
    QWidget *window = target();
    if (QWidget *modal = QApplication::activeModalWidget(); modal == window) {
        // A modal dialog gets a few events, then goes away.
        if (++m_modalEvents > 12 || !qobject_cast<QDialog *>(modal)
            || modal->inherits("QPrintDialog") || modal->inherits("QFileDialog")) {
            m_modalEvents = 0;
            if (auto *dialog = qobject_cast<QDialog *>(modal))
                dialog->reject();
            else
                modal->close();
            return;
        }
    }
    randomEvent(window);
    ++m_events;
    if (QApplication::activeModalWidget() && QApplication::activeModalWidget()->inherits("tamb::TPersDatenFrm"))
        m_compareModified = false;
    // Closing the settings dialog lays the table out anew without a step:
    // this round is not compared.
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->inherits("tamb::TEinstellungenFrm"))
            m_epochValid = false;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible())
            m_windowsSeen.insert(QString::fromLatin1(w->metaObject()->className()));
    if (qEnvironmentVariableIsSet("TAMBERON_MONKEY_TRACE") && m_events % 2000 == 0) {
        QStringList shown;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->isVisible())
                shown << QString::fromLatin1(w->metaObject()->className());
        qInfo("%lld: %d steps, last %s, windows %s, valid %d", m_events, m_main->history().undoCount(),
              qPrintable(m_last), qPrintable(shown.join(u',')), int(m_epochValid));
    }
    const QString broken = brokenInvariant(m_main->model());
    if (!broken.isEmpty())
        return fail(broken);
    const int steps = m_main->history().undoCount();
    if ((steps >= 30 || (steps > 0 && m_events - m_epochEvents >= 800))
        && !QApplication::activeModalWidget())
        endEpoch();
}

void TestMonkey::randomEvent(QWidget *window)
{
    const int kind = int(m_random.bounded(100));
    const bool modal = QApplication::activeModalWidget() != nullptr;
    if (!modal && window != m_main.get() && m_random.bounded(40) == 0) {
        // The window's close button.
        m_last = QStringLiteral("close %1").arg(window->metaObject()->className());
        window->close();
        return;
    }
    // Undo and redo are the main window's keys (the grades window shares them).
    if (modal || !m_main->isVisible()) {
    } else if (kind < 4) {
        m_last = QStringLiteral("undo");
        m_main->Undo();
        return;
    } else if (kind < 7) {
        m_last = QStringLiteral("redo");
        m_main->Redo();
        return;
    } else if (kind < 9) {
        m_last = QStringLiteral("open a file");
        m_main->OeffnenClick();
        return;
    } else if (kind < 12 && m_main->notenAction()->isEnabled()) {
        // A complete choice: the grades window is wanted often.
        m_last = QStringLiteral("Noten");
        m_main->notenAction()->trigger();
        return;
    } else if (kind < 14) {
        // A menu command, as its item or key would give it.
        QList<QAction *> actions;
        for (QAction *action : m_main->findChildren<QAction *>())
            // The settings and the end are left to clicks on the menu bar,
            // so that most rounds can be compared.
            if (action->isEnabled() && !action->isSeparator() && !action->menu()
                && !action->text().isEmpty() && action->objectName() != QLatin1String("Einstellungen")
                && action->objectName() != QLatin1String("Beenden"))
                actions << action;
        if (!actions.isEmpty()) {
            QAction *action = actions[m_random.bounded(int(actions.size()))];
            m_last = QStringLiteral("menu %1").arg(action->text());
            action->trigger();
            return;
        }
    }
    if (kind < 45) {
        QWidget *focus = window->focusWidget() ? window->focusWidget() : window;
        const Qt::Key key = Keys[m_random.bounded(int(std::size(Keys)))];
        Qt::KeyboardModifiers modifiers;
        if (m_random.bounded(8) == 0)
            modifiers |= Qt::ControlModifier;
        if (m_random.bounded(10) == 0)
            modifiers |= Qt::ShiftModifier;
        m_last = QStringLiteral("key %1 (%2) in %3").arg(key).arg(int(modifiers)).arg(focus->metaObject()->className());
        QTest::keyClick(focus, key, modifiers);
        return;
    }
    const QPoint at(int(m_random.bounded(qMax(1, window->width()))),
                    int(m_random.bounded(qMax(1, window->height()))));
    QWidget *child = window->childAt(at);
    QWidget *receiver = child ? child : window;
    const QPoint local = receiver->mapFrom(window, at);
    const Qt::MouseButton button = m_random.bounded(6) == 0 ? Qt::RightButton : Qt::LeftButton;
    Qt::KeyboardModifiers modifiers;
    const int held = int(m_random.bounded(12));
    if (held == 0)
        modifiers = Qt::ControlModifier;
    else if (held == 1)
        modifiers = Qt::ShiftModifier;
    else if (held == 2)
        modifiers = Qt::AltModifier;
    m_last = QStringLiteral("click %1,%2 in %3").arg(local.x()).arg(local.y()).arg(receiver->metaObject()->className());
    QTest::mouseClick(receiver, button, modifiers, local);
}

QTEST_MAIN(TestMonkey)
#include "tst_ui_monkey.moc"
