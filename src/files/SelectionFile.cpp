#include "files/SelectionFile.h"

#include "files/SafeRead.h"
#include "model/ByteIO.h"
#include "model/Cp1252.h"
#include "model/Interaction.h"
#include "rules/BLLDialog.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QIODevice>

namespace tamb {

const QString VersionErrorText = QStringLiteral("Datei- und Programmversion nicht kompatibel");
const QString DataErrorText = QStringLiteral("Datenfehler");
const QString InputOutputErrorText = QStringLiteral("Datei-E/A-Fehler");

QString CannotOpenText(const QString &path)
{
    return QStringLiteral("Datei %1 kann nicht geöffnet werden").arg(path);
}

QString CannotCreateText(const QString &path)
{
    return QStringLiteral("Datei %1 kann nicht erstellt werden").arg(path);
}

const QString TruncatedCause = QStringLiteral("Die Datei ist abgeschnitten oder beschädigt.");
const QString EmptyCause = QStringLiteral("Die Datei ist leer.");
const QString ForeignCause = QStringLiteral("Dies ist keine TAMBERON-Datei.");
const QString NewerCause = QStringLiteral("Die Datei stammt aus einer neueren Programmversion.");
const QString OlderCause = QStringLiteral("Die Datei stammt aus einer älteren Programmversion.");
const QString OtherKindCause = QStringLiteral("Die Endung der Datei passt nicht zu ihrem Inhalt.");
const QString UnreadableCause = QStringLiteral("Die Datei konnte nicht gelesen werden.");

SelectionFileError::SelectionFileError(const QString &message, const QString &cause)
    : m_message(message), m_cause(cause), m_what(message.toUtf8())
{
}

EDatPrgInkompError::EDatPrgInkompError(const QString &cause) : SelectionFileError(VersionErrorText, cause) {}
EDatenfehlerError::EDatenfehlerError() : SelectionFileError(DataErrorText, TruncatedCause) {}
FileIOError::FileIOError(const QString &cause) : SelectionFileError(InputOutputErrorText, cause) {}

QString HeaderCause(const Model &m, qint32 header, bool withGrades)
{
    // Headers are the data version times 100 plus the row count.
    constexpr qint32 LargestHeader = 9999;
    if (HeaderAccepted(m, header, !withGrades))
        return OtherKindCause;
    if (header <= 0 || header > LargestHeader || header % 100 != SubjectCount)
        return ForeignCause;
    return header > FileHeader(m) ? NewerCause : OlderCause;
}

QString ReadErrorText(const SelectionFileError &error, const QString &fileName)
{
    const QString where = fileName.isEmpty() ? QString() : QDir::toNativeSeparators(fileName) + QStringLiteral(": ");
    return error.message() + QStringLiteral("\n\r") + where + error.cause();
}

namespace {

// A valid file has well under 4 KiB; nothing beyond this is ever read.
constexpr qint64 ReadLimit = 64 * 1024;

const QString Blanks = QStringLiteral("   ");
const QString NoWrittenExam = QStringLiteral("   -------");
const QString BLLName = QStringLiteral("Bes. Lernleistung");
constexpr int EconomicsRow = 11;
constexpr int ElectiveRow = 29;

// Strings are stored with at most 255 bytes; longer texts are cut so that
// every written file can be read again.
QString fileText(const QString &text)
{
    return text.size() > MaxStringLength ? text.left(MaxStringLength) : text;
}

qint32 wordAt(const QList<qint32> &words, int index)
{
    return index >= 0 && index < words.size() ? words[index] : 0;
}

bool isSubjectRow(int row)
{
    return row >= 1 && row < SubjectCount;
}

QString bllCaption(int field, bool *known)
{
    *known = true;
    switch (field) {
    case 0:
        return QStringLiteral("Aufgabenfeld der besonderen Lernleistung ist noch nicht festgelegt");
    case 1:
        return QStringLiteral(
            "Aufgabenfeld der besonderen Lernleistung: sprachlich-literarisch-künstlerisch");
    case 2:
        return QStringLiteral("Aufgabenfeld der besonderen Lernleistung: gesellschaftswissenschaftlich");
    case 3:
        return QStringLiteral(
            "Aufgabenfeld der besonderen Lernleistung: mathematisch-naturwissenschaftlich");
    default:
        *known = false;
        return QString();
    }
}

// A core subject restored from a file takes its slot by field letter.
void takeCoreSlot(Model &m, int row)
{
    TextGrid &p = m.PfaecherSgr;
    const QString name = Blanks + m.SubjectText[0][row];
    const QString &letter = m.SubjectText[2][row];
    auto take = [&](int slot) {
        m.CoreSlots[slot] = quint8(row);
        p.setCell(1, slot, name);
    };
    if (letter == QLatin1String("f")) {
        for (int slot = 3; slot <= 5; ++slot) {
            if (m.CoreSlots[slot] == 0) {
                take(slot);
                return;
            }
        }
        if (m.SubjectText[2][m.CoreSlots[4]] == QLatin1String("n")) {
            p.setCell(1, 5, p.cell(1, 4));
            p.setCell(1, 4, name);
            m.CoreSlots[5] = m.CoreSlots[4];
            m.CoreSlots[4] = quint8(row);
        }
    } else if (letter == QLatin1String("n")) {
        for (int slot = 4; slot <= 5; ++slot) {
            if (m.CoreSlots[slot] == 0) {
                take(slot);
                return;
            }
        }
    } else if (m.CoreSlots[5] == 0) {
        take(5);
    }
}

// The text of a course of `row` as its flags alone give it.
QString plainCourseText(const Model &m, int row)
{
    if (m.Choice[Core][row] || (row >= 1 && row <= 5) || row == 15)
        return QStringLiteral(" 4");
    if (row == ElectiveRow)
        return ElectiveHoursText(m);
    return QStringLiteral(" 2");
}

// Course texts that the rules write beside the plain one, by their code in
// bits 12..23 of a subject's word (three bits per half-year). Code 0 is the
// plain text; "4" is a course raised to four hours by the four-hour question.
const QString CourseTexts[8] = {QString(),          QStringLiteral("4"),  QStringLiteral("2"),
                                QStringLiteral("  2"), QStringLiteral("   2"), QStringLiteral(" 2"),
                                QStringLiteral(" 4"),  QStringLiteral(" 3")};
constexpr int CourseTextShift = 12;
// In the achievement's word: a seminar course whose courses gave way to
// the oral examination.
constexpr quint32 SeminarKeptBit = 1u << 8;
// In the words of Gemeinschaftskunde and Geographie: the oral mark is
// blocked (with Wirtschaft as core subject, after the extra course went).
constexpr quint32 OralBlockedBit = 1u << 8;
constexpr int SocialStudiesRow = 9;
constexpr int GeographyRow = 10;
const QString SeminarHours = QStringLiteral(" 3");

quint32 courseTextCodes(const Model &m, int row)
{
    // A core subject's courses are four-hour courses, whatever a cell says.
    if (m.Choice[Core][row])
        return 0;
    const QString plain = plainCourseText(m, row);
    quint32 codes = 0;
    for (int h = 1; h <= 4; ++h) {
        const QString &text = m.FaecherSgr.cell(h + 3, row);
        if (!m.Choice[h + 3][row] || text == plain)
            continue;
        for (quint32 code = 1; code < 8; ++code)
            if (text == CourseTexts[code])
                codes |= code << (CourseTextShift + 3 * (h - 1));
    }
    return codes;
}

void decodeCourseTexts(Model &m, int row, quint32 word)
{
    // As written: a core subject stores no codes, so a damaged file's codes there are ignored.
    if (m.Choice[Core][row])
        return;
    for (int h = 1; h <= 4; ++h) {
        const quint32 code = (word >> (CourseTextShift + 3 * (h - 1))) & 7u;
        if (code != 0 && m.Choice[h + 3][row])
            m.FaecherSgr.setCell(h + 3, row, CourseTexts[code]);
    }
}

void decodeRow(Model &m, int row, quint32 word)
{
    TextGrid &g = m.FaecherSgr;
    TextGrid &p = m.PfaecherSgr;
    const auto name = [&m, row] { return Blanks + m.SubjectText[0][row]; };
    for (int c = 7; c >= 0; --c) {
        const bool set = (word >> c) & 1u;
        m.Choice[c][row] = set;
        if (!set) {
            // The cells follow the half-year bits: no pre-set course survives.
            if (c >= HalfYear1)
                g.setCell(c, row, QString());
            continue;
        }
        switch (c) {
        case HalfYear1:
        case HalfYear2:
        case HalfYear3:
        case HalfYear4:
            g.setCell(c, row, plainCourseText(m, row));
            break;
        case Oral:
            m.Allowed[3][row] = true;
            g.setCell(3, row, QStringLiteral(" m"));
            p.setCell(4, 6, name());
            p.setCell(3, 6, QStringLiteral(" m P"));
            // The half-year cells follow their own bits; the count is redone
            // by the refresh.
            if (row != 8 && row != 9 && row != 10 && row != m.BLLRow)
                g.setCell(8, row, QStringLiteral(" 2"));
            break;
        case Written:
            g.setCell(2, row, QStringLiteral(" s"));
            for (int k = 2; k <= 5; ++k)
                if (m.CoreSlots[k] == row)
                    p.setCell(4, k, name());
            break;
        case Core:
            g.setCell(1, row, QStringLiteral(" K"));
            if (row == 1 || row == 15)
                break;
            for (int h = HalfYear1; h <= HalfYear4; ++h)
                if (m.Choice[h][row])
                    g.setCell(h, row, QStringLiteral(" 4"));
            takeCoreSlot(m, row);
            if (row == EconomicsRow) {
                // Wirtschaft exists only as a core subject, and as such it may
                // be written and oral: the marks stay clickable and printed.
                m.Allowed[Written][row] = m.Allowed[Oral][row] = true;
                if (!m.Choice[Written][row])
                    g.setCell(2, row, QString());
                if (!m.Choice[Oral][row])
                    g.setCell(3, row, QString());
            }
            break;
        default:
            break;
        }
    }
    if (row != m.BLLRow)
        decodeCourseTexts(m, row, word);
    if ((row == SocialStudiesRow || row == GeographyRow) && (word & OralBlockedBit)
        && !m.Choice[Oral][row]) {
        m.Allowed[Oral][row] = false;
        g.setCell(3, row, QStringLiteral(" ¤"));
    }
}

void decodeBLL(Model &m, quint32 word)
{
    const int row = m.BLLRow;
    TextGrid &g = m.FaecherSgr;
    m.view.afSemKVisible = true;
    m.SubjectText[0][row] = QStringLiteral("BLL - Wettbewerb");
    if (word & (1u << 4)) {
        m.Choice[HalfYear1][row] = true;
        g.setCell(4, row, QStringLiteral(" 3"));
        m.SubjectText[0][row] = QStringLiteral("BLL - Seminarkurs");
    }
    if (word & (1u << 5)) {
        m.Choice[HalfYear2][row] = true;
        g.setCell(5, row, QStringLiteral(" 3"));
    }
    if ((word & SeminarKeptBit) && !(word & (1u << 4))) {
        // The seminar course stays one, with its hours, though the oral
        // examination took the place of its courses.
        m.SubjectText[0][row] = BLLSeminarName;
        g.setCell(4, row, SeminarHours);
        g.setCell(5, row, SeminarHours);
    }
    g.setCell(0, row, m.SubjectText[0][row]);
    m.BLLField = quint8((word >> 11) & 255u);
    bool known = false;
    const QString caption = bllCaption(m.BLLField, &known);
    if (known)
        m.view.afSemKCaption = caption;
    if (m.BLLField == 2) {
        m.BLLSocialField = true;
        m.view.width = m.NormalWidth + 25;
    } else if (m.BLLField == 3) {
        m.view.width = m.NormalWidth + 30;
    }
}

void readSettingsBlock(ByteReader &r, SettingsBlock &s)
{
    s.SchoolName = r.readString();
    for (QString &language : s.Languages)
        language = r.readString();
    s.WirtschaftOral = r.readByte() != 0;
    s.ElectiveLanguage = r.readString();
    s.ElectiveOffered = r.readByte() != 0;
    s.ElectiveOral = r.readByte() != 0;
    s.FspiHours = r.readString();
}

QByteArray readAll(QIODevice &device, bool *ok)
{
    QByteArray bytes;
    char buffer[4096];
    *ok = true;
    while (bytes.size() < ReadLimit) {
        const qint64 wanted = qMin<qint64>(sizeof buffer, ReadLimit - bytes.size());
        const qint64 n = device.read(buffer, wanted);
        if (n < 0) {
            *ok = false;
            break;
        }
        if (n == 0)
            break;
        bytes.append(buffer, n);
        // A file gives less than asked only at its end.
        if (n < wanted && !device.isSequential())
            break;
    }
    return bytes;
}

} // namespace

qint32 FileHeader(const Model &m)
{
    return m.DataVersion * 100 + SubjectCount;
}

bool HeaderAccepted(const Model &m, qint32 header, bool withGrades)
{
    const qint32 current = FileHeader(m);
    // Older files: the current header less 6000 (selection) or 5000 (with grades).
    return header == current || header == current - (withGrades ? 5000 : 6000);
}

bool HasSettingsBlock(const Model &m, qint32 header)
{
    return header == FileHeader(m);
}

qint32 NameCheck(const QString &name)
{
    const QByteArray bytes = toCp1252(name);
    const qsizetype length = bytes.size();
    quint32 sum = 0;
    for (qsizetype p = 1; p < length; ++p)
        sum += quint32(static_cast<unsigned char>(bytes[p - 1])) * quint32(length - p);
    return static_cast<qint32>(sum);
}

QList<qint32> EncodeChoice(const Model &m)
{
    QList<qint32> words(EncodedWordCount, 0);
    words[0] = FileHeader(m);
    for (int row = 1; row < SubjectCount; ++row) {
        quint32 word = 0;
        for (int c = 0; c < 8; ++c)
            if (m.Choice[c][row])
                word |= 1u << c;
        words[row] = qint32(word);
    }
    // Beyond the flags, in bits that readers before them ignore: the texts
    // of courses that differ from the plain ones (the four-hour question),
    // a blocked oral mark of Gemeinschaftskunde or Geographie, and the
    // seminar course whose courses gave way to the oral exam.
    for (int row = 1; row < SubjectCount; ++row)
        if (row != m.BLLRow)
            words[row] = qint32(quint32(words[row]) | courseTextCodes(m, row));
    for (int row : {SocialStudiesRow, GeographyRow})
        if (!m.Allowed[Oral][row])
            words[row] = qint32(quint32(words[row]) | OralBlockedBit);
    if (isSubjectRow(m.BLLRow) && m.Choice[Taken][m.BLLRow]) {
        const int bll = m.BLLRow;
        quint32 word = quint32(words[bll]) + quint32(m.BLLField) * 2048u;
        if (m.name(bll) == BLLSeminarName && !m.Choice[HalfYear1][bll])
            word |= SeminarKeptBit;
        words[bll] = qint32(word);
    }

    quint32 hours = 0;
    for (int c = 4; c <= 7; ++c) {
        const QString &text = m.FaecherSgr.cell(c, SubjectCount);
        if (!text.isEmpty())
            hours += quint32(cellNumber(text));
        hours *= 16;
    }
    words[SubjectCount] = qint32(hours);

    for (int i = 1; i <= StoredGradeRows; ++i) {
        const quint32 word = (quint32(m.Grades[4][i]) << 24) | (quint32(m.Grades[3][i] & 0x8F) << 16)
            | (quint32(m.Grades[2][i] & 0x8F) << 8) | quint32(m.Grades[1][i] & 0x8F);
        words[SubjectCount + i] = qint32(word);
    }
    return words;
}

QByteArray EncodeSelection(const Model &m, const QList<qint32> &words, bool withGrades)
{
    ByteWriter w;
    w.writeInt32(FileHeader(m));
    w.writeString(fileText(m.SchoolName));
    for (int row = 2; row <= 5; ++row)
        w.writeString(fileText(m.SubjectText[0][row]));
    w.writeByte(m.Allowed[3][11] ? 1 : 0);
    w.writeString(fileText(m.SubjectText[0][29]));
    w.writeByte(m.Allowed[0][29] ? 1 : 0);
    w.writeByte(m.Allowed[3][29] ? 1 : 0);
    w.writeString(fileText(m.FspiHours));

    const Daten &d = m.PersonalData;
    const QString name = fileText(d.Name);
    w.writeInt32(NameCheck(name));
    w.writeString(name);
    w.writeString(fileText(d.Geburtstag));
    w.writeString(fileText(d.Klasse));
    w.writeString(fileText(d.Bekenntnis));
    w.writeByte(d.ReletU);

    const int count = withGrades ? GradeWordCount : ChoiceWordCount;
    for (int i = 0; i < count; ++i)
        w.writeInt32(wordAt(words, i));
    return w.data();
}

SelectionData ParseSelection(const Model &m, const QByteArray &bytes, bool withGrades)
{
    ByteReader r(bytes);
    SelectionData data;
    data.Header = r.readInt32();
    if (!r.ok())
        throw FileIOError(bytes.isEmpty() ? EmptyCause : TruncatedCause);
    if (!HeaderAccepted(m, data.Header, withGrades))
        throw EDatPrgInkompError(HeaderCause(m, data.Header, withGrades));
    if (HasSettingsBlock(m, data.Header)) {
        data.Settings.emplace();
        readSettingsBlock(r, *data.Settings);
    }
    data.NameCheckValue = r.readInt32();
    Daten &d = data.PersonalData;
    d.Name = r.readString();
    d.Geburtstag = r.readString();
    d.Klasse = r.readString();
    d.Bekenntnis = r.readString();
    d.ReletU = r.readByte();
    if (!r.ok())
        throw FileIOError();
    if (NameCheck(d.Name) != data.NameCheckValue)
        throw EDatenfehlerError();

    const int count = withGrades ? GradeWordCount : ChoiceWordCount;
    data.Words.reserve(count);
    for (int i = 0; i < count; ++i)
        data.Words.append(r.readInt32());
    if (!r.ok())
        throw FileIOError();
    return data;
}

bool WriteSelection(Model &m, QIODevice &device, bool withGrades)
{
    const int count = withGrades ? GradeWordCount : ChoiceWordCount;
    const QList<qint32> words = m.FileWords.size() >= count ? m.FileWords : EncodeChoice(m);
    const QByteArray bytes = EncodeSelection(m, words, withGrades);
    m.FileWords.clear();
    return device.write(bytes) == bytes.size();
}

WriteOutcome WriteSelection(Model &m, const QString &path, bool withGrades)
{
    const int count = withGrades ? GradeWordCount : ChoiceWordCount;
    const QList<qint32> words = m.FileWords.size() >= count ? m.FileWords : EncodeChoice(m);
    const QByteArray bytes = EncodeSelection(m, words, withGrades);
    m.FileWords.clear();
    WriteOutcome outcome = WriteWholeFile(path, bytes);
    if (outcome)
        RememberDiskCopy(m, path, bytes);
    return outcome;
}

void RememberDiskCopy(Model &m, const QString &path, const QByteArray &bytes)
{
    m.DiskFile = QFileInfo(path).absoluteFilePath();
    m.DiskBytes = bytes;
}

bool ChangedOnDisk(const Model &m, const QString &path)
{
    if (m.DiskFile.isEmpty() || QFileInfo(path).absoluteFilePath() != m.DiskFile)
        return false;
    const ReadOutcome now = ReadWholeFile(path, ReadLimit);
    // A file that is gone loses nothing when it is written anew.
    return now && now.bytes != m.DiskBytes;
}

QString FileTitle(const Model &m, const QString &path)
{
    return QDir::toNativeSeparators(path) + QStringLiteral(" - Tamberon für die Oberstufe - ")
        + m.SchoolName;
}

void ApplySelection(Model &m, Interaction &ui, const SelectionData &data, bool withGrades)
{
    const int rows = data.Header % 100;
    if (data.Settings) {
        const SettingsBlock &s = *data.Settings;
        m.SchoolName = s.SchoolName;
        for (int i = 0; i < 4; ++i)
            m.SubjectText[0][2 + i] = s.Languages[i];
        m.SubjectText[0][29] = s.ElectiveLanguage;
        m.FspiHours = s.FspiHours;
    }
    m.PersonalData = data.PersonalData;

    ClearTable(m, rows);
    ResetChoice(m);
    // The file's school settings hold over the defaults of the reset.
    if (data.Settings) {
        m.Allowed[3][11] = data.Settings->WirtschaftOral;
        m.Allowed[0][29] = data.Settings->ElectiveOffered;
        m.Allowed[3][29] = data.Settings->ElectiveOral;
    }
    LayoutTable(m, rows);

    DecodeChoice(m, ui, data.Words);
    if (withGrades)
        DecodeGrades(m, data.Words);
    m.view.title = FileTitle(m, m.CurrentFile);
    // What was just read is what the file holds: nothing is unsaved.
    m.Modified = 0;
}

void DecodeChoice(Model &m, Interaction &ui, const QList<qint32> &words)
{
    // Any word may stand here in a damaged file: no overflow.
    const qint64 difference = qint64(wordAt(words, 0)) - qint64(m.DataVersion) * 100;
    if (difference > 0 && difference != SubjectCount)
        ui.inform(VersionErrorText);

    for (int row = 1; row < SubjectCount; ++row)
        decodeRow(m, row, quint32(wordAt(words, row)));

    // Study groups: one hex digit per half-year, half-year 1 highest.
    const quint32 hours = quint32(wordAt(words, SubjectCount));
    for (int c = 7, shift = 4; c >= 4; --c, shift += 4)
        m.FaecherSgr.setCell(c, SubjectCount, QString::number((hours >> shift) & 15u));

    TextGrid &p = m.PfaecherSgr;
    for (int k = 3; k <= 5; ++k) {
        const int row = m.CoreSlots[k];
        p.setCell(4, k, row != 0 && m.Choice[Written][row] ? Blanks + m.SubjectText[0][row]
                                                          : NoWrittenExam);
    }

    if (!isSubjectRow(m.BLLRow))
        return;
    if (m.Choice[Taken][m.BLLRow]) {
        decodeBLL(m, quint32(wordAt(words, m.BLLRow)));
        // The oral subject shows the achievement's final name.
        if (m.Choice[Oral][m.BLLRow])
            p.setCell(4, 6, Blanks + m.SubjectText[0][m.BLLRow]);
    } else {
        // No achievement in the file: no renamed row of the previous choice stays.
        m.SubjectText[0][m.BLLRow] = BLLName;
        m.FaecherSgr.setCell(0, m.BLLRow, BLLName);
    }
}

void DecodeGrades(Model &m, const QList<qint32> &words)
{
    for (int i = 1; i <= StoredGradeRows; ++i) {
        const quint32 word = quint32(wordAt(words, SubjectCount + i));
        for (int b = 0; b < 4; ++b)
            m.Grades[b + 1][i] = quint8((word >> (8 * b)) & 0xFFu);
    }
}

ReadStatus ReadSelection(Model &m, Interaction &ui, QIODevice &device, bool withGrades,
                         const QString &fileName)
{
    try {
        bool ok = false;
        const QByteArray bytes = readAll(device, &ok);
        if (!ok)
            throw FileIOError(UnreadableCause);
        const SelectionData data = ParseSelection(m, bytes, withGrades);
        if (!fileName.isEmpty())
            m.CurrentFile = fileName;
        ApplySelection(m, ui, data, withGrades);
        return ReadStatus::Loaded;
    } catch (const EDatPrgInkompError &e) {
        // A file of another program is a warning; a version to wait for, information.
        if (e.cause() == ForeignCause)
            ui.warn(ReadErrorText(e, fileName));
        else
            ui.inform(ReadErrorText(e, fileName));
        return ReadStatus::VersionError;
    } catch (const EDatenfehlerError &e) {
        ui.error(ReadErrorText(e, fileName));
        return ReadStatus::DataError;
    } catch (const FileIOError &e) {
        ui.error(ReadErrorText(e, fileName));
        return ReadStatus::InputOutputError;
    }
}

ReadStatus ReadSelection(Model &m, Interaction &ui, const QString &path, bool withGrades)
{
    const ReadOutcome read = ReadWholeFile(path, ReadLimit);
    if (!read) {
        ui.error(CannotOpenText(QDir::toNativeSeparators(path)));
        return ReadStatus::CannotOpen;
    }
    QBuffer buffer;
    buffer.setData(read.bytes);
    buffer.open(QIODevice::ReadOnly);
    const ReadStatus status = ReadSelection(m, ui, buffer, withGrades, path);
    if (status == ReadStatus::Loaded)
        RememberDiskCopy(m, path, read.bytes);
    return status;
}

} // namespace tamb
