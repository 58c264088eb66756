#pragma once

#include "model/SettingsEditor.h"

#include <QWidget>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace tamb {

class GridView;
struct Model;

// The settings dialog: school name, compulsory-area languages, elective
// language and its weekly hours. Shows a SettingsEditor and forwards the
// clicks to it; closing is reported to the main window, which applies it.
class TEinstellungenFrm : public QWidget
{
    Q_OBJECT
public:
    explicit TEinstellungenFrm(Model &model, QWidget *parent = nullptr);
    ~TEinstellungenFrm() override;

    SettingsEditor &editor() { return m_editor; }

    // Shows the editor's texts and pickers.
    void refreshView();

    GridView *fremdsprachenSgr() const { return m_fremdsprachenSgr; }
    GridView *fspiWahlberSGr() const { return m_fspiWahlberSGr; }
    QListWidget *fremdsprLbx() const { return m_fremdsprLbx; }
    QListWidget *fspiWahlberLbx() const { return m_fspiWahlberLbx; }
    QGroupBox *wostRgr() const { return m_wostRgr; }
    QLineEdit *neuSchulnameEd() const { return m_neuSchulnameEd; }

    // "OK" (and the window's close button): closes, the receiver applies
    // the settings. "Abbrechen" (Escape): closes, the settings stay as they were.
    void accept();
    void reject();

signals:
    // The window has been closed; with `apply` the receiver applies the
    // settings, else it takes back what the picks changed.
    void closed(bool apply);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildWidgets();
    void fillList(QListWidget *list, const QStringList &entries);
    void placeLists();

    SettingsEditor m_editor;
    bool m_shown = false;
    bool m_closed = false;
    bool m_apply = true;

    QLabel *m_aktSchulnameLbl = nullptr;
    QLineEdit *m_neuSchulnameEd = nullptr;
    GridView *m_fremdsprachenSgr = nullptr;
    GridView *m_fspiWahlberSGr = nullptr;
    QListWidget *m_fremdsprLbx = nullptr;
    QListWidget *m_fspiWahlberLbx = nullptr;
    QGroupBox *m_wostRgr = nullptr;
    QButtonGroup *m_wostButtons = nullptr;
};

} // namespace tamb
