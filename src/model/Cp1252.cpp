#include "model/Cp1252.h"

namespace tamb {

namespace {

// 0x80..0x9F; 0 where the code page has no character (kept as the C1 control).
const char16_t High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char16_t decode(unsigned char byte)
{
    if (byte >= 0x80 && byte < 0xA0 && High[byte - 0x80] != 0)
        return High[byte - 0x80];
    return char16_t(byte);
}

char encode(char16_t ch)
{
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF))
        return char(ch);
    for (int i = 0; i < 32; ++i)
        if (High[i] == ch)
            return char(0x80 + i);
    if (ch >= 0x80 && ch < 0xA0 && High[ch - 0x80] == 0)
        return char(ch);
    return '?';
}

} // namespace

QByteArray toCp1252(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar ch : text)
        bytes.append(encode(ch.unicode()));
    return bytes;
}

QString fromCp1252(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return QString();
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (char byte : bytes)
        *out++ = QChar(decode(static_cast<unsigned char>(byte)));
    return text;
}

} // namespace tamb
