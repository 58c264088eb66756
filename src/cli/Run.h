#pragma once

#include "cli/CommandLine.h"

#include <QString>

class QIODevice;

namespace tamb::check {

// Checks every file of the options in order, writes the report to `out`
// (UTF-8) and problems to `err`; returns the exit status. The settings file
// is looked for in `folder`. Writing PDF files needs a QGuiApplication.
int run(const Options &options, const QString &folder, QIODevice &out, QIODevice &err);

} // namespace tamb::check
