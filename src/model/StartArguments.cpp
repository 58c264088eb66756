#include "model/StartArguments.h"

#include "files/FileNames.h"
#include "files/SafeRead.h"
#include "files/SelectionFile.h"
#include "model/OptionTable.h"

#include <QDir>
#include <QFileInfo>

namespace tamb {

const QString StartUsageText = QStringLiteral(
    "Aufruf: tamberon [DATEI]\n"
    "       tamberon --jahrgang ORDNER\n"
    "\n"
    "Kurswahl für die Kursstufe am allgemeinbildenden Gymnasium in Baden-Württemberg.\n"
    "Eine DATEI (*.tmd, *.tnd) wird nach dem Start geöffnet wie \"Öffnen\" im Menü.\n"
    "\n"
    "  --jahrgang ORDNER   alle Wahldateien des Ordners im Fenster \"Jahrgang\"\n"
    "  -h, --help          diese Hilfe\n"
    "  --version           die Version\n"
    "  --                  alles Weitere ist die Datei\n"
    "\n"
    "Rückgabewert: 0, 64 bei falschem Aufruf.\n");

StartArguments ParseStartArguments(const QStringList &arguments)
{
    StartArguments start;
    const auto flag = [](bool &target) {
        return [&target](const QString &) {
            target = true;
            return QString();
        };
    };
    const ParsedArguments parsed = ParseArguments(
        arguments, {
                       {QStringLiteral("--help"), QStringLiteral("-h"), {}, flag(start.help)},
                       {QStringLiteral("--version"), {}, {}, flag(start.version)},
                       {QStringLiteral("--jahrgang"), {}, QStringLiteral("einen Ordner"),
                        [&start](const QString &folder) {
                            start.yearGroup = folder;
                            return QString();
                        }},
                   });
    start.error = parsed.error;
    if (parsed.operands.size() > 1 && start.error.isEmpty())
        start.error = QStringLiteral("nur eine Datei kann geöffnet werden");
    if (!parsed.operands.isEmpty())
        start.file = parsed.operands.constFirst();
    return start;
}

QString StartFileProblem(const QString &path)
{
    QString reason;
    if (KindOfPath(path) == SelectionKind::None && !QFileInfo(path).isDir())
        reason = QStringLiteral("Nur Wahldateien (*.tmd, *.tnd) können geöffnet werden.");
    else if (const ReadOutcome read = ReadWholeFile(path, 0); !read)
        reason = read.reason;
    if (reason.isEmpty())
        return reason;
    return CannotOpenText(QDir::toNativeSeparators(path)) + QStringLiteral(": ") + reason;
}

} // namespace tamb
