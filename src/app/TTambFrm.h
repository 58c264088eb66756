#pragma once

#include "files/Recovery.h"
#include "model/History.h"
#include "model/Interaction.h"
#include "model/MainWindowLogic.h"
#include "model/Model.h"
#include "rules/ClickPreview.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QPointer>
#include <QSize>
#include <memory>

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QDragEnterEvent;
class QDropEvent;
class QPushButton;
class QStatusBar;

namespace tamb {

class GridView;
class WidgetInteraction;

// How the main window starts; tests answer without a screen.
struct StartOptions
{
    Interaction *ui = nullptr; // null: real dialogs
    QSize screen;              // empty: the primary screen
    QString workingDirectory;  // empty: the current directory
    QString recoveryFolder;    // empty: the user's data folder
};

// The file named on a command line (arguments as QCoreApplication gives
// them, program first), as an absolute path; empty when there is none.
QString FileFromArguments(const QStringList &arguments);

// The main window: the course table and its companions, the menus, the
// start sequence and the close query. The logic lives in the core; this
// class shows the model and forwards the clicks.
class TTambFrm : public QMainWindow
{
    Q_OBJECT
public:
    explicit TTambFrm(const StartOptions &options = StartOptions(), QWidget *parent = nullptr);
    ~TTambFrm() override;

    Model &model() { return m_model; }
    Interaction &interaction() { return *m_ui; }

    // Shows the model's texts and states.
    void refreshView();

    // Click forwarding (also used by tests).
    void clickCourseTable(int col, int row, const QPoint &globalPos = {});

    // Menu commands.
    void NeuesFormularClick();
    void EinstellungenClick();
    void NotenClick();
    void OeffnenClick();
    // "&Jahrgang öffnen ...": a folder of pupils' files in the year group window.
    void JahrgangOeffnenClick();
    void openYearGroup(const QString &folder);
    QWidget *yearGroupWindow() const { return m_yearGroupFrm; }
    // Opens a selection file chosen by path, as "&Öffnen" does after its
    // dialog: the one way in for the dialog, the command line, drops and
    // the recent files.
    void openFile(const QString &path);
    void WahlspeichernClick();
    void WahlundNotenMPClick();
    void DruckenClick();
    void Hilfe1Click();
    void EinstJaBtnClick();
    void EinstNeinBtnClick();

    // Windows opened on the logic's request.
    void openWindow(Window window);

    // Undo and redo ("&Bearbeiten"). A change that the user made ends in
    // commitStep(): it shows the model and keeps the step when anything
    // the user sees has changed. settle() takes over changes that are no
    // step (saving, the settings dialog).
    void commitStep(const QString &name);
    void settle();
    void Undo();
    void Redo();
    const History &history() const { return m_history; }
    // Forgets every step; the state now is where undo stops.
    void clearHistory();
    QAction *undoAction() const { return m_undo; }
    QAction *redoAction() const { return m_redo; }
    // Adds the undo and redo keys to another window (the grades window).
    void shareEditActions(QWidget *window);

    // A form left by a run that did not end cleanly: asks whether it comes back. True
    // when it did.
    bool offerRecovery();
    // This run's recovery file (for tests).
    QString recoveryFile() const;

    // Unsaved changes: asks the close query's question; false when the
    // user stops (Abbrechen, or a save that did not happen).
    bool mayDiscardChanges();
    // The last opened files, newest first, kept in the user's settings.
    QStringList recentFiles() const;
    QMenu *recentMenu() const { return m_recentMenu; }
    // The hint line under the table (menu hints, refusals).
    QLabel *hintLine() const { return m_hintLine; }

    // "Ansicht": the size of the main window and the grades window, in
    // percent; a change is kept in the user's settings.
    int zoom() const { return m_zoom; }
    void setZoom(int percent);
    QMenu *viewMenu() const { return m_viewMenu; }

    // What a click into each cell of the course table would do, for the
    // state shown; computed once the events of a change are handled.
    const ClickPreview &clickPreview() const { return m_preview; }
    bool clickPreviewCurrent() const { return m_previewCurrent; }
    void updateClickPreview();
    // "Ansicht" > "Vorschläge zeigen": marks the cells that bring the choice
    // closer to complete.
    QAction *suggestionsAction() const { return m_suggestions; }
    // The message of the message area whose cells are marked; -1 none.
    int selectedMessage() const { return m_selectedMessage; }
    void selectMessage(int index);

    QAction *speichernAction() const { return m_speichern; }
    QAction *druckenAction() const { return m_drucken; }
    QAction *notenAction() const { return m_noten; }
    GridView *faecherSgr() const { return m_faecherSgr; }
    QLineEdit *hoursEditor() const { return m_agStdEd; }

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildWidgets();
    void fitWindow();
    void buildMenus();
    void applyNoticeState();
    qreal messagesPointSize();
    void showHint(const QPoint &globalPos);
    // A click on a message, or F1 over it or over a refusal hint, opens its explanation.
    bool explainInHelp(QObject *watched, QEvent *event);
    void openBLLDialog();
    void followBLLDialog();
    void openSettingsDialog();
    void openGradesWindow();
    // Saving before the window closes: true when the window may close.
    bool saveBeforeClose(CloseAction action);
    // Personal data dialog for a save, shown modally: true when the file was written.
    bool showPersonalDataForSave(bool withGrades);
    void hoursEditorKey(int key, const QString &typed);
    void releaseChildWindows();
    void buildEditMenu(QMenuBar *bar);
    void buildViewMenu(QMenuBar *bar);
    // The largest size up to the remembered one at which the window fits the screen.
    int startZoom();
    void applyZoom();
    void updateEditActions();
    void afterRestore();
    void announceHint();
    void rememberFile(const QString &path);
    void updateRecentMenu();
    void startRecovery(const QString &folder);
    // After every change and every second: the recovery file follows the form.
    void keepRecovery(bool changed);
    void addSuggestionsItem(QMenu *view);
    void schedulePreview();
    int courseCellMarks(int col, int row) const;
    QString courseCellTip(int col, int row) const;
    QString courseCellName(int col, int row) const;
    bool messageAreaEvent(QEvent *event);

    Model m_model;
    std::unique_ptr<WidgetInteraction> m_ownUi;
    Interaction *m_ui = nullptr;

    QWidget *m_contents = nullptr;
    GridView *m_faecherSgr = nullptr;
    GridView *m_pfaecherSgr = nullptr;
    GridView *m_wostSgr = nullptr;
    GridView *m_kurszSgr = nullptr;
    QList<QLabel *> m_panels; // KKFPnl, KPnl, zPnl, PrfPnl, sPnl, mPrfPnl, mPnl
    QLabel *m_agPnl = nullptr;
    QLineEdit *m_agStdEd = nullptr;
    QLabel *m_afSemKLbl = nullptr;
    QLabel *m_kontollLbl = nullptr;
    QFrame *m_fehlerBev = nullptr;
    QLabel *m_label1 = nullptr;
    QFrame *m_bevel2 = nullptr;
    QLabel *m_label2 = nullptr;
    QLabel *m_garantieLbl = nullptr;
    QLabel *m_einstPnl = nullptr;
    QPushButton *m_einstJaBtn = nullptr;
    QPushButton *m_einstNeinBtn = nullptr;

    qreal m_messagesPointSize = 0;

    QAction *m_oeffnen = nullptr;
    QMenu *m_speichernMenu = nullptr;
    QAction *m_speichern = nullptr;
    QAction *m_wahlspeichern = nullptr;
    QAction *m_wahlundNoten = nullptr;
    QAction *m_drucken = nullptr;
    QAction *m_noten = nullptr;
    QAction *m_undo = nullptr;
    QAction *m_redo = nullptr;
    QMenu *m_recentMenu = nullptr;
    QMenu *m_viewMenu = nullptr;
    QAction *m_zoomIn = nullptr;
    QAction *m_zoomOut = nullptr;
    QAction *m_zoomNormal = nullptr;
    int m_zoom = 100;
    QLabel *m_hintLine = nullptr;

    ClickPreview m_preview;
    bool m_previewCurrent = false;
    bool m_previewPending = false;
    QAction *m_suggestions = nullptr;
    int m_selectedMessage = -1;
    int m_selectedFault = 0;

    History m_history;
    Model m_stable; // the model as of the last step

    std::unique_ptr<RecoveryKeeper> m_recovery;
    QElapsedTimer m_clock;
    bool m_recoveryWarned = false;

    // Windows created on demand.
    QPointer<QWidget> m_bllFrm;
    QPointer<QWidget> m_einstellungenFrm;
    QPointer<QWidget> m_notenFrm;
    QPointer<QWidget> m_persDatenFrm;
    QPointer<QWidget> m_druckFrm;
    QPointer<QWidget> m_yearGroupFrm;
};

} // namespace tamb
