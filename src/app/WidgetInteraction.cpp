#include "app/WidgetInteraction.h"

#include <QApplication>
#include <QGridLayout>
#include <QSpacerItem>
#include <QScreen>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace tamb {

namespace {

// A message box centred over the window that asked, wide enough for its
// caption and the buttons of its title bar.
class CentredBox : public QMessageBox
{
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent *event) override
    {
        QMessageBox::showEvent(event);
        WidgetInteraction::centreOver(this, parentWidget());
    }

    // Centred again once the window manager has framed the box, and when
    // the box changes its size.
    void resizeEvent(QResizeEvent *event) override
    {
        QMessageBox::resizeEvent(event);
        if (isVisible())
            WidgetInteraction::centreOver(this, parentWidget());
    }

    void moveEvent(QMoveEvent *event) override
    {
        QMessageBox::moveEvent(event);
        if (!m_framed && frameGeometry() != geometry()) {
            m_framed = true;
            WidgetInteraction::centreOver(this, parentWidget());
        }
    }

private:
    bool m_framed = false;
};

} // namespace

QWidget *WidgetInteraction::opener() const
{
    // The window that is in front asked; a popup or a box of our own is no opener.
    QWidget *active = QApplication::activeWindow();
    if (active && active->isVisible() && active->windowType() != Qt::Popup
        && !qobject_cast<QMessageBox *>(active))
        return active;
    return m_parent;
}

void WidgetInteraction::centreOver(QWidget *dialog, const QWidget *opener)
{
    // A window not shown yet stands in the middle of the screen.
    if (!opener || !opener->isVisible()) {
        if (const QScreen *screen = dialog->screen()) {
            QRect box(QPoint(), dialog->frameGeometry().size());
            box.moveCenter(screen->availableGeometry().center());
            dialog->move(box.topLeft());
        }
        return;
    }
    const QRect over = opener->window()->frameGeometry();
    // The dialog's frame is not known before it is mapped: the opener's is a
    // good guess.
    const QMargins frame(opener->window()->geometry().left() - over.left(),
                         opener->window()->geometry().top() - over.top(),
                         over.right() - opener->window()->geometry().right(),
                         over.bottom() - opener->window()->geometry().bottom());
    QRect box(QPoint(), dialog->size().grownBy(frame));
    box.moveCenter(over.center());
    if (const QScreen *screen = opener->screen()) {
        const QRect area = screen->availableGeometry();
        box.moveRight(qMin(box.right(), area.right()));
        box.moveBottom(qMin(box.bottom(), area.bottom()));
        box.moveLeft(qMax(box.left(), area.left()));
        box.moveTop(qMax(box.top(), area.top()));
    }
    dialog->move(box.topLeft());
}

int WidgetInteraction::widthForCaption(const QString &caption)
{
    // The title bar shows an icon, the caption and three buttons, each about
    // as wide as the bar is high.
    QFont font = QApplication::font();
    font.setBold(true);
    const QFontMetrics fm(font);
    return fm.horizontalAdvance(caption) + 4 * (fm.height() + 10);
}

void WidgetInteraction::backTo(QWidget *opener)
{
    if (!opener || !opener->isVisible())
        return;
    opener->window()->raise();
    opener->window()->activateWindow();
}

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
    QPointer<QWidget> asking = opener();
    CentredBox box(asking);
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
    // Room for the caption: the box takes the width of its layout, which it
    // builds anew with every button and icon, so this comes last.
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout()))
        grid->addItem(new QSpacerItem(widthForCaption(box.windowTitle()), 0, QSizePolicy::Fixed,
                                      QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
    box.exec();
    backTo(asking);
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
    QPointer<QWidget> asking = opener();
    QInputDialog dialog(asking);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Abbrechen"));
    dialog.setMinimumWidth(widthForCaption(title));
    const int result = dialog.exec();
    backTo(asking);
    if (result != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

QString WidgetInteraction::openFileName(const QString &title, const QString &defaultSuffix,
                                       const QString &directory, const QStringList &filters)
{
    QFileDialog dialog(opener(), title, directory);
    if (!filters.isEmpty())
        dialog.setNameFilters(filters);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QString WidgetInteraction::folderName(const QString &title, const QString &directory)
{
    return QFileDialog::getExistingDirectory(opener(), title, directory);
}

QString WidgetInteraction::saveFileName(const QString &title, const QString &directory,
                                        const QString &proposedName, const QString &filter)
{
    QFileDialog dialog(opener(), title, directory);
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
