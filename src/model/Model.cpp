#include "model/Model.h"

#include <algorithm>

namespace tamb {

namespace {

struct CatalogEntry
{
    const char16_t *name;
    const char16_t *abbreviation;
    const char16_t *field;
};

const CatalogEntry Catalog[SubjectCount] = {
    {u"", u"", u""},
    {u"Deutsch", u"D", u"f"},
    {u"Englisch", u"E", u"f"},
    {u"Französisch", u"F", u"f"},
    {u"Latein", u"L", u"f"},
    {u"--", u"4Fsp", u"f"},
    {u"Bild. Kunst", u"BK", u"k"},
    {u"Musik", u"Mu", u"k"},
    {u"Geschichte", u"G", u"g"},
    {u"Gemeinschaftskunde", u"Gk", u"g"},
    {u"Geographie", u"Geo", u"g"},
    {u"Wirtschaft", u"W", u"g"},
    {u"ev. Religion", u"ev", u"g"},
    {u"kath. Religion", u"rk", u"g"},
    {u"Ethik", u"Et", u"g"},
    {u"Mathematik", u"M", u"n"},
    {u"Physik", u"Ph", u"n"},
    {u"Chemie", u"Ch", u"n"},
    {u"Biologie", u"B", u"n"},
    {u"Sport", u"S", u""},
    {u"Bes. Lernleistung", u"BLL", u"l"},
    {u"Astronomie", u"Ast", u"w"},
    {u"Darstellende Geom.", u"DGeom", u"w"},
    {u"Geologie", u"Geol", u"w"},
    {u"Problemlösen mit CAS", u"CAS", u"w"},
    {u"Informatik", u"Inf", u"w"},
    {u"Literatur", u"Lit", u"w"},
    {u"Philosophie", u"Phil", u"w"},
    {u"Psychologie", u"Psy", u"w"},
    {u"--", u"FspiW", u"w"},
};

// K, s, m allowed by default (index 5 handled by the callers).
bool defaultMarkAllowed(int row, int mark)
{
    switch (row) {
    case 1:
    case 15:
        return mark != 3;
    case 2: case 3: case 4: case 5:
    case 6: case 7: case 8: case 9: case 10:
    case 12: case 13: case 14:
    case 16: case 17: case 18: case 19:
        return true;
    case 11:
        return mark == 1;
    case 20:
    case 25:
        return mark == 3;
    default:
        return false;
    }
}

void setCompulsoryChoice(Model &m)
{
    for (int row : {1, 15}) {
        for (int c : {Taken, Core, Written, HalfYear1, HalfYear2, HalfYear3, HalfYear4})
            m.Choice[c][row] = true;
    }
    for (int row : {8, 19}) {
        for (int c : {Taken, HalfYear1, HalfYear2, HalfYear3, HalfYear4})
            m.Choice[c][row] = true;
    }
    for (int c : {Taken, HalfYear1, HalfYear4})
        m.Choice[c][9] = true;
    for (int c : {Taken, HalfYear2, HalfYear3})
        m.Choice[c][10] = true;
}

void restoreMarkRows(Model &m, bool fourthLanguageAllowed)
{
    for (int row = 1; row < SubjectCount; ++row)
        for (int mark = 1; mark <= 3; ++mark)
            m.Allowed[mark][row] = defaultMarkAllowed(row, mark);
    if (!fourthLanguageAllowed)
        for (int mark = 1; mark <= 3; ++mark)
            m.Allowed[mark][5] = false;
}

const QString Blocked = QStringLiteral(" ¤");

} // namespace

int cellNumber(const QString &text, bool *ok)
{
    qsizetype i = 0;
    while (i < text.size() && text.at(i) == u' ')
        ++i;
    // Cell texts are short digit runs; read them directly.
    const qsizetype digits = text.size() - i;
    if (digits >= 1 && digits <= 4) {
        int value = 0;
        bool allDigits = true;
        for (qsizetype k = i; k < text.size() && allDigits; ++k) {
            const char16_t ch = text.at(k).unicode();
            allDigits = ch >= u'0' && ch <= u'9';
            value = value * 10 + (ch - u'0');
        }
        if (allDigits) {
            if (ok)
                *ok = true;
            return value;
        }
    }
    bool parsed = false;
    const int value = QStringView(text).mid(i).toInt(&parsed);
    if (ok)
        *ok = parsed;
    return parsed ? value : 0;
}

QString TitleAfterCatalog(const Model &m)
{
    return QStringLiteral("Tamberon für die Oberstufe - ") + m.SchoolName;
}

QString TitleAfterSettings(const Model &m)
{
    return m.SchoolName + QStringLiteral(" - Tamberon für die Oberstufe");
}

QString TitleShown(const Model &m)
{
    return m.SchoolName + QStringLiteral(" - Tamberon für die Kursstufe BW");
}

void BuildCatalog(Model &m)
{
    m.SchoolName = NoSchool;
    m.BLLSocialField = false;
    m.DataVersion = 60;
    for (int row = 0; row < SubjectCount; ++row) {
        m.SubjectText[0][row] = QString::fromUtf16(Catalog[row].name);
        m.SubjectText[1][row] = QString::fromUtf16(Catalog[row].abbreviation);
        m.SubjectText[2][row] = QString::fromUtf16(Catalog[row].field);
        m.SubjectText[3][row].clear();
    }
    std::fill(&m.Allowed[0][0], &m.Allowed[0][0] + 4 * SubjectCount, false);
    std::fill(&m.Choice[0][0], &m.Choice[0][0] + 8 * SubjectCount, false);
    std::fill(&m.Grades[0][0], &m.Grades[0][0] + 5 * GradeColumns, quint8(0));
    for (int row = 1; row < SubjectCount; ++row)
        m.Allowed[0][row] = row != 5 && row != 29;
    restoreMarkRows(m, false);
    setCompulsoryChoice(m);
    std::fill(std::begin(m.CoreSlots), std::end(m.CoreSlots), quint8(0));
    m.CoreSlots[1] = 1;
    m.CoreSlots[2] = 15;
    m.view.title = TitleAfterCatalog(m);
}

void ResetChoice(Model &m)
{
    EndBLL(m);
    m.CoreSlots[1] = 1;
    m.CoreSlots[2] = 15;
    m.CoreSlots[3] = m.CoreSlots[4] = m.CoreSlots[5] = 0;
    std::fill(&m.Choice[0][0], &m.Choice[0][0] + 8 * SubjectCount, false);
    std::fill(&m.Grades[0][0], &m.Grades[0][0] + 5 * GradeColumns, quint8(0));
    for (int row = 0; row < SubjectCount; ++row)
        m.Allowed[0][row] = true;
    if (m.SubjectText[0][5] == NotOffered)
        m.Allowed[0][5] = false;
    m.Allowed[0][11] = true;
    m.Allowed[0][29] = false;
    restoreMarkRows(m, true);
    m.Allowed[3][29] = false;
    setCompulsoryChoice(m);
    if (m.SchoolName != NoSchool)
        m.view.title = TitleAfterSettings(m);
}

void ClearTable(Model &m, int count)
{
    m.FaecherSgr.clearCells(1, 8, 1, count);
    // The examination overview starts afresh too: no core or exam subject
    // of the previous choice may stay visible.
    m.PfaecherSgr.clearCells(1, 5, 1, 6);
    m.KurszSgr.clear();
    m.BLLSocialField = false;
    std::fill(&m.Choice[0][0], &m.Choice[0][0] + 8 * SubjectCount, false);
    std::fill(&m.Allowed[0][0], &m.Allowed[0][0] + 4 * SubjectCount, false);
    std::fill(&m.Grades[0][0], &m.Grades[0][0] + 5 * GradeColumns, quint8(0));
}

void LayoutTable(Model &m, int count)
{
    TextGrid &g = m.FaecherSgr;
    static const QString headers[9] = {
        QStringLiteral("Fächer"), QStringLiteral(" K"), QStringLiteral(" s"),
        QStringLiteral(" m"),     QStringLiteral(" 1"), QStringLiteral(" 2"),
        QStringLiteral(" 3"),     QStringLiteral(" 4"), QStringLiteral("  Zahl")};
    for (int col = 0; col < 9; ++col)
        g.setCell(col, 0, headers[col]);
    for (int row = 1; row < count; ++row)
        g.setCell(0, row, m.SubjectText[0][row]);
    g.setCell(0, count, QStringLiteral("Arbeitsgemeinschaften"));
    for (int row = 1; row < count; ++row)
        for (int col = 1; col <= 3; ++col)
            if (!m.Allowed[col][row])
                g.setCell(col, row, Blocked);

    // Fourth foreign language.
    if (m.SubjectText[0][5] != NotOffered) {
        for (int mark = 0; mark <= 3; ++mark)
            m.Allowed[mark][5] = true;
        for (int col = 1; col <= 3; ++col)
            if (!m.Choice[col][5])
                g.setCell(col, 5, QString());
    } else {
        // Not offered: no mark may be set on it either.
        for (int mark = 0; mark <= 3; ++mark)
            m.Allowed[mark][5] = false;
        for (int col = 1; col <= 3; ++col)
            g.setCell(col, 5, Blocked);
        for (int col = 4; col <= 7; ++col)
            g.setCell(col, 5, QString());
    }

    // Compulsory subjects.
    const QString two = QStringLiteral(" 2");
    const QString four = QStringLiteral(" 4");
    for (int row = 1; row < qMin(count, 20); ++row) {
        if (!m.Choice[Taken][row])
            continue;
        switch (row) {
        case 1:
        case 15:
            g.setCell(1, row, QStringLiteral(" K"));
            g.setCell(2, row, QStringLiteral(" s"));
            for (int col = 4; col <= 7; ++col)
                g.setCell(col, row, four);
            g.setCell(8, row, QStringLiteral("    4"));
            break;
        case 8:
        case 19:
            // A core subject keeps its four-hour courses.
            for (int col = 4; col <= 7; ++col)
                g.setCell(col, row, m.Choice[Core][row] ? four : two);
            g.setCell(8, row, QStringLiteral("    4"));
            break;
        case 9:
            if (m.Choice[Core][row])
                break;
            g.setCell(4, row, two);
            if (m.Choice[HalfYear4][9])
                g.setCell(7, row, two);
            g.setCell(8, row, QStringLiteral("    2"));
            break;
        case 10:
            if (m.Choice[Core][row])
                break;
            if (m.Choice[HalfYear2][10])
                g.setCell(5, row, two);
            g.setCell(6, row, two);
            g.setCell(8, row, QStringLiteral("    2"));
            break;
        default:
            break;
        }
    }
    g.setCell(3, 29, m.Allowed[3][29] ? QString() : Blocked);

    // Examination overview.
    TextGrid &p = m.PfaecherSgr;
    p.setCell(1, 0, QStringLiteral(" Kernfächer"));
    p.setCell(1, 1, QStringLiteral("   ") + m.SubjectText[0][1]);
    p.setCell(4, 1, QStringLiteral("   ") + m.SubjectText[0][1]);
    p.setCell(2, 1, QStringLiteral(" s"));
    p.setCell(1, 2, QStringLiteral("   ") + m.SubjectText[0][15]);
    p.setCell(4, 2, QStringLiteral("   ") + m.SubjectText[0][15]);
    p.setCell(2, 2, QStringLiteral(" s"));
    p.setCell(0, 6, QStringLiteral(" m"));
    p.setCell(1, 6, QStringLiteral("   mündl. Prüfungsfach"));

    m.WostSgr.setCell(0, 0, QStringLiteral("     Summe der Wochenstunden"));
    if (m.KurszSgr.cell(0, 0).isEmpty()) {
        m.KurszSgr.setCell(0, 0, QStringLiteral(" Im Block I anrechenbare Kurse (min. 40)"));
        m.KurszSgr.setCell(1, 0, QStringLiteral("   20"));
    }
    m.view.afSemKCaption.clear();
}

int CountChosen(const Model &m, int count, int row)
{
    int n = 0;
    for (int i = 1; i < qMin(count, SubjectCount); ++i)
        if (m.Choice[row][i])
            ++n;
    return n;
}

int FindField(const Model &m, int count, const QString &letter)
{
    for (int i = 1; i < qMin(count, SubjectCount) - 1; ++i)
        if (m.SubjectText[2][i] == letter)
            return i;
    return count - 1;
}

int NextChosen(const Model &m, int start, int count, int row)
{
    for (int i = qMax(start, 0); i < qMin(count, SubjectCount) - 1; ++i)
        if (m.Choice[row][i])
            return i;
    return count - 1;
}

void SumWeeklyHours(Model &m, int count)
{
    for (int h = 1; h <= 4; ++h) {
        int sum = 0;
        for (int row = 1; row <= count; ++row) {
            const QString &text = m.FaecherSgr.cell(h + 3, row);
            if (!text.isEmpty())
                sum += cellNumber(text);
        }
        m.WostSgr.setCell(h, 0, QString::number(sum));
    }
}

QString ElectiveHoursText(const Model &m)
{
    const QString &hours = m.FspiHours;
    bool digits = !hours.isEmpty() && hours.size() <= 2;
    for (QChar ch : hours)
        digits = digits && ch.isDigit() && ch.unicode() < 128;
    return QStringLiteral(" ") + (digits ? hours : QStringLiteral("4"));
}

void EndBLL(Model &m)
{
    const int row = m.BLLRow;
    if (row > 0 && row < SubjectCount) {
        m.SubjectText[0][row] = QString::fromUtf16(Catalog[row].name);
        m.FaecherSgr.setCell(0, row, m.SubjectText[0][row]);
    }
    m.BLLSocialField = false;
    m.view.afSemKVisible = false;
    m.view.afSemKCaption.clear();
    ++m.BLLDialogSerial;
}

GradeTable GradesOf(const Model &m)
{
    GradeTable t;
    std::copy(&m.Grades[0][0], &m.Grades[0][0] + t.size(), t.begin());
    return t;
}

void NoteChange(Model &m, bool gradesChanged)
{
    if (gradesChanged)
        m.Modified = 2;
    else if (m.Modified == 0)
        m.Modified = 1;
}

} // namespace tamb
