#pragma once

#include <QSet>
#include <QString>

namespace tamb::check {

// DIR/<base name>.pdf; a base name already used in this run gets "-2", "-3", ...
class PdfNames
{
public:
    explicit PdfNames(const QString &folder) : m_folder(folder) {}
    QString nameFor(const QString &file);

private:
    QString m_folder;
    QSet<QString> m_used; // lower case: file systems that ignore case
};

} // namespace tamb::check
