#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace tamb::check {

enum class Format { Text, Json, Csv };

// Exit statuses of the checker.
enum ExitStatus : int {
    AllComplete = 0,
    SomeIncomplete = 1,
    SomeUnreadable = 2,
    UsageError = 64,
};

struct Options
{
    Format format = Format::Text;
    bool stats = false;
    bool pdf = false;
    QString pdfFolder;
    // --zielnote: the target average grade times ten.
    std::optional<int> target;
    QStringList files;
    bool help = false;
    bool version = false;
    // Why the command line cannot be used; empty when it can.
    QString usageError;
};

// Arguments without the program name.
Options parseArguments(const QStringList &arguments);

// The German usage text.
extern const QString UsageText;

} // namespace tamb::check
