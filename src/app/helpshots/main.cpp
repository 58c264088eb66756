// Draws the windows offscreen in the states the handbook shows and writes
// them as the help's pictures: helpshots OUTPUT_FOLDER

#include "app/ApplicationSetup.h"
#include "app/TEinstellungenFrm.h"
#include "app/TTambFrm.h"
#include "app/helpshots/ExamplePupil.h"
#include "grades/ui/TNotenfrm.h"
#include "widgets/GridView.h"
#include "model/MainWindowLogic.h"
#include "model/ScriptedInteraction.h"
#include "model/Settings.h"
#include "rules/Explanations.h"
#include "rules/ui/TBLLFrm.h"
#include "files/SelectionFile.h"
#include "yeargroup/ui/YearGroupWindow.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTemporaryDir>
#include <QSignalBlocker>
#include <QTextStream>
#include <QToolTip>
#include <QTranslator>

#include <iterator>
#include <memory>

using namespace tamb;

namespace {

QString outputDir;
bool failed = false;

void settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

void save(QWidget *widget, const QString &name, const QRect &part = QRect())
{
    settle();
    const QPixmap shot = part.isNull() ? widget->grab() : widget->grab(part);
    const QString path = QDir(outputDir).filePath(name);
    if (shot.isNull() || !shot.save(path, "PNG")) {
        QTextStream(stderr) << "helpshots: " << path << " not written\n";
        failed = true;
    }
}

// A main window as a pupil finds it: the school's settings exist, so no
// notice asks for them.
struct MainWindow
{
    QTemporaryDir dir;
    ScriptedInteraction ui;
    std::unique_ptr<TTambFrm> window;

    MainWindow()
    {
        Model settings;
        BuildCatalog(settings);
        settings.ProgDir = dir.path();
        settings.SchoolName = QStringLiteral("Musterschule Musterstadt");
        WriteSettings(settings);
        StartOptions options;
        options.ui = &ui;
        options.screen = QSize(1280, 1024);
        options.workingDirectory = dir.path();
        // The build leaves the home of whoever builds alone.
        options.recoveryFolder = dir.filePath(QStringLiteral("Wiederherstellung"));
        window = std::make_unique<TTambFrm>(options);
        window->show();
        settle();
    }
    void clicks(int n = -1)
    {
        ClickExampleChoice(window->model(), ui, n);
        window->refreshView();
    }
};

// The window with the tooltips shown over it: a tooltip is a window of its
// own, drawn over the main window where it stands.
QPixmap withToolTips(QWidget *window)
{
    settle();
    QPixmap shot = window->grab();
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->inherits("QTipLabel") && w->isVisible()) {
            QPainter painter(&shot);
            painter.drawPixmap(w->pos() - window->mapToGlobal(QPoint(0, 0)), w->grab());
        }
    }
    return shot;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "helpshots OUTPUT_FOLDER\n";
        return 64;
    }
    outputDir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(outputDir);
    QTranslator qtTranslator;
    SetUpApplication(qtTranslator);

    {
        MainWindow start;
        save(start.window.get(), QStringLiteral("hauptfenster-start.png"));
        start.clicks(ExampleHalfWay);
        // The examination overview and the message area.
        save(start.window->centralWidget(), QStringLiteral("meldungen.png"), QRect(376, 2, 340, 562));
    }
    {
        // A refused click with its hint.
        MainWindow refused;
        refused.clicks(0);
        GridView *table = refused.window->faecherSgr();
        const QPoint cell(105 + 2 * 20 + 10, 16 * 20 + 10);
        refused.window->clickCourseTable(3, 16, table->viewport()->mapToGlobal(cell));
        const QPixmap shot = withToolTips(refused.window.get());
        const QPoint at = table->mapTo(refused.window.get(), QPoint(0, 0));
        const QRect part(at.x(), at.y() + 13 * 20, 420, 8 * 20);
        if (!shot.copy(part).save(QDir(outputDir).filePath(QStringLiteral("hinweis.png")), "PNG"))
            failed = true;
    }
    {
        // Before the click: dimmed cells, the tooltip of one, the suggestions
        // and the cells that mend the chosen message "Es fehlt Religion oder Ethik".
        MainWindow preview;
        preview.clicks(ExampleHalfWay);
        {
            const QSignalBlocker unsaved(preview.window->suggestionsAction());
            preview.window->suggestionsAction()->setChecked(true);
        }
        preview.window->updateClickPreview();
        const QStringList lines = MessageLines(preview.window->model().view.messages);
        preview.window->selectMessage(int(lines.indexOf(QStringLiteral("Es fehlt Religion oder Ethik"))));
        GridView *table = preview.window->faecherSgr();
        const QModelIndex written = table->model()->index(8, 2);
        QToolTip::showText(table->viewport()->mapToGlobal(table->visualRect(written).center()),
                           written.data(Qt::ToolTipRole).toString(), table);
        const QPixmap shot = withToolTips(preview.window.get());
        const QPoint at = table->mapTo(preview.window.get(), QPoint(0, 0));
        if (!shot.copy(QRect(at.x(), at.y(), 716, 656)).save(QDir(outputDir).filePath(QStringLiteral("vorschau.png")), "PNG"))
            failed = true;
        QToolTip::hideText();
    }
    {
        MainWindow done;
        done.clicks();
        save(done.window.get(), QStringLiteral("hauptfenster-fertig.png"));

        EnterExampleGrades(done.window->model());
        TNotenfrm grades(done.window->model(), done.ui, done.window.get());
        grades.show();
        settle();
        grades.FormActivate();
        save(&grades, QStringLiteral("noten.png"));

        // A click on the header of half-year 4 starts its series.
        QWidget *cells = grades.nFaecherSgr()->viewport();
        const QPoint header(105 + 5 * 30 + 15, 10);
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent event(type, header, cells->mapToGlobal(header), Qt::LeftButton,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                              Qt::NoModifier);
            QApplication::sendEvent(cells, &event);
        }
        save(&grades, QStringLiteral("noteneingabe.png"));
    }
    {
        MainWindow bll;
        TBLLFrm dialog(bll.window->model(), bll.ui, [&bll] { bll.window->refreshView(); },
                       bll.window.get());
        dialog.show();
        settle();
        dialog.ArtRGrClick(0);
        dialog.AufgabenfeldRgrClick(1);
        save(&dialog, QStringLiteral("bll.png"));
    }
    {
        MainWindow school;
        TEinstellungenFrm settings(school.window->model());
        settings.show();
        save(&settings, QStringLiteral("einstellungen.png"));
        settings.hide();
    }
    {
        // A year group's folder: the example pupil under several names, some
        // half-way, one with grades, one file that cannot be read.
        MainWindow coordinator;
        const QString folder = coordinator.dir.filePath(QStringLiteral("Abgabe"));
        QDir().mkpath(folder);
        const char *names[] = {"Albrecht, Jonas", "Becker, Lea",   "Demir, Elif",  "Fischer, Paul",
                               "Hoffmann, Mia",   "Klein, Noah",   "Neumann, Emma", "Schulz, Ben",
                               "Wagner, Lina",    "Yilmaz, Deniz"};
        for (int i = 0; i < int(std::size(names)); ++i) {
            Model m = coordinator.window->model();
            ScriptedInteraction ui;
            ClickExampleChoice(m, ui, i % 4 == 1 ? ExampleHalfWay : -1);
            const bool graded = i % 3 == 0;
            if (graded)
                EnterExampleGrades(m);
            m.PersonalData = {QString::fromUtf8(names[i]), QStringLiteral("01.01.2009"),
                              i % 2 ? QStringLiteral("11 b") : QStringLiteral("11 a"),
                              QStringLiteral("ev"), 0};
            const QString file = QDir(folder).filePath(
                QStringLiteral("%1.%2").arg(i + 1, 2, 10, QLatin1Char('0'))
                    .arg(graded ? QStringLiteral("tnd") : QStringLiteral("tmd")));
            if (!WriteSelection(m, file, graded))
                failed = true;
        }
        QFile broken(QDir(folder).filePath(QStringLiteral("11.tmd")));
        if (!broken.open(QIODevice::WriteOnly) || broken.write("abgebrochen") != 11)
            failed = true;
        broken.close();
        YearGroupWindow window(coordinator.ui);
        window.resize(1000, 520);
        window.show();
        window.open(folder);
        QElapsedTimer waited;
        waited.start();
        while (window.reading() && waited.elapsed() < 30000)
            QApplication::processEvents(QEventLoop::AllEvents, 20);
        // A folder as a school names it, not the temporary one of this build.
        if (auto *shown = window.findChild<QLabel *>(QStringLiteral("OrdnerLbl")))
            shown->setText(QStringLiteral("Ordner: ")
                           + QDir::toNativeSeparators(QStringLiteral("/home/koordination/Kursstufe 2027/Abgabe")));
        save(&window, QStringLiteral("jahrgang.png"));
    }
    return failed ? 1 : 0;
}
