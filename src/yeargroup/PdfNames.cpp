#include "yeargroup/PdfNames.h"

#include <QDir>
#include <QFileInfo>

namespace tamb::check {

QString PdfNames::nameFor(const QString &file)
{
    QString base = QFileInfo(file).completeBaseName();
    if (base.isEmpty())
        base = QStringLiteral("Formular");
    QString name = base;
    for (int n = 2; m_used.contains(name.toLower()); ++n)
        name = base + u'-' + QString::number(n);
    m_used.insert(name.toLower());
    return QDir(m_folder).filePath(name + QStringLiteral(".pdf"));
}

} // namespace tamb::check
