#pragma once

#include <QString>
#include <QStringList>

namespace tamb::platform {

// One name for the desktop file, the metainfo and the icon.
inline const QString DesktopId = QStringLiteral("de.tamberon.tamberon");

// Ties the windows to the installed desktop entry and its icon.
void SetUpDesktopIntegration();

// Where Qt's German translations are looked for: the copy installed with
// the program, then Qt's own folder.
QStringList TranslationFolders();

} // namespace tamb::platform
