#include "files/SafeRead.h"

#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace tamb {

namespace {

constexpr char16_t KeptByteBase = 0xDC00;

bool isKeptByte(QChar c)
{
    return c.unicode() >= KeptByteBase + 0x80 && c.unicode() <= KeptByteBase + 0xFF;
}

bool hasKeptBytes(const QString &path)
{
    return std::any_of(path.begin(), path.end(), isKeptByte);
}

// Length of the valid UTF-8 sequence at bytes[i], 0 when there is none.
int utf8Length(const QByteArray &bytes, qsizetype i)
{
    const auto byte = [&](qsizetype k) { return quint8(bytes[k]); };
    const quint8 lead = byte(i);
    int length = lead < 0x80 ? 1 : lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3
               : lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
    if (length == 0 || i + length > bytes.size())
        return 0;
    for (int k = 1; k < length; ++k)
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
    // Overlong forms, surrogates and code points above U+10FFFF.
    const QString decoded = QString::fromUtf8(bytes.constData() + i, length);
    return decoded.contains(QChar::ReplacementCharacter) || decoded.isEmpty()
                || (length == 3 && (byte(i + 1) < (lead == 0xE0 ? 0xA0 : 0x80)
                                    || (lead == 0xED && byte(i + 1) >= 0xA0)))
                || (length == 4 && ((lead == 0xF0 && byte(i + 1) < 0x90)
                                    || (lead == 0xF4 && byte(i + 1) >= 0x90)))
               ? 0
               : length;
}

} // namespace

QString PathFromArgument(const QString &decoded, const QByteArray &native)
{
    // Only names that the decoding lost: on systems whose arguments come as
    // text, the native bytes are not where the text came from.
    if (native.isEmpty() || QFile::encodeName(decoded) == native
        || QFile::decodeName(native) != decoded)
        return decoded;
    QString path;
    for (qsizetype i = 0; i < native.size();) {
        const int length = utf8Length(native, i);
        if (length > 0) {
            path += QString::fromUtf8(native.constData() + i, length);
            i += length;
        } else {
            path += QChar(char16_t(KeptByteBase + quint8(native[i])));
            ++i;
        }
    }
    return path;
}

QByteArray NativePath(const QString &path)
{
    if (!hasKeptBytes(path))
        return QFile::encodeName(path);
    QByteArray bytes;
    QString run;
    for (const QChar c : path) {
        if (isKeptByte(c)) {
            bytes += QFile::encodeName(run);
            run.clear();
            bytes += char(c.unicode() - KeptByteBase);
        } else {
            run += c;
        }
    }
    return bytes + QFile::encodeName(run);
}

ReadOutcome ReadWholeFile(const QString &path, qint64 limit)
{
    ReadOutcome outcome;
    // Asked before opening: opening a pipe for reading waits for its writer.
    std::error_code error;
    const std::filesystem::path native = hasKeptBytes(path)
                                             ? std::filesystem::path(NativePath(path).toStdString())
                                             : std::filesystem::path(path.toStdU16String());
    const std::filesystem::file_status status = std::filesystem::status(native, error);
    if (status.type() == std::filesystem::file_type::directory) {
        outcome.reason = QStringLiteral("Das ist ein Ordner, keine Datei.");
        return outcome;
    }
    if (status.type() == std::filesystem::file_type::not_found) {
        outcome.reason = QStringLiteral("Die Datei existiert nicht.");
        return outcome;
    }
    if (error || status.type() != std::filesystem::file_type::regular) {
        outcome.reason = error ? QString::fromLocal8Bit(error.message()) + u'.'
                               : QStringLiteral("Das ist keine gewöhnliche Datei.");
        return outcome;
    }

    QFile file;
    std::FILE *handle = nullptr;
    bool opened = false;
    if (hasKeptBytes(path)) {
        handle = std::fopen(NativePath(path).constData(), "rb");
        opened = handle && file.open(handle, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
        if (handle && !opened)
            std::fclose(handle);
    } else {
        file.setFileName(path);
        opened = file.open(QIODevice::ReadOnly);
    }
    if (!opened) {
        outcome.reason = file.errorString().isEmpty() ? QStringLiteral("Zugriff verweigert.")
                                                      : file.errorString() + u'.';
        return outcome;
    }
    outcome.bytes = file.read(limit);
    if (file.error() != QFileDevice::NoError) {
        outcome.bytes.clear();
        outcome.reason = file.errorString() + u'.';
        return outcome;
    }
    outcome.complete = file.atEnd() || file.read(1).isEmpty();
    outcome.ok = true;
    return outcome;
}

} // namespace tamb
