// Main window: the study-group hours editor over row 30.
#include "app/TTambFrm.h"

#include "widgets/GridView.h"
#include "rules/StudyGroups.h"

#include <QLineEdit>

namespace tamb {

void TTambFrm::hoursEditorKey(int key, const QString &typed)
{
    // The core decides what the editor holds; take over what may have come
    // in another way (pasting).
    m_model.view.hoursEditorText = m_agStdEd->text();
    AGStdEdKeyDown(m_model, *m_ui, key, typed);
    m_faecherSgr->clearSelection();
    commitStep(QStringLiteral("Arbeitsgemeinschaften"));
}

} // namespace tamb
