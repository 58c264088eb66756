#pragma once

// Helpers of the file tests: a field-by-field model comparison and a byte
// builder that assembles files from the layout table without our writer.

#include "TestSupport.h"
#include "model/Model.h"

#include <QBuffer>
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace tamb::test {

// Every field that differs, one line each; empty when the models are the same.
inline QString modelDiff(const Model &a, const Model &b)
{
    QStringList out;
    auto field = [&](bool same, const QString &name) {
        if (!same)
            out << name;
    };
    for (int r = 0; r < 4; ++r)
        for (int i = 0; i < SubjectCount; ++i) {
            if (a.Allowed[r][i] != b.Allowed[r][i])
                out << QStringLiteral("Allowed[%1][%2]").arg(r).arg(i);
            if (a.SubjectText[r][i] != b.SubjectText[r][i])
                out << QStringLiteral("SubjectText[%1][%2]").arg(r).arg(i);
        }
    for (int r = 0; r < 8; ++r)
        for (int i = 0; i < SubjectCount; ++i)
            if (a.Choice[r][i] != b.Choice[r][i])
                out << QStringLiteral("Choice[%1][%2]").arg(r).arg(i);
    for (int r = 0; r < 5; ++r)
        for (int i = 0; i < GradeColumns; ++i)
            if (a.Grades[r][i] != b.Grades[r][i])
                out << QStringLiteral("Grades[%1][%2]").arg(r).arg(i);
    for (int k = 0; k < 6; ++k)
        if (a.CoreSlots[k] != b.CoreSlots[k])
            out << QStringLiteral("CoreSlots[%1]").arg(k);
    field(a.ClickCol == b.ClickCol && a.ClickRow == b.ClickRow, QStringLiteral("ClickCol/Row"));
    field(a.FileWords == b.FileWords, QStringLiteral("FileWords"));
    field(a.CurrentFile == b.CurrentFile, QStringLiteral("CurrentFile"));
    field(a.PersonalData == b.PersonalData, QStringLiteral("PersonalData"));
    field(a.GridRows == b.GridRows, QStringLiteral("GridRows"));
    field(a.SchoolName == b.SchoolName, QStringLiteral("SchoolName"));
    field(a.BLLRow == b.BLLRow, QStringLiteral("BLLRow"));
    field(a.BLLField == b.BLLField, QStringLiteral("BLLField"));
    field(a.BLLSocialField == b.BLLSocialField, QStringLiteral("BLLSocialField"));
    field(a.NormalWidth == b.NormalWidth, QStringLiteral("NormalWidth"));
    field(a.DataVersion == b.DataVersion, QStringLiteral("DataVersion"));
    field(a.FspiHours == b.FspiHours, QStringLiteral("FspiHours"));
    field(a.ProgDir == b.ProgDir, QStringLiteral("ProgDir"));
    field(a.WorkDir == b.WorkDir, QStringLiteral("WorkDir"));
    field(a.SettingsSeen == b.SettingsSeen, QStringLiteral("SettingsSeen"));
    field(a.Modified == b.Modified, QStringLiteral("Modified"));
    field(a.FaecherSgr == b.FaecherSgr, QStringLiteral("FaecherSgr"));
    field(a.PfaecherSgr == b.PfaecherSgr, QStringLiteral("PfaecherSgr"));
    field(a.WostSgr == b.WostSgr, QStringLiteral("WostSgr"));
    field(a.KurszSgr == b.KurszSgr, QStringLiteral("KurszSgr"));
    const MainView &v = a.view;
    const MainView &w = b.view;
    field(v.title == w.title && v.width == w.width, QStringLiteral("view title/width"));
    field(v.messages == w.messages && v.messagesColor == w.messagesColor
              && v.messagesPointSize == w.messagesPointSize && v.messagesBold == w.messagesBold,
          QStringLiteral("view messages"));
    field(v.legendVisible == w.legendVisible && v.legend == w.legend, QStringLiteral("view legend"));
    field(v.menusEnabled == w.menusEnabled, QStringLiteral("view menus"));
    field(v.afSemKVisible == w.afSemKVisible && v.afSemKCaption == w.afSemKCaption,
          QStringLiteral("view afSemK"));
    field(v.hintShown == w.hintShown && v.hint == w.hint, QStringLiteral("view hint"));
    field(v.settingsNotice == w.settingsNotice, QStringLiteral("view notice"));
    field(v.hoursEditorVisible == w.hoursEditorVisible && v.hoursEditorText == w.hoursEditorText
              && v.hoursEditorColumn == w.hoursEditorColumn,
          QStringLiteral("view hours editor"));
    return out.join(u'\n');
}

// Assembles a file item by item: little-endian words, Windows-1252 strings
// (Latin-1 is enough for the test texts) with their 32-bit length, bytes.
class FileBytes
{
public:
    FileBytes &word(qint64 value)
    {
        const quint32 bits = quint32(value);
        m_bytes.append(char(bits & 0xFF));
        m_bytes.append(char((bits >> 8) & 0xFF));
        m_bytes.append(char((bits >> 16) & 0xFF));
        m_bytes.append(char((bits >> 24) & 0xFF));
        return *this;
    }
    FileBytes &text(const QString &value)
    {
        const QByteArray latin = value.toLatin1();
        word(latin.size());
        m_bytes.append(latin);
        return *this;
    }
    FileBytes &byte(int value)
    {
        m_bytes.append(char(value));
        return *this;
    }
    const QByteArray &bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

// What a test file holds; defaults give a valid current tmd file.
struct FileContent
{
    qint32 header = 6030;
    bool settingsBlock = true;
    QString school = QStringLiteral("Testgymnasium");
    QString languages[4] = {QStringLiteral("Englisch"), QStringLiteral("Französisch"),
                            QStringLiteral("Latein"), QStringLiteral("Spanisch")};
    int wirtschaftOral = 0;
    QString elective = QStringLiteral("Italienisch");
    int electiveOffered = 1;
    int electiveOral = 1;
    QString hours = QStringLiteral("3");
    qint64 nameCheck = -1; // -1: computed by hand below
    QString name = QStringLiteral("Muster, Max");
    QString birthday = QStringLiteral("01.02.1993");
    QString klasse = QStringLiteral("11 a");
    QString denomination = QStringLiteral("ev");
    int reletU = 0;
    QList<qint64> words; // written as they are
};

// The check value worked out the long way, for files built by hand.
inline qint64 handNameCheck(const QString &name)
{
    const QByteArray b = name.toLatin1();
    qint64 sum = 0;
    for (int p = 1; p <= b.size() - 1; ++p)
        sum += qint64(quint8(b[p - 1])) * (b.size() - p);
    return sum;
}

inline QByteArray assemble(const FileContent &s)
{
    FileBytes f;
    f.word(s.header);
    if (s.settingsBlock) {
        f.text(s.school);
        for (const QString &language : s.languages)
            f.text(language);
        f.byte(s.wirtschaftOral);
        f.text(s.elective);
        f.byte(s.electiveOffered);
        f.byte(s.electiveOral);
        f.text(s.hours);
    }
    f.word(s.nameCheck >= 0 ? s.nameCheck : handNameCheck(s.name));
    f.text(s.name).text(s.birthday).text(s.klasse).text(s.denomination).byte(s.reletU);
    for (qint64 w : s.words)
        f.word(w);
    return f.bytes();
}

// The words of the compulsory pre-set choice: 31 (tmd) or 66 (tnd).
inline QList<qint64> presetWords(int count)
{
    QList<qint64> w(count, 0);
    w[0] = 6030;
    w[1] = w[15] = 0xF7; // taken, K, s, half-years 1..4
    w[8] = w[19] = 0xF1;
    w[9] = 0x91;  // half-years 1 and 4
    w[10] = 0x61; // half-years 2 and 3
    return w;
}

} // namespace tamb::test
