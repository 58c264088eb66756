// Writing whole files so that a failure at any point keeps the previous file byte for byte.
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;

namespace tamb {

struct WriteOutcome {
    bool ok = false;
    QString reason; // German, for the user, ending in "."; empty on success
    // False when not even the temporary file could be made (folder gone or read-only).
    bool created = false;
    explicit operator bool() const { return ok; }
};

// Writes bytes to path through a temporary file that replaces path only once everything
// reached the disk.
WriteOutcome WriteWholeFile(const QString &path, const QByteArray &bytes);

// The same for writers that stream into a device (a PDF writer); fill returns false to give up.
WriteOutcome WriteWholeFile(const QString &path, const std::function<bool(QIODevice &)> &fill);

// "Der Datenträger ist voll.": the German reason for a failed write of path, from the state
// of its folder where that tells more than the system's message.
QString WriteFailureReason(const QString &path, const QString &systemMessage);

// The German reason for a failed write to a device that is no file of ours (stdout).
QString DeviceFailureReason(const QString &systemMessage);

// "<what> kann nicht gespeichert werden: <reason>" (or "erstellt" when nothing was created).
QString CannotSaveText(const QString &what, const WriteOutcome &outcome);

} // namespace tamb
