#pragma once

#include <QStringList>
#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTextBrowser;
class QTreeWidget;

namespace tamb {

// Help context of the settings dialog ("Einstellungen für die Schule").
constexpr int SettingsHelpContext = 400;

// The built-in German handbook: a contents tree, back and forward, a search
// over all pages, and topics by help context.
class HelpWindow : public QWidget
{
    Q_OBJECT
public:
    static void showContents();
    static void showTopic(int context);
    // Opens a page of the handbook ("meldungen.html#sport").
    static void showPage(const QString &page);
    // F1 anywhere: the widget under the pointer may explain itself (it
    // accepts a QEvent::WhatsThis); otherwise the topic of the focused
    // control (its "helpContext" property, or its parents').
    static void installF1Handler();
    static int contextOf(const QWidget *widget);
    static QString pageFor(int context);

    // The handbook's pages in the order of its contents.
    static const QStringList &pages();
    // The explanation of the message-area line under `pos` of `label`,
    // which shows `messages` (the model's text): "meldungen.html#..." or
    // empty.
    static QString messageExplanationAt(const QLabel *label, const QString &messages,
                                        const QPoint &pos);
    // The line of the message area (index into MessageLines) under `pos`;
    // -1 above or below the text.
    static int messageLineAt(const QLabel *label, const QString &messages, const QPoint &pos);
    // Where `label` draws each line of `messages`, in its own coordinates.
    static QList<QRect> messageLineRects(const QLabel *label, const QString &messages);
    // The explanation of a refusal hint, or empty.
    static QString hintExplanation(const QString &hint);
    // The line a refusal hint gets to offer its explanation.
    static const QString HintOffer;

    // The open window, if any (tests).
    static HelpWindow *current();
    QTextBrowser *browser() const { return m_browser; }
    QTreeWidget *contentsTree() const { return m_contents; }
    QLineEdit *searchField() const { return m_search; }
    QListWidget *searchResults() const { return m_results; }
    // Pages containing every word of `query` (case ignored), in contents order.
    static QStringList search(const QString &query);
protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    explicit HelpWindow(QWidget *parent = nullptr);
    static HelpWindow *instance();
    void open(const QString &page);
    void buildContents();
    void runSearch();
    void sourceChanged(const QUrl &url);

    QTextBrowser *m_browser;
    QTreeWidget *m_contents;
    QLineEdit *m_search;
    QListWidget *m_results;
    QPushButton *m_back;
    QPushButton *m_forward;
    QString m_highlight;
};

} // namespace tamb
