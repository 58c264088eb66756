#include "cli/CommandLine.h"

#include "grades/Zielnote.h"

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
    "  --                  alles Weitere sind Dateien\n"
    "\n"
    "Rückgabewert: 0 alle Dateien gelesen und vollständig, 1 mindestens eine Wahl\n"
    "unvollständig, 2 mindestens eine Datei nicht lesbar, 64 falscher Aufruf.\n");

Options parseArguments(const QStringList &arguments)
{
    Options o;
    auto fail = [&o](const QString &why) {
        if (o.usageError.isEmpty())
            o.usageError = why;
    };
    bool json = false;
    bool csv = false;
    bool optionsEnd = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &arg = arguments[i];
        if (optionsEnd || (!arg.startsWith(QLatin1String("--")) && arg != QLatin1String("-h"))) {
            o.files.append(arg);
        } else if (arg == QLatin1String("--")) {
            optionsEnd = true;
        } else if (arg == QLatin1String("--json")) {
            json = true;
        } else if (arg == QLatin1String("--csv")) {
            csv = true;
        } else if (arg == QLatin1String("--stats")) {
            o.stats = true;
        } else if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            o.help = true;
        } else if (arg == QLatin1String("--pdf") || arg.startsWith(QLatin1String("--pdf="))) {
            QString folder;
            if (arg == QLatin1String("--pdf")) {
                if (i + 1 < arguments.size() && !arguments[i + 1].startsWith(QLatin1String("--")))
                    folder = arguments[++i];
            } else {
                folder = arg.mid(6);
            }
            if (o.pdf)
                fail(QStringLiteral("--pdf ist mehrfach angegeben"));
            else if (folder.isEmpty())
                fail(QStringLiteral("--pdf verlangt ein Verzeichnis"));
            o.pdf = true;
            o.pdfFolder = folder;
        } else if (arg == QLatin1String("--zielnote") || arg.startsWith(QLatin1String("--zielnote="))) {
            QString grade;
            if (arg.contains(u'='))
                grade = arg.section(u'=', 1);
            else if (i + 1 < arguments.size())
                grade = arguments[++i];
            o.target = ParseTargetGrade(grade);
            if (!o.target)
                fail(QStringLiteral("--zielnote verlangt eine Durchschnittsnote von 1,0 bis 4,0 "
                                    "wie 2,0"));
        } else {
            fail(QStringLiteral("unbekannte Option %1").arg(arg));
        }
    }
    if (o.help)
        return o;
    if (json && csv)
        fail(QStringLiteral("--json und --csv schließen einander aus"));
    o.format = json ? Format::Json : csv ? Format::Csv : Format::Text;
    if (o.files.isEmpty())
        fail(QStringLiteral("keine Datei angegeben"));
    return o;
}

} // namespace tamb::check
