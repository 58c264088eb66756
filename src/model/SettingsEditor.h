#pragma once

#include "model/TextGrid.h"

#include <QString>
#include <QStringList>

namespace tamb {

struct Model;
class Interaction;

// What the settings dialog shows; the widgets display it as it is.
struct SettingsView
{
    QString caption;
    QString currentSchool; // `AktSchulnameLbl`
    QString newSchool;     // `NeuSchulnameEd`

    // (0,0) "Bisher:", (1,0) "Neu:"; rows 1..4 stand for catalog indices 2..5,
    // column 0 the current name, column 1 the new choice.
    TextGrid FremdsprachenSgr{2, 5};
    // (0,0) "Bisher", (1,0) "Neu"; (0,1) the current elective language,
    // (1,1) the new one.
    TextGrid FspiWahlberSGr{2, 2};

    QStringList FremdsprLbx;
    QStringList FspiWahlberLbx;
    bool fremdsprLbxVisible = false;
    bool fspiWahlberLbxVisible = false;

    // Weekly hours of the elective language: item 0..2 stands for "2".."4",
    // -1 none selected.
    bool wostRgrVisible = false;
    int wostItem = -1;
};

// The settings dialog's logic. Some picks change the catalog at once; closing
// applies the rest and writes the settings file.
class SettingsEditor
{
public:
    // Creation: the two pickers' entries.
    explicit SettingsEditor(Model &m);

    const SettingsView &view() const { return m_view; }

    // Fills the grids from the catalog and takes the languages in use off
    // the compulsory-area list.
    void FormShow();

    void setNewSchoolName(const QString &text);

    // Compulsory-area languages.
    void FremdsprachenSgrMouseUp(int col, int row);
    void FremdsprLbxClick(int index);

    // Elective-area language and its weekly hours.
    void FspiWahlberSGrMouseUp(int col, int row);
    void FspiWahlberLbxClick(int index);
    void WostRgrClick(int index);

    // Applies the dialog to the model and writes the settings file; warns
    // when it cannot be written (the settings then hold for this run).
    // Returns whether the file was written.
    bool FormClose(Interaction &ui);
    // "Abbrechen": the catalog as it was when the dialog opened; nothing is written.
    void Cancel();

private:
    Model &m_model;
    SettingsView m_view;
    // Last cell clicked in each grid; one pair per grid, so that a pick in
    // one list never lands in the other grid's row.
    int m_fremdsprCol = -1;
    int m_fremdsprRow = -1;
    int m_fspiCol = -1;
    int m_fspiRow = -1;
    // What the picks change at once, as it was at the opening.
    QStringList m_namesBefore;
    bool m_electiveOfferedBefore = false;
    QString m_fspiHoursBefore;
};

extern const QString SettingsCaption;
extern const QStringList CompulsoryLanguages;
extern const QStringList ElectiveLanguages;

} // namespace tamb
