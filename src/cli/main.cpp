// tamberon-check: checks the selection files of a whole year group without a screen.
#include "cli/CommandLine.h"
#include "cli/Run.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

// The printed forms need fonts, and fonts need a QGuiApplication; the
// checker itself needs no screen.
bool wantsPdf(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--pdf", 5) == 0)
            return true;
    return false;
}

// Qt's own notes (platform plugin, fonts) are no business of the report;
// only serious problems reach stderr.
void quietMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "tamberon-check: %s\n", message.toLocal8Bit().constData());
}

} // namespace

int main(int argc, char **argv)
{
    qInstallMessageHandler(quietMessages);
    std::unique_ptr<QCoreApplication> app;
    if (wantsPdf(argc, argv)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("tamberon-check"));
    QCoreApplication::setApplicationVersion(QStringLiteral("6.0.1"));

    QFile out;
    QFile err;
    if (!out.open(stdout, QIODevice::WriteOnly) || !err.open(stderr, QIODevice::WriteOnly))
        return tamb::check::SomeUnreadable;

    const tamb::check::Options options =
        tamb::check::parseArguments(QCoreApplication::arguments().mid(1));
    if (options.help) {
        out.write(tamb::check::UsageText.toUtf8());
        return tamb::check::AllComplete;
    }
    if (!options.usageError.isEmpty()) {
        err.write(QStringLiteral("tamberon-check: %1\n\n").arg(options.usageError).toUtf8());
        err.write(tamb::check::UsageText.toUtf8());
        return tamb::check::UsageError;
    }
    const int status = tamb::check::run(options, QDir::currentPath(), out, err);
    out.flush();
    err.flush();
    return status;
}
