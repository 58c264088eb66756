#include "app/HelpWindow.h"

#include "widgets/GridView.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QHBoxLayout>

namespace tamb {

namespace {

class F1Filter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_F1) {
            QWidget *focus = QApplication::focusWidget();
            if (!focus)
                focus = qobject_cast<QWidget *>(watched);
            HelpWindow::showTopic(HelpWindow::contextOf(focus));
            return true; // the topic opens once
        }
        return QObject::eventFilter(watched, event);
    }
};

QPointer<HelpWindow> theHelp;

} // namespace

HelpWindow::HelpWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("Tamberon - Hilfe"));
    resize(560, 620);
    m_browser = new QTextBrowser(this);
    m_browser->setOpenLinks(true);
    m_browser->setSearchPaths({QStringLiteral(":/help")});
    m_browser->setFont(programFont(10));
    auto *contents = new QPushButton(QStringLiteral("&Inhalt"), this);
    auto *back = new QPushButton(QStringLiteral("&Zurück"), this);
    auto *close = new QPushButton(QStringLiteral("&Schließen"), this);
    connect(contents, &QPushButton::clicked, this, [this] { open(pageFor(0)); });
    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addStretch();
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_browser);
    setAttribute(Qt::WA_DeleteOnClose);
}

// Escape closes the help as its button does.
void HelpWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

HelpWindow *HelpWindow::instance()
{
    if (!theHelp)
        theHelp = new HelpWindow;
    return theHelp;
}

QString HelpWindow::pageFor(int context)
{
    switch (context) {
    case 10:
        return QStringLiteral("qrc:/help/hauptfenster.html");
    case 100:
        return QStringLiteral("qrc:/help/kurstabelle.html");
    case 220:
        return QStringLiteral("qrc:/help/noten.html");
    case 300:
    case 330:
    case 340:
        return QStringLiteral("qrc:/help/noteneingabe.html");
    case 320:
        return QStringLiteral("qrc:/help/einzelwerte.html");
    case 350:
    case 600:
        return QStringLiteral("qrc:/help/pruefung.html");
    default:
        return QStringLiteral("qrc:/help/index.html");
    }
}

int HelpWindow::contextOf(const QWidget *widget)
{
    for (const QWidget *w = widget; w; w = w->parentWidget()) {
        const QVariant context = w->property("helpContext");
        if (context.isValid())
            return context.toInt();
    }
    return 0;
}

void HelpWindow::open(const QString &page)
{
    m_browser->setSource(QUrl(page));
    show();
    raise();
    activateWindow();
}

void HelpWindow::showContents()
{
    instance()->open(pageFor(0));
}

void HelpWindow::showTopic(int context)
{
    instance()->open(pageFor(context));
}

void HelpWindow::installF1Handler()
{
    qApp->installEventFilter(new F1Filter(qApp));
}

} // namespace tamb
