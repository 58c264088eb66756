#pragma once

#include "model/Model.h"

#include <QString>

namespace tamb {

// What the personal data dialog is shown for; the caption of its action
// button names it.
enum class PersonalDataUse { Print, SaveSelection, SaveSelectionWithGrades };

// Bits of the completeness mask, one per input.
enum PersonalDataInput : int {
    NameInput = 1,
    GebtagInput = 2,
    KlasseInput = 4,
    BekenntnisInput = 8,
    ReletUInput = 16,
};
constexpr int CompleteMask = 31;

// The personal data dialog without its widgets: the inputs as typed, the
// completeness mask and everything the window shows. The window copies
// its inputs in, calls the handlers and displays the result.
class PersonalDataForm
{
public:
    explicit PersonalDataForm(PersonalDataUse use);

    static const QStringList &KlasseItems();
    static const QStringList &BekenntnisItems();
    static const QStringList &WahlartItems(); // "Vorwahl (Basiswahl)", "Endwahl"

    PersonalDataUse use() const { return m_use; }

    // Inputs.
    QString Name;
    QString Geburtstag;
    QString Klasse;
    QString Bekenntnis;
    int ReletU = -1;  // item of "Unterricht in Klasse 11", -1 none
    int Wahlart = -1; // item of "Wahl", -1 none; printed, never saved

    // Shown state.
    QString caption = QStringLiteral("Bitte eingeben: ");
    QString actionCaption;
    int actionWidth = 100;
    QString cancelCaption;
    QString previewCaption = QStringLiteral("Druckvorschau");
    bool actionVisible = false;
    bool previewVisible = false;
    bool wahlartVisible = false;
    bool noticeVisible = false;
    QString notice;

    int mask = 0;
    Daten record; // the dialog's own copy

    // Showing the dialog: fills the inputs from stored data, then works the
    // mask out from the inputs and shows or hides the buttons.
    void FormShow(const Daten &stored);
    // Leaving an input (or a click on the religion/ethics items).
    void InputLeft(PersonalDataInput input);

    enum class Action { None, Print, SaveSelection, SaveSelectionWithGrades };
    // The action button: with complete data the inputs become the personal
    // data and the action to run is returned; otherwise the notice says why not.
    Action DruckBtnClick(Daten &personal);
    // The preview button: true when the preview may be shown (data taken over).
    bool DruckvBtnClick(Daten &personal);

    // Text of the chosen "Wahl" item; empty when none is chosen.
    QString WahlartText() const;

private:
    bool inputFilled(PersonalDataInput input) const;
    void fillFromStored(const Daten &stored);
    void updateButtons();
    void takeInputs(Daten &personal);

    PersonalDataUse m_use;
};

} // namespace tamb
