#pragma once

// The tables of the year group window: one row per file ("Schüler"), one
// row per subject ("Kurse").

#include "yeargroup/YearGroup.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QSortFilterProxyModel>
#include <QStyledItemDelegate>

namespace tamb {

class PupilTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column {
        Name, Klasse, Status, CoreSubjects, WrittenSubjects, OralSubject, Hours1, Hours2, Hours3,
        Hours4, Countable, BlockI, BlockII, Total, Average, AdmissionColumn, File, Modified,
        ColumnCount
    };
    static constexpr int SortRole = Qt::UserRole;

    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    const std::vector<check::PupilRecord> &records() const { return m_records; }
    const check::PupilRecord &record(int row) const { return m_records[size_t(row)]; }
    void setRecords(std::vector<check::PupilRecord> records);
    // Replaces the records of the same files, adds new ones, drops `vanished`.
    void update(std::vector<check::PupilRecord> changed, const QStringList &vanished);
    // True when `a` sorts before `b` by `column`.
    bool less(int a, int b, int column) const;

private:
    QString text(const check::PupilRecord &r, int column) const;
    void reindex();

    std::vector<check::PupilRecord> m_records;
    QHash<QString, int> m_rowOfFile;
};

// Search (name, class, file) and "nur unvollständige und fehlerhafte".
class PupilFilter : public QSortFilterProxyModel
{
    Q_OBJECT
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;
    void setSearch(const QString &text);
    void setProblemsOnly(bool on);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;

private:
    QString m_search;
    bool m_problemsOnly = false;
};

// Per subject: pupils per half-year and as core, written and oral subject,
// or the courses they need with at most `perCourse` pupils in each.
class CourseTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    static constexpr int ShareRole = Qt::UserRole + 1; // 0..1, the cell's bar

    using QAbstractTableModel::QAbstractTableModel;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void setStatistics(const check::Statistics &stats);
    void setPerCourse(int pupils);
    int perCourse() const { return m_perCourse; }

private:
    int count(int row, int column) const;

    QList<check::Statistics::Line> m_lines;
    int m_pupils = 0;
    int m_perCourse = 0;
};

// A count with a small bar behind it for reading at a glance.
class BarDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
};

} // namespace tamb
