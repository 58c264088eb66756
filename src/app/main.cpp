#include "app/ApplicationSetup.h"
#include "app/TTambFrm.h"
#include "files/SafeRead.h"
#include "model/StartArguments.h"
#include "platform/Installation.h"
#include "platform/StartFolder.h"

#include <QApplication>
#include <QFileInfo>
#include <QTranslator>

#include <cstdio>

namespace {

// Arguments without the program's name, names the system's encoding cannot show with
// their bytes kept.
QStringList arguments(int argc, char *argv[])
{
    QStringList decoded;
    for (int i = 1; i < argc; ++i)
        decoded.append(tamb::PathFromArgument(QString::fromLocal8Bit(argv[i]), argv[i]));
    return decoded;
}

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

} // namespace

int main(int argc, char *argv[])
{
    // Answered before any window, so that they need no screen; the toolkit's own options
    // are not known yet and wait for the second look.
    const tamb::StartArguments early = tamb::ParseStartArguments(arguments(argc, argv));
    if (early.help || early.version) {
        print(stdout, early.help ? tamb::StartUsageText : QStringLiteral("tamberon 6.0.1\n"));
        return std::fflush(stdout) == 0 ? 0 : 2;
    }

    QApplication app(argc, argv);
    const tamb::StartArguments start = tamb::ParseStartArguments(arguments(argc, argv));
    if (!start.error.isEmpty()) {
        print(stderr, QStringLiteral("tamberon: %1\n\n").arg(start.error) + tamb::StartUsageText);
        return 64;
    }

    QTranslator qtTranslator;
    tamb::SetUpApplication(qtTranslator);

    tamb::platform::SetUpDesktopIntegration();

    tamb::StartOptions options;
    options.workingDirectory = tamb::platform::PrepareStartFolder();
    tamb::TTambFrm window(options);
    window.show();
    const bool recovered = window.offerRecovery();
    // A file named on the command line opens once the start is done.
    if (!start.yearGroup.isEmpty()) {
        window.openYearGroup(QFileInfo(start.yearGroup).absoluteFilePath());
    } else if (!start.file.isEmpty()) {
        const QString file = QFileInfo(start.file).absoluteFilePath();
        const QString problem = tamb::StartFileProblem(file);
        if (!problem.isEmpty())
            window.interaction().error(problem);
        else if (!recovered || window.mayDiscardChanges())
            window.openFile(file);
    }
    return QApplication::exec();
}
