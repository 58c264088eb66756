#pragma once

#include <QList>
#include <QString>

namespace tamb::check {

// Compact JSON text with the keys in the order they are written.
class JsonWriter
{
public:
    JsonWriter &beginObject();
    JsonWriter &endObject();
    JsonWriter &beginArray();
    JsonWriter &endArray();
    JsonWriter &key(const QString &name);

    JsonWriter &value(const QString &text);
    JsonWriter &value(int number);
    JsonWriter &value(bool flag);
    JsonWriter &null();
    JsonWriter &value(const char *) = delete; // would silently become bool

    const QString &text() const { return m_text; }

private:
    void separate();

    QString m_text;
    // One entry per open array or object: whether a member follows already.
    QList<bool> m_hasMember;
    bool m_afterKey = false;
};

} // namespace tamb::check
