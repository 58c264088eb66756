#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace tamb {

// Message boxes: a plain box is captioned "TAMBERON", a warning "Warnung",
// an information "Information", an error "Fehler", a confirmation "Bestätigen".
enum class BoxKind { Plain, Information, Warning, Error, Confirmation };
enum class Buttons { Ok, YesNo, YesNoCancel };
enum class Answer { Ok, Yes, No, Cancel };

// Windows that the core asks the widgets to open.
enum class Window { BLLDialog, SettingsDialog, GradesWindow };

// Everything the program's logic asks of the person at the screen.
// The widgets answer with real dialogs; tests and the batch checker answer
// without a screen.
class Interaction
{
public:
    virtual ~Interaction() = default;

    virtual void beep() = 0;
    virtual Answer messageBox(BoxKind kind, const QString &text, Buttons buttons) = 0;
    // One-line input dialog; nothing when cancelled.
    virtual std::optional<QString> inputQuery(const QString &title, const QString &prompt,
                                              const QString &defaultText) = 0;
    // File dialogs; an empty result means cancelled. Filters read
    // "description (patterns)", the first one chosen; none: every file.
    virtual QString openFileName(const QString &title, const QString &defaultSuffix,
                                 const QString &directory, const QStringList &filters) = 0;
    virtual QString saveFileName(const QString &title, const QString &directory,
                                 const QString &proposedName, const QString &filter) = 0;
    // A folder; empty when cancelled (also where nobody can choose one).
    virtual QString folderName(const QString &title, const QString &directory)
    {
        Q_UNUSED(title);
        Q_UNUSED(directory);
        return QString();
    }
    // Opens a window without waiting for it.
    virtual void showWindow(Window window) = 0;

    // Shortcuts for the common boxes.
    void inform(const QString &text) { messageBox(BoxKind::Information, text, Buttons::Ok); }
    void warn(const QString &text) { messageBox(BoxKind::Warning, text, Buttons::Ok); }
    void error(const QString &text) { messageBox(BoxKind::Error, text, Buttons::Ok); }
};

} // namespace tamb
