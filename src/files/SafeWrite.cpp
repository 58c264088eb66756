#include "files/SafeWrite.h"

#include <QSaveFile>

namespace tamb {

namespace {

QString Reason(const QFileDevice &file)
{
    const QString text = file.errorString();
    return text.isEmpty() ? QStringLiteral("Unbekannter Fehler.") : text;
}

} // namespace

WriteOutcome WriteWholeFile(const QString &path, const std::function<bool(QIODevice &)> &fill)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {false, Reason(file)};
    if (!fill(file)) {
        const QString reason = Reason(file);
        file.cancelWriting();
        return {false, reason};
    }
    // Qt 6.4's commit() renames an unflushed (empty) file over the old one after a failed
    // buffered write, so the flush decides.
    if (!file.flush() || file.error() != QFileDevice::NoError) {
        const QString reason = Reason(file);
        file.cancelWriting();
        return {false, reason};
    }
    if (!file.commit())
        return {false, Reason(file)};
    return {true, {}};
}

WriteOutcome WriteWholeFile(const QString &path, const QByteArray &bytes)
{
    return WriteWholeFile(path, [&bytes](QIODevice &device) {
        return device.write(bytes) == bytes.size();
    });
}

} // namespace tamb
