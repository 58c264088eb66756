#pragma once

#include "model/Interaction.h"

#include <QPointer>
#include <QWidget>
#include <functional>

namespace tamb {

// Answers the program's questions with real dialogs.
class WidgetInteraction : public Interaction
{
public:
    explicit WidgetInteraction(QWidget *parent) : m_parent(parent) {}

    void beep() override;
    Answer messageBox(BoxKind kind, const QString &text, Buttons buttons) override;
    std::optional<QString> inputQuery(const QString &title, const QString &prompt,
                                      const QString &defaultText) override;
    QString openFileName(const QString &title, const QString &defaultSuffix,
                         const QString &directory, const QStringList &filters) override;
    QString saveFileName(const QString &title, const QString &directory,
                         const QString &proposedName, const QString &filter) override;
    void showWindow(Window window) override;

    // Who opens the windows the logic asks for.
    std::function<void(Window)> windowOpener;

    static QString captionOf(BoxKind kind);

private:
    QPointer<QWidget> m_parent;
};

} // namespace tamb
