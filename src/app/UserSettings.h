#pragma once

#include <QSettings>

namespace tamb {

// Where the user's own choices are kept (recent files, the windows' size),
// not the school's settings file beside the program.
inline QSettings UserSettings()
{
    return QSettings(QSettings::UserScope, QStringLiteral("Tamberon"), QStringLiteral("Tamberon"));
}

} // namespace tamb
