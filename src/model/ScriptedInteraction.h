#pragma once

#include "model/Interaction.h"

#include <QList>
#include <QStringList>

namespace tamb {

// Answers the program's questions from a script and records what was asked.
// Used by the tests and by the batch checker, which has no screen.
class ScriptedInteraction : public Interaction
{
public:
    struct Box
    {
        BoxKind kind;
        QString text;
        Buttons buttons;
    };

    void beep() override { ++beeps; }
    Answer messageBox(BoxKind kind, const QString &text, Buttons buttons) override;
    std::optional<QString> inputQuery(const QString &title, const QString &prompt,
                                      const QString &defaultText) override;
    QString openFileName(const QString &title, const QString &defaultSuffix,
                         const QString &directory, const QStringList &filters) override;
    QString saveFileName(const QString &title, const QString &directory,
                         const QString &proposedName, const QString &filter) override;
    QString folderName(const QString &, const QString &) override
    {
        return folderNames.isEmpty() ? QString() : folderNames.takeFirst();
    }
    void showWindow(Window window) override { windows.append(window); }

    // Next answers, taken in order; when empty, Yes/No boxes answer
    // `defaultAnswer`, OK boxes answer Ok, Yes/No/Cancel boxes answer Cancel.
    QList<Answer> answers;
    Answer defaultAnswer = Answer::No;
    QList<std::optional<QString>> inputs; // empty: cancelled
    QStringList openNames;                // empty: cancelled
    QStringList saveNames;                // empty: cancelled
    QStringList folderNames;              // empty: cancelled

    // What happened.
    int beeps = 0;
    QList<Box> boxes;
    QList<Window> windows;
    QStringList inputPrompts;
    QStringList openFolders;   // where the open dialogs started
    QList<QStringList> openFilters;
    QStringList saveProposals; // proposed names of the save dialogs
    QStringList saveFilters;

    void reset() { *this = ScriptedInteraction(); }
};

} // namespace tamb
