#include "app/ApplicationSetup.h"
#include "app/TTambFrm.h"
#include "platform/Installation.h"
#include "platform/StartFolder.h"

#include <QApplication>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTranslator qtTranslator;
    tamb::SetUpApplication(qtTranslator);

    tamb::platform::SetUpDesktopIntegration();

    tamb::StartOptions options;
    options.workingDirectory = tamb::platform::PrepareStartFolder();
    tamb::TTambFrm window(options);
    window.show();
    // A file named on the command line opens once the start is done.
    const QString file = tamb::FileFromArguments(QCoreApplication::arguments());
    const QString yearGroup = tamb::YearGroupFromArguments(QCoreApplication::arguments());
    if (!yearGroup.isEmpty())
        window.openYearGroup(yearGroup);
    else if (!file.isEmpty())
        window.openFile(file);
    return QApplication::exec();
}
