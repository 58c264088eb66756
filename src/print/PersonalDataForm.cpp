#include "print/PersonalDataForm.h"

#include <QStringList>

namespace tamb {

namespace {

const QString Incomplete = QStringLiteral(" Daten unvollständig!");
const QString NotPossible = QStringLiteral(" nicht möglich!");

} // namespace

PersonalDataForm::PersonalDataForm(PersonalDataUse use) : m_use(use)
{
    switch (use) {
    case PersonalDataUse::Print:
        actionCaption = QStringLiteral("Drucken");
        cancelCaption = QStringLiteral("Druck abbrechen");
        wahlartVisible = true;
        break;
    case PersonalDataUse::SaveSelection:
        actionCaption = QStringLiteral("Wahl speichern");
        actionWidth = 144;
        cancelCaption = QStringLiteral("Abbrechen");
        break;
    case PersonalDataUse::SaveSelectionWithGrades:
        actionCaption = QStringLiteral("Wahl und Noten speichern");
        actionWidth = 144;
        cancelCaption = QStringLiteral("Abbrechen");
        break;
    }
}

const QStringList &PersonalDataForm::KlasseItems()
{
    static const QStringList items{QStringLiteral("11 a"), QStringLiteral("11 b"),
                                   QStringLiteral("11 c"), QStringLiteral("11 d"),
                                   QStringLiteral("12")};
    return items;
}

const QStringList &PersonalDataForm::BekenntnisItems()
{
    static const QStringList items{QStringLiteral("ev"), QStringLiteral("rk"),
                                   QStringLiteral("isl"), QStringLiteral("ohne")};
    return items;
}

const QStringList &PersonalDataForm::WahlartItems()
{
    static const QStringList items{QStringLiteral("Vorwahl (Basiswahl)"),
                                   QStringLiteral("Endwahl")};
    return items;
}

bool PersonalDataForm::inputFilled(PersonalDataInput input) const
{
    switch (input) {
    case NameInput:
        return !Name.isEmpty();
    case GebtagInput:
        return !Geburtstag.isEmpty();
    case KlasseInput:
        return !Klasse.isEmpty();
    case BekenntnisInput:
        return !Bekenntnis.isEmpty();
    case ReletUInput:
        return ReletU >= 0;
    }
    return false;
}

void PersonalDataForm::fillFromStored(const Daten &stored)
{
    Wahlart = -1;
    if (!stored.Name.isEmpty()) {
        record = stored;
        Name = stored.Name;
        Geburtstag = stored.Geburtstag;
        Klasse = stored.Klasse;
        Bekenntnis = stored.Bekenntnis;
        ReletU = stored.ReletU <= 1 ? int(stored.ReletU) : -1;
        caption = QStringLiteral("Ihre Daten:");
        mask = CompleteMask;
        actionVisible = true;
        noticeVisible = false;
        return;
    }
    notice = Incomplete;
    actionVisible = mask == CompleteMask;
    if (m_use == PersonalDataUse::Print)
        previewVisible = actionVisible;
}

void PersonalDataForm::updateButtons()
{
    if (mask == CompleteMask) {
        noticeVisible = false;
        actionVisible = true;
        if (m_use == PersonalDataUse::Print)
            previewVisible = true;
        return;
    }
    notice = Incomplete + QStringLiteral("\r\n ") + actionCaption + NotPossible;
    noticeVisible = true;
    actionVisible = false;
    previewVisible = false;
}

void PersonalDataForm::FormShow(const Daten &stored)
{
    fillFromStored(stored);
    mask = 0;
    for (PersonalDataInput input : {NameInput, GebtagInput, KlasseInput, BekenntnisInput, ReletUInput})
        if (inputFilled(input))
            mask |= input;
    updateButtons();
}

void PersonalDataForm::InputLeft(PersonalDataInput input)
{
    if (inputFilled(input))
        mask |= input;
    else
        mask &= ~int(input);
    updateButtons();
}

void PersonalDataForm::takeInputs(Daten &personal)
{
    noticeVisible = false;
    record.Name = Name;
    record.Geburtstag = Geburtstag;
    record.Klasse = Klasse;
    record.Bekenntnis = Bekenntnis;
    record.ReletU = quint8(ReletU);
    personal = record;
}

PersonalDataForm::Action PersonalDataForm::DruckBtnClick(Daten &personal)
{
    if (mask != CompleteMask) {
        notice = Incomplete + QStringLiteral("\r\n ") + actionCaption + NotPossible;
        noticeVisible = true;
        return Action::None;
    }
    takeInputs(personal);
    switch (m_use) {
    case PersonalDataUse::Print:
        return Action::Print;
    case PersonalDataUse::SaveSelection:
        return Action::SaveSelection;
    case PersonalDataUse::SaveSelectionWithGrades:
        return Action::SaveSelectionWithGrades;
    }
    return Action::None;
}

bool PersonalDataForm::DruckvBtnClick(Daten &personal)
{
    if (mask != CompleteMask) {
        notice = Incomplete + QStringLiteral("\n") + QStringLiteral("\r ") + previewCaption
            + NotPossible;
        noticeVisible = true;
        return false;
    }
    takeInputs(personal);
    return true;
}

QString PersonalDataForm::WahlartText() const
{
    return Wahlart >= 0 && Wahlart < WahlartItems().size() ? WahlartItems().at(Wahlart)
                                                           : QString();
}

} // namespace tamb
