#pragma once

#include "model/History.h"
#include "model/Interaction.h"
#include "model/MainWindowLogic.h"
#include "model/Model.h"

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
};

// The file named on a command line (arguments as QCoreApplication gives
// them, program first), as an absolute path; empty when there is none.
QString FileFromArguments(const QStringList &arguments);
// The folder of "--jahrgang ORDNER" on a command line, absolute; empty when none.
QString YearGroupFromArguments(const QStringList &arguments);

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

    // Unsaved changes: asks the close query's question; false when the
    // user stops (Abbrechen, or a save that did not happen).
    bool mayDiscardChanges();
    // The last opened files, newest first, kept in the user's settings.
    QStringList recentFiles() const;
    QMenu *recentMenu() const { return m_recentMenu; }
    // The hint line under the table (menu hints, refusals).
    QLabel *hintLine() const { return m_hintLine; }

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
    void openSettingsDialog();
    void openGradesWindow();
    // Saving before the window closes: true when the window may close.
    bool saveBeforeClose(CloseAction action);
    // Personal data dialog for a save, shown modally: true when the file was written.
    bool showPersonalDataForSave(bool withGrades);
    void hoursEditorKey(int key, const QString &typed);
    void releaseChildWindows();
    void buildEditMenu(QMenuBar *bar);
    void updateEditActions();
    void afterRestore();
    void announceHint();
    void rememberFile(const QString &path);
    void updateRecentMenu();

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
    QLabel *m_hintLine = nullptr;

    History m_history;
    Model m_stable; // the model as of the last step

    // Windows created on demand.
    QPointer<QWidget> m_bllFrm;
    QPointer<QWidget> m_einstellungenFrm;
    QPointer<QWidget> m_notenFrm;
    QPointer<QWidget> m_persDatenFrm;
    QPointer<QWidget> m_druckFrm;
    QPointer<QWidget> m_yearGroupFrm;
};

} // namespace tamb
