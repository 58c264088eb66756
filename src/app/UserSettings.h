#pragma once

#include <QSettings>

namespace tamb {

// Where the user's own choices are kept (recent files, the windows' size),
// not the school's settings file beside the program.
inline QSettings UserSettings()
{
    // The default format: the platform's own (the registry on Windows) unless a
    // test points it at a file of its own.
    return QSettings(QSettings::defaultFormat(), QSettings::UserScope, QStringLiteral("Tamberon"),
                     QStringLiteral("Tamberon"));
}

} // namespace tamb
