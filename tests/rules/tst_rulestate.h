#pragma once

// Compact views of the course table for the click rule tests.

#include "TestSupport.h"
#include "files/SelectionFile.h"
#include "rules/Dispatch.h"

#include <QBuffer>
#include <QStringList>
#include <initializer_list>
#include <utility>

namespace tamb::test {

// Flags "TKsm1234" ('-' when clear), then cells 1..7 separated by '|':
// the initial Deutsch reads "TKs-1234| K| s| ¤| 4| 4| 4| 4".
inline QString rowState(const Model &m, int row)
{
    static const char letters[] = "TKsm1234";
    QString s;
    for (int c = 0; c < 8; ++c)
        s += m.Choice[c][row] ? QChar::fromLatin1(letters[c]) : QChar(u'-');
    for (int col = 1; col <= 7; ++col)
        s += u'|' + m.FaecherSgr.cell(col, row);
    return s;
}

// Core slots 3..5 as "row,row,row".
inline QString coreSlots(const Model &m)
{
    return QStringLiteral("%1,%2,%3").arg(m.CoreSlots[3]).arg(m.CoreSlots[4]).arg(m.CoreSlots[5]);
}

// Exam overview rows 3..5 (core / written) and the oral row, '|' separated:
// "core3/written3|core4/written4|core5/written5|m P/oral".
inline QString overview(const Model &m)
{
    const TextGrid &p = m.PfaecherSgr;
    QStringList parts;
    for (int k = 3; k <= 5; ++k)
        parts << p.cell(1, k).trimmed() + u'/' + p.cell(4, k).trimmed();
    parts << p.cell(3, 6).trimmed() + u'/' + p.cell(4, 6).trimmed();
    return parts.join(u'|');
}

// The exam overview (every cell) after saving the choice and opening it again.
inline QString reopenedOverview(const Model &m)
{
    Model saved = m;
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    WriteSelection(saved, file, false);
    file.close();
    file.open(QIODevice::ReadOnly);
    Model reopened = m;
    ScriptedInteraction ui;
    if (ReadSelection(reopened, ui, file, false, QString()) != ReadStatus::Loaded)
        return QStringLiteral("not read");
    Refresh(reopened, ui);
    return dump(reopened.PfaecherSgr);
}

using Cells = std::initializer_list<std::pair<int, int>>;

inline void clicks(Model &m, ScriptedInteraction &ui, Cells cells)
{
    for (const auto &[col, row] : cells)
        click(m, ui, col, row);
}

// Cells as QVariant-friendly list for data tables: {col, row, col, row, ...}.
inline void clicks(Model &m, ScriptedInteraction &ui, const QList<int> &cells)
{
    for (qsizetype i = 0; i + 1 < cells.size(); i += 2)
        click(m, ui, cells[i], cells[i + 1]);
}

} // namespace tamb::test
