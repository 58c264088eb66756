#include "rules/ExamOverview.h"

#include "model/Model.h"

namespace tamb {

namespace {

constexpr int German = 1;
constexpr int Maths = 15;

const QString Indent = QStringLiteral("   ");
const QString Placeholder = QStringLiteral(" -----");

} // namespace

bool HoldsOralRole(const Model &m, int row)
{
    if (row < 1 || row >= SubjectCount || !m.Choice[Oral][row])
        return false;
    return row != m.BLLRow || m.Choice[Taken][row];
}

int OralSubject(const Model &m)
{
    int oral = 0;
    for (int row = 1; row < SubjectCount; ++row)
        if (HoldsOralRole(m, row))
            oral = row;
    return oral;
}

void ArrangeCoreSlots(Model &m)
{
    quint8 *slot = m.CoreSlots;
    slot[3] = slot[4] = slot[5] = 0;
    for (int row = German + 1; row < SubjectCount; ++row) {
        if (row == Maths || !m.Choice[Core][row])
            continue;
        const QString &letter = m.field(row);
        const auto take = [&](int from) {
            for (int k = from; k <= 5; ++k) {
                if (slot[k] == 0) {
                    slot[k] = quint8(row);
                    return true;
                }
            }
            return false;
        };
        if (letter == u"f") {
            // A language goes before a science in slot 4.
            if (!take(3) && m.field(slot[4]) == u"n") {
                slot[5] = slot[4];
                slot[4] = quint8(row);
            }
        } else if (letter == u"n") {
            take(4);
        } else {
            take(5);
        }
    }
}

void ShowExamOverview(Model &m)
{
    ArrangeCoreSlots(m);
    TextGrid &p = m.PfaecherSgr;
    int written = 0;
    for (int row = 1; row < SubjectCount; ++row)
        written += m.Choice[Written][row] ? 1 : 0;

    bool placeholderShown = false;
    for (int k = 3; k <= 5; ++k) {
        const int row = m.CoreSlots[k];
        const bool core = row != 0 && m.Choice[Core][row];
        p.setCell(1, k, core ? Indent + m.name(row) : QString());
        p.setCell(2, k, QString());
        p.setCell(3, k, QString());
        QString exam;
        if (core && m.Choice[Written][row]) {
            exam = Indent + m.name(row);
        } else if (written >= 4 && !placeholderShown) {
            // The core slot left over once four written subjects exist.
            exam = Placeholder;
            placeholderShown = true;
        }
        p.setCell(4, k, exam);
    }

    const int oral = OralSubject(m);
    p.setCell(2, 6, QString());
    p.setCell(3, 6, oral != 0 ? QStringLiteral(" m P") : QString());
    p.setCell(4, 6, oral != 0 ? Indent + m.name(oral) : QString());
}

} // namespace tamb
