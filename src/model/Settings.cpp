#include "model/Settings.h"

#include "model/ByteIO.h"
#include "model/Interaction.h"
#include "model/Model.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace tamb {

const QString SettingsMissingWarning = QStringLiteral(
    "Diese Version ist u. U. noch nicht\n\r"
    "an Ihre Schullaufbahn angepasst!\n\r"
    "\n\r"
    "Sie sollten zuerst die Einstellungen über-\n\r"
    "prüfen und gegebenenfalls ändern!\n\r"
    "         (Einstellungen)");

const QString SettingsNotWrittenWarning = QStringLiteral(
    "Die geänderten Einstellungen können nicht gespeichert werden!\n\r\n\r"
    "Sie müssen beim nächsten Programmstart erneut vorgenommen werden!");

QString SettingsPath(const Model &m)
{
    const QString dir = m.ProgDir.isEmpty() ? QDir::currentPath() : m.ProgDir;
    return QDir(dir).filePath(SettingsFileName);
}

QByteArray EncodeSettings(const Model &m)
{
    ByteWriter w;
    w.writeString(m.SchoolName);
    for (int row = 2; row <= 5; ++row)
        w.writeString(m.SubjectText[0][row]);
    w.writeString(m.SubjectText[0][29]);
    w.writeByte(m.Allowed[0][29] ? 1 : 0);
    w.writeByte(m.Allowed[3][29] ? 1 : 0);
    w.writeString(m.FspiHours);
    return w.data();
}

bool DecodeSettings(Model &m, const QByteArray &bytes)
{
    ByteReader r(bytes);
    const QString school = r.readString();
    QString languages[4];
    for (QString &language : languages)
        language = r.readString();
    const QString elective = r.readString();
    const bool offered = r.readByte() != 0;
    const bool oral = r.readByte() != 0;
    const QString hours = r.readString();
    if (!r.ok())
        return false;

    m.SchoolName = school;
    for (int i = 0; i < 4; ++i)
        m.SubjectText[0][2 + i] = languages[i];
    m.SubjectText[0][29] = elective;
    m.Allowed[0][29] = offered;
    m.Allowed[3][29] = oral;
    m.FspiHours = hours;
    return true;
}

bool ReadSettings(Model &m)
{
    QFile file(SettingsPath(m));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // A settings file holds at most a few hundred bytes.
    const QByteArray bytes = file.read(64 * 1024);
    if (file.error() != QFileDevice::NoError || !DecodeSettings(m, bytes))
        return false;
    m.view.title = TitleAfterSettings(m);
    return true;
}

bool WriteSettings(const Model &m)
{
    QSaveFile file(SettingsPath(m));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = EncodeSettings(m);
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

void ReadSettingsOrWarn(Model &m, Interaction &ui)
{
    if (ReadSettings(m))
        return;
    ui.warn(SettingsMissingWarning);
    if (m.SchoolName == NoSchool && !m.SettingsSeen)
        m.view.settingsNotice = true;
}

} // namespace tamb
