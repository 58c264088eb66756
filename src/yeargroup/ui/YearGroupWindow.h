#pragma once

#include "yeargroup/YearGroup.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>

class QCheckBox;
class QFileSystemWatcher;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTableView;
class QThread;
class QTimer;

namespace tamb {

class Interaction;
class PupilTableModel;
class PupilFilter;
class CourseTableModel;

// "Jahrgang": every selection file of a folder at a glance, read as the
// checker reads it. Only reads; opening a file is the main window's business.
class YearGroupWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit YearGroupWindow(Interaction &ui, QWidget *parent = nullptr);
    ~YearGroupWindow() override;

    // Lists and reads the folder's files in the background.
    void open(const QString &folder);
    QString folder() const { return m_folder; }
    bool reading() const { return m_thread != nullptr; }

    // Actions (also used by tests).
    void openCurrent();
    void exportCsv();
    void exportForms(bool oneFile);
    void printList();
    // The printed list: the visible rows as sorted and filtered, with the
    // school's name and today's date.
    QString listHtml() const;

    QTableView *pupilTable() const { return m_pupilTable; }
    QTableView *courseTable() const { return m_courseTable; }
    PupilTableModel *pupils() const { return m_pupils; }
    CourseTableModel *courses() const { return m_courses; }
    QLineEdit *searchField() const { return m_search; }
    QCheckBox *problemsOnly() const { return m_problemsOnly; }
    QCheckBox *subfolders() const { return m_subfolders; }
    QSpinBox *perCourse() const { return m_perCourse; }
    QLabel *summary() const { return m_summary; }

signals:
    // A pupil's file to open in the main window.
    void openRequested(const QString &path);
    // Reading ended (finished or cancelled).
    void readingDone();

private:
    void build();
    void startReading(const QStringList &files, bool replace);
    void readingFinished();
    void rescan();
    void watch(const QStringList &files);
    void showFigures();
    // The absolute paths of the complete choices chosen for forms.
    QStringList formFiles() const;
    bool save(const QString &path, const QByteArray &bytes);

    Interaction &m_ui;
    QString m_folder;
    bool m_replace = false;
    bool m_rescanPending = false;
    bool m_cancelled = false;
    QThread *m_thread = nullptr;
    std::shared_ptr<check::YearGroupReader> m_reader;

    QLabel *m_folderLabel = nullptr;
    QCheckBox *m_subfolders = nullptr;
    QProgressBar *m_progress = nullptr;
    QPushButton *m_cancel = nullptr;
    QTabWidget *m_tabs = nullptr;
    QLineEdit *m_search = nullptr;
    QCheckBox *m_problemsOnly = nullptr;
    QTableView *m_pupilTable = nullptr;
    QLabel *m_summary = nullptr;
    QSpinBox *m_perCourse = nullptr;
    QTableView *m_courseTable = nullptr;
    PupilTableModel *m_pupils = nullptr;
    PupilFilter *m_filter = nullptr;
    CourseTableModel *m_courses = nullptr;
    QTimer *m_progressTimer = nullptr;
    QTimer *m_rescanTimer = nullptr;
    QFileSystemWatcher *m_watcher = nullptr;
};

} // namespace tamb
