#include "yeargroup/ui/YearGroupModels.h"

#include <QApplication>
#include <QIcon>
#include <QPainter>
#include <QStyle>

#include <algorithm>
#include <functional>
#include <iterator>

namespace tamb {

using check::Admission;
using check::PupilRecord;
using check::PupilStatus;

namespace {

struct Heading
{
    const char *text;
    const char *tip;
};

// Short headings keep the table within a small screen; the tooltip tells the rest.
const Heading PupilHeadings[PupilTableModel::ColumnCount] = {
    {"Name", "Name der Schülerin oder des Schülers"},
    {"Klasse", "Klasse"},
    {"Status", "vollständig, unvollständig (mit dem ersten fehlenden Punkt) oder Lesefehler"},
    {"Kernfächer", "Kernfächer"},
    {"schriftlich", "schriftliche Prüfungsfächer"},
    {"mündlich", "mündliches Prüfungsfach"},
    {"1. Hj", "Wochenstunden im 1. Halbjahr"},
    {"2. Hj", "Wochenstunden im 2. Halbjahr"},
    {"3. Hj", "Wochenstunden im 3. Halbjahr"},
    {"4. Hj", "Wochenstunden im 4. Halbjahr"},
    {"Kurse", "anrechenbare Kurse"},
    {"Block I", "Block I (Punkte)"},
    {"Block II", "Block II (Punkte)"},
    {"Gesamt", "Gesamtpunktzahl"},
    {"Note", "Durchschnittsnote"},
    {"Zulassung", "zugelassen, nicht zugelassen oder nicht bestanden; die Gründe im Tooltip"},
    {"Datei", "Datei im Ordner des Jahrgangs"},
    {"geändert am", "zuletzt geändert am"},
};

const Heading CourseHeadings[] = {
    {"Fach", "Fach"},
    {"1. Hj", "Kurse im 1. Halbjahr"},
    {"2. Hj", "Kurse im 2. Halbjahr"},
    {"3. Hj", "Kurse im 3. Halbjahr"},
    {"4. Hj", "Kurse im 4. Halbjahr"},
    {"Kernfach", "als Kernfach"},
    {"schriftlich", "als schriftliches Prüfungsfach"},
    {"mündlich", "als mündliches Prüfungsfach"},
};
constexpr int CourseColumns = int(std::size(CourseHeadings));

QString number(const std::optional<int> &n)
{
    return n ? QString::number(*n) : QString();
}

QIcon statusIcon(PupilStatus status)
{
    QStyle *style = QApplication::style();
    switch (status) {
    case PupilStatus::Complete:
        return style->standardIcon(QStyle::SP_DialogApplyButton);
    case PupilStatus::Incomplete:
        return style->standardIcon(QStyle::SP_MessageBoxWarning);
    case PupilStatus::Unreadable:
        break;
    }
    return style->standardIcon(QStyle::SP_MessageBoxCritical);
}

// Unreadable files first, then the unfinished ones.
int statusRank(PupilStatus status)
{
    return status == PupilStatus::Unreadable ? 0 : status == PupilStatus::Incomplete ? 1 : 2;
}

QVariant heading(const Heading *headings, int count, int section, int role)
{
    if (section < 0 || section >= count)
        return {};
    if (role == Qt::DisplayRole)
        return QString::fromUtf8(headings[section].text);
    if (role == Qt::ToolTipRole)
        return QString::fromUtf8(headings[section].tip);
    return {};
}

} // namespace

int PupilTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_records.size());
}

int PupilTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString PupilTableModel::text(const PupilRecord &r, int column) const
{
    const QString list = QStringLiteral(", ");
    switch (column) {
    case Name:
        return r.name;
    case Klasse:
        return r.klasse;
    case Status:
        return r.message.isEmpty() ? check::statusText(r.status)
                                   : check::statusText(r.status) + QStringLiteral(": ") + r.message;
    case CoreSubjects:
        return r.core.join(list);
    case WrittenSubjects:
        return r.written.join(list);
    case OralSubject:
        return r.oral.join(list);
    case Hours1:
    case Hours2:
    case Hours3:
    case Hours4:
        return r.status == PupilStatus::Unreadable ? QString()
                                                   : QString::number(r.hours[column - Hours1]);
    case Countable:
        return r.status == PupilStatus::Unreadable ? QString() : QString::number(r.countable);
    case BlockI:
        return number(r.blockI);
    case BlockII:
        return number(r.blockII);
    case Total:
        return number(r.total);
    case Average:
        return r.average.value_or(QString());
    case AdmissionColumn:
        return check::admissionText(r.admission);
    case File:
        return r.file;
    case Modified:
        return r.modified.isValid() ? r.modified.toString(QStringLiteral("dd.MM.yyyy HH:mm"))
                                    : QString();
    }
    return QString();
}

QVariant PupilTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const PupilRecord &r = m_records[size_t(index.row())];
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return text(r, column);
    case Qt::DecorationRole:
        return column == Status ? QVariant(statusIcon(r.status)) : QVariant();
    case Qt::ToolTipRole:
        if (column == AdmissionColumn && !r.reasons.isEmpty())
            return r.reasons;
        return text(r, column);
    case Qt::TextAlignmentRole:
        return column >= Hours1 && column <= Total
                   ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                   : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::AccessibleTextRole: {
        // "Müller, Anna: unvollständig, Es fehlt noch ein Kernfach"
        const QString who = r.name.isEmpty() ? r.file : r.name;
        if (column == Name)
            return QStringLiteral("Name: ") + who;
        if (column == Status)
            return who + QStringLiteral(": ") + check::statusText(r.status)
                   + (r.message.isEmpty() ? QString() : QStringLiteral(", ") + r.message);
        const QString value = text(r, column);
        return who + QStringLiteral(": ") + QString::fromUtf8(PupilHeadings[column].tip) + u' '
               + (value.isEmpty() ? QStringLiteral("leer") : value);
    }
    }
    return {};
}

QVariant PupilTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    return heading(PupilHeadings, ColumnCount, section, role);
}

bool PupilTableModel::less(int a, int b, int column) const
{
    const PupilRecord &x = m_records[size_t(a)];
    const PupilRecord &y = m_records[size_t(b)];
    const auto optional = [](const auto &p, const auto &q) {
        // Empty cells after the filled ones.
        if (p.has_value() != q.has_value())
            return p.has_value();
        return p.has_value() && *p < *q;
    };
    switch (column) {
    case Status:
        if (statusRank(x.status) != statusRank(y.status))
            return statusRank(x.status) < statusRank(y.status);
        return x.message.localeAwareCompare(y.message) < 0;
    case Hours1:
    case Hours2:
    case Hours3:
    case Hours4:
        return x.hours[column - Hours1] < y.hours[column - Hours1];
    case Countable:
        return x.countable < y.countable;
    case BlockI:
        return optional(x.blockI, y.blockI);
    case BlockII:
        return optional(x.blockII, y.blockII);
    case Total:
        return optional(x.total, y.total);
    case AdmissionColumn:
        return int(x.admission) < int(y.admission);
    case Modified:
        return x.modified < y.modified;
    default:
        break;
    }
    return text(x, column).localeAwareCompare(text(y, column)) < 0;
}

void PupilTableModel::reindex()
{
    m_rowOfFile.clear();
    for (size_t i = 0; i < m_records.size(); ++i)
        m_rowOfFile.insert(m_records[i].file, int(i));
}

void PupilTableModel::setRecords(std::vector<PupilRecord> records)
{
    beginResetModel();
    m_records = std::move(records);
    reindex();
    endResetModel();
}

void PupilTableModel::update(std::vector<PupilRecord> changed, const QStringList &vanished)
{
    QList<int> gone;
    for (const QString &file : vanished)
        if (const auto it = m_rowOfFile.constFind(file); it != m_rowOfFile.constEnd())
            gone.append(*it);
    std::sort(gone.begin(), gone.end(), std::greater<>());
    for (int row : gone) {
        beginRemoveRows({}, row, row);
        m_records.erase(m_records.begin() + row);
        endRemoveRows();
    }
    if (!gone.isEmpty())
        reindex();
    for (PupilRecord &r : changed) {
        const auto it = m_rowOfFile.constFind(r.file);
        if (it != m_rowOfFile.constEnd()) {
            m_records[size_t(*it)] = std::move(r);
            emit dataChanged(index(*it, 0), index(*it, ColumnCount - 1));
            continue;
        }
        const int row = rowCount();
        beginInsertRows({}, row, row);
        m_rowOfFile.insert(r.file, row);
        m_records.push_back(std::move(r));
        endInsertRows();
    }
}

void PupilFilter::setSearch(const QString &text)
{
    m_search = text.trimmed();
    invalidateFilter();
}

void PupilFilter::setProblemsOnly(bool on)
{
    m_problemsOnly = on;
    invalidateFilter();
}

bool PupilFilter::filterAcceptsRow(int sourceRow, const QModelIndex &) const
{
    const auto *pupils = static_cast<const PupilTableModel *>(sourceModel());
    const PupilRecord &r = pupils->record(sourceRow);
    if (m_problemsOnly && r.status == PupilStatus::Complete)
        return false;
    return m_search.isEmpty() || r.name.contains(m_search, Qt::CaseInsensitive)
           || r.klasse.contains(m_search, Qt::CaseInsensitive)
           || r.file.contains(m_search, Qt::CaseInsensitive);
}

bool PupilFilter::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    const auto *pupils = static_cast<const PupilTableModel *>(sourceModel());
    return pupils->less(left.row(), right.row(), left.column());
}

int CourseTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_lines.size());
}

int CourseTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : CourseColumns;
}

int CourseTableModel::count(int row, int column) const
{
    const check::Statistics::Line &line = m_lines[row];
    if (column >= 1 && column <= 4)
        return line.halfYears[size_t(column - 1)];
    return column == 5 ? line.core : column == 6 ? line.written : line.oral;
}

QVariant CourseTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const check::Statistics::Line &line = m_lines[index.row()];
    if (index.column() == 0)
        return role == Qt::DisplayRole || role == Qt::ToolTipRole || role == Qt::AccessibleTextRole
                   ? QVariant(line.subject)
                   : QVariant();
    const int pupils = count(index.row(), index.column());
    const int courses = check::coursesNeeded(pupils, m_perCourse);
    const QString pupilsText = pupils == 1 ? QStringLiteral("1 Schüler(in)")
                                           : QStringLiteral("%1 Schüler(innen)").arg(pupils);
    const QString detail = m_perCourse > 0
                               ? pupilsText
                                     + (courses == 1 ? QStringLiteral(", 1 Kurs")
                                                     : QStringLiteral(", %1 Kurse").arg(courses))
                               : pupilsText;
    switch (role) {
    case Qt::DisplayRole:
        return m_perCourse > 0 ? courses : pupils;
    case Qt::TextAlignmentRole:
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::ToolTipRole:
        return detail;
    case Qt::AccessibleTextRole:
        return line.subject + QStringLiteral(", ")
               + QString::fromUtf8(CourseHeadings[index.column()].tip) + QStringLiteral(": ")
               + detail;
    case ShareRole:
        return m_pupils > 0 ? double(pupils) / m_pupils : 0.0;
    }
    return {};
}

QVariant CourseTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    return heading(CourseHeadings, CourseColumns, section, role);
}

void CourseTableModel::setStatistics(const check::Statistics &stats)
{
    beginResetModel();
    m_lines = stats.lines();
    m_pupils = stats.pupils();
    endResetModel();
}

void CourseTableModel::setPerCourse(int pupils)
{
    m_perCourse = pupils;
    if (rowCount() > 0)
        emit dataChanged(index(0, 1), index(rowCount() - 1, CourseColumns - 1));
}

void BarDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                        const QModelIndex &index) const
{
    const QVariant share = index.data(CourseTableModel::ShareRole);
    if (share.isValid() && share.toDouble() > 0) {
        // A bar from the left, a third of the row high, under the number.
        QRect bar = option.rect.adjusted(3, 0, -3, 0);
        bar.setWidth(qMax(1, int(bar.width() * qMin(1.0, share.toDouble()))));
        bar.setTop(option.rect.bottom() - option.rect.height() / 3);
        bar.setBottom(option.rect.bottom() - 2);
        QColor colour = option.palette.color(QPalette::Highlight);
        colour.setAlpha(110);
        painter->fillRect(bar, colour);
    }
    QStyledItemDelegate::paint(painter, option, index);
}

} // namespace tamb
