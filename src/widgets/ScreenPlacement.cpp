#include "widgets/ScreenPlacement.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace tamb {

namespace {

QRect freeArea(const QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

QMargins frameOf(const QWidget *window)
{
    const QRect outer = window->frameGeometry();
    const QRect inner = window->geometry();
    return QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                    outer.right() - inner.right(), outer.bottom() - inner.bottom());
}

void place(QWidget *window, QPoint frameTopLeft)
{
    const QRect area = freeArea(window);
    if (area.isEmpty())
        return;
    QRect frame(frameTopLeft, window->frameGeometry().size());
    frame.moveRight(qMin(frame.right(), area.right()));
    frame.moveBottom(qMin(frame.bottom(), area.bottom()));
    frame.moveLeft(qMax(frame.left(), area.left()));
    frame.moveTop(qMax(frame.top(), area.top()));
    if (window->frameGeometry().topLeft() == frame.topLeft())
        return;
    // A window that is on the screen is moved by its frame explicitly: a
    // plain move may place its inner area there instead.
    if (QWindow *handle = window->windowHandle(); handle && handle->isVisible()) {
        // By the inner area: window managers do not all honour a frame position.
        const QMargins margins = frameOf(window);
        handle->setPosition(frame.topLeft() + QPoint(margins.left(), margins.top()));
    } else
        window->move(frame.topLeft());
}

// Places the window again whenever it moves or changes its size shortly
// after it is shown: that is when the window manager puts its frame round.
class Placer : public QObject
{
public:
    Placer(QWidget *window, QPoint frameTopLeft) : QObject(window), m_window(window), m_wanted(frameTopLeft)
    {
        setObjectName(QStringLiteral("ScreenPlacer"));
        if (window->isVisible())
            m_clock.start();
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window) {
            switch (event->type()) {
            case QEvent::Show:
            case QEvent::Move:
            case QEvent::Resize:
            case QEvent::WindowActivate:
                // Done once the frame is known (or it never comes). The wait
                // starts when the window is shown: a start box may come first.
                if (!m_clock.isValid() && event->type() == QEvent::Show)
                    m_clock.start();
                place(m_window, m_wanted);
                if (!frameOf(m_window).isNull() || (m_clock.isValid() && m_clock.elapsed() > 3000))
                    deleteLater();
                break;
            default:
                break;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QPointer<QWidget> m_window;
    QPoint m_wanted;
    QElapsedTimer m_clock;
};

} // namespace

void placeOnScreen(QWidget *window, QPoint frameTopLeft)
{
    for (QObject *old : window->findChildren<QObject *>(QStringLiteral("ScreenPlacer"),
                                                        Qt::FindDirectChildrenOnly))
        delete old;
    place(window, frameTopLeft);
    new Placer(window, frameTopLeft);
}

QSize roomOnScreen(const QWidget *window)
{
    const QRect area = freeArea(window);
    QMargins frame = frameOf(window);
    // Not framed yet: a title bar and borders of the usual size.
    if (frame.isNull())
        frame = QMargins(4, 30, 4, 4);
    return area.size().shrunkBy(frame);
}

} // namespace tamb
