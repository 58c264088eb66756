// Recovery after a crash or power cut: while the form has unsaved changes, its whole state
// is kept in one file per running instance, removed again by a clean end, a save or "Nein"
// to the close query.
#pragma once

#include "files/SafeWrite.h"
#include "model/Model.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QLockFile;

namespace tamb {

struct RecoveredState
{
    Model model;
    QDateTime when;
};

// "Nicht gespeicherte Änderungen vom <Datum, Uhrzeit> wiederherstellen?"
QString RecoveryQuestion(const QDateTime &when);
extern const QString RecoveryNotWrittenText;

QByteArray EncodeRecovery(const Model &m, const QDateTime &when);
// Nothing when the bytes are no intact recovery file of this version.
std::optional<RecoveredState> DecodeRecovery(const QByteArray &bytes);

class RecoveryKeeper
{
public:
    static constexpr qint64 StepDelayMs = 1000;
    static constexpr qint64 PeriodMs = 30000;

    // This run's own file in `folder`, written when needed and from then on locked
    // against other instances.
    explicit RecoveryKeeper(const QString &folder);
    // A clean end: the file goes.
    ~RecoveryKeeper();
    RecoveryKeeper(const RecoveryKeeper &) = delete;
    RecoveryKeeper &operator=(const RecoveryKeeper &) = delete;

    QString path() const { return m_path; }

    // Files of runs that did not end cleanly, newest first; those of running instances
    // are left alone.
    QStringList orphans() const;
    // Reads an orphan and removes it; a file that cannot be read is set aside
    // ("<name>.defekt") and gives nothing.
    static std::optional<RecoveredState> adopt(const QString &orphan);
    static void drop(const QString &orphan);

    // After a step: written at once unless the last write is less than a second ago.
    // A form without unsaved changes removes the file.
    WriteOutcome changed(const Model &m, qint64 nowMs);
    // Every second: a step that waited, or the thirty-second write.
    WriteOutcome tick(const Model &m, qint64 nowMs);
    void discard();

private:
    WriteOutcome write(const Model &m, qint64 nowMs);

    QString m_folder;
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
    std::optional<qint64> m_lastWrite;
    bool m_pending = false;
};

} // namespace tamb
