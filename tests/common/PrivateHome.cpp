// Linked into every test: a home and XDG folders of its own, made before main(), so that no
// test reads or writes the user's settings, recent files or recovery files.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <utility>

namespace {

struct PrivateHome
{
    QTemporaryDir dir{QDir::tempPath() + QStringLiteral("/tamberon-test-home-XXXXXX")};

    PrivateHome()
    {
        for (const auto &[variable, folder] : {std::pair{"HOME", ""}, {"XDG_CONFIG_HOME", ".config"},
                                                {"XDG_DATA_HOME", ".local/share"},
                                                {"XDG_CACHE_HOME", ".cache"},
                                                {"XDG_STATE_HOME", ".local/state"}}) {
            const QString path = QDir(dir.path()).filePath(QString::fromLatin1(folder));
            QDir().mkpath(path);
            qputenv(variable, QFile::encodeName(path));
        }
#ifdef Q_OS_WIN
        // Windows keeps QSettings in the registry, which no variable moves: the
        // tests' settings go to an INI file in the private home instead.
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                           QDir(dir.path()).filePath(QStringLiteral(".config")));
#endif
    }
};

const PrivateHome home;

} // namespace
