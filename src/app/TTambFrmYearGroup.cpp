// Main window: the year group window and the files it opens here.
#include "app/TTambFrm.h"

#include "files/SaveOpen.h"
#include "widgets/ScreenPlacement.h"
#include "yeargroup/ui/YearGroupWindow.h"

#include <QFileInfo>

namespace tamb {

void TTambFrm::JahrgangOeffnenClick()
{
    const QString folder = m_ui->folderName(QStringLiteral("Jahrgang öffnen"), OpenFolder(m_model));
    if (!folder.isEmpty())
        openYearGroup(folder);
}

void TTambFrm::openYearGroup(const QString &folder)
{
    auto *window = qobject_cast<YearGroupWindow *>(m_yearGroupFrm.data());
    const bool created = !window;
    if (created) {
        window = new YearGroupWindow(*m_ui, this);
        m_yearGroupFrm = window;
        connect(window, &YearGroupWindow::openRequested, this, [this](const QString &path) {
            if (mayDiscardChanges())
                openFile(path);
            raise();
            activateWindow();
        });
    }
    window->open(folder);
    window->show();
    // Below and right of the main window's corner, whole on the screen.
    if (created)
        placeOnScreen(window, frameGeometry().topLeft() + QPoint(40, 40));
    window->raise();
    window->activateWindow();
}

} // namespace tamb
