#pragma once

#include "grades/GradesView.h"

#include <QPointer>
#include <QWidget>
#include <functional>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QWindow;

namespace tamb {

struct Model;
class Interaction;
class GridView;

// A frame with its caption on the top line, as the group boxes of the
// grades window are drawn.
class CaptionBox : public QWidget
{
    Q_OBJECT
public:
    CaptionBox(const QString &title, QWidget *parent);

    QString title() const { return m_title; }
    void setTitle(const QString &title);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_title;
};

// The grades window "Noten und Abitur": shows the grades view of the core
// and forwards clicks and keys to it.
class TNotenfrm : public QWidget
{
    Q_OBJECT
public:
    // Outer size of the window, frame included.
    static constexpr int OuterWidth = 665;
    static constexpr int OuterHeight = 740;
    static constexpr int OuterLeft = 327;
    static constexpr int OuterTop = 121;

    TNotenfrm(Model &model, Interaction &ui, QWidget *mainWindow);
    ~TNotenfrm() override;

    const GradesView &view() const { return m_view; }
    GradeEditor activeEditor() const { return m_view.editor; }
    GridView *nFaecherSgr() const { return m_nFaecherSgr; }
    GridView *nPfaecherSgr() const { return m_nPfaecherSgr; }
    QLineEdit *editor(GradeEditor which) const;
    // Everything below the menu bar; the view's positions are relative to it.
    QWidget *body() const { return m_body; }
    // "&Werkzeuge": counting a course, desired grade, averages fill, target grade.
    QMenu *toolsMenu() const { return m_toolsMenu; }

    // Recomputes everything (activation, resize) and shows it.
    void FormActivate();
    // Shows the grades view as it is.
    void showView();

    // Told after every handled click or key, with the name of the step;
    // the receiver keeps it for undo when the grades changed.
    void setStepRecorder(std::function<void(const QString &)> recorder)
    {
        m_stepDone = std::move(recorder);
    }
    // After an undo or redo: the entry ends, everything is shown anew.
    void showRestored();
    // The size chosen in the main window's "Ansicht", in percent.
    void setZoom(int percent);

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildWidgets();
    void buildTools();
    void updateTools();
    void courseCellReleased(int col, int row, Qt::MouseButton button,
                            Qt::KeyboardModifiers modifiers);
    void showContextMenu(GridView *grid);
    void ClearGridSelection();
    void focusWindowChanged(QWindow *window);
    void stepDone(const QString &name);
    void typedIntoCell(const QString &text);
    void refuseInput(QLineEdit *edit);
    void afterEditorKey(QLineEdit *edit, bool hadFocus);

    Model &m_model;
    Interaction &m_ui;
    QPointer<QWidget> m_main;
    GradesView m_view;
    bool m_lastFocusWasDialog = false;
    int m_zoom = 100;
    std::function<void(const QString &)> m_stepDone;

    QMenuBar *m_menuBar = nullptr;
    QMenu *m_toolsMenu = nullptr;
    QAction *m_toggleAction = nullptr;
    QAction *m_desiredAction = nullptr;
    QAction *m_averagesAction = nullptr;
    QAction *m_targetAction = nullptr;
    QWidget *m_body = nullptr;
    QLabel *m_vorlGPZLbl = nullptr;
    QLabel *m_vorlDSLbl = nullptr;
    QLabel *m_fehltLbl = nullptr;

    GridView *m_nFaecherSgr = nullptr;
    GridView *m_nPfaecherSgr = nullptr;
    QLabel *m_block1Pnl = nullptr;

    CaptionBox *m_ersterBlockGBx = nullptr;
    QLabel *m_ersterBlockLbl = nullptr;
    QLabel *m_unter5ebLbl = nullptr;
    QLabel *m_psersterBlockPl = nullptr;

    CaptionBox *m_abiblockGBx = nullptr;
    QLabel *m_abiblockLbl = nullptr;
    QLabel *m_psAbiblockPl = nullptr;

    CaptionBox *m_gpzGBx = nullptr;
    QLabel *m_gpzLbl = nullptr;
    QLabel *m_gpzPl = nullptr;
    QLabel *m_gpzMaxLbl = nullptr;
    QLabel *m_gpzMinLbl = nullptr;

    CaptionBox *m_dsNoteGBx = nullptr;
    QLabel *m_dsLbl = nullptr;
    QLabel *m_dsNotePl = nullptr;

    CaptionBox *m_nzulGBx = nullptr;
    QLabel *m_nzulLbl = nullptr;

    CaptionBox *m_optGBx = nullptr;

    QLabel *m_fachnameLbl = nullptr;
    QLabel *m_notEingLbl = nullptr;
    QLineEdit *m_editors[7] = {}; // by GradeEditor, [0] unused
};

} // namespace tamb
