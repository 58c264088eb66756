#include "yeargroup/YearGroup.h"

#include "rules/BlockIPreview.h"
#include "yeargroup/Parallel.h"
#include "yeargroup/Reports.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include <algorithm>

namespace tamb::check {

namespace {

const QChar Bullet = u'\u00BB'; // "»" before each item of the message area

QString trimmedText(const QString &text)
{
    QStringList lines = textLines(text);
    for (QString &line : lines)
        line = line.trimmed();
    return lines.join(u'\n');
}

} // namespace

QString statusText(PupilStatus status)
{
    switch (status) {
    case PupilStatus::Complete:
        return QStringLiteral("vollständig");
    case PupilStatus::Incomplete:
        return QStringLiteral("unvollständig");
    case PupilStatus::Unreadable:
        break;
    }
    return QStringLiteral("Lesefehler");
}

QString admissionText(Admission admission)
{
    switch (admission) {
    case Admission::Admitted:
        return QStringLiteral("zugelassen");
    case Admission::NotAdmitted:
        return QStringLiteral("nicht zugelassen");
    case Admission::Failed:
        return QStringLiteral("nicht bestanden");
    case Admission::None:
        break;
    }
    return QString();
}

QString firstMissingItem(const QString &messages)
{
    const QStringList lines = textLines(messages);
    QString item;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines[i].trimmed();
        const bool bullet = line.startsWith(Bullet);
        if (bullet && !item.isEmpty())
            break;
        if (bullet)
            line = line.mid(1).trimmed();
        // A word broken at the line's end ("Wochen-" / "stunden") is joined again.
        if (item.endsWith(u'-') && !line.isEmpty() && line.at(0).isLower())
            item.chop(1);
        else if (!item.isEmpty())
            item += u' ';
        item += line;
    }
    return item.simplified();
}

PupilRecord recordOf(const FileCheck &c, const QString &path)
{
    PupilRecord r;
    r.file = c.file;
    r.kind = c.kind;
    const QFileInfo info(path);
    if (info.exists()) {
        r.modified = info.lastModified();
        r.size = info.size();
    }
    r.csv = csvLine(c);
    if (!c.read()) {
        r.status = PupilStatus::Unreadable;
        r.message = textLines(*c.error).join(u' ');
        return r;
    }
    const Model &m = c.model;
    r.status = c.complete ? PupilStatus::Complete : PupilStatus::Incomplete;
    if (!c.complete)
        r.message = firstMissingItem(m.view.messages);
    r.name = m.PersonalData.Name;
    r.klasse = m.PersonalData.Klasse;
    r.core = subjectsWith(m, Core);
    r.written = subjectsWith(m, Written);
    r.oral = subjectsWith(m, Oral);
    r.hours = weeklyHours(m);
    r.countable = CountCourses(m, SubjectCount).total;
    r.enrolments = enrolments(m);
    if (!c.grades)
        return r;
    const GradesSummary s = summarize(*c.grades);
    r.blockI = s.blockI;
    r.blockII = s.blockII;
    r.total = s.total;
    r.average = s.average;
    if (s.nonAdmission) {
        r.admission = Admission::NotAdmitted;
        r.reasons = trimmedText(s.nonAdmission->text);
    } else if (s.verdict) {
        r.admission = Admission::Failed;
        r.reasons = trimmedText(*s.verdict);
    } else {
        r.admission = Admission::Admitted;
    }
    return r;
}

bool inFileOrder(const QString &a, const QString &b)
{
    const int c = a.compare(b, Qt::CaseInsensitive);
    return c != 0 ? c < 0 : a < b;
}

QStringList selectionFilesIn(const QString &folder, bool subfolders)
{
    const QDir dir(folder);
    QStringList files;
    QDirIterator it(folder, {QStringLiteral("*.tmd"), QStringLiteral("*.tnd")}, QDir::Files,
                    subfolders ? QDirIterator::Subdirectories : QDirIterator::NoIteratorFlags);
    while (it.hasNext())
        files.append(dir.relativeFilePath(it.next()));
    std::sort(files.begin(), files.end(), inFileOrder);
    return files;
}

Statistics statisticsOf(const std::vector<PupilRecord> &records)
{
    Statistics stats;
    for (const PupilRecord &r : records)
        if (r.status != PupilStatus::Unreadable)
            stats.add(r.enrolments);
    return stats;
}

QString yearGroupCsv(std::vector<PupilRecord> records)
{
    std::sort(records.begin(), records.end(), [](const PupilRecord &a, const PupilRecord &b) {
        return inFileOrder(a.file, b.file);
    });
    QString csv = csvHeader();
    for (const PupilRecord &r : records)
        csv += r.csv;
    return csv + u'\n' + statisticsCsv(statisticsOf(records));
}

YearGroupReader::YearGroupReader(const QString &folder, const QStringList &files, int workers)
    : m_folder(folder), m_files(files), m_workers(qMax(1, workers)), m_records(size_t(files.size()))
{
}

void YearGroupReader::run()
{
    // Each worker starts its own program, as the checker's workers do.
    std::vector<std::optional<Model>> started(static_cast<size_t>(m_workers));
    const QDir dir(m_folder);
    inParallel(0, m_files.size(), m_workers, [&](qsizetype i, int worker) {
        if (m_cancelled)
            return;
        std::optional<Model> &start = started[size_t(worker)];
        if (!start)
            start.emplace(startedModel(m_folder));
        const QString path = dir.filePath(m_files[i]);
        FileCheck c = checkFile(*start, path);
        c.file = m_files[i];
        m_records[size_t(i)] = recordOf(c, path);
        ++m_done;
    });
}

std::vector<PupilRecord> YearGroupReader::takeRecords()
{
    std::vector<PupilRecord> records;
    records.reserve(m_records.size());
    for (std::optional<PupilRecord> &r : m_records)
        if (r)
            records.push_back(std::move(*r));
    m_records.clear();
    return records;
}

} // namespace tamb::check
