// The program's command line: one selection file to open, or a question about the program.
#pragma once

#include <QString>
#include <QStringList>

namespace tamb {

struct StartArguments
{
    bool help = false;
    bool version = false;
    QString file; // as given; empty when none
    QString yearGroup; // the folder of "--jahrgang ORDNER"; empty when none
    // Why the command line cannot be used; empty when it can.
    QString error;
};

// Arguments without the program name and without the toolkit's own options.
StartArguments ParseStartArguments(const QStringList &arguments);

// The German usage text of "tamberon --help".
extern const QString StartUsageText;

// Why a file named on the command line cannot be opened ("Datei X kann nicht geöffnet
// werden: ..."), empty when it is a selection file that can be read.
QString StartFileProblem(const QString &path);

} // namespace tamb
