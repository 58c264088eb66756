#include "model/ScriptedInteraction.h"

namespace tamb {

Answer ScriptedInteraction::messageBox(BoxKind kind, const QString &text, Buttons buttons)
{
    boxes.append({kind, text, buttons});
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    if (!answers.isEmpty())
        return answers.takeFirst();
    return buttons == Buttons::YesNoCancel ? Answer::Cancel : defaultAnswer;
}

std::optional<QString> ScriptedInteraction::inputQuery(const QString &, const QString &prompt,
                                                       const QString &)
{
    inputPrompts.append(prompt);
    if (inputs.isEmpty())
        return std::nullopt;
    return inputs.takeFirst();
}

QString ScriptedInteraction::openFileName(const QString &, const QString &,
                                         const QString &directory, const QStringList &filters)
{
    openFolders.append(directory);
    openFilters.append(filters);
    return openNames.isEmpty() ? QString() : openNames.takeFirst();
}

QString ScriptedInteraction::saveFileName(const QString &, const QString &,
                                          const QString &proposedName, const QString &filter)
{
    saveProposals.append(proposedName);
    saveFilters.append(filter);
    return saveNames.isEmpty() ? QString() : saveNames.takeFirst();
}

} // namespace tamb
