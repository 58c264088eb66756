#include "TestSupport.h"
#include "model/MainWindowLogic.h"

#include "rules/Dispatch.h"

namespace tamb::test {

Model startedModel()
{
    Model m;
    ScriptedInteraction ui;
    BuildCatalog(m);
    LayOutStartTable(m, ui);
    return m;
}

Model startedModel(const QString &school, const QString &fourthLanguage,
                   const QString &electiveLanguage, const QString &fspiHours)
{
    Model m;
    ScriptedInteraction ui;
    BuildCatalog(m);
    m.SchoolName = school;
    m.SubjectText[0][5] = fourthLanguage;
    m.SubjectText[0][29] = electiveLanguage;
    m.Allowed[0][29] = electiveLanguage != NotOffered;
    m.Allowed[3][29] = electiveLanguage != NotOffered;
    m.FspiHours = fspiHours;
    LayOutStartTable(m, ui);
    return m;
}

void click(Model &m, ScriptedInteraction &ui, int col, int row)
{
    FaecherSgrMouseDown(m, ui, col, row);
}

QString dump(const TextGrid &grid)
{
    QString out;
    for (int r = 0; r < grid.rowCount(); ++r)
        for (int c = 0; c < grid.colCount(); ++c)
            if (!grid.cell(c, r).isEmpty())
                out += QStringLiteral("%1,%2=\"%3\"\n").arg(c).arg(r).arg(grid.cell(c, r));
    return out;
}

} // namespace tamb::test
