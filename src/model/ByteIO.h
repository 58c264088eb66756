#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace tamb {

// Longest string the program's files may hold (a length byte's worth).
constexpr qint32 MaxStringLength = 255;

// Reads little-endian words, bytes and length-prefixed Windows-1252 strings
// from a buffer that holds the whole file. Never reads past the end: once a
// read fails, ok() stays false and every later read yields nothing.
class ByteReader
{
public:
    explicit ByteReader(const QByteArray &data) : m_data(data) {}

    qint32 readInt32();
    quint8 readByte();
    QString readString(); // length below 0 or above MaxStringLength fails

    bool ok() const { return m_ok; }
    bool atEnd() const { return m_pos >= m_data.size(); }
    qsizetype position() const { return m_pos; }

private:
    const QByteArray &m_data;
    qsizetype m_pos = 0;
    bool m_ok = true;
};

// Appends the same items.
class ByteWriter
{
public:
    void writeInt32(qint32 value);
    void writeByte(quint8 value);
    void writeString(const QString &text); // Windows-1252 bytes, 32-bit length first

    const QByteArray &data() const { return m_data; }

private:
    QByteArray m_data;
};

} // namespace tamb
