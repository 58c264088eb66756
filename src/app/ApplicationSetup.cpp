#include "app/ApplicationSetup.h"

#include "widgets/GridView.h"
#include "app/HelpWindow.h"
#include "platform/Installation.h"

#include <QApplication>
#include <QLocale>
#include <QTranslator>

// Resources of a static library are registered by name at global scope.
static void initHelpResource()
{
    Q_INIT_RESOURCE(help);
}

namespace tamb {

void SetUpApplication(QTranslator &qtTranslator)
{
    QApplication::setApplicationName(QStringLiteral("TAMBERON"));
    QApplication::setApplicationDisplayName(QString());
    initHelpResource();

    // The platform's standard dialogs speak German.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    for (const QString &folder : platform::TranslationFolders()) {
        if (qtTranslator.load(QLocale(QLocale::German), QStringLiteral("qtbase"),
                              QStringLiteral("_"), folder)) {
            QApplication::installTranslator(&qtTranslator);
            break;
        }
    }

    QApplication::setFont(programFont());
    HelpWindow::installF1Handler();
}

} // namespace tamb
