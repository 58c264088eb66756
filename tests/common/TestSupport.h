#pragma once

#include "model/Model.h"
#include "model/ScriptedInteraction.h"

#include <QString>

namespace tamb::test {

// A model as the program has it after start with no settings file:
// catalog, table laid out, BLL row found, first check.
Model startedModel();
// The same with a school's settings applied before the layout.
Model startedModel(const QString &school, const QString &fourthLanguage,
                   const QString &electiveLanguage, const QString &fspiHours);

// A click into the course table with the given answers to questions.
void click(Model &m, ScriptedInteraction &ui, int col, int row);

// A window's title as shown: the modified mark "[*]" resolved.
template<typename Window>
QString shownTitle(const Window &window)
{
    QString title = window.windowTitle();
    title.replace(QStringLiteral("[*]"), window.isWindowModified() ? QStringLiteral("*") : QString());
    return title;
}

// Every cell of a grid as "col,row=text" lines, for readable comparisons.
QString dump(const TextGrid &grid);

} // namespace tamb::test
