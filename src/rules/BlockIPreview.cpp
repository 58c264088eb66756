#include "rules/BlockIPreview.h"

#include "model/Model.h"

namespace tamb {

namespace {

constexpr int ArtRow = 6;
constexpr int MusicRow = 7;
constexpr int MinimumCourses = 40;

bool chosen(const Model &m, int row) { return m.Choice[Taken][row]; }
bool coreOrOral(const Model &m, int row) { return m.Choice[Core][row] || m.Choice[Oral][row]; }

// Marker texts for 0..4 courses, built once: "n" and "n*".
const QString &countText(int n)
{
    static const QString texts[5] = {QStringLiteral("0"), QStringLiteral("1"),
                                     QStringLiteral("2"), QStringLiteral("3"),
                                     QStringLiteral("4")};
    return texts[n];
}

const QString &starredText(int n)
{
    static const QString texts[5] = {QStringLiteral("0*"), QStringLiteral("1*"),
                                     QStringLiteral("2*"), QStringLiteral("3*"),
                                     QStringLiteral("4*")};
    return texts[n];
}

int courseCount(const Model &m, int row)
{
    int n = 0;
    for (int h = HalfYear1; h <= HalfYear4; ++h)
        n += m.Choice[h][row] ? 1 : 0;
    return n;
}

// Bild. Kunst and Musik: two courses of the pair are compulsory.
QString artMarker(const Model &m, int row, int n)
{
    const int partner = row == ArtRow ? MusicRow : ArtRow;
    if (chosen(m, row) && chosen(m, partner)) {
        const bool partnerExam = row == ArtRow
            ? coreOrOral(m, partner)
            : m.Choice[Written][partner] || m.Choice[Oral][partner];
        return partnerExam ? QStringLiteral("4") : QStringLiteral("4(2°)");
    }
    return n > 2 ? QStringLiteral("4(2*)") : countText(n);
}

// Physik, Chemie, Biologie: the courses of two sciences are compulsory.
QString scienceMarker(const Model &m, int firstScience, int n)
{
    bool allChosen = true;
    bool anyExam = false;
    for (int row = firstScience; row < firstScience + 3; ++row) {
        allChosen = allChosen && chosen(m, row);
        anyExam = anyExam || coreOrOral(m, row);
    }
    if (allChosen)
        return anyExam ? QStringLiteral("4(4~)") : QStringLiteral("4(4^)");
    // A third science taken for one pair of half-years only has two
    // courses: the marker counts what is there.
    return starredText(n);
}

int digitAt(const QString &s, qsizetype index)
{
    if (index >= s.size())
        return 0;
    const int d = s.at(index).digitValue();
    return d < 0 ? 0 : d;
}

QChar charAt(const QString &s, qsizetype index)
{
    return index < s.size() ? s.at(index) : QChar();
}

} // namespace

const QString LegendText = QStringLiteral(
    "Zeichenerklärung:  Im Block I der Gesamtqualifikation sind\n\r"
    " * ... anrechnungspflichtige Kurse\n\r"
    " ° ... in Bildender Kunst oder in Musik wahlweise zwei Kurse \n\r"
    "\t(aus einem der beiden Fächer)  ...\n\r"
    " ^ ...  die Kurse aus zwei (verschiedenen) Naturwissenschaften  ...\n\r"
    " ~ ...  die Kurse aus einer der beiden Naturwissenschaften ...\n\r"
    " 4(2*) von den vier möglichen Kursen zwei ...\n\r"
    "\t ...anrechnungspflichtig");

QString ShortfallText(int missing)
{
    return QStringLiteral(" Der Block I enthält ") + QString::number(missing)
        + QStringLiteral("z u wenig anrechenbare Kurse,\n\r es müssen min. 40 Kurse gewertet werden!");
}

bool BlockIPreview(Model &m, int count)
{
    const int rows = qMin(count, SubjectCount);
    const int firstScience = FindField(m, count, QStringLiteral("n")) + 1;
    for (int row = 1; row < rows; ++row) {
        const int n = courseCount(m, row);
        if (n == 0) {
            m.FaecherSgr.setCell(8, row, QString());
            continue;
        }
        QString cell = countText(n);
        const QString &abbreviation = m.abbreviation(row);
        if (coreOrOral(m, row)) {
            cell = starredText(n);
        } else if (abbreviation == u"BK" || abbreviation == u"Mu") {
            cell = artMarker(m, row, n);
        } else if (abbreviation == u"G" || abbreviation == u"Gk" || abbreviation == u"Geo") {
            cell = starredText(n);
            // A single course cannot carry the oral examination.
            if (n == 1) {
                m.Allowed[Oral][row] = false;
                m.FaecherSgr.setCell(3, row, QStringLiteral(" ¤"));
            }
        } else if (abbreviation == u"Ph" || abbreviation == u"Ch" || abbreviation == u"B") {
            cell = scienceMarker(m, firstScience, n);
        }
        m.FaecherSgr.setCell(8, row, cell);
    }

    const CourseCount courses = CountCourses(m, count);
    m.KurszSgr.setCell(0, 0, QStringLiteral("Block I: Anrechenbare Kurse (davon verpflichtend*)"));
    m.KurszSgr.setCell(1, 0, QString::number(courses.total) + QStringLiteral(" (")
                                 + QString::number(courses.compulsory) + QStringLiteral("*)"));
    if (courses.total >= MinimumCourses)
        return true;

    m.view.messagesColor = LabelColor::Red;
    m.view.messagesPointSize = 11;
    m.view.messagesBold = false;
    m.view.messages = ShortfallText(MinimumCourses - courses.total);
    return false;
}

CourseCount CountCourses(const Model &m, int count)
{
    CourseCount result;
    bool scienceCounted = false;
    const int rows = qMin(count, SubjectCount);
    for (int row = 1; row < rows; ++row) {
        const QString &t = m.FaecherSgr.cell(8, row);
        if (t.isEmpty())
            continue;
        qsizetype blanks = 0;
        while (blanks < t.size() && t.at(blanks) == u' ')
            ++blanks;
        const QString s = t.mid(blanks);

        result.total += digitAt(s, 0);
        const QChar fourth = charAt(t, 3);
        if (charAt(t, 1) == u'*') {
            result.compulsory += digitAt(s, 0);
        } else if (fourth == u'*') {
            result.compulsory += digitAt(s, 2);
        } else if (fourth == u'°') {
            // The two "4(2°)" rows together give the two art or music courses.
            result.compulsory += 1;
        } else if (fourth == u'^' && !scienceCounted) {
            // Two sciences: counted once for the two or three rows.
            result.compulsory += 8;
            scienceCounted = true;
        }
        if (fourth == u'~' && !scienceCounted) {
            result.compulsory += 4;
            scienceCounted = true;
        }
    }
    return result;
}

void ShowLegend(Model &m)
{
    m.view.legendVisible = true;
    m.view.legend = LegendText;
}

} // namespace tamb
