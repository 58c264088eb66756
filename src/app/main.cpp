#include "app/GridView.h"
#include "app/HelpWindow.h"
#include "app/TTambFrm.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TAMBERON"));
    QApplication::setApplicationDisplayName(QString());
    Q_INIT_RESOURCE(help);

    // The platform's standard dialogs speak German.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);

    QApplication::setFont(tamb::programFont());
    tamb::HelpWindow::installF1Handler();

    tamb::TTambFrm window;
    window.show();
    return QApplication::exec();
}
