// Main window: undo and redo, the question before discarding changes, and
// the hint line.
#include "app/TTambFrm.h"

#include "grades/ui/TNotenfrm.h"
#include "widgets/GridView.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

namespace tamb {

namespace {
const QString UndoCaption = QStringLiteral("&Rückgängig");
const QString RedoCaption = QStringLiteral("&Wiederholen");
} // namespace

void TTambFrm::buildEditMenu(QMenuBar *bar)
{
    QMenu *edit = bar->addMenu(QStringLiteral("&Bearbeiten"));
    edit->setObjectName(QStringLiteral("Bearbeiten"));
    m_undo = edit->addAction(UndoCaption, this, &TTambFrm::Undo);
    m_undo->setObjectName(QStringLiteral("Rueckgaengig"));
    m_undo->setShortcut(QKeySequence::Undo);
    m_redo = edit->addAction(RedoCaption, this, &TTambFrm::Redo);
    m_redo->setObjectName(QStringLiteral("Wiederholen"));
    m_redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y),
                          QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    updateEditActions();
}

void TTambFrm::shareEditActions(QWidget *window)
{
    window->addAction(m_undo);
    window->addAction(m_redo);
}

void TTambFrm::updateEditActions()
{
    m_undo->setEnabled(m_history.canUndo());
    m_undo->setText(m_history.canUndo() ? UndoCaption + QStringLiteral(": ") + m_history.undoName()
                                        : UndoCaption);
    m_redo->setEnabled(m_history.canRedo());
    m_redo->setText(m_history.canRedo() ? RedoCaption + QStringLiteral(": ") + m_history.redoName()
                                        : RedoCaption);
}

void TTambFrm::commitStep(const QString &name)
{
    refreshView();
    FormPaint(m_model);
    // Nothing the user sees changed (a refused click): no step, and the
    // state before the next step stays the one before this click.
    if (m_history.record(name, m_stable, m_model))
        m_stable = m_model;
    updateEditActions();
    keepRecovery(true);
}

void TTambFrm::settle()
{
    FormPaint(m_model);
    m_stable = m_model;
    keepRecovery(true);
}

void TTambFrm::clearHistory()
{
    m_history.clear();
    settle();
    updateEditActions();
}

void TTambFrm::Undo()
{
    if (!m_history.undo(m_model))
        return;
    afterRestore();
}

void TTambFrm::Redo()
{
    if (!m_history.redo(m_model))
        return;
    afterRestore();
}

void TTambFrm::afterRestore()
{
    refreshView();
    // The grades window shows the grades of the state now in force.
    // A closed one waits for its deletion and shows nothing.
    if (auto *grades = qobject_cast<TNotenfrm *>(m_notenFrm.data()); grades && grades->isVisible())
        grades->showRestored();
    m_stable = m_model;
    updateEditActions();
    keepRecovery(true);
}

bool TTambFrm::mayDiscardChanges()
{
    const CloseAction action = FormCloseQuery(m_model, *m_ui);
    return action != CloseAction::Stay && saveBeforeClose(action);
}

// A refused click's hint also goes to the line under the table, where
// screen readers are told of it.
void TTambFrm::announceHint()
{
    const QString hint = m_model.view.hintShown ? shownText(m_model.view.hint).simplified() : QString();
    const int room = (m_hintLine->width() > 0 ? m_hintLine->width() : width()) - 4;
    const QString shown = m_hintLine->fontMetrics().elidedText(hint, Qt::ElideRight, room);
    if (m_hintLine->text() == shown && m_hintLine->accessibleName() == hint)
        return;
    m_hintLine->setText(shown);
    m_hintLine->setToolTip(hint);
    m_hintLine->setAccessibleName(hint);
    if (hint.isEmpty())
        return;
    QAccessibleEvent nameChanged(m_hintLine, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&nameChanged);
    QAccessibleEvent alert(m_hintLine, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

} // namespace tamb
