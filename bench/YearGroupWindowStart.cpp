// The main window started as the program starts it, then the year group
// window opened over a folder; prints the time from the opening until the
// whole list is read, counted and painted, and the peak memory, then quits.
//
//     bench_yeargroupwindow --dir FOLDER [--hold MS]

#include "StartProbe.h"

#include "app/ApplicationSetup.h"
#include "app/TTambFrm.h"
#include "model/ScriptedInteraction.h"
#include "yeargroup/ui/YearGroupWindow.h"

#include <QApplication>
#include <QAbstractItemModel>
#include <QDir>
#include <QTableView>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTranslator qtTranslator;
    tamb::SetUpApplication(qtTranslator);

    const char *dir = bench::argumentAfter(argc, argv, "--dir");
    const QString folder = dir ? QString::fromLocal8Bit(dir) : QDir::currentPath();
    tamb::ScriptedInteraction ui;
    tamb::StartOptions options;
    options.ui = &ui;
    options.screen = QSize(1280, 1024);
    options.workingDirectory = folder;
    tamb::TTambFrm window(options);
    window.show();
    QCoreApplication::processEvents();

    const qint64 t0 = bench::steadyNowNs();
    window.openYearGroup(folder);
    auto *yearGroup = qobject_cast<tamb::YearGroupWindow *>(window.yearGroupWindow());
    QObject::connect(yearGroup, &tamb::YearGroupWindow::readingDone, yearGroup, [&] {
        yearGroup->repaint();
        std::printf("shown_us=%lld peak_kb=%lld rows=%d\n",
                    static_cast<long long>((bench::steadyNowNs() - t0) / 1000),
                    static_cast<long long>(bench::peakMemoryKb()),
                    yearGroup->pupilTable()->model()->rowCount());
        std::fflush(stdout);
        QTimer::singleShot(bench::holdMs(argc, argv), &app, &QCoreApplication::quit);
    });
    return QApplication::exec();
}
