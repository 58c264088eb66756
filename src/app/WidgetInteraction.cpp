#include "app/WidgetInteraction.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace tamb {

QString WidgetInteraction::captionOf(BoxKind kind)
{
    switch (kind) {
    case BoxKind::Information:
        return QStringLiteral("Information");
    case BoxKind::Warning:
        return QStringLiteral("Warnung");
    case BoxKind::Error:
        return QStringLiteral("Fehler");
    case BoxKind::Confirmation:
        return QStringLiteral("Bestätigen");
    case BoxKind::Plain:
        break;
    }
    return QStringLiteral("TAMBERON");
}

void WidgetInteraction::beep()
{
    QApplication::beep();
}

Answer WidgetInteraction::messageBox(BoxKind kind, const QString &text, Buttons buttons)
{
    QMessageBox box(m_parent);
    box.setWindowTitle(captionOf(kind));
    // The texts carry their own line breaks (LF CR or CR LF): one break each.
    QString shown = text;
    shown.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    box.setText(shown);
    box.setTextFormat(Qt::PlainText);
    switch (kind) {
    case BoxKind::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case BoxKind::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case BoxKind::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    case BoxKind::Confirmation:
        box.setIcon(QMessageBox::Question);
        break;
    case BoxKind::Plain:
        box.setIcon(QMessageBox::NoIcon);
        break;
    }
    QPushButton *yes = nullptr;
    QPushButton *no = nullptr;
    QPushButton *cancel = nullptr;
    QPushButton *ok = nullptr;
    if (buttons == Buttons::Ok) {
        ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.setDefaultButton(ok);
    } else {
        yes = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
        no = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
        if (buttons == Buttons::YesNoCancel)
            cancel = box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
        box.setDefaultButton(yes);
        box.setEscapeButton(cancel ? cancel : no);
    }
    box.exec();
    QAbstractButton *clicked = box.clickedButton();
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    if (clicked == yes)
        return Answer::Yes;
    if (clicked == no)
        return Answer::No;
    return cancel ? Answer::Cancel : Answer::No;
}

std::optional<QString> WidgetInteraction::inputQuery(const QString &title, const QString &prompt,
                                                     const QString &defaultText)
{
    QInputDialog dialog(m_parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Abbrechen"));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

QString WidgetInteraction::openFileName(const QString &title, const QString &defaultSuffix,
                                       const QString &directory, const QStringList &filters)
{
    QFileDialog dialog(m_parent, title, directory);
    if (!filters.isEmpty())
        dialog.setNameFilters(filters);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QString WidgetInteraction::saveFileName(const QString &title, const QString &directory,
                                        const QString &proposedName, const QString &filter)
{
    QFileDialog dialog(m_parent, title, directory);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // Filters come as "description|pattern"; the dialog shows the description
    // and lists the files of the pattern in either case.
    const qsizetype bar = filter.indexOf(u'|');
    if (bar >= 0) {
        const QString pattern = filter.mid(bar + 1);
        dialog.setNameFilter(filter.left(bar) + QStringLiteral(" (") + pattern + u' '
                             + pattern.toLower() + u')');
        dialog.setOption(QFileDialog::HideNameFilterDetails);
    } else if (!filter.isEmpty()) {
        dialog.setNameFilter(filter);
    }
    dialog.selectFile(proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

void WidgetInteraction::showWindow(Window window)
{
    if (windowOpener)
        windowOpener(window);
}

} // namespace tamb
