// Main window: what a click into the course table would do, shown before
// the click; the cells that mend a chosen message.
#include "app/TTambFrm.h"

#include "app/HelpWindow.h"
#include "app/UserSettings.h"
#include "model/CellNames.h"
#include "rules/Explanations.h"
#include "widgets/GridView.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QSettings>
#include <QTimer>

namespace tamb {

namespace {

const QString SuggestionsKey = QStringLiteral("showSuggestions");
const QString NotChoosable = QStringLiteral("Nicht wählbar");

} // namespace

void TTambFrm::addSuggestionsItem(QMenu *view)
{
    m_suggestions = view->addAction(QStringLiteral("&Vorschläge zeigen"));
    m_suggestions->setObjectName(QStringLiteral("VorschlaegeZeigen"));
    m_suggestions->setCheckable(true);
    m_suggestions->setChecked(UserSettings().value(SuggestionsKey, false).toBool());
    m_suggestions->setStatusTip(
        QStringLiteral("Markiert die Zellen, deren Klick die Wahl der Vollständigkeit näher bringt"));
    connect(m_suggestions, &QAction::toggled, this, [this](bool on) {
        UserSettings().setValue(SuggestionsKey, on);
        m_faecherSgr->viewport()->update();
    });
}

void TTambFrm::schedulePreview()
{
    // The shown state changed: the old preview no longer holds. The new one
    // comes once the events of this change are handled, before the table
    // is painted again, so that a click shows at once.
    m_previewCurrent = false;
    if (m_previewPending)
        return;
    m_previewPending = true;
    QTimer::singleShot(0, this, [this] {
        if (m_previewPending)
            updateClickPreview();
    });
}

void TTambFrm::updateClickPreview()
{
    m_previewPending = false;
    m_preview = ClickPreview(m_model);
    m_previewCurrent = true;
    // The chosen message stays chosen while its fault is reported.
    const QStringList lines = MessageLines(m_model.view.messages);
    int kept = -1;
    for (int i = 0; m_selectedFault != 0 && i < lines.size() && kept < 0; ++i)
        if (MessageFault(lines[i]) == m_selectedFault)
            kept = i;
    if (kept != m_selectedMessage)
        selectMessage(kept);
    m_faecherSgr->viewport()->update();
}

void TTambFrm::selectMessage(int index)
{
    const QStringList lines = MessageLines(m_model.view.messages);
    const int fault = index >= 0 && index < lines.size() ? MessageFault(lines[index]) : 0;
    m_selectedMessage = fault != 0 ? index : -1;
    m_selectedFault = fault;
    m_label1->update();
    m_faecherSgr->viewport()->update();
}

int TTambFrm::courseCellMarks(int col, int row) const
{
    if (!m_previewCurrent || !m_preview.contains(col, row))
        return 0;
    if (m_preview.refused(col, row))
        return TextGridModel::Dimmed;
    int marks = 0;
    if (m_suggestions->isChecked() && m_preview.suggested(col, row))
        marks |= TextGridModel::Suggested;
    if (m_selectedFault != 0 && m_preview.mends(col, row, m_selectedFault))
        marks |= TextGridModel::Targeted;
    return marks;
}

QString TTambFrm::courseCellTip(int col, int row) const
{
    if (row == 0)
        return CourseHeadTip(col);
    if (!(courseCellMarks(col, row) & TextGridModel::Dimmed))
        return QString();
    const QString &hint = m_preview.at(col, row).hint;
    return hint.isEmpty() ? NotChoosable : shownText(hint);
}

QString TTambFrm::courseCellName(int col, int row) const
{
    const QString name = CourseCellName(m_model, col, row);
    const int marks = courseCellMarks(col, row);
    if (marks & TextGridModel::Dimmed) {
        const QString &hint = m_preview.at(col, row).hint;
        return name + QStringLiteral(", nicht wählbar")
               + (hint.isEmpty() ? QString() : QStringLiteral(": ") + shownText(hint).simplified());
    }
    QString marked = name;
    if (marks & TextGridModel::Suggested)
        marked += QStringLiteral(", Vorschlag");
    if (marks & TextGridModel::Targeted)
        marked += QStringLiteral(", behebt die gewählte Meldung");
    return marked;
}

// The message area: a click or the arrow keys choose a message, Return
// opens its explanation, Escape lets it go; the chosen one is underlaid.
bool TTambFrm::messageAreaEvent(QEvent *event)
{
    const QString &messages = m_model.view.messages;
    switch (event->type()) {
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            selectMessage(HelpWindow::messageLineAt(
                m_label1, messages, static_cast<QMouseEvent *>(event)->position().toPoint()));
        return false;
    case QEvent::FocusIn:
        if (m_selectedMessage < 0 && static_cast<QFocusEvent *>(event)->reason() != Qt::MouseFocusReason)
            selectMessage(0);
        return false;
    case QEvent::KeyPress: {
        const int lines = int(MessageLines(messages).size());
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Up:
            selectMessage(qMax(0, m_selectedMessage - 1));
            return true;
        case Qt::Key_Down:
            selectMessage(qMin(lines - 1, m_selectedMessage + 1));
            return true;
        case Qt::Key_Escape:
            selectMessage(-1);
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter: {
            const QString anchor = MessageExplanation(MessageLines(messages).value(m_selectedMessage));
            if (!anchor.isEmpty())
                HelpWindow::showPage(MessagesPage + u'#' + anchor);
            return true;
        }
        default:
            return false;
        }
    }
    case QEvent::Paint: {
        // Drawn below the label's own text, which paints next.
        const QList<QRect> rects = HelpWindow::messageLineRects(m_label1, messages);
        if (m_selectedMessage < 0 || m_selectedMessage >= rects.size())
            return false;
        const QRect line = rects[m_selectedMessage].adjusted(-3, -1, 3, 1);
        QPainter painter(m_label1);
        QColor fill = palette().color(QPalette::Highlight);
        fill.setAlpha(40);
        painter.fillRect(line, fill);
        painter.fillRect(QRect(line.left(), line.top(), 2, line.height()),
                         palette().color(QPalette::Highlight));
        if (m_label1->hasFocus()) {
            painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
            painter.drawRect(line.adjusted(0, 0, -1, -1));
        }
        return false;
    }
    default:
        return false;
    }
}

} // namespace tamb
