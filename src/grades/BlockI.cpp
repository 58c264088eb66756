// Block I: which courses count, and their points.
#include "grades/Grades.h"

#include "model/Model.h"

#include <vector>

namespace tamb {

namespace {

using namespace GradeRows;

constexpr quint8 Marked = Counted | Compulsory;

struct Candidate
{
    int row;
    int halfYear;
    quint8 byte;
};

class BlockIRun
{
public:
    BlockIRun(Model &m, GradesView &g, bool keepSelection)
        : m(m), g(g), rows(qBound(1, g.Rows, SubjectCount)), keepSelection(keepSelection)
    {
    }

    BlockIValues run();

private:
    bool chosen(int r) const { return m.Choice[Taken][r]; }
    bool core(int r) const { return m.Choice[Core][r]; }
    bool coreOrOral(int r) const { return m.Choice[Core][r] || m.Choice[Oral][r]; }
    bool examSubject(int r) const
    {
        return m.Choice[Core][r] || m.Choice[Written][r] || m.Choice[Oral][r];
    }
    quint8 &grade(int h, int r) { return m.Grades[h][r]; }
    const QString &marker(int r) const { return m.FaecherSgr.cell(8, r); }

    void mark(int h, int r)
    {
        if (grade(h, r) != 0)
            grade(h, r) |= Marked;
    }
    bool marked(int h, int r) { return (grade(h, r) & Marked) == Marked; }
    void unmarkRow(int r)
    {
        for (int h = 1; h <= 4; ++h)
            grade(h, r) &= quint8(~Marked);
    }
    // (number of marked grades, their points sum) of a row.
    std::pair<int, int> markedWeight(int r)
    {
        int n = 0;
        int sum = 0;
        for (int h = 1; h <= 4; ++h)
            if (grade(h, r) != 0 && marked(h, r)) {
                ++n;
                sum += points(grade(h, r));
            }
        return {n, sum};
    }

    std::vector<int> scannedRows() const;
    std::vector<int> chosenRows() const;

    void zeroPoints(int r, int h);
    void countZero(bool inFirstThree)
    {
        ++v.ZeroCompulsory;
        if (inFirstThree)
            ++v.ZeroCompulsory13;
    }

    void markers(const std::vector<int> &scanned);
    void bestTwo(int r);
    void artAndMusic();
    void threeSciences(int r);
    void oneOfTwoSciences(int r);

    void countCounted(bool writeCells);
    void select(const std::vector<int> &scanned);
    void finish(const std::vector<int> &scanned);

    Model &m;
    GradesView &g;
    const int rows;
    const bool keepSelection;
    BlockIValues v;
    int artZero = 0;
    int physicsZero = 0;
    int chemistryZero = 0;
};

std::vector<int> BlockIRun::scannedRows() const
{
    std::vector<int> list;
    for (int r = 1; r < rows; ++r)
        if (r == 1 || !marker(r).isEmpty())
            list.push_back(r);
    return list;
}

std::vector<int> BlockIRun::chosenRows() const
{
    std::vector<int> list;
    for (int r = 1; r < rows; ++r)
        if (r == 1 || chosen(r))
            list.push_back(r);
    return list;
}

// A grade of 0 points: does it count as a zero in a compulsory course?
void BlockIRun::zeroPoints(int r, int h)
{
    const bool first3 = h <= 3;
    if (examSubject(r)) {
        countZero(first3);
        return;
    }
    switch (r) {
    case Art:
        if (chosen(Music)) {
            if (!core(Music))
                artZero = h;
        } else {
            countZero(first3);
        }
        break;
    case Music:
        if (!chosen(Art))
            countZero(first3);
        else if (!core(Art) && artZero != 0)
            countZero(first3 && artZero <= 3);
        break;
    case History:
    case 12:
    case 13:
    case 14:
    case Sport:
        countZero(first3);
        break;
    case Physics:
        if (chosen(Chemistry) && chosen(Biology))
            physicsZero = h;
        else
            countZero(first3);
        break;
    case Chemistry:
        if (chosen(Physics) && chosen(Biology)) {
            chemistryZero = h;
            if (physicsZero != 0)
                countZero(first3 && physicsZero <= 3);
        } else {
            countZero(first3);
        }
        break;
    case Biology:
        if (chosen(Physics) && chosen(Chemistry)) {
            if (physicsZero != 0 || chemistryZero != 0)
                countZero(first3 && !(physicsZero == 4 && chemistryZero == 4));
        } else {
            countZero(first3);
        }
        break;
    default:
        break;
    }
}

// "4(2*)": the two best grades, ties to the earlier half-year.
void BlockIRun::bestTwo(int r)
{
    for (int pass = 0; pass < 2; ++pass) {
        int pick = marked(1, r) ? 2 : 1;
        for (int h = 1; h <= 4; ++h)
            if (grade(h, r) != 0 && !marked(h, r)
                && points(grade(h, r)) > points(grade(pick, r)))
                pick = h;
        mark(pick, r);
    }
}

// "4(2°)": two courses of art or of music; the weaker row gives up its marks.
void BlockIRun::artAndMusic()
{
    bestTwo(Art);
    bestTwo(Music);
    if (markedWeight(Music) > markedWeight(Art))
        unmarkRow(Art);
    else
        unmarkRow(Music);
}

// "4(4^)": the courses of two different sciences.
void BlockIRun::threeSciences(int r)
{
    for (int s = r; s <= r + 2; ++s)
        for (int h = 1; h <= 4; ++h)
            mark(h, s);
    int loser = r;
    for (int s = r + 1; s <= r + 2; ++s)
        if (markedWeight(s) < markedWeight(loser))
            loser = s;
    unmarkRow(loser);
}

// "4(4~)": the courses of one of the two sciences that are neither core nor
// oral subject. The row with the larger sum of stored bytes is taken; where
// it has no grade, the other one's grade of that half-year.
void BlockIRun::oneOfTwoSciences(int r)
{
    int partner = 0;
    const QString &abbreviation = m.abbreviation(r);
    if (abbreviation == QLatin1String("Ph"))
        partner = coreOrOral(r + 1) ? r + 2 : r + 1;
    else if (abbreviation == QLatin1String("Ch") && !coreOrOral(r + 1))
        partner = r + 1;
    if (partner == 0 || partner >= rows)
        return;

    int sumOwn = 0;
    int sumPartner = 0;
    for (int h = 1; h <= 4; ++h) {
        sumOwn += grade(h, r);
        sumPartner += grade(h, partner);
    }
    const int first = sumOwn >= sumPartner ? r : partner;
    const int second = first == r ? partner : r;
    for (int h = 1; h <= 4; ++h) {
        if (grade(h, first) != 0)
            mark(h, first);
        else
            mark(h, second);
    }
}

void BlockIRun::markers(const std::vector<int> &scanned)
{
    static const QString BestTwo = QStringLiteral("4(2*)");
    static const QString ArtOrMusic = QStringLiteral("4(2°)");
    static const QString TwoSciences = QStringLiteral("4(4^)");
    static const QString OneScience = QStringLiteral("4(4~)");

    int after = 0; // rows up to here belong to a group already handled
    for (int r : scanned) {
        if (r <= after)
            continue;
        if (marker(r) == BestTwo)
            bestTwo(r);
        if (marker(r) == ArtOrMusic) {
            // Art and music form the group, whichever of them carries the marker.
            artAndMusic();
            r = Music;
        }
        if (marker(r) == TwoSciences && r + 2 < rows) {
            threeSciences(r);
            r += 2;
        }
        if (marker(r) == OneScience)
            oneOfTwoSciences(r);
        const QString &text = marker(r);
        if (text == QLatin1String("2*") || text == QLatin1String("1*")
            || text == QLatin1String("4*"))
            for (int h = 1; h <= 4; ++h)
                mark(h, r);
        after = r;
    }
}

void BlockIRun::countCounted(bool writeCells)
{
    const CountedCourses counted = CountCountedCourses(m, rows);
    v.Count = counted.count;
    v.Sum = counted.sum;
    v.Under5 = counted.under5;
    if (writeCells && counted.doubleCourse) {
        const int p = points(grade(1, m.BLLRow));
        g.NFaecherSgr.setCell(3, m.BLLRow, resultText(p));
        g.NFaecherSgr.setCell(4, m.BLLRow, resultText(p));
    }
}

BlockIValues BlockIRun::run()
{
    g.AdmissionFlags = 0;

    // A selection made by hand: the courses counted beyond the compulsory ones.
    std::vector<std::pair<int, int>> chosenByHand;
    if (keepSelection)
        for (int r = 1; r < rows; ++r)
            for (int h = 1; h <= 4; ++h)
                if ((grade(h, r) & Marked) == Counted)
                    chosenByHand.emplace_back(h, r);

    // 1. Counted and Compulsory are derived: none survives an earlier run.
    for (int r = 1; r < rows; ++r)
        for (int h = 1; h <= 4; ++h)
            grade(h, r) &= quint8(~Marked);
    for (int r : chosenRows())
        for (int h = 1; h <= 4; ++h) {
            const quint8 b = grade(h, r);
            if (b == 0)
                continue;
            v.LastHalfYear = qMax(v.LastHalfYear, h);
            if (points(b) == 0)
                zeroPoints(r, h);
        }

    // 2. Compulsory courses from the Block I markers.
    const std::vector<int> scanned = scannedRows();
    markers(scanned);

    // 3. Compulsory totals and missing grades.
    for (int r : scanned)
        for (int h = 1; h <= 4; ++h) {
            const quint8 b = grade(h, r);
            if ((b & 0xF0) == (GradePresent | Compulsory | Counted)) {
                ++v.CompulsoryCount;
                if (h <= 3) {
                    ++v.CompulsoryCount13;
                    v.CompulsorySum13 += points(b);
                }
            }
            if (b == 0 && m.Choice[h + 3][r] && m.abbreviation(r) != QLatin1String("BLL")) {
                ++v.Missing;
                if (h <= 3)
                    ++v.Missing13;
            }
        }

    // 4. Compulsory courses of half-years 1 to 3 under 5 points.
    for (int r : scanned)
        for (int h = 1; h <= 3; ++h) {
            const quint8 b = grade(h, r);
            if (b != 0 && (b & Counted) && points(b) < 5)
                ++v.Under5_13;
        }

    if (keepSelection) {
        for (const auto &[h, r] : chosenByHand)
            if (grade(h, r) != 0)
                grade(h, r) |= Counted;
        countCounted(true);
    } else {
        select(scanned);
    }
    finish(scanned);
    return v;
}

// 5 to 8: the further courses that the program selects.
void BlockIRun::select(const std::vector<int> &scanned)
{
    // 5. Candidates: every further grade.
    std::vector<Candidate> candidates;
    for (int r : scanned) {
        const QString &abbreviation = m.abbreviation(r);
        if (abbreviation == QLatin1String("Ek") || abbreviation == QLatin1String("Gk"))
            continue;
        for (int h = 1; h <= 4; ++h) {
            const quint8 b = grade(h, r);
            if (b != 0 && !(b & (Counted | Compulsory | ExamResult)))
                candidates.push_back({r, h, b});
        }
    }
    const int bll = m.BLLRow;
    if (bll > 0 && bll < rows && !m.Choice[Oral][bll] && !m.Choice[HalfYear1][bll]
        && grade(1, bll) != 0) {
        candidates.push_back({bll, 1, grade(1, bll)});
        candidates.push_back({bll, 2, grade(2, bll)});
    }

    // 6. Best first; among equal grades religion or ethics moves ahead.
    const int n = int(candidates.size());
    for (int i = 0; i < n - 1; ++i)
        for (int j = i + 1; j < n; ++j) {
            const Candidate &a = candidates[size_t(i)];
            const Candidate &b = candidates[size_t(j)];
            if (a.byte < b.byte || (a.byte == b.byte && b.row >= 12 && b.row <= 14))
                std::swap(candidates[size_t(i)], candidates[size_t(j)]);
        }

    // 7. The best further courses up to 40.
    int k = 0;
    if (v.CompulsoryCount < 40 && v.Missing == 0) {
        k = n + v.CompulsoryCount <= 40 ? n : 40 - v.CompulsoryCount;
        for (int i = 0; i < k; ++i)
            grade(candidates[size_t(i)].halfYear, candidates[size_t(i)].row) |= Counted;
    }

    // 8. Beyond 40: every further course at least 0.0125 above the average
    //    (kept exact: 80 * Count * p >= 80 * Sum + Count).
    countCounted(true);
    for (int i = k; i < n; ++i) {
        const Candidate &c = candidates[size_t(i)];
        const int p = points(c.byte);
        if (v.Count > 0 && 80LL * v.Count * p < 80LL * v.Sum + v.Count)
            break;
        grade(c.halfYear, c.row) |= Counted;
        ++v.Count;
        v.Sum += p;
    }
}

void BlockIRun::finish(const std::vector<int> &scanned)
{
    // 9. Counted grades plain, the others in parentheses.
    for (int r : scanned)
        for (int h = 1; h <= 4; ++h) {
            const quint8 b = grade(h, r);
            if (b == 0)
                continue;
            g.NFaecherSgr.setCell(h + 2, r,
                                  (b & Counted) ? countedGradeText(points(b))
                                                : uncountedGradeText(points(b)));
        }

    // 10. Block I.
    countCounted(false);
    v.BlockI = BlockIPoints(v.Count, v.Sum);
    g.ErsterBlockGBx.visible = true;
    g.ErsterBlockLbl.text = BlockICaption(v.Count);
    g.PSersterBlockPl.text = QString::number(v.BlockI);
    g.Unter5ebLbl.text =
        v.Under5 > 0 ? QStringLiteral("davon unter 5 NP: ") + QString::number(v.Under5) : QString();

    // 11. Admission.
    g.AdmissionFlags = AdmissionFlagsFor(v);
}

} // namespace

bool CountsDouble(const Model &m)
{
    const int bll = m.BLLRow;
    return bll > 0 && bll < SubjectCount && m.Choice[Taken][bll] && !m.Choice[HalfYear1][bll]
           && !m.Choice[Oral][bll];
}

CountedCourses CountCountedCourses(const Model &m, int rows)
{
    rows = qBound(1, rows, SubjectCount);
    CountedCourses c;
    for (int r = 1; r < rows; ++r)
        for (int h = 1; h <= 4; ++h) {
            const quint8 b = m.Grades[h][r];
            if (m.Choice[h + 3][r] && (b & Counted)) {
                ++c.count;
                c.sum += points(b);
                if (points(b) < 5)
                    ++c.under5;
            }
        }
    const quint8 total = m.BLLRow > 0 && m.BLLRow < rows ? m.Grades[1][m.BLLRow] : 0;
    if (CountsDouble(m) && total != 0 && (total & Counted) && points(total) > 4) {
        c.count += 2;
        c.sum += 2 * points(total);
        c.doubleCourse = true;
    }
    return c;
}

int BlockIPoints(int count, int sum)
{
    if (count <= 40)
        return sum;
    const int scaled = sum * 40;
    int q = scaled / count;
    const int twice = 2 * (scaled % count);
    if (twice > count || (twice == count && q % 2 != 0))
        ++q;
    return q;
}

QString BlockICaption(int count)
{
    QString text = QStringLiteral("Punktsumme aus ") + QString::number(count)
                   + QStringLiteral(" einfach gewerteten Kursen");
    if (count > 40)
        text += QStringLiteral("\r\n\t\t (notfalls gerundet)");
    return text;
}

BlockIValues ComputeBlockI(Model &m, GradesView &g)
{
    return BlockIRun(m, g, false).run();
}

BlockIValues ComputeBlockIKeepingSelection(Model &m, GradesView &g)
{
    return BlockIRun(m, g, true).run();
}

} // namespace tamb
