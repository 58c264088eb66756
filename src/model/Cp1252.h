#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace tamb {

// Windows-1252, the code page of every file the program reads or writes.
QByteArray toCp1252(const QString &text);   // unmappable characters become '?'
QString fromCp1252(QByteArrayView bytes);

} // namespace tamb
