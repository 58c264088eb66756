#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <cstddef>
#include <cstring>
#include <utility>

namespace tamb::check {

// Compact JSON text (UTF-8) with the keys in the order they are written.
class JsonWriter
{
public:
    JsonWriter() : m_buffer(4096, Qt::Uninitialized) {}

    JsonWriter &beginObject() { return open('{'); }
    JsonWriter &endObject() { return close('}'); }
    JsonWriter &beginArray() { return open('['); }
    JsonWriter &endArray() { return close(']'); }
    JsonWriter &key(const QString &name);
    // A name of plain ASCII letters, written as it is.
    JsonWriter &key(QLatin1String name)
    {
        separate();
        put('"');
        literal(name.data(), std::size_t(name.size()));
        put('"');
        put(':');
        m_afterKey = true;
        return *this;
    }

    JsonWriter &value(const QString &text)
    {
        separate();
        quoted(text);
        return *this;
    }
    // An array of texts.
    JsonWriter &texts(const QString *first, qsizetype count);
    JsonWriter &value(int number);
    JsonWriter &value(bool flag);
    JsonWriter &null();
    JsonWriter &value(const char *) = delete; // would silently become bool

    QByteArray text() const { return m_buffer.left(qsizetype(m_used)); }
    // The text, without a copy; the writer is empty afterwards.
    QByteArray take()
    {
        m_buffer.truncate(qsizetype(m_used));
        m_used = 0;
        return std::exchange(m_buffer, QByteArray());
    }

private:
    JsonWriter &open(char bracket)
    {
        separate();
        put(bracket);
        // Deeper nesting than 64 levels does not occur in the reports.
        Q_ASSERT(m_depth < 64);
        m_hasMember &= ~(quint64(1) << m_depth);
        ++m_depth;
        return *this;
    }
    JsonWriter &close(char bracket)
    {
        --m_depth;
        put(bracket);
        return *this;
    }
    void separate()
    {
        if (m_afterKey) {
            m_afterKey = false;
            return;
        }
        if (m_depth > 0) {
            const quint64 bit = quint64(1) << (m_depth - 1);
            if (m_hasMember & bit)
                put(',');
            m_hasMember |= bit;
        }
    }
    void quoted(const QString &text)
    {
        // Half the cells of a report are empty.
        if (text.isEmpty()) {
            literal("\"\"", 2);
            return;
        }
        quotedText(text);
    }
    void quotedText(const QString &text);
    static char *special(char *out, char16_t ch);
    std::size_t surrogates(char *out, const char16_t *chars, std::size_t begin, std::size_t size);
    void put(char c)
    {
        *reserve(1) = c;
        ++m_used;
    }
    void literal(const char *text, std::size_t size)
    {
        std::memcpy(reserve(size), text, size);
        m_used += size;
    }
    // Room for n more bytes; returns where they go.
    char *reserve(std::size_t n)
    {
        if (m_used + n > std::size_t(m_buffer.size()))
            m_buffer.resize(qsizetype(2 * (m_used + n)));
        return m_buffer.data() + m_used;
    }

    QByteArray m_buffer; // m_used bytes written, the rest is room

    std::size_t m_used = 0;
    // One bit per open array or object: whether a member follows already.
    quint64 m_hasMember = 0;
    int m_depth = 0;
    bool m_afterKey = false;
};

} // namespace tamb::check
