#include "cli/CommandLine.h"

#include "grades/Zielnote.h"
#include "model/OptionTable.h"

namespace tamb::check {

const QString UsageText = QStringLiteral(
    "Aufruf: tamberon-check [--json | --csv] [--stats] [--pdf VERZEICHNIS] DATEI...\n"
    "\n"
    "Prüft Wahldateien von TAMBERON (*.tmd, *.tnd) wie \"Öffnen\" im Programm und\n"
    "berichtet je Datei, ob die Wahl vollständig ist, und die Abiturergebnisse.\n"
    "Die Schuleinstellungen kommen aus \"Tamberon.tme\" im aktuellen Verzeichnis,\n"
    "wenn es die Datei dort gibt.\n"
    "\n"
    "  --json              eine JSON-Liste mit einem Objekt je Datei (UTF-8)\n"
    "  --csv               eine Zeile je Datei, Felder durch \";\" getrennt (UTF-8)\n"
    "  --stats             zum Schluss: wie viele Schüler(innen) jedes Fach je\n"
    "                      Halbjahr und als Kern- oder Prüfungsfach belegen\n"
    "  --pdf VERZEICHNIS   für jede vollständige Wahl das Formular als\n"
    "                      VERZEICHNIS/<Dateiname>.pdf\n"
    "  --zielnote NOTE     für jede Datei mit Noten (*.tnd): wie viele Punkte in\n"
    "                      jeder fehlenden Note für die Durchschnittsnote NOTE\n"
    "                      (1,0 bis 4,0, z. B. 2,0) mindestens nötig sind\n"
    "  -h, --help          diese Hilfe\n"
    "  --version           die Version\n"
    "  --                  alles Weitere sind Dateien\n"
    "\n"
    "Rückgabewert: 0 alle Dateien gelesen und vollständig, 1 mindestens eine Wahl\n"
    "unvollständig, 2 mindestens eine Datei nicht lesbar (oder die Ausgabe nicht\n"
    "schreibbar), 64 falscher Aufruf.\n");

Options parseArguments(const QStringList &arguments)
{
    Options o;
    bool json = false;
    bool csv = false;
    const auto flag = [](bool &target) {
        return [&target](const QString &) {
            target = true;
            return QString();
        };
    };
    const QList<OptionEntry> table = {
        {QStringLiteral("--json"), {}, {}, flag(json)},
        {QStringLiteral("--csv"), {}, {}, flag(csv)},
        {QStringLiteral("--stats"), {}, {}, flag(o.stats)},
        {QStringLiteral("--pdf"), {}, QStringLiteral("ein Verzeichnis"),
         [&o](const QString &folder) {
             if (o.pdf)
                 return QStringLiteral("--pdf ist mehrfach angegeben");
             o.pdf = true;
             o.pdfFolder = folder;
             return QString();
         }},
        {QStringLiteral("--zielnote"), {}, QStringLiteral("eine Durchschnittsnote"),
         [&o](const QString &grade) {
             o.target = ParseTargetGrade(grade);
             return o.target ? QString()
                             : QStringLiteral("--zielnote verlangt eine Durchschnittsnote von 1,0 "
                                              "bis 4,0 wie 2,0");
         }},
        {QStringLiteral("--help"), QStringLiteral("-h"), {}, flag(o.help)},
        {QStringLiteral("--version"), {}, {}, flag(o.version)},
    };
    const ParsedArguments parsed = ParseArguments(arguments, table);
    o.files = parsed.operands;
    o.usageError = parsed.error;
    if (o.help || o.version)
        return o;
    const auto fail = [&o](const QString &why) {
        if (o.usageError.isEmpty())
            o.usageError = why;
    };
    if (json && csv)
        fail(QStringLiteral("--json und --csv schließen einander aus"));
    o.format = json ? Format::Json : csv ? Format::Csv : Format::Text;
    if (o.files.isEmpty())
        fail(QStringLiteral("keine Datei angegeben"));
    return o;
}

} // namespace tamb::check
