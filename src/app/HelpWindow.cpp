#include "app/HelpWindow.h"

#include "rules/Explanations.h"
#include "widgets/GridView.h"
#include "widgets/ScreenPlacement.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QCursor>
#include <QFile>
#include <QHBoxLayout>
#include <QHash>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextBlock>
#include <QTextDocument>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tamb {

namespace {

const QString Root = QStringLiteral("qrc:/help/");

QString pageSource(const QString &page)
{
    QFile file(QStringLiteral(":/help/") + page);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

QString withoutTags(QString html)
{
    html.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    return html.simplified();
}

QString pageTitle(const QString &html)
{
    static const QRegularExpression title(QStringLiteral("<h1[^>]*>(.*?)</h1>"),
                                          QRegularExpression::DotMatchesEverythingOption);
    return withoutTags(title.match(html).captured(1));
}

// The page's text as the reader sees it, lower case, for the search.
const QString &searchText(const QString &page)
{
    static QHash<QString, QString> cache;
    auto it = cache.find(page);
    if (it == cache.end()) {
        QTextDocument doc;
        doc.setHtml(pageSource(page));
        it = cache.insert(page, doc.toPlainText().simplified().toLower());
    }
    return *it;
}

class F1Filter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent *>(event)->key() != Qt::Key_F1)
            return QObject::eventFilter(watched, event);
        // What lies under the pointer may explain itself, then the focus.
        const QPoint global = QCursor::pos();
        QWidget *focus = QApplication::focusWidget();
        for (QWidget *w : {QApplication::widgetAt(global), focus}) {
            if (!w)
                continue;
            QHelpEvent help(QEvent::WhatsThis, w->mapFromGlobal(global), global);
            help.ignore();
            QApplication::sendEvent(w, &help);
            if (help.isAccepted())
                return true;
        }
        if (!focus)
            focus = qobject_cast<QWidget *>(watched);
        HelpWindow::showTopic(HelpWindow::contextOf(focus));
        return true; // the topic opens once
    }
};

QPointer<HelpWindow> theHelp;

} // namespace

const QString HelpWindow::HintOffer = QStringLiteral("(F1: Erklärung in der Hilfe)");

HelpWindow::HelpWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("Tamberon - Hilfe"));
    resize(QSize(860, 640).boundedTo(roomOnScreen(this)));
    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("HilfeText"));
    m_browser->setOpenLinks(true);
    m_browser->setSearchPaths({QStringLiteral(":/help")});
    m_browser->setFont(programFont(10));

    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("HilfeSuche"));
    m_search->setPlaceholderText(QStringLiteral("Suchen in allen Seiten"));
    m_search->setClearButtonEnabled(true);
    m_search->setAccessibleName(QStringLiteral("Suchen in allen Seiten"));
    m_results = new QListWidget(this);
    m_results->setObjectName(QStringLiteral("HilfeTreffer"));
    m_results->setMaximumHeight(160);
    m_results->hide();
    m_contents = new QTreeWidget(this);
    m_contents->setObjectName(QStringLiteral("HilfeInhalt"));
    m_contents->setHeaderLabel(QStringLiteral("Inhalt"));
    buildContents();

    auto *side = new QWidget(this);
    auto *sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    auto *searchLabel = new QLabel(QStringLiteral("&Suchen:"), side);
    searchLabel->setBuddy(m_search);
    sideLayout->addWidget(searchLabel);
    sideLayout->addWidget(m_search);
    sideLayout->addWidget(m_results);
    sideLayout->addWidget(m_contents, 1);
    auto *splitter = new QSplitter(this);
    splitter->addWidget(side);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({250, 610});

    auto *contents = new QPushButton(QStringLiteral("&Inhalt"), this);
    m_back = new QPushButton(QStringLiteral("&Zurück"), this);
    m_forward = new QPushButton(QStringLiteral("&Vorwärts"), this);
    auto *close = new QPushButton(QStringLiteral("S&chließen"), this);
    m_back->setEnabled(false);
    m_forward->setEnabled(false);
    connect(contents, &QPushButton::clicked, this, [this] { open(pageFor(0)); });
    connect(m_back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QWidget::setEnabled);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::sourceChanged);
    connect(m_contents, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem *item) { open(item->data(0, Qt::UserRole).toString()); });
    connect(m_contents, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem *item) { open(item->data(0, Qt::UserRole).toString()); });
    connect(m_search, &QLineEdit::textChanged, this, &HelpWindow::runSearch);
    connect(m_search, &QLineEdit::returnPressed, this, [this] {
        if (m_results->count() > 0)
            m_results->setCurrentRow(0);
    });
    connect(m_results, &QListWidget::currentItemChanged, this, [this](QListWidgetItem *item) {
        if (item)
            open(item->data(Qt::UserRole).toString());
    });

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(m_back);
    buttons->addWidget(m_forward);
    buttons->addStretch();
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(splitter);
    setAttribute(Qt::WA_DeleteOnClose);
}

const QStringList &HelpWindow::pages()
{
    static const QStringList list = {
        QStringLiteral("index.html"),        QStringLiteral("kursstufe.html"),
        QStringLiteral("hauptfenster.html"), QStringLiteral("kurstabelle.html"),
        QStringLiteral("meldungen.html"),    QStringLiteral("einzelwerte.html"),
        QStringLiteral("noten.html"),        QStringLiteral("noteneingabe.html"),
        QStringLiteral("werkzeuge.html"),    QStringLiteral("blocki.html"),
        QStringLiteral("dateien.html"),      QStringLiteral("einstellungen.html"),
        QStringLiteral("jahrgang.html"),     QStringLiteral("koordinatoren.html"),
    };
    return list;
}

void HelpWindow::buildContents()
{
    static const QRegularExpression section(QStringLiteral("<h2 id=\"([^\"]+)\"[^>]*>(.*?)</h2>"),
                                            QRegularExpression::DotMatchesEverythingOption);
    for (const QString &page : pages()) {
        const QString html = pageSource(page);
        auto *item = new QTreeWidgetItem(m_contents, {pageTitle(html)});
        item->setData(0, Qt::UserRole, Root + page);
        for (auto it = section.globalMatch(html); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            auto *child = new QTreeWidgetItem(item, {withoutTags(m.captured(2))});
            child->setData(0, Qt::UserRole, Root + page + u'#' + m.captured(1));
        }
    }
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

HelpWindow *HelpWindow::current()
{
    return theHelp;
}

QString HelpWindow::pageFor(int context)
{
    switch (context) {
    case 10:
        return Root + QStringLiteral("hauptfenster.html");
    case 100:
        return Root + QStringLiteral("kurstabelle.html");
    case 220:
        return Root + QStringLiteral("noten.html");
    case 300:
        return Root + QStringLiteral("noteneingabe.html");
    case 320:
        return Root + QStringLiteral("einzelwerte.html");
    case 330:
        return Root + QStringLiteral("noteneingabe.html#halbjahr");
    case 340:
        return Root + QStringLiteral("noteneingabe.html#fach");
    case 350:
        return Root + QStringLiteral("noteneingabe.html#schriftlich");
    case 600:
        return Root + QStringLiteral("blocki.html#block2");
    case SettingsHelpContext:
        return Root + QStringLiteral("einstellungen.html");
    default:
        return Root + QStringLiteral("index.html");
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

QStringList HelpWindow::search(const QString &query)
{
    const QStringList words = query.toLower().split(u' ', Qt::SkipEmptyParts);
    QStringList found;
    if (words.isEmpty())
        return found;
    for (const QString &page : pages()) {
        const QString &text = searchText(page);
        if (std::all_of(words.begin(), words.end(), [&text](const QString &w) { return text.contains(w); }))
            found << page;
    }
    return found;
}

void HelpWindow::runSearch()
{
    m_results->clear();
    const QString query = m_search->text().simplified();
    m_highlight = query.split(u' ', Qt::SkipEmptyParts).value(0);
    m_results->setVisible(!query.isEmpty());
    if (query.isEmpty())
        return;
    const QStringList found = search(query);
    for (const QString &page : found) {
        auto *item = new QListWidgetItem(pageTitle(pageSource(page)), m_results);
        item->setData(Qt::UserRole, Root + page);
    }
    if (found.isEmpty())
        new QListWidgetItem(QStringLiteral("Nichts gefunden"), m_results);
}

void HelpWindow::sourceChanged(const QUrl &)
{
    // The words searched for are marked on every page they lead to.
    QList<QTextEdit::ExtraSelection> marks;
    if (!m_highlight.isEmpty() && m_results->isVisible()) {
        QTextCharFormat mark;
        mark.setBackground(QColor(255, 235, 120));
        QTextCursor at(m_browser->document());
        while (!(at = m_browser->document()->find(m_highlight, at)).isNull())
            marks.append({at, mark});
        if (!marks.isEmpty() && m_browser->source().fragment().isEmpty()) {
            m_browser->setTextCursor(marks.first().cursor);
            m_browser->ensureCursorVisible();
        }
    }
    m_browser->setExtraSelections(marks);
}

void HelpWindow::open(const QString &page)
{
    if (page.isEmpty())
        return;
    const QUrl url(page);
    if (m_browser->source().adjusted(QUrl::RemoveFragment) == url.adjusted(QUrl::RemoveFragment)
        && !url.fragment().isEmpty())
        m_browser->scrollToAnchor(url.fragment());
    m_browser->setSource(url);
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

void HelpWindow::showPage(const QString &page)
{
    instance()->open(Root + page);
}

QList<QRect> HelpWindow::messageLineRects(const QLabel *label, const QString &messages)
{
    // Lay the text out as the label does; the lines are parted by one gap.
    const qsizetype count = MessageLines(messages).size();
    const QString shown = shownText(messages);
    QTextDocument doc;
    doc.setDefaultFont(label->font());
    doc.setDocumentMargin(0);
    doc.setPlainText(shown);
    doc.setTextWidth(label->contentsRect().width());
    QList<QRect> rects;
    qsizetype start = 0;
    for (qsizetype i = 0; i < count; ++i) {
        qsizetype end = i + 1 < count ? shown.indexOf(QStringLiteral("\n\n"), start) : shown.size();
        if (end < 0)
            end = shown.size();
        QRectF rect;
        for (QTextBlock b = doc.findBlock(int(start)); b.isValid() && b.position() <= end; b = b.next())
            rect |= doc.documentLayout()->blockBoundingRect(b);
        rects << rect.toAlignedRect().translated(label->contentsRect().topLeft());
        start = end + 2;
    }
    return rects;
}

int HelpWindow::messageLineAt(const QLabel *label, const QString &messages, const QPoint &pos)
{
    const QList<QRect> rects = messageLineRects(label, messages);
    if (rects.isEmpty() || pos.y() < rects.first().top() || pos.y() > rects.last().bottom())
        return -1;
    // A gap between two lines belongs to the line above it.
    int index = 0;
    while (index + 1 < rects.size() && pos.y() >= rects[index + 1].top())
        ++index;
    return index;
}

QString HelpWindow::messageExplanationAt(const QLabel *label, const QString &messages,
                                         const QPoint &pos)
{
    const QStringList lines = MessageLines(messages);
    const int index = lines.size() > 1 ? messageLineAt(label, messages, pos) : 0;
    if (index < 0)
        return QString();
    const QString anchor = MessageExplanation(lines.value(index));
    return anchor.isEmpty() ? QString() : MessagesPage + u'#' + anchor;
}

QString HelpWindow::hintExplanation(const QString &hint)
{
    const QString anchor = HintExplanation(hint);
    return anchor.isEmpty() ? QString() : MessagesPage + u'#' + anchor;
}

void HelpWindow::installF1Handler()
{
    qApp->installEventFilter(new F1Filter(qApp));
}

} // namespace tamb
