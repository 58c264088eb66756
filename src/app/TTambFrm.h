#pragma once

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
class QPushButton;

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

    QAction *speichernAction() const { return m_speichern; }
    QAction *druckenAction() const { return m_drucken; }
    QAction *notenAction() const { return m_noten; }
    GridView *faecherSgr() const { return m_faecherSgr; }
    QLineEdit *hoursEditor() const { return m_agStdEd; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildWidgets();
    void buildMenus();
    void applyNoticeState();
    void showHint(const QPoint &globalPos);
    void openBLLDialog();
    void openSettingsDialog();
    void openGradesWindow();
    // Saving before the window closes: true when the window may close.
    bool saveBeforeClose(CloseAction action);
    // Personal data dialog for a save, shown modally: true when the file was written.
    bool showPersonalDataForSave(bool withGrades);
    void hoursEditorKey(int key, const QString &typed);
    void releaseChildWindows();

    Model m_model;
    std::unique_ptr<WidgetInteraction> m_ownUi;
    Interaction *m_ui = nullptr;

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

    QAction *m_oeffnen = nullptr;
    QMenu *m_speichernMenu = nullptr;
    QAction *m_speichern = nullptr;
    QAction *m_wahlspeichern = nullptr;
    QAction *m_wahlundNoten = nullptr;
    QAction *m_drucken = nullptr;
    QAction *m_noten = nullptr;

    // Windows created on demand.
    QPointer<QWidget> m_bllFrm;
    QPointer<QWidget> m_einstellungenFrm;
    QPointer<QWidget> m_notenFrm;
    QPointer<QWidget> m_persDatenFrm;
    QPointer<QWidget> m_druckFrm;
};

} // namespace tamb
