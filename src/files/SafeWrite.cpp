#include "files/SafeWrite.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

#include <cerrno>

namespace tamb {

namespace {

QString sentence(QString text)
{
    text = text.trimmed();
    if (text.isEmpty())
        return QStringLiteral("Unbekannter Fehler.");
    if (!text.endsWith(u'.'))
        text += u'.';
    return text;
}

// The reason first: cancelling clears the file's error.
QString fail(QSaveFile &file, const QString &path)
{
    const QString reason = WriteFailureReason(path, file.errorString());
    file.cancelWriting();
    return reason;
}

} // namespace

QString WriteFailureReason(const QString &path, const QString &systemMessage)
{
    const QFileInfo info(path);
    const QString folder = info.absolutePath();
    const QFileInfo folderInfo(folder);
    if (!folderInfo.isDir())
        return QStringLiteral("Der Ordner %1 existiert nicht (mehr).")
            .arg(QDir::toNativeSeparators(folder));
    if (!folderInfo.isWritable())
        return QStringLiteral("Der Ordner %1 ist schreibgeschützt.")
            .arg(QDir::toNativeSeparators(folder));
    if (info.exists() && !info.isWritable())
        return QStringLiteral("Die Datei ist schreibgeschützt.");
    // The system's words for a full disk; a disk with no room left says the same.
    const QStorageInfo storage(folder);
    if (storage.isValid() && storage.bytesAvailable() == 0)
        return QStringLiteral("Der Datenträger ist voll.");
    return DeviceFailureReason(systemMessage);
}

QString DeviceFailureReason(const QString &systemMessage)
{
    if (systemMessage == qt_error_string(ENOSPC))
        return QStringLiteral("Der Datenträger ist voll.");
    if (systemMessage == qt_error_string(EPIPE))
        return QStringLiteral("Der Empfänger nimmt nichts mehr an.");
    return sentence(systemMessage);
}

QString CannotSaveText(const QString &what, const WriteOutcome &outcome)
{
    return what
        + (outcome.created ? QStringLiteral(" kann nicht gespeichert werden: ")
                           : QStringLiteral(" kann nicht erstellt werden: "))
        + outcome.reason;
}

WriteOutcome WriteWholeFile(const QString &path, const std::function<bool(QIODevice &)> &fill)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {false, fail(file, path), false};
    if (!fill(file))
        return {false, fail(file, path), true};
    // Qt 6.4's commit() renames an unflushed (empty) file over the old one after a failed
    // buffered write, so the flush decides.
    if (!file.flush() || file.error() != QFileDevice::NoError)
        return {false, fail(file, path), true};
    if (!file.commit())
        return {false, WriteFailureReason(path, file.errorString()), true};
    return {true, {}, true};
}

WriteOutcome WriteWholeFile(const QString &path, const QByteArray &bytes)
{
    return WriteWholeFile(path, [&bytes](QIODevice &device) {
        return device.write(bytes) == bytes.size();
    });
}

} // namespace tamb
