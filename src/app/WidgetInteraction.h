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
    QString folderName(const QString &title, const QString &directory) override;
    void showWindow(Window window) override;

    // Who opens the windows the logic asks for.
    std::function<void(Window)> windowOpener;

    static QString captionOf(BoxKind kind);
    // Places a dialog over the middle of the window that opened it, inside
    // the screen's free area.
    static void centreOver(QWidget *dialog, const QWidget *opener);
    // A window's width at which the title bar shows the whole caption.
    static int widthForCaption(const QString &caption);

private:
    // The window that asks: the one in front, else the main window.
    QWidget *opener() const;
    // Focus and stacking go back to the window that asked.
    static void backTo(QWidget *opener);

    QPointer<QWidget> m_parent;
};

} // namespace tamb
