#include "app/ApplicationSetup.h"
#include "app/TTambFrm.h"

#include <QApplication>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTranslator qtTranslator;
    tamb::SetUpApplication(qtTranslator);

    tamb::TTambFrm window;
    window.show();
    // A file named on the command line opens once the start is done.
    const QString file = tamb::FileFromArguments(QCoreApplication::arguments());
    if (!file.isEmpty())
        window.openFile(file);
    return QApplication::exec();
}
