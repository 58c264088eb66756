// Reading whole files: only regular files, so that a pipe, socket, device or folder given
// as a file is refused at once instead of blocking; and paths whose names are not valid
// in the system's encoding.
#pragma once

#include <QByteArray>
#include <QString>

namespace tamb {

struct ReadOutcome {
    bool ok = false;
    QByteArray bytes; // at most the limit asked for
    bool complete = false; // the file ended within the limit
    QString reason; // German, ending in "."; empty on success
    explicit operator bool() const { return ok; }
};

// Reads up to `limit` bytes of the regular file at path.
ReadOutcome ReadWholeFile(const QString &path, qint64 limit);

// A command-line argument as a path. A name that the system's encoding cannot show keeps
// its bytes (each undecodable byte b as the character U+DC00 + b), so that it still opens.
QString PathFromArgument(const QString &decoded, const QByteArray &native);
// The bytes of a path for the system, those kept bytes restored.
QByteArray NativePath(const QString &path);

} // namespace tamb
