#pragma once

// Shared by the two start programs: the runner hands over its clock reading
// just before it launches the process ("--t0 NS", steady clock, which on
// Linux is one clock for all processes); once the window has been shown and
// painted the program prints the time since then and its peak memory, and
// quits.

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace bench {

inline qint64 steadyNowNs()
{
    using namespace std::chrono;
    return duration_cast<nanoseconds>(steady_clock::now().time_since_epoch()).count();
}

// The runner's clock reading; -1 when started by hand.
inline qint64 launchTimeNs(int argc, char **argv)
{
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--t0") == 0)
            return std::strtoll(argv[i + 1], nullptr, 10);
    return -1;
}

inline const char *argumentAfter(int argc, char **argv, const char *option)
{
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], option) == 0)
            return argv[i + 1];
    return nullptr;
}

// Milliseconds of "--hold MS"; 0 without it.
inline int holdMs(int argc, char **argv)
{
    const char *hold = argumentAfter(argc, argv, "--hold");
    return hold ? std::atoi(hold) : 0;
}

// Peak resident memory in KiB; -1 where the system does not tell.
inline qint64 peakMemoryKb()
{
#ifdef Q_OS_LINUX
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
#endif
    return -1;
}

// Notes the first paint event of a window.
class PaintWatch : public QObject
{
public:
    explicit PaintWatch(QWidget *window) : QObject(window) { window->installEventFilter(this); }
    bool painted() const { return m_painted; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            m_painted = true;
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_painted = false;
};

// After show(): waits in zero timers until the window has been painted,
// then prints "shown_us=... peak_kb=..." and ends the event loop, at once
// or after `holdForMs` (to look at the window).
inline void reportWhenShown(QWidget *window, qint64 t0, int holdForMs = 0)
{
    auto *watch = new PaintWatch(window);
    auto *timer = new QTimer(window);
    timer->setInterval(0);
    QObject::connect(timer, &QTimer::timeout, window, [watch, timer, t0, holdForMs] {
        if (!watch->painted())
            return;
        timer->stop();
        const qint64 shownUs = t0 < 0 ? -1 : (steadyNowNs() - t0) / 1000;
        std::printf("shown_us=%lld peak_kb=%lld\n", static_cast<long long>(shownUs),
                    static_cast<long long>(peakMemoryKb()));
        std::fflush(stdout);
        QTimer::singleShot(holdForMs, QCoreApplication::instance(), &QCoreApplication::quit);
    });
    timer->start();
}

} // namespace bench
