#include "rules/ChoiceCheck.h"

#include "model/Model.h"
#include "rules/ExamOverview.h"

namespace tamb {

namespace {

constexpr int ArtRow = 6;
constexpr int MusicRow = 7;
constexpr int SportRow = 19;
constexpr int MinimumWeeklyHours = 128;

bool chosen(const Model &m, int row) { return m.Choice[Taken][row]; }

bool examRole(const Model &m, int row)
{
    return m.Choice[Core][row] || m.Choice[Written][row] || m.Choice[Oral][row];
}

// A foreign language taken only as an ordinary subject that stops after
// half-year 1 can stand in for sport.
bool spareLanguage(const Model &m, int row)
{
    return !examRole(m, row) && !m.Choice[HalfYear2][row];
}

// Two points for each course in half-year 1 and in half-year 3.
int substitutePoints(const Model &m, int row)
{
    return (m.Choice[HalfYear1][row] ? 2 : 0) + (m.Choice[HalfYear3][row] ? 2 : 0);
}

bool sportSubstitutesPresent(const Model &m, int p)
{
    for (int row = 2; row <= 5; ++row)
        if (chosen(m, row) && spareLanguage(m, row))
            return true;
    if (chosen(m, ArtRow) && chosen(m, MusicRow))
        return true;
    if (chosen(m, 16) && chosen(m, 17) && chosen(m, 18))
        return true;

    int x = 0;
    for (int row = 2; row <= 5; ++row)
        if (!chosen(m, row) && spareLanguage(m, row))
            x += substitutePoints(m, row);
    for (int row : {ArtRow, MusicRow, 16, 17, 18})
        if (!chosen(m, row))
            x += substitutePoints(m, row);
    for (int row = 21; row <= 29; ++row)
        if (chosen(m, row) && !m.Choice[Oral][row])
            x += substitutePoints(m, row);
    return x + p > 3;
}

const QString Bullet = QStringLiteral("»");

QString messageLine(int bit)
{
    switch (bit) {
    case FaultCoreCount:
        return QStringLiteral("Es fehlt noch ein Kernfach");
    case FaultCoreLanguage:
        return QStringLiteral("...  eine Fremdsprache");
    case FaultCoreLanguageOrScience:
        return QStringLiteral("...  eine weitere Fremdsprache \n\r\toder eine Naturwissenschaft");
    case FaultWrittenCount:
        return QStringLiteral("Es fehlt noch ein schriftliches Prüfungsfach");
    case FaultWrittenLanguage:
        return QStringLiteral(" ... eine als Kernfach belegte Fremdsprache");
    case FaultOral:
        return QStringLiteral("Das mündliche Prüfungsfach ist noch nicht gewählt");
    case FaultReligion:
        return QStringLiteral("Es fehlt Religion oder Ethik");
    case FaultArt:
        return QStringLiteral("Bildende Kunst oder Musik muss gewählt werden");
    case FaultNoScience:
        return QStringLiteral("Es fehlen naturwissenschaftliche Fächer");
    case FaultOneScience:
        return QStringLiteral("Sie haben nur eine Naturwissenschaft gewählt");
    case FaultSport:
        return QStringLiteral(
            "Sport ist nicht gewählt, haben Sie ein Attest?\n\r  Dann wählen Sie bitte Ersatzfächer");
    default:
        return QString();
    }
}

// Lines that explain the line before them: no bullet.
bool continuationLine(int bit)
{
    return bit == FaultCoreLanguage || bit == FaultCoreLanguageOrScience
        || bit == FaultWrittenLanguage;
}

} // namespace

QString FaultMessage(int bit)
{
    return messageLine(bit);
}

const QString HoursFaultText = QStringLiteral(
    "Nach § 10 NGVO sind in den vier Halbjahren \r\n"
    "durchschnittlich mindestens 32 Wochen-\r\n"
    "stunden in Kursen oder Arbeitsgemeinschaften \r\n"
    "zu besuchen.\r\n"
    "\r\n"
    "Bitte wählen Sie weitere Kurse oder\r\n"
    "Arbeitsgemeinschaften!");

const QString NoFaultText = QStringLiteral("Es wurden keine Fehler bei der Tamberon gefunden");

bool HasWrittenForeignLanguage(const Model &m)
{
    for (int row = 2; row < SubjectCount && m.field(row) == u"f"; ++row)
        if (m.Choice[Written][row])
            return true;
    return false;
}

int CheckChoice(Model &m, int count)
{
    int mask = 0;

    if (CountChosen(m, count, Core) < 5)
        mask += FaultCoreCount;

    bool languageCore = false;
    for (int row = 2; row <= 5; ++row)
        languageCore = languageCore || m.Choice[Core][row];
    if (!languageCore)
        mask += FaultCoreLanguage;

    int languageOrScience = 0;
    for (int slot = 3; slot <= 5; ++slot) {
        const int row = m.CoreSlots[slot];
        if (row > 0 && row < SubjectCount && (m.field(row) == u"f" || m.field(row) == u"n"))
            ++languageOrScience;
    }
    if (languageOrScience < 2)
        mask += FaultCoreLanguageOrScience;

    if (CountChosen(m, count, Written) < 4)
        mask += FaultWrittenCount;
    if (!HasWrittenForeignLanguage(m))
        mask += FaultWrittenLanguage;
    // An oral flag on a special learning achievement that is not chosen is
    // no oral exam.
    if (OralSubject(m) == 0)
        mask += FaultOral;

    int religionNotChosen = 0;
    for (int row = 12; row <= 14; ++row)
        religionNotChosen += chosen(m, row) ? 0 : 1;
    if (religionNotChosen != 2)
        mask += FaultReligion;

    if (!chosen(m, ArtRow) && !chosen(m, MusicRow))
        mask += FaultArt;

    const int sciences = (chosen(m, 16) ? 1 : 0) + (chosen(m, 17) ? 1 : 0) + (chosen(m, 18) ? 1 : 0);
    if (sciences == 0)
        mask += FaultNoScience;
    else if (sciences == 1)
        mask += FaultOneScience;

    // Sport, or single half-year courses of sport, or substitutes.
    int p = 0;
    if (!chosen(m, SportRow))
        for (int h = HalfYear1; h <= HalfYear4; ++h)
            p += m.Choice[h][SportRow] ? 1 : 0;
    bool substitutes = false;
    if (p == 4)
        m.Choice[Taken][SportRow] = true;
    else
        substitutes = sportSubstitutesPresent(m, p);
    if (!chosen(m, SportRow) && !substitutes)
        mask += FaultSport;

    int hours = 0;
    for (int h = 1; h <= 4; ++h)
        hours += cellNumber(m.WostSgr.cell(h, 0));
    if (hours < MinimumWeeklyHours)
        mask += FaultHours;

    return mask;
}

void ShowMessages(Model &m, int count, int mask)
{
    MainView &v = m.view;
    v.messagesColor = LabelColor::Red;
    v.messagesPointSize = 11;
    v.messagesBold = false;
    QString text;

    for (int bit = FaultCoreCount; bit <= FaultSport; bit <<= 1) {
        if (!(mask & bit))
            continue;
        QString line = messageLine(bit);
        if (bit == FaultCoreCount) {
            const int missing = 5 - CountChosen(m, count, Core);
            if (missing > 1)
                line = QStringLiteral("Es fehlen noch ") + QString::number(missing)
                    + QStringLiteral(" Kernfächer darunter: ");
        } else if (bit == FaultWrittenCount) {
            const int missing = 4 - CountChosen(m, count, Written);
            if (missing > 1)
                line = QStringLiteral("Es fehlen noch ") + QString::number(missing)
                    + QStringLiteral(" schriftliche Prüfungsfächer darunter: ");
        }
        if (text.isEmpty())
            text = Bullet + line;
        else if (continuationLine(bit))
            text += QStringLiteral("\r\n\n") + line;
        else
            text += QStringLiteral("\r\n\n") + Bullet + line;
    }

    // The hours are reported only when nothing else is missing.
    if (mask == FaultHours) {
        v.messagesBold = true;
        text = HoursFaultText;
    }
    if (mask == 0) {
        v.messagesColor = LabelColor::Green;
        text = NoFaultText;
    }
    v.messages = text;
}

} // namespace tamb
