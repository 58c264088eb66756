#include "cli/JsonWriter.h"

#include <QVarLengthArray>

namespace tamb::check {

namespace {

// The text in quotes, with the JSON escapes; built in one buffer and
// appended once.
void appendQuoted(QString &out, const QString &text)
{
    static const char16_t Hex[] = u"0123456789abcdef";
    QVarLengthArray<char16_t, 256> buffer;
    buffer.append(u'"');
    for (const QChar c : text) {
        const char16_t ch = c.unicode();
        switch (ch) {
        case u'"':
            buffer.append(u'\\');
            buffer.append(u'"');
            break;
        case u'\\':
            buffer.append(u'\\');
            buffer.append(u'\\');
            break;
        case u'\n':
            buffer.append(u'\\');
            buffer.append(u'n');
            break;
        case u'\r':
            buffer.append(u'\\');
            buffer.append(u'r');
            break;
        case u'\t':
            buffer.append(u'\\');
            buffer.append(u't');
            break;
        default:
            if (ch < 0x20) {
                const char16_t escape[] = {u'\\', u'u', u'0', u'0', Hex[ch >> 4], Hex[ch & 15]};
                buffer.append(escape, 6);
            } else {
                buffer.append(ch);
            }
        }
    }
    buffer.append(u'"');
    out.append(QStringView(buffer.constData(), buffer.size()));
}

} // namespace

void JsonWriter::separate()
{
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (!m_hasMember.isEmpty()) {
        if (m_hasMember.last())
            m_text += u',';
        m_hasMember.last() = true;
    }
}

JsonWriter &JsonWriter::beginObject()
{
    separate();
    m_text += u'{';
    m_hasMember.append(false);
    return *this;
}

JsonWriter &JsonWriter::endObject()
{
    m_hasMember.removeLast();
    m_text += u'}';
    return *this;
}

JsonWriter &JsonWriter::beginArray()
{
    separate();
    m_text += u'[';
    m_hasMember.append(false);
    return *this;
}

JsonWriter &JsonWriter::endArray()
{
    m_hasMember.removeLast();
    m_text += u']';
    return *this;
}

JsonWriter &JsonWriter::key(const QString &name)
{
    separate();
    appendQuoted(m_text, name);
    m_text += u':';
    m_afterKey = true;
    return *this;
}

JsonWriter &JsonWriter::value(const QString &text)
{
    separate();
    appendQuoted(m_text, text);
    return *this;
}

JsonWriter &JsonWriter::value(int number)
{
    separate();
    m_text += QString::number(number);
    return *this;
}

JsonWriter &JsonWriter::value(bool flag)
{
    separate();
    m_text += flag ? QLatin1String("true") : QLatin1String("false");
    return *this;
}

JsonWriter &JsonWriter::null()
{
    separate();
    m_text += QLatin1String("null");
    return *this;
}

} // namespace tamb::check
