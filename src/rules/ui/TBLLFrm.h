#pragma once

#include "rules/BLLDialog.h"

#include <QDialog>
#include <functional>

class QButtonGroup;
class QGroupBox;

namespace tamb {

struct Model;
class Interaction;

// The non-modal dialog "Besondere Lernleistung": form and task field of the
// special learning achievement. It forwards every pick to the core and
// releases itself when closed.
class TBLLFrm : public QDialog
{
    Q_OBJECT
public:
    // `changed` lets the main window show what the dialog changed.
    TBLLFrm(Model &model, Interaction &ui, std::function<void()> changed, QWidget *mainWindow);

    const BLLDialogState &state() const { return m_state; }
    QButtonGroup *artRGr() const { return m_art; }
    QButtonGroup *aufgabenfeldRgr() const { return m_field; }

    // After a new form, a file read or the achievement dropped, the dialog
    // shows the achievement as it is now: what was picked before is gone.
    void followModel();

    // Clicks as the radio groups deliver them (also used by tests).
    void ArtRGrClick(int item);
    void AufgabenfeldRgrClick(int item);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    void FormShow();
    void showState();

    Model &m_model;
    Interaction &m_ui;
    std::function<void()> m_changed;
    BLLDialogState m_state;
    QGroupBox *m_artBox = nullptr;
    QGroupBox *m_fieldBox = nullptr;
    QButtonGroup *m_art = nullptr;
    QButtonGroup *m_field = nullptr;
};

} // namespace tamb
