#include "model/Settings.h"

#include "files/SafeRead.h"
#include "files/SafeWrite.h"
#include "model/ByteIO.h"
#include "model/Interaction.h"
#include "model/Model.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

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

namespace {

bool isName(const QString &text)
{
    return !text.trimmed().isEmpty()
        && std::none_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 32; });
}

// What the settings dialog can write: a school name, names of distinct compulsory
// languages ("--" only for the fourth), an elective language or "--", hours 2..4 or none.
bool plausible(const QString &school, const QString (&languages)[4], const QString &elective,
               const QString &hours)
{
    if (!isName(school) || !isName(elective))
        return false;
    for (int i = 0; i < 4; ++i) {
        if (!isName(languages[i]) || (languages[i] == NotOffered && i < 3))
            return false;
        for (int k = 0; k < i; ++k)
            if (languages[k] == languages[i])
                return false;
    }
    return hours.isEmpty() || hours == u"2" || hours == u"3" || hours == u"4";
}

} // namespace

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
    if (!r.ok() || !plausible(school, languages, elective, hours))
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

QString SettingsDamagedText(const QString &path)
{
    return QStringLiteral("Die Datei %1 ist beschädigt; bis die Einstellungen neu gespeichert "
                          "werden, gelten die Voreinstellungen.")
        .arg(QDir::toNativeSeparators(path));
}

bool ReadSettings(Model &m, QString *problem)
{
    const QString path = SettingsPath(m);
    // A settings file holds at most a few hundred bytes.
    const ReadOutcome read = ReadWholeFile(path, 64 * 1024);
    const bool decoded = read && DecodeSettings(m, read.bytes);
    if (problem) {
        problem->clear();
        if (!read && QFileInfo::exists(path))
            *problem = QStringLiteral("Datei %1 kann nicht geöffnet werden: %2")
                           .arg(QDir::toNativeSeparators(path), read.reason);
        else if (read && !decoded)
            *problem = SettingsDamagedText(path);
    }
    if (!decoded)
        return false;
    m.view.title = TitleAfterSettings(m);
    return true;
}

WriteOutcome WriteSettings(const Model &m)
{
    return WriteWholeFile(SettingsPath(m), EncodeSettings(m));
}

void ReadSettingsOrWarn(Model &m, Interaction &ui)
{
    QString problem;
    if (ReadSettings(m, &problem))
        return;
    ui.warn(problem.isEmpty() ? SettingsMissingWarning
                              : SettingsMissingWarning + QStringLiteral("\n\r\n\r") + problem);
    if (m.SchoolName == NoSchool && !m.SettingsSeen)
        m.view.settingsNotice = true;
}

} // namespace tamb
