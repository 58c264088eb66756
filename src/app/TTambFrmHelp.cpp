#include "app/TTambFrm.h"

#include "app/HelpWindow.h"
#include "widgets/GridView.h"

#include <QHelpEvent>
#include <QLabel>
#include <QMouseEvent>

namespace tamb {

bool TTambFrm::explainInHelp(QObject *watched, QEvent *event)
{
    QString page;
    if (watched == m_label1) {
        if (event->type() == QEvent::WhatsThis)
            page = HelpWindow::messageExplanationAt(m_label1, m_model.view.messages,
                                                    static_cast<QHelpEvent *>(event)->pos());
        else if (event->type() == QEvent::MouseButtonRelease
                 && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            page = HelpWindow::messageExplanationAt(m_label1, m_model.view.messages,
                                                    static_cast<QMouseEvent *>(event)->position().toPoint());
    } else if ((watched == m_faecherSgr || watched == m_faecherSgr->viewport())
               && event->type() == QEvent::WhatsThis && m_model.view.hintShown) {
        page = HelpWindow::hintExplanation(m_model.view.hint);
    }
    if (page.isEmpty())
        return false;
    HelpWindow::showPage(page);
    event->accept();
    return true;
}

} // namespace tamb
