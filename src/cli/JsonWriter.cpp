#include "cli/JsonWriter.h"

namespace tamb::check {

namespace {

// The text in quotes, with the JSON escapes.
void appendQuoted(QString &out, const QString &text)
{
    out += u'"';
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'"':
            out += QLatin1String("\\\"");
            break;
        case u'\\':
            out += QLatin1String("\\\\");
            break;
        case u'\n':
            out += QLatin1String("\\n");
            break;
        case u'\r':
            out += QLatin1String("\\r");
            break;
        case u'\t':
            out += QLatin1String("\\t");
            break;
        default:
            if (c.unicode() < 0x20)
                out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    out += u'"';
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
