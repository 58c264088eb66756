// The main window started as the program starts it (application set-up as
// in the program's main, then TTambFrm created and shown); the start's
// questions are answered by a script. Quits after the first paint.
//
//     bench_mainwindow --dir FOLDER [--t0 NS] [--hold MS]
//
// FOLDER is the program's folder (with or without "Tamberon.tme").

#include "StartProbe.h"

#include "app/ApplicationSetup.h"
#include "app/TTambFrm.h"
#include "model/ScriptedInteraction.h"

#include <QApplication>
#include <QDir>
#include <QTranslator>

int main(int argc, char *argv[])
{
    const qint64 t0 = bench::launchTimeNs(argc, argv);
    QApplication app(argc, argv);
    QTranslator qtTranslator;
    tamb::SetUpApplication(qtTranslator);

    const char *dir = bench::argumentAfter(argc, argv, "--dir");
    tamb::ScriptedInteraction ui;
    tamb::StartOptions options;
    options.ui = &ui;
    options.screen = QSize(1280, 1024);
    options.workingDirectory = dir ? QString::fromLocal8Bit(dir) : QDir::currentPath();

    tamb::TTambFrm window(options);
    window.show();

    bench::reportWhenShown(&window, t0, bench::holdMs(argc, argv));
    return QApplication::exec();
}
