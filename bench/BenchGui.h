// What the benchmarks of windows and devices share: a home of their own with
// simulated keyboards, the GUI event loop run the way the application idles
// (for a while, or until something holds), and elapsed times in milliseconds.
#ifndef BENCHGUI_H
#define BENCHGUI_H

#include <QByteArray>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
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

// Runs the GUI event loop until `done` holds, looking every `stepMs`; false
// when `timeoutMs` passed first.
inline bool idleUntil(const std::function<bool()> &done, int timeoutMs, int stepMs = 1)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        idle(stepMs);
    }
    return true;
}

inline double millis(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

// Message handler that drops every log line.
inline void quiet(QtMsgType, const QMessageLogContext &, const QString &) {}

// Before the application object: the user's data and settings stay
// untouched (everything goes below `home`), the keyboards of `models`
// (comma-separated) are simulated, the window is drawn off screen unless a
// platform is chosen, and nothing is logged.
inline void prepareApplication(const QTemporaryDir &home, const char *models)
{
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(QStringLiteral("data"))));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("LUMTAR_SIMULATED_DEVICES", models);
    qInstallMessageHandler(quiet);
}

} // namespace bench

#endif
