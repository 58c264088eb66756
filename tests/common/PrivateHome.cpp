// Linked into every test: a home and XDG folders of its own, made before main(), so that no
// test reads or writes the user's settings, recent files or recovery files.
#include <QByteArray>
#include <QDir>
#include <QFile>
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
    }
};

const PrivateHome home;

} // namespace
