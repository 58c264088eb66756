// Main window: the grades window ("Noten").
#include "app/TTambFrm.h"

#include "grades/ui/TNotenfrm.h"
#include "widgets/ScreenPlacement.h"
#include "widgets/Zoom.h"

#include <QScreen>

namespace tamb {

void TTambFrm::NotenClick()
{
    m_model.GridRows = SubjectCount;
    openGradesWindow();
}

void TTambFrm::openGradesWindow()
{
    if (!m_notenFrm) {
        auto *grades = new TNotenfrm(m_model, *m_ui, this);
        grades->setStepRecorder([this](const QString &name) { commitStep(name); });
        shareEditActions(grades);
        // Its keys of "Ansicht" work there too.
        grades->addActions({m_zoomIn, m_zoomOut, m_zoomNormal});
        grades->setZoom(m_zoom);
        m_notenFrm = grades;
    }
    QWidget *frm = m_notenFrm.data();
    // Side by side: the course table on the left, the grades on the right.
    const QScreen *shownOn = screen();
    const int outerWidth = Zoomed(TNotenfrm::OuterWidth, m_zoom);
    const int screenWidth = shownOn ? shownOn->geometry().width() : outerWidth;
    placeOnScreen(this, QPoint(0, frameGeometry().top()));
    // Within the screen's free area, so that a screen of 1024 x 768 shows it whole.
    placeOnScreen(frm, QPoint(screenWidth - outerWidth, TNotenfrm::OuterTop));
    frm->show();
    frm->raise();
    frm->activateWindow();
}

} // namespace tamb
