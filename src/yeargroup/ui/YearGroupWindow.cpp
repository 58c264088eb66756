#include "yeargroup/ui/YearGroupWindow.h"

#include "files/SafeWrite.h"
#include "model/Interaction.h"
#include "print/ui/FormPdf.h"
#include "yeargroup/Parallel.h"
#include "yeargroup/PdfNames.h"
#include "yeargroup/Reports.h"
#include "yeargroup/ui/YearGroupModels.h"

#include <QAction>
#include <QCheckBox>
#include <QDate>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QSet>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTextDocument>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>
#include <iterator>
#include <optional>

namespace tamb {

using check::PupilRecord;
using check::PupilStatus;

namespace {

// Draws the forms of the complete choices among `files` as pages of one PDF
// into `device`; `step` is told of each file and returns false to stop. A
// pupil's own PDF bears the pupil's name in its title, as the preview's does.
bool drawForms(QIODevice &device, const QString &folder, const QStringList &files,
               const std::function<bool()> &step)
{
    const Model started = check::startedModel(folder);
    std::optional<FormPdfPages> pdf;
    for (const QString &file : files) {
        if (!step())
            return false;
        const check::FileCheck c = check::checkFile(started, file);
        if (!c.complete)
            continue;
        if (!pdf)
            pdf.emplace(device, files.size() == 1
                                    ? QStringLiteral("BELEGPLAN-WAHLBOGEN ") + c.model.PersonalData.Name
                                    : QStringLiteral("BELEGPLAN-WAHLBOGEN"));
        if (!pdf->add(c.model, c.model.GridRows, c.model.PersonalData))
            return false;
    }
    return pdf && pdf->finish();
}

// Return and Enter on the table open the pupil's file.
class ReturnOpens : public QObject
{
public:
    ReturnOpens(QTableView *table, std::function<void()> open)
        : QObject(table), m_open(std::move(open))
    {
        table->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        m_open();
        return true;
    }

private:
    std::function<void()> m_open;
};

QTableView *newTable(QWidget *parent, const QString &name)
{
    auto *table = new QTableView(parent);
    table->setObjectName(name);
    table->setAccessibleName(name);
    table->setSortingEnabled(true);
    table->setAlternatingRowColors(true);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setTabKeyNavigation(false); // Tab leaves the table, arrows move in it
    table->setWordWrap(false);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 8);
    table->horizontalHeader()->setHighlightSections(false);
    return table;
}

} // namespace

YearGroupWindow::YearGroupWindow(Interaction &ui, QWidget *parent) : QMainWindow(parent), m_ui(ui)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    setObjectName(QStringLiteral("JahrgangFrm"));
    setWindowTitle(QStringLiteral("Jahrgang - TAMBERON"));
    build();
}

YearGroupWindow::~YearGroupWindow()
{
    if (m_thread) {
        m_reader->cancel();
        m_thread->wait();
        delete m_thread;
    }
}

void YearGroupWindow::build()
{
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);

    auto *top = new QHBoxLayout;
    m_folderLabel = new QLabel(central);
    m_folderLabel->setObjectName(QStringLiteral("OrdnerLbl"));
    m_folderLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    top->addWidget(m_folderLabel, 1);
    m_subfolders = new QCheckBox(QStringLiteral("&Unterordner einbeziehen"), central);
    m_subfolders->setObjectName(QStringLiteral("UnterordnerCbx"));
    top->addWidget(m_subfolders);
    layout->addLayout(top);

    auto *progressRow = new QHBoxLayout;
    m_progress = new QProgressBar(central);
    m_progress->setObjectName(QStringLiteral("Fortschritt"));
    m_progress->setAccessibleName(QStringLiteral("Dateien gelesen"));
    m_progress->setFormat(QStringLiteral("%v von %m Dateien gelesen"));
    progressRow->addWidget(m_progress, 1);
    m_cancel = new QPushButton(QStringLiteral("Abbrechen"), central);
    m_cancel->setObjectName(QStringLiteral("AbbrechenBtn"));
    progressRow->addWidget(m_cancel);
    layout->addLayout(progressRow);
    m_progress->hide();
    m_cancel->hide();

    m_tabs = new QTabWidget(central);
    m_tabs->setObjectName(QStringLiteral("JahrgangTabs"));

    // "Schüler": one row per file.
    auto *pupilsPage = new QWidget(m_tabs);
    auto *pupilsLayout = new QVBoxLayout(pupilsPage);
    auto *filterRow = new QHBoxLayout;
    auto *searchLabel = new QLabel(QStringLiteral("&Suchen:"), pupilsPage);
    m_search = new QLineEdit(pupilsPage);
    m_search->setObjectName(QStringLiteral("SuchenEd"));
    m_search->setPlaceholderText(QStringLiteral("Name, Klasse oder Datei"));
    m_search->setClearButtonEnabled(true);
    m_search->setAccessibleName(QStringLiteral("Suchen nach Name, Klasse oder Datei"));
    searchLabel->setBuddy(m_search);
    filterRow->addWidget(searchLabel);
    filterRow->addWidget(m_search, 1);
    m_problemsOnly = new QCheckBox(QStringLiteral("&nur unvollständige und fehlerhafte"), pupilsPage);
    m_problemsOnly->setObjectName(QStringLiteral("NurProblemeCbx"));
    filterRow->addWidget(m_problemsOnly);
    pupilsLayout->addLayout(filterRow);

    m_pupils = new PupilTableModel(this);
    m_filter = new PupilFilter(this);
    m_filter->setSourceModel(m_pupils);
    m_filter->setSortLocaleAware(true);
    m_pupilTable = newTable(pupilsPage, QStringLiteral("Schülerliste"));
    m_pupilTable->setModel(m_filter);
    m_pupilTable->sortByColumn(PupilTableModel::Name, Qt::AscendingOrder);
    QHeaderView *header = m_pupilTable->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    const int em = fontMetrics().horizontalAdvance(QLatin1Char('M'));
    const int widths[PupilTableModel::ColumnCount] = {12, 4, 20, 12, 11, 6, 3, 3, 3, 3, 4,
                                                      5, 5, 5, 4, 8, 9, 8};
    for (int c = 0; c < PupilTableModel::ColumnCount; ++c)
        header->resizeSection(c, widths[c] * em);
    pupilsLayout->addWidget(m_pupilTable, 1);
    m_summary = new QLabel(pupilsPage);
    m_summary->setObjectName(QStringLiteral("ZusammenfassungLbl"));
    pupilsLayout->addWidget(m_summary);
    m_tabs->addTab(pupilsPage, QStringLiteral("&Schüler"));

    // "Kurse": the year group's counts per subject and half-year.
    auto *coursesPage = new QWidget(m_tabs);
    auto *coursesLayout = new QVBoxLayout(coursesPage);
    auto *perCourseRow = new QHBoxLayout;
    auto *perCourseLabel = new QLabel(QStringLiteral("Schüler je &Kurs (höchstens):"), coursesPage);
    m_perCourse = new QSpinBox(coursesPage);
    m_perCourse->setObjectName(QStringLiteral("SchuelerJeKursEd"));
    m_perCourse->setRange(0, 99);
    m_perCourse->setSpecialValueText(QStringLiteral("-"));
    m_perCourse->setAccessibleName(QStringLiteral("Schüler je Kurs (höchstens)"));
    m_perCourse->setToolTip(QStringLiteral("Mit einer Zahl zeigt die Tabelle die Kurse, die nötig "
                                           "sind; ohne (-) die Zahl der Schülerinnen und Schüler."));
    perCourseLabel->setBuddy(m_perCourse);
    perCourseRow->addWidget(perCourseLabel);
    perCourseRow->addWidget(m_perCourse);
    perCourseRow->addStretch(1);
    coursesLayout->addLayout(perCourseRow);
    m_courses = new CourseTableModel(this);
    m_courseTable = newTable(coursesPage, QStringLiteral("Kursliste"));
    m_courseTable->setSortingEnabled(false);
    m_courseTable->setModel(m_courses);
    m_courseTable->setItemDelegate(new BarDelegate(m_courseTable));
    m_courseTable->horizontalHeader()->resizeSection(0, 16 * em);
    for (int c = 1; c < m_courses->columnCount(); ++c)
        m_courseTable->horizontalHeader()->resizeSection(c, 7 * em);
    coursesLayout->addWidget(m_courseTable, 1);
    m_tabs->addTab(coursesPage, QStringLiteral("&Kurse"));
    layout->addWidget(m_tabs, 1);

    auto *buttons = new QHBoxLayout;
    auto *openButton = new QPushButton(QStringLiteral("Ö&ffnen"), central);
    openButton->setObjectName(QStringLiteral("OeffnenBtn"));
    openButton->setToolTip(QStringLiteral("Die Datei im Hauptfenster öffnen (Eingabetaste, Doppelklick)"));
    auto *csvButton = new QPushButton(QStringLiteral("Als &CSV exportieren ..."), central);
    csvButton->setObjectName(QStringLiteral("CsvBtn"));
    auto *pdfButton = new QPushButton(QStringLiteral("Formulare als &PDF ..."), central);
    pdfButton->setObjectName(QStringLiteral("PdfBtn"));
    pdfButton->setToolTip(QStringLiteral("Die Formulare der ausgewählten (ohne Auswahl: aller "
                                         "angezeigten) vollständigen Wahlen"));
    auto *pdfMenu = new QMenu(pdfButton);
    pdfMenu->addAction(QStringLiteral("&Je Schüler eine Datei in einen Ordner ..."), this,
                       [this] { exportForms(false); });
    pdfMenu->addAction(QStringLiteral("&Alle in eine Datei ..."), this, [this] { exportForms(true); });
    pdfButton->setMenu(pdfMenu);
    auto *printButton = new QPushButton(QStringLiteral("Liste &drucken ..."), central);
    printButton->setObjectName(QStringLiteral("DruckenBtn"));
    auto *closeButton = new QPushButton(QStringLiteral("Schließen"), central);
    closeButton->setObjectName(QStringLiteral("SchliessenBtn"));
    for (QPushButton *b : {openButton, csvButton, pdfButton, printButton})
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(closeButton);
    layout->addLayout(buttons);
    setCentralWidget(central);
    statusBar()->setSizeGripEnabled(true);

    connect(openButton, &QPushButton::clicked, this, &YearGroupWindow::openCurrent);
    connect(csvButton, &QPushButton::clicked, this, &YearGroupWindow::exportCsv);
    connect(printButton, &QPushButton::clicked, this, &YearGroupWindow::printList);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    connect(m_pupilTable, &QTableView::doubleClicked, this, &YearGroupWindow::openCurrent);
    new ReturnOpens(m_pupilTable, [this] { openCurrent(); });
    connect(m_search, &QLineEdit::textChanged, this, [this](const QString &text) {
        m_filter->setSearch(text);
        showFigures();
    });
    connect(m_problemsOnly, &QCheckBox::toggled, this, [this](bool on) {
        m_filter->setProblemsOnly(on);
        showFigures();
    });
    connect(m_perCourse, &QSpinBox::valueChanged, m_courses, &CourseTableModel::setPerCourse);
    connect(m_subfolders, &QCheckBox::toggled, this, [this] {
        if (!m_folder.isEmpty())
            open(m_folder);
    });
    connect(m_cancel, &QPushButton::clicked, this, [this] {
        if (m_reader)
            m_reader->cancel();
    });

    m_progressTimer = new QTimer(this);
    m_progressTimer->setInterval(50);
    connect(m_progressTimer, &QTimer::timeout, this, [this] {
        if (m_reader)
            m_progress->setValue(m_reader->done());
    });
    // Saving a file touches it several times; one look after it settled.
    m_rescanTimer = new QTimer(this);
    m_rescanTimer->setSingleShot(true);
    m_rescanTimer->setInterval(300);
    connect(m_rescanTimer, &QTimer::timeout, this, &YearGroupWindow::rescan);
    m_watcher = new QFileSystemWatcher(this);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, m_rescanTimer,
            qOverload<>(&QTimer::start));
    connect(m_watcher, &QFileSystemWatcher::fileChanged, m_rescanTimer, qOverload<>(&QTimer::start));

    setTabOrder(m_subfolders, m_tabs);
    // Fits a screen of 1024 x 768 with its frame and panel.
    resize(980, 620);
    setMinimumSize(640, 400);
}

void YearGroupWindow::open(const QString &folder)
{
    m_folder = QDir(folder).absolutePath();
    setWindowTitle(QStringLiteral("Jahrgang %1 - TAMBERON").arg(QDir(m_folder).dirName()));
    m_folderLabel->setText(QStringLiteral("Ordner: ") + QDir::toNativeSeparators(m_folder));
    if (!m_watcher->files().isEmpty())
        m_watcher->removePaths(m_watcher->files());
    if (!m_watcher->directories().isEmpty())
        m_watcher->removePaths(m_watcher->directories());
    const QStringList files = check::selectionFilesIn(m_folder, m_subfolders->isChecked());
    watch(files);
    if (m_thread) {
        // The running reading belongs to the folder as it was.
        m_reader->cancel();
        m_rescanPending = true;
        m_pupils->setRecords({});
        return;
    }
    startReading(files, true);
}

void YearGroupWindow::watch(const QStringList &files)
{
    const QStringList watchedFiles = m_watcher->files();
    const QStringList watchedFolders = m_watcher->directories();
    QSet<QString> watched(watchedFiles.cbegin(), watchedFiles.cend());
    for (const QString &d : watchedFolders)
        watched.insert(d);
    QStringList paths;
    const QDir dir(m_folder);
    const auto add = [&](const QString &path) {
        if (!watched.contains(path)) {
            watched.insert(path);
            paths.append(path);
        }
    };
    add(m_folder);
    for (const QString &file : files) {
        const QString path = dir.filePath(file);
        add(QFileInfo(path).absolutePath());
        add(path);
    }
    if (m_subfolders->isChecked()) {
        QDirIterator it(m_folder, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (it.hasNext())
            add(it.next());
    }
    if (!paths.isEmpty())
        m_watcher->addPaths(paths);
}

void YearGroupWindow::startReading(const QStringList &files, bool replace)
{
    m_replace = replace;
    m_cancelled = false;
    m_reader = std::make_shared<check::YearGroupReader>(m_folder, files, check::readingWorkers());
    const std::shared_ptr<check::YearGroupReader> reader = m_reader;
    m_thread = QThread::create([reader] { reader->run(); });
    connect(m_thread, &QThread::finished, this, &YearGroupWindow::readingFinished);
    m_progress->setRange(0, int(files.size()));
    m_progress->setValue(0);
    m_progress->setVisible(!files.isEmpty());
    m_cancel->setVisible(!files.isEmpty());
    m_progressTimer->start();
    if (replace)
        m_summary->setText(QStringLiteral("Die Dateien werden gelesen ..."));
    m_thread->start();
}

void YearGroupWindow::readingFinished()
{
    m_progressTimer->stop();
    m_thread->deleteLater();
    m_thread = nullptr;
    m_cancelled = m_reader->cancelled();
    std::vector<PupilRecord> records = m_reader->takeRecords();
    m_reader.reset();
    m_progress->hide();
    m_cancel->hide();
    if (m_rescanPending) {
        // The folder changed meanwhile: read it again as it is now.
        m_rescanPending = false;
        m_pupils->setRecords({});
        startReading(check::selectionFilesIn(m_folder, m_subfolders->isChecked()), true);
        return;
    }
    if (m_replace)
        m_pupils->setRecords(std::move(records));
    else
        m_pupils->update(std::move(records), {});
    showFigures();
    emit readingDone();
}

void YearGroupWindow::rescan()
{
    if (m_folder.isEmpty())
        return;
    if (m_thread) {
        m_rescanTimer->start();
        return;
    }
    const QStringList files = check::selectionFilesIn(m_folder, m_subfolders->isChecked());
    const QSet<QString> present(files.cbegin(), files.cend());
    QStringList vanished;
    QHash<QString, const PupilRecord *> known;
    for (const PupilRecord &r : m_pupils->records()) {
        if (present.contains(r.file))
            known.insert(r.file, &r);
        else
            vanished.append(r.file);
    }
    // New files and files that changed since they were read; the rest stay.
    QStringList changed;
    const QDir dir(m_folder);
    for (const QString &file : files) {
        const PupilRecord *r = known.value(file);
        const QFileInfo info(dir.filePath(file));
        if (!r || r->modified != info.lastModified() || r->size != info.size())
            changed.append(file);
    }
    if (!vanished.isEmpty()) {
        m_pupils->update({}, vanished);
        showFigures();
    }
    watch(files);
    if (!changed.isEmpty())
        startReading(changed, false);
}

void YearGroupWindow::showFigures()
{
    int complete = 0;
    int incomplete = 0;
    int unreadable = 0;
    for (const PupilRecord &r : m_pupils->records()) {
        switch (r.status) {
        case PupilStatus::Complete:
            ++complete;
            break;
        case PupilStatus::Incomplete:
            ++incomplete;
            break;
        case PupilStatus::Unreadable:
            ++unreadable;
            break;
        }
    }
    const int files = m_pupils->rowCount();
    QString text = check::textSummary(files, complete, incomplete, unreadable).trimmed();
    if (m_filter->rowCount() != files)
        text += QStringLiteral(" (%1 angezeigt)").arg(m_filter->rowCount());
    if (m_cancelled)
        text += QStringLiteral(" - Lesen abgebrochen");
    m_summary->setText(text);
    m_courses->setStatistics(check::statisticsOf(m_pupils->records()));
}

void YearGroupWindow::openCurrent()
{
    const QModelIndex index = m_pupilTable->currentIndex();
    if (!index.isValid())
        return;
    const PupilRecord &r = m_pupils->record(m_filter->mapToSource(index).row());
    emit openRequested(QDir(m_folder).filePath(r.file));
}

bool YearGroupWindow::save(const QString &path, const QByteArray &bytes)
{
    const WriteOutcome written = WriteWholeFile(path, bytes);
    if (!written)
        m_ui.error(QStringLiteral("Die Datei %1 kann nicht gespeichert werden: %2")
                       .arg(QDir::toNativeSeparators(path), written.reason));
    return bool(written);
}

void YearGroupWindow::exportCsv()
{
    const QString path = m_ui.saveFileName(QStringLiteral("Als CSV exportieren"), m_folder,
                                           QStringLiteral("Jahrgang.csv"),
                                           QStringLiteral("CSV-Datei (*.csv)"));
    if (path.isEmpty())
        return;
    if (save(path, check::yearGroupCsv(m_pupils->records()).toUtf8()))
        statusBar()->showMessage(QStringLiteral("Gespeichert: ") + QDir::toNativeSeparators(path),
                                 10000);
}

QStringList YearGroupWindow::formFiles() const
{
    QList<int> rows;
    const QModelIndexList selected = m_pupilTable->selectionModel()->selectedRows();
    if (selected.size() > 1) {
        for (const QModelIndex &index : selected)
            rows.append(index.row());
        std::sort(rows.begin(), rows.end());
    } else {
        for (int row = 0; row < m_filter->rowCount(); ++row)
            rows.append(row);
    }
    QStringList files;
    const QDir dir(m_folder);
    for (int row : rows) {
        const PupilRecord &r = m_pupils->record(m_filter->mapToSource(m_filter->index(row, 0)).row());
        if (r.status == PupilStatus::Complete)
            files.append(dir.filePath(r.file));
    }
    return files;
}

void YearGroupWindow::exportForms(bool oneFile)
{
    const QStringList files = formFiles();
    if (files.isEmpty()) {
        m_ui.inform(QStringLiteral("Unter den gewählten Dateien ist keine vollständige Wahl."));
        return;
    }
    const QString target =
        oneFile ? m_ui.saveFileName(QStringLiteral("Formulare als PDF"), m_folder,
                                    QStringLiteral("Formulare.pdf"), QStringLiteral("PDF-Datei (*.pdf)"))
                : m_ui.folderName(QStringLiteral("Ordner für die Formulare"), m_folder);
    if (target.isEmpty())
        return;
    QProgressDialog progress(QStringLiteral("Die Formulare werden geschrieben ..."),
                             QStringLiteral("Abbrechen"), 0, int(files.size()), this);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    int done = 0;
    const auto step = [&] {
        progress.setValue(done++);
        return !progress.wasCanceled();
    };
    const auto write = [&](const QString &path, const QStringList &forms) {
        const WriteOutcome written = WriteWholeFile(path, [&](QIODevice &device) {
            return drawForms(device, m_folder, forms, step);
        });
        if (!written && !progress.wasCanceled())
            m_ui.error(QStringLiteral("Die Datei %1 kann nicht gespeichert werden: %2")
                           .arg(QDir::toNativeSeparators(path), written.reason));
        return bool(written);
    };
    int written = 0;
    if (oneFile) {
        written = write(target, files) ? int(files.size()) : 0;
    } else {
        check::PdfNames names(target);
        for (const QString &file : files) {
            if (!write(names.nameFor(file), {file}))
                break;
            ++written;
        }
    }
    progress.setValue(int(files.size()));
    if (written > 0)
        statusBar()->showMessage(QStringLiteral("%1 Formular(e) gespeichert: %2")
                                     .arg(written)
                                     .arg(QDir::toNativeSeparators(target)),
                                 10000);
}

void YearGroupWindow::printList()
{
    QPrinter printer;
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Liste drucken"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    QTextDocument document;
    document.setDefaultFont(QFont(font().family(), 7));
    // The printer's own margins, not the document's default of 2 cm.
    document.setPageSize(printer.pageRect(QPrinter::Point).size());
    document.setHtml(listHtml());
    document.print(&printer);
}

QString YearGroupWindow::listHtml() const
{
    // The visible table as it is sorted and filtered, with the school and the date.
    const QString school = check::startedModel(m_folder).SchoolName;
    QString html = QStringLiteral("<h3>%1</h3><p>Jahrgang %2, %3 - %4</p>"
                                  "<table width=\"100%\" border=\"1\" cellspacing=\"0\" "
                                  "cellpadding=\"2\"><tr>")
                       .arg(school.toHtmlEscaped(),
                            QDir::toNativeSeparators(m_folder).toHtmlEscaped(),
                            QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")),
                            m_summary->text().toHtmlEscaped());
    const QHeaderView *header = m_pupilTable->horizontalHeader();
    QList<int> columns;
    for (int v = 0; v < header->count(); ++v)
        if (!header->isSectionHidden(header->logicalIndex(v)))
            columns.append(header->logicalIndex(v));
    // Widths by share of the page, so that short values keep their words whole
    // and the long texts wrap.
    static constexpr int weights[PupilTableModel::ColumnCount] = {18, 8, 34, 20, 20, 16, 7, 7, 7, 7,
                                                                   7, 8, 8, 8, 6, 14, 18, 20};
    int total = 0;
    for (int c : columns)
        total += weights[c];
    for (int c : columns)
        html += QStringLiteral("<th width=\"%1%\">%2</th>")
                    .arg(100 * weights[c] / qMax(1, total))
                    .arg(m_filter->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString().toHtmlEscaped());
    html += QStringLiteral("</tr>");
    for (int row = 0; row < m_filter->rowCount(); ++row) {
        html += QStringLiteral("<tr>");
        for (int c : columns)
            html += QStringLiteral("<td>%1</td>")
                        .arg(m_filter->index(row, c).data().toString().toHtmlEscaped());
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

} // namespace tamb
