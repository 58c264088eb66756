#pragma once

#include "cli/CommandLine.h"
#include "files/SafeWrite.h"

#include <QString>

#include <functional>

class QIODevice;

namespace tamb {
struct Model;
}

namespace tamb::check {

// Writes the printed form of a model as a PDF file; the outcome says why it cannot.
using FormWriter = std::function<WriteOutcome(const Model &, const QString &path)>;

// Checks every file of the options in order, writes the report to `out`
// (UTF-8) and problems to `err`; returns the exit status. The settings file
// is looked for in `folder`. Files are checked on as many threads as the
// machine has cores; forms (--pdf) are written with `writeForm`, one after
// the other on the calling thread.
int run(const Options &options, const QString &folder, QIODevice &out, QIODevice &err,
        const FormWriter &writeForm = {});
// The same with `workers` threads (1: all on the calling thread).
int run(const Options &options, const QString &folder, QIODevice &out, QIODevice &err,
        int workers, const FormWriter &writeForm = {});

} // namespace tamb::check
