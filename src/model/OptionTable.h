// The command lines of the program and the checker: a table of options, so that a new
// option is one entry.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace tamb {

struct OptionEntry
{
    QString name;  // "--pdf"
    QString alias; // "-h", or empty
    // What the option's value is, for the message when it is missing ("ein Verzeichnis");
    // empty for an option without value. A value comes as "--pdf=X" or "--pdf X".
    QString valueName;
    // Takes the value (empty for an option without one); returns why the option cannot be
    // used, empty when it can.
    std::function<QString(const QString &value)> apply;
};

struct ParsedArguments
{
    QStringList operands;
    // The first reason the command line cannot be used; empty when it can.
    QString error;
};

// Arguments without the program name. Before "--" every argument that starts with "-"
// (but "-" itself) is an option; an unknown one is an error.
ParsedArguments ParseArguments(const QStringList &arguments, const QList<OptionEntry> &options);

} // namespace tamb
