#pragma once

#include "print/PersonalDataForm.h"

#include <QDialog>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tamb {

class Interaction;

// The personal data dialog "Bitte eingeben: ": asked before printing,
// previewing and saving. Shows a PersonalDataForm and forwards the inputs.
// Saving runs here; printing and the preview are signalled to the caller.
class TPersDatenFrm : public QDialog
{
    Q_OBJECT
public:
    TPersDatenFrm(Model &model, Interaction &ui, PersonalDataUse use, QWidget *parent = nullptr);

    const PersonalDataForm &form() const { return m_form; }
    // The chosen item of "Wahl": -1 none, 0 "Vorwahl (Basiswahl)", 1 "Endwahl".
    int wahlartIndex() const;
    QString wahlartText() const;
    // A save of this dialog wrote its file.
    bool saved() const { return m_saved; }

signals:
    // Complete data taken over: print (the receiver asks for the printer) or
    // show the preview. The dialog closes after printRequested.
    void printRequested();
    void previewRequested();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Return acts as the action button (a focused button acts itself);
    // Escape cancels, as QDialog does.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildWidgets();
    void readInputs();
    void writeInputs();
    void applyState();
    void inputLeft(PersonalDataInput input);
    void DruckBtnClick();
    void DruckvBtnClick();
    bool arrowInGroup(QObject *watched, QEvent *event);

    Model &m_model;
    Interaction &m_ui;
    PersonalDataForm m_form;
    bool m_saved = false;

    QLineEdit *m_nameEd = nullptr;
    QLineEdit *m_gebtagEd = nullptr;
    QComboBox *m_klasseCbx = nullptr;
    QComboBox *m_bekenntnisCbx = nullptr;
    QGroupBox *m_wahlartRgr = nullptr;
    QButtonGroup *m_wahlartGroup = nullptr;
    QGroupBox *m_reletURgr = nullptr;
    QButtonGroup *m_reletUGroup = nullptr;
    QLabel *m_unvollstLbl = nullptr;
    QPushButton *m_druckBtn = nullptr;
    QPushButton *m_druckvBtn = nullptr;
    QPushButton *m_druckAbbrBtn = nullptr;
};

} // namespace tamb
