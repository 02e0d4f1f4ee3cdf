// The GUI event loop as the benchmarks of windows and devices run it: idling
// for a while the way the application idles, idling until something holds,
// and elapsed times in milliseconds.
#ifndef BENCHEVENTLOOP_H
#define BENCHEVENTLOOP_H

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <functional>

namespace bench {

// Runs the GUI event loop for `ms` milliseconds.
inline void idle(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Runs the GUI event loop until `done` holds; false when `timeoutMs` passed first.
inline bool idleUntil(const std::function<bool()> &done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        idle(1);
    }
    return true;
}

inline double millis(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

// Message handler that drops every log line.
inline void quiet(QtMsgType, const QMessageLogContext &, const QString &) {}

} // namespace bench

#endif
