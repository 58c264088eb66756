// Admission to the written and the oral examination.
#include "grades/Grades.h"

namespace tamb {

namespace {

struct Reason
{
    quint16 bit;
    const char16_t *text;
};

const Reason WrittenReasons[] = {
    {MissingFirstThree, u" - in den ersten drei Halbj. fehlt mindestens eine Note "},
    {ZeroFirstThree, u" - Null Punkte in mindestens einem Pflichtfach"},
    {Under5FirstThree, u" - mehr als 20 % der Kurse im Block I unter 5 NP"},
    {Unreachable200, u" - 200 Punkte im Block I sind nicht mehr erreichbar"},
};

const Reason OralReasons[] = {
    {MissingAny, u" - Es sind nicht alle erforderlichen Noten vorhanden"},
    {ZeroAny, u" - Null Punkte in mindestens einem Pflichtfach"},
    {Under5Any, u" - mehr als 20% der Kurse im Block I unter 5 NP"},
    {Below200, u" - im Block I wurden 200 Punkte nicht erreicht"},
};

template<size_t N>
QString reasons(quint16 flags, const Reason (&list)[N])
{
    QString text;
    for (const Reason &reason : list)
        if (flags & reason.bit)
            text += QStringLiteral("\r\n") + QString::fromUtf16(reason.text);
    return text;
}

} // namespace

quint16 AdmissionFlagsFor(const BlockIValues &v)
{
    quint16 flags = 0;
    if (v.Missing13 > 0)
        flags |= MissingFirstThree;

    // The most the courses still open can bring.
    const int reachable = v.CompulsorySum13 + 15 * (40 - v.CompulsoryCount13);
    const bool gateA =
        !(v.Count / 5 >= v.Under5_13 && reachable >= 200 && v.ZeroCompulsory13 == 0);
    if (gateA) {
        if (v.ZeroCompulsory13 > 0)
            flags |= ZeroFirstThree;
        if ((v.Count + v.Missing) / 5 < v.Under5_13)
            flags |= Under5FirstThree;
        if (reachable < 200 && v.LastHalfYear == 3)
            flags |= Unreachable200;
    }

    if (v.Missing > 0)
        flags |= MissingAny;
    const bool gateB = v.Count / 5 < v.Under5 || v.BlockI < 200 || v.ZeroCompulsory > 0;
    if (gateB) {
        if (v.ZeroCompulsory > 0)
            flags |= ZeroAny;
        if (v.Count / 5 < v.Under5)
            flags |= Under5Any;
        if (v.BlockI < 200 && v.LastHalfYear >= 4)
            flags |= Below200;
    }
    return flags;
}

void ShowNonAdmission(GradesView &g)
{
    g.NzulGBx.visible = true;
    g.NzulGBx.top = 408;
    g.NzulGBxHeight = 215;
    g.AbiblockGBx.visible = false;
    g.GPZGBx.visible = false;
    g.DSNoteGBx.visible = false;
    g.FehltLbl.visible = false;

    const quint16 written = g.AdmissionFlags & 0x00FF;
    const quint16 oral = g.AdmissionFlags & 0xFF00;
    if (written != 0) {
        g.NzulGBx.text = QStringLiteral(" Nichtzulassung zur schriftlichen Abiturprüfung ");
        g.NzulLbl.text = QStringLiteral(" Nichtzulassung zur schriftlichen Prüfung!")
                         + reasons(written, WrittenReasons);
    } else if (oral != 0) {
        g.NzulGBx.text = QStringLiteral(" Nichtzulassung zur mündlichen Abiturprüfung ");
        g.NzulLbl.text = QStringLiteral(" Nichtzulassung zur mündlichen Prüfung!")
                         + reasons(oral, OralReasons);
    }
}

} // namespace tamb
