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
    return QApplication::exec();
}
