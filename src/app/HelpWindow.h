#pragma once

#include <QWidget>

class QTextBrowser;

namespace tamb {

// The built-in German help: a contents page and topics by help context.
class HelpWindow : public QWidget
{
    Q_OBJECT
public:
    static void showContents();
    static void showTopic(int context);
    // F1 anywhere opens the topic of the focused control (its "helpContext"
    // property, or its parents').
    static void installF1Handler();
    static int contextOf(const QWidget *widget);
    static QString pageFor(int context);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    explicit HelpWindow(QWidget *parent = nullptr);
    static HelpWindow *instance();
    void open(const QString &page);

    QTextBrowser *m_browser;
};

} // namespace tamb
