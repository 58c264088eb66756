#include "yeargroup/JsonWriter.h"

#include <QtGlobal>

#include <algorithm>
#include <array>
#include <charconv>

namespace tamb::check {

namespace {

// ASCII characters written as they are.
constexpr auto Plain = [] {
    std::array<bool, 128> plain{};
    for (int c = 0x20; c < 0x80; ++c)
        plain[std::size_t(c)] = c != '"' && c != '\\';
    return plain;
}();

} // namespace

// Written straight as UTF-8 into room for the worst case (six bytes for an
// escaped control character, three for a UTF-16 unit).
void JsonWriter::quotedText(const QString &text)
{
    const char16_t *chars = reinterpret_cast<const char16_t *>(text.constData());
    const std::size_t size = std::size_t(text.size());
    char *out = reserve(6 * size + 2);
    *out++ = '"';
    for (std::size_t i = 0; i < size; ++i) {
        const char16_t ch = chars[i];
        if (ch < 0x80 && Plain[ch]) [[likely]] {
            *out++ = char(ch);
        } else if (ch < 0xd800 || ch > 0xdfff) {
            out = special(out, ch);
        } else {
            const std::size_t end = surrogates(out, chars, i, size);
            out = m_buffer.data() + m_used;
            i = end - 1;
        }
    }
    *out++ = '"';
    m_used = std::size_t(out - m_buffer.data());
}

// Escapes and the other characters of the basic plane.
char *JsonWriter::special(char *out, char16_t ch)
{
    static const char Hex[] = "0123456789abcdef";
    if (ch >= 0x800) {
        *out++ = char(0xe0 | (ch >> 12));
        *out++ = char(0x80 | ((ch >> 6) & 0x3f));
        *out++ = char(0x80 | (ch & 0x3f));
        return out;
    }
    if (ch >= 0x80) {
        *out++ = char(0xc0 | (ch >> 6));
        *out++ = char(0x80 | (ch & 0x3f));
        return out;
    }
    *out++ = '\\';
    switch (ch) {
    case u'"':
        *out++ = '"';
        break;
    case u'\\':
        *out++ = '\\';
        break;
    case u'\n':
        *out++ = 'n';
        break;
    case u'\r':
        *out++ = 'r';
        break;
    case u'\t':
        *out++ = 't';
        break;
    default: {
        const char escape[] = {'u', '0', '0', Hex[ch >> 4], Hex[ch & 15]};
        out = std::copy(escape, escape + sizeof escape, out);
    }
    }
    return out;
}

// A run of surrogates from `begin`, through Qt's encoder: pairs and lone
// halves come out as Qt writes them. Leaves m_used after the bytes written
// (room stays for the rest of the text) and returns where the run ends.
std::size_t JsonWriter::surrogates(char *out, const char16_t *chars, std::size_t begin,
                                   std::size_t size)
{
    std::size_t end = begin + 1;
    while (end < size && chars[end] >= 0xd800 && chars[end] <= 0xdfff)
        ++end;
    const QByteArray utf8 = QStringView(chars + begin, qsizetype(end - begin)).toUtf8();
    m_used = std::size_t(out - m_buffer.data());
    out = reserve(std::size_t(utf8.size()) + 6 * (size - end) + 1);
    std::copy(utf8.cbegin(), utf8.cend(), out);
    m_used += std::size_t(utf8.size());
    return end;
}

JsonWriter &JsonWriter::key(const QString &name)
{
    separate();
    quoted(name);
    put(':');
    m_afterKey = true;
    return *this;
}

JsonWriter &JsonWriter::texts(const QString *first, qsizetype count)
{
    separate();
    put('[');
    for (qsizetype i = 0; i < count; ++i) {
        if (i > 0)
            put(',');
        quoted(first[i]);
    }
    put(']');
    return *this;
}

JsonWriter &JsonWriter::value(int number)
{
    separate();
    char digits[16];
    const auto result = std::to_chars(digits, digits + sizeof digits, number);
    literal(digits, std::size_t(result.ptr - digits));
    return *this;
}

JsonWriter &JsonWriter::value(bool flag)
{
    separate();
    if (flag)
        literal("true", 4);
    else
        literal("false", 5);
    return *this;
}

JsonWriter &JsonWriter::null()
{
    separate();
    literal("null", 4);
    return *this;
}

} // namespace tamb::check
