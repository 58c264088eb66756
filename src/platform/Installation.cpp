#include "platform/Installation.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QIcon>
#include <QLibraryInfo>

namespace tamb::platform {

void SetUpDesktopIntegration()
{
    QGuiApplication::setDesktopFileName(DesktopId);
    const QIcon icon = QIcon::fromTheme(DesktopId);
    if (!icon.isNull())
        QGuiApplication::setWindowIcon(icon);
}

QStringList TranslationFolders()
{
    // TAMBERON_TRANSLATIONS: the installed folder relative to the program's.
    const QString own = QDir::cleanPath(QDir(QCoreApplication::applicationDirPath())
                                            .filePath(QStringLiteral(TAMBERON_TRANSLATIONS)));
    return {own, QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
}

} // namespace tamb::platform
