// tamberon-check: checks the selection files of a whole year group without a screen.
//
// Built twice: `tamberon-check` needs QtCore only and hands a run with
// --pdf to `tamberon-check-pdf` beside it, which draws the forms with QtGui.
// Loading QtGui costs every run several milliseconds.
#include "cli/CommandLine.h"
#include "cli/Run.h"
#include "files/SafeRead.h"
#include "files/SafeWrite.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#ifdef TAMBERON_CHECK_DRAWS_FORMS
#include "cli/PdfForm.h"

#include <QGuiApplication>
#else
#include <QProcess>
#include <QStandardPaths>
#endif

#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

#ifdef TAMBERON_CHECK_DRAWS_FORMS
bool wantsPdf(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--pdf", 5) == 0)
            return true;
    return false;
}
#endif

// Qt's own notes (platform plugin, fonts) are no business of the report;
// only serious problems reach stderr.
void quietMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "tamberon-check: %s\n", message.toLocal8Bit().constData());
}

#ifndef TAMBERON_CHECK_DRAWS_FORMS
// The same run by the checker that draws forms; its output is ours.
int runWithForms(QFile &err)
{
    const QString name = QStringLiteral("tamberon-check-pdf");
    // Beside the checker in the build, in the helpers' folder once installed.
    const QString here = QCoreApplication::applicationDirPath();
    const QString program = QStandardPaths::findExecutable(
        name, {here, QDir::cleanPath(QDir(here).filePath(QStringLiteral(TAMBERON_HELPER_DIR)))});
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.setInputChannelMode(QProcess::ForwardedInputChannel);
    if (!program.isEmpty()) {
        process.start(program, QCoreApplication::arguments().mid(1));
        if (process.waitForStarted(-1) && process.waitForFinished(-1)
            && process.exitStatus() == QProcess::NormalExit)
            return process.exitCode();
    }
    err.write(QStringLiteral("tamberon-check: %1 fehlt oder bricht ab, die Formulare können "
                             "nicht geschrieben werden\n")
                  .arg(QDir::toNativeSeparators(
                      QDir(QCoreApplication::applicationDirPath()).filePath(name)))
                  .toUtf8());
    return tamb::check::SomeUnreadable;
}
#endif

// The arguments as Qt decodes them, file names that the system's encoding cannot show
// with their bytes kept.
QStringList arguments(int argc, char **argv)
{
    QStringList decoded = QCoreApplication::arguments().mid(1);
    if (decoded.size() == argc - 1)
        for (int i = 1; i < argc; ++i)
            decoded[i - 1] = tamb::PathFromArgument(decoded[i - 1], QByteArray(argv[i]));
    return decoded;
}

// A report that did not reach its reader is no success: status 2, and why on stderr
// while stderr still takes it.
int finish(QFile &out, QFile &err, int status)
{
    const bool outWritten = out.flush() && out.error() == QFileDevice::NoError;
    if (!outWritten) {
        err.write(QStringLiteral("tamberon-check: Die Ausgabe kann nicht geschrieben werden: %1\n")
                      .arg(tamb::DeviceFailureReason(out.errorString()))
                      .toUtf8());
    }
    const bool errWritten = err.flush() && err.error() == QFileDevice::NoError;
    return outWritten && errWritten ? status : tamb::check::SomeUnreadable;
}

} // namespace

int main(int argc, char **argv)
{
    qInstallMessageHandler(quietMessages);
#ifdef SIGPIPE
    // A closed pipe is a write error that the run reports, not the end of the program.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    std::unique_ptr<QCoreApplication> app;
#ifdef TAMBERON_CHECK_DRAWS_FORMS
    // The printed forms need fonts, and fonts need a QGuiApplication.
    if (wantsPdf(argc, argv)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
#endif
    if (!app)
        app = std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tamberon-check"));
    QCoreApplication::setApplicationVersion(QStringLiteral("6.0.1"));

    QFile out;
    QFile err;
    if (!out.open(stdout, QIODevice::WriteOnly) || !err.open(stderr, QIODevice::WriteOnly))
        return tamb::check::SomeUnreadable;

    const tamb::check::Options options = tamb::check::parseArguments(arguments(argc, argv));
    int status = tamb::check::AllComplete;
    if (options.help) {
        out.write(tamb::check::UsageText.toUtf8());
    } else if (options.version) {
        out.write(QStringLiteral("tamberon-check %1\n")
                      .arg(QCoreApplication::applicationVersion())
                      .toUtf8());
    } else if (!options.usageError.isEmpty()) {
        err.write(QStringLiteral("tamberon-check: %1\n\n").arg(options.usageError).toUtf8());
        err.write(tamb::check::UsageText.toUtf8());
        status = tamb::check::UsageError;
    } else {
#ifdef TAMBERON_CHECK_DRAWS_FORMS
        const tamb::check::FormWriter writeForm = [](const tamb::Model &m, const QString &path) {
            return tamb::check::writeFormPdf(m, path);
        };
        status = tamb::check::run(options, QDir::currentPath(), out, err, writeForm);
#else
        status = options.pdf ? runWithForms(err)
                             : tamb::check::run(options, QDir::currentPath(), out, err);
#endif
    }
    return finish(out, err, status);
}
