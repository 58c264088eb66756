// Writing whole files so that a failure at any point keeps the previous file byte for byte.
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;

namespace tamb {

struct WriteOutcome {
    bool ok = false;
    QString reason; // German, for the user; empty on success
    explicit operator bool() const { return ok; }
};

// Writes bytes to path through a temporary file that replaces path only once everything
// reached the disk.
WriteOutcome WriteWholeFile(const QString &path, const QByteArray &bytes);

// The same for writers that stream into a device (a PDF writer); fill returns false to give up.
WriteOutcome WriteWholeFile(const QString &path, const std::function<bool(QIODevice &)> &fill);

} // namespace tamb
