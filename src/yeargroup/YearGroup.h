#pragma once

// A year group's files at a glance: every file read as the checker reads it,
// kept as plain values for the overview window.

#include "yeargroup/BatchCheck.h"

#include <QDateTime>

#include <atomic>
#include <optional>
#include <vector>

namespace tamb::check {

enum class PupilStatus { Complete, Incomplete, Unreadable };
enum class Admission { None, Admitted, NotAdmitted, Failed };

// One file of a year group as the overview lists it.
struct PupilRecord
{
    QString file; // relative to the year group's folder
    QDateTime modified;
    qint64 size = -1;
    SelectionKind kind = SelectionKind::None;
    PupilStatus status = PupilStatus::Unreadable;
    // The first missing item as the message area says it, or the reading error.
    QString message;
    QString name;
    QString klasse;
    QStringList core;
    QStringList written;
    QStringList oral;
    std::array<int, 4> hours{};
    int countable = 0;
    // Only for a complete file with grades.
    std::optional<int> blockI;
    std::optional<int> blockII;
    std::optional<int> total;
    std::optional<QString> average;
    Admission admission = Admission::None;
    QString reasons; // of non-admission or failure, one per line
    QList<Enrolment> enrolments; // empty for an unreadable file
    QString csv;                  // the checker's CSV line
};

QString statusText(PupilStatus status);  // "vollständig", ...
QString admissionText(Admission admission); // "zugelassen", ...

// The first item of a message area's text, its continuation lines joined.
QString firstMissingItem(const QString &messages);

// The record of a checked file, named as `c.file`; `path` is where it lies.
PupilRecord recordOf(const FileCheck &c, const QString &path);

// The order of the files in a listing: by name, upper and lower case alike.
bool inFileOrder(const QString &a, const QString &b);
// The selection files (*.tmd, *.tnd in any case) of `folder`, relative to it
// and sorted; those of its subfolders too when asked.
QStringList selectionFilesIn(const QString &folder, bool subfolders);

// The statistics of the readable records.
Statistics statisticsOf(const std::vector<PupilRecord> &records);
// The checker's CSV with its statistics table over the records, in the order of the files.
QString yearGroupCsv(std::vector<PupilRecord> records);

// Reads files of a folder on several threads, each with the folder's
// settings as the checker starts. run() blocks; cancel() and done() may be
// called from any other thread meanwhile.
class YearGroupReader
{
public:
    YearGroupReader(const QString &folder, const QStringList &files, int workers);

    void run();
    void cancel() { m_cancelled = true; }
    bool cancelled() const { return m_cancelled; }
    int done() const { return m_done; }
    int count() const { return int(m_files.size()); }
    // After run(): the records of the files read, in the order of the files.
    std::vector<PupilRecord> takeRecords();

private:
    QString m_folder;
    QStringList m_files;
    int m_workers;
    std::atomic<bool> m_cancelled = false;
    std::atomic<int> m_done = 0;
    std::vector<std::optional<PupilRecord>> m_records;
};

} // namespace tamb::check
