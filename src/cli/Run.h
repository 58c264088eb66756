#pragma once

#include "cli/CommandLine.h"

#include <QString>

class QIODevice;

namespace tamb::check {

// Checks every file of the options in order, writes the report to `out`
// (UTF-8) and problems to `err`; returns the exit status. The settings file
// is looked for in `folder`. Writing PDF files needs a QGuiApplication.
// Files are checked on as many threads as the machine has cores.
int run(const Options &options, const QString &folder, QIODevice &out, QIODevice &err);
// The same with `workers` threads (1: all on the calling thread).
int run(const Options &options, const QString &folder, QIODevice &out, QIODevice &err,
        int workers);

} // namespace tamb::check
