// Main window: "Ansicht", the size of the main window and the grades window.
#include "app/TTambFrm.h"

#include "app/UserSettings.h"
#include "grades/ui/TNotenfrm.h"
#include "widgets/ScreenPlacement.h"
#include "widgets/Zoom.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace tamb {

namespace {

const QString ZoomKey = QStringLiteral("zoom");

// The window's inner size at 100 %, as the main window is laid out.
constexpr int ClientWidth = 750 - 8;

} // namespace

void TTambFrm::buildViewMenu(QMenuBar *bar)
{
    m_viewMenu = bar->addMenu(QStringLiteral("&Ansicht"));
    m_viewMenu->setObjectName(QStringLiteral("Ansicht"));
    m_zoomIn = m_viewMenu->addAction(QStringLiteral("Ver&größern"), this,
                                     [this] { setZoom(NextZoom(m_zoom, 1)); });
    m_zoomIn->setObjectName(QStringLiteral("Vergroessern"));
    // Ctrl++ is Ctrl+= on many keyboards.
    m_zoomIn->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    m_zoomOut = m_viewMenu->addAction(QStringLiteral("Ver&kleinern"), this,
                                      [this] { setZoom(NextZoom(m_zoom, -1)); });
    m_zoomOut->setObjectName(QStringLiteral("Verkleinern"));
    m_zoomOut->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    m_zoomNormal = m_viewMenu->addAction(QStringLiteral("&Originalgröße"), this,
                                         [this] { setZoom(NormalZoom); });
    m_zoomNormal->setObjectName(QStringLiteral("Originalgroesse"));
    m_zoomNormal->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    m_viewMenu->addSeparator();
    addSuggestionsItem(m_viewMenu);
}

int TTambFrm::startZoom()
{
    const int remembered =
        qBound(SmallestZoom, UserSettings().value(ZoomKey, NormalZoom).toInt(), LargestZoom);
    // What the window needs at 100 %: the menu bar and the contents down to
    // their lowest widget (the status line only comes where there is room).
    int lowest = 0;
    for (const QWidget *w : m_contents->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        lowest = qMax(lowest, UnzoomedGeometry(w).bottom() + 1);
    const int bar = menuBar()->sizeHint().height() * NormalZoom / qMax(1, m_zoom);
    const QSize room = roomOnScreen(this);
    int percent = remembered;
    while (percent > SmallestZoom
           && (Zoomed(ClientWidth, percent) > room.width() || Zoomed(lowest + 4 + bar, percent) > room.height()))
        percent = NextZoom(percent, -1);
    return percent;
}

void TTambFrm::setZoom(int percent)
{
    percent = qBound(SmallestZoom, percent, LargestZoom);
    UserSettings().setValue(ZoomKey, percent);
    if (percent == m_zoom)
        return;
    m_zoom = percent;
    applyZoom();
    if (isVisible())
        placeOnScreen(this, frameGeometry().topLeft());
}

void TTambFrm::applyZoom()
{
    m_zoomIn->setEnabled(m_zoom < LargestZoom);
    m_zoomOut->setEnabled(m_zoom > SmallestZoom);
    m_zoomNormal->setEnabled(m_zoom != NormalZoom);
    ApplyZoom(this, m_zoom);
    ApplyZoom(m_contents, m_zoom);
    fitWindow();
    if (auto *grades = qobject_cast<TNotenfrm *>(m_notenFrm.data()))
        grades->setZoom(m_zoom);
}

} // namespace tamb
