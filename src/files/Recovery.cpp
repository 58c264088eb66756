#include "files/Recovery.h"

#include "files/SafeRead.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QLocale>
#include <QLockFile>
#include <QUuid>

#include <algorithm>
#include <iterator>
#include <type_traits>

namespace tamb {

namespace {

const QByteArray Magic = QByteArrayLiteral("TAMBERON-WIEDERHERSTELLUNG\n");
constexpr qint32 FormatVersion = 1;
constexpr int HashSize = 32; // SHA-256
const QString Suffix = QStringLiteral(".tmr");
const QString SetAsideSuffix = QStringLiteral(".defekt");
// A recovery file holds a few kilobytes.
constexpr qint64 ReadLimit = 1024 * 1024;

// Every part of the state that undo keeps, in one order for writing and reading.
template<typename M, typename Visit>
void visitState(M &m, Visit &&v)
{
    for (auto &row : m.Allowed)
        for (auto &x : row)
            v(x);
    for (auto &row : m.SubjectText)
        for (auto &x : row)
            v(x);
    for (auto &row : m.Choice)
        for (auto &x : row)
            v(x);
    for (auto &row : m.Grades)
        for (auto &x : row)
            v(x);
    for (auto &x : m.CoreSlots)
        v(x);
    v(m.ClickCol), v(m.ClickRow), v(m.CurrentFile), v(m.DiskFile), v(m.DiskBytes);
    auto &p = m.PersonalData;
    v(p.Name), v(p.Geburtstag), v(p.Klasse), v(p.Bekenntnis), v(p.ReletU);
    v(m.GridRows), v(m.SchoolName), v(m.BLLRow), v(m.BLLField), v(m.BLLSocialField);
    v(m.NormalWidth), v(m.DataVersion), v(m.FspiHours), v(m.WorkDir), v(m.Modified);
    v(m.FaecherSgr), v(m.PfaecherSgr), v(m.WostSgr), v(m.KurszSgr);
    auto &w = m.view;
    v(w.title), v(w.width), v(w.messages), v(w.messagesColor), v(w.messagesPointSize);
    v(w.messagesBold), v(w.legendVisible), v(w.legend), v(w.menusEnabled);
    v(w.afSemKVisible), v(w.afSemKCaption), v(w.settingsNotice);
}

void put(QDataStream &out, const TextGrid &grid)
{
    out << qint32(grid.colCount()) << qint32(grid.rowCount());
    for (int row = 0; row < grid.rowCount(); ++row)
        for (int col = 0; col < grid.colCount(); ++col)
            out << grid.cell(col, row);
}

void get(QDataStream &in, TextGrid &grid)
{
    qint32 cols = 0;
    qint32 rows = 0;
    in >> cols >> rows;
    if (cols != grid.colCount() || rows != grid.rowCount()) {
        in.setStatus(QDataStream::ReadCorruptData);
        return;
    }
    for (int row = 0; row < rows; ++row)
        for (int col = 0; col < cols; ++col) {
            QString text;
            in >> text;
            grid.setCell(col, row, text);
        }
}

template<typename T>
void put(QDataStream &out, const T &value)
{
    if constexpr (std::is_enum_v<T>)
        out << qint32(value);
    else
        out << value;
}

template<typename T>
void get(QDataStream &in, T &value)
{
    if constexpr (std::is_enum_v<T>) {
        qint32 number = 0;
        in >> number;
        value = T(number);
    } else {
        in >> value;
    }
}

// Values that serve as indices must lie where the program can use them.
bool usable(const Model &m)
{
    const auto inside = [](int row) { return row >= 0 && row < SubjectCount; };
    return m.GridRows == SubjectCount && inside(m.BLLRow) && inside(m.ClickRow)
        && std::all_of(std::begin(m.CoreSlots), std::end(m.CoreSlots), inside)
        && m.BLLField <= 3 && int(m.view.messagesColor) >= 0
        && int(m.view.messagesColor) <= int(LabelColor::Purple);
}

QString lockPath(const QString &file)
{
    return file + QStringLiteral(".lock");
}

} // namespace

const QString RecoveryNotWrittenText = QStringLiteral(
    "Die Sicherung der nicht gespeicherten Änderungen für den Fall eines Absturzes");

QString RecoveryQuestion(const QDateTime &when)
{
    const QLocale german(QLocale::German, QLocale::Germany);
    return QStringLiteral("Nicht gespeicherte Änderungen vom %1 wiederherstellen?")
        .arg(german.toString(when.toLocalTime(), QStringLiteral("dd.MM.yyyy, HH:mm")));
}

QByteArray EncodeRecovery(const Model &m, const QDateTime &when)
{
    QByteArray bytes = Magic;
    {
        QDataStream out(&bytes, QIODevice::Append);
        out.setVersion(QDataStream::Qt_6_0);
        out << FormatVersion << when.toUTC();
        visitState(m, [&out](const auto &field) { put(out, field); });
    }
    return bytes + QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

std::optional<RecoveredState> DecodeRecovery(const QByteArray &bytes)
{
    if (!bytes.startsWith(Magic) || bytes.size() < Magic.size() + HashSize)
        return std::nullopt;
    const QByteArray body = bytes.left(bytes.size() - HashSize);
    if (QCryptographicHash::hash(body, QCryptographicHash::Sha256) != bytes.right(HashSize))
        return std::nullopt;
    QDataStream in(body.mid(Magic.size()));
    in.setVersion(QDataStream::Qt_6_0);
    qint32 version = 0;
    RecoveredState state;
    in >> version >> state.when;
    if (version != FormatVersion)
        return std::nullopt;
    visitState(state.model, [&in](auto &field) { get(in, field); });
    if (in.status() != QDataStream::Ok || !in.atEnd() || !state.when.isValid()
        || !usable(state.model))
        return std::nullopt;
    return state;
}

RecoveryKeeper::RecoveryKeeper(const QString &folder) : m_folder(folder)
{
    const QString name = QStringLiteral("wahl-") + QUuid::createUuid().toString(QUuid::Id128);
    m_path = QDir(folder).filePath(name + Suffix);
}

RecoveryKeeper::~RecoveryKeeper()
{
    discard();
}

QStringList RecoveryKeeper::orphans() const
{
    QStringList found;
    const QFileInfoList files = QDir(m_folder).entryInfoList(
        {QStringLiteral("*") + Suffix}, QDir::Files, QDir::Time);
    for (const QFileInfo &file : files) {
        const QString path = file.absoluteFilePath();
        if (path == QFileInfo(m_path).absoluteFilePath())
            continue;
        QLockFile lock(lockPath(path));
        lock.setStaleLockTime(0);
        // A running instance holds its lock; a crashed one left a stale lock or none.
        if (lock.tryLock(0))
            found.append(path);
    }
    return found;
}

std::optional<RecoveredState> RecoveryKeeper::adopt(const QString &orphan)
{
    const ReadOutcome read = ReadWholeFile(orphan, ReadLimit);
    std::optional<RecoveredState> state =
        read && read.complete ? DecodeRecovery(read.bytes) : std::nullopt;
    if (state) {
        drop(orphan);
    } else {
        QFile::remove(orphan + SetAsideSuffix);
        if (!QFile::rename(orphan, orphan + SetAsideSuffix))
            QFile::remove(orphan);
        QFile::remove(lockPath(orphan));
    }
    return state;
}

void RecoveryKeeper::drop(const QString &orphan)
{
    QFile::remove(orphan);
    QFile::remove(lockPath(orphan));
}

WriteOutcome RecoveryKeeper::write(const Model &m, qint64 nowMs)
{
    m_pending = false;
    m_lastWrite = nowMs;
    // The folder and the lock come with the first write: a run without
    // changes leaves the disk alone, and its start does not wait for it.
    if (!m_lock) {
        QDir().mkpath(m_folder);
        m_lock = std::make_unique<QLockFile>(lockPath(m_path));
        // Only a dead owner makes a lock stale, however long the run.
        m_lock->setStaleLockTime(0);
        m_lock->tryLock(0);
    }
    return WriteWholeFile(m_path, EncodeRecovery(m, QDateTime::currentDateTime()));
}

WriteOutcome RecoveryKeeper::changed(const Model &m, qint64 nowMs)
{
    if (m.Modified == 0) {
        discard();
        return {true, {}, true};
    }
    m_pending = true;
    return tick(m, nowMs);
}

WriteOutcome RecoveryKeeper::tick(const Model &m, qint64 nowMs)
{
    if (m.Modified == 0)
        return {true, {}, true};
    const qint64 since = m_lastWrite ? nowMs - *m_lastWrite : PeriodMs;
    if ((m_pending && since >= StepDelayMs) || since >= PeriodMs)
        return write(m, nowMs);
    return {true, {}, true};
}

void RecoveryKeeper::discard()
{
    QFile::remove(m_path);
    m_lastWrite.reset();
    m_pending = false;
}

} // namespace tamb
