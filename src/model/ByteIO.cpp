#include "model/ByteIO.h"

#include "model/Cp1252.h"

namespace tamb {

qint32 ByteReader::readInt32()
{
    if (!m_ok || m_data.size() - m_pos < 4) {
        m_ok = false;
        return 0;
    }
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(m_data[m_pos + i]);
    m_pos += 4;
    return static_cast<qint32>(value);
}

quint8 ByteReader::readByte()
{
    if (!m_ok || m_pos >= m_data.size()) {
        m_ok = false;
        return 0;
    }
    return static_cast<quint8>(m_data[m_pos++]);
}

QString ByteReader::readString()
{
    const qint32 length = readInt32();
    if (!m_ok || length < 0 || length > MaxStringLength || m_data.size() - m_pos < length) {
        m_ok = false;
        return QString();
    }
    const QByteArrayView bytes(m_data.constData() + m_pos, length);
    m_pos += length;
    return fromCp1252(bytes);
}

void ByteWriter::writeInt32(qint32 value)
{
    const quint32 bits = static_cast<quint32>(value);
    for (int i = 0; i < 4; ++i)
        m_data.append(char((bits >> (8 * i)) & 0xFF));
}

void ByteWriter::writeByte(quint8 value)
{
    m_data.append(char(value));
}

void ByteWriter::writeString(const QString &text)
{
    const QByteArray bytes = toCp1252(text);
    writeInt32(qint32(bytes.size()));
    m_data.append(bytes);
}

} // namespace tamb
