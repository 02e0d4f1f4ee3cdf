// A private X server for one test: starts Xvfb on a free display number
// (the server picks it and tells it through -displayfd), waits until it
// accepts connections, points DISPLAY at it, and on destruction ends it and
// restores DISPLAY. The server has the RECORD and XTEST extensions.
#ifndef XVFBSERVER_H
#define XVFBSERVER_H

#include <QByteArray>
#include <QSize>
#include <QString>

#include <sys/types.h>

class XvfbServer
{
public:
    explicit XvfbServer(QSize screenSize = QSize(1280, 800), int depth = 24);
    ~XvfbServer();

    XvfbServer(const XvfbServer &) = delete;
    XvfbServer &operator=(const XvfbServer &) = delete;

    // Starts the server and sets DISPLAY; false with a reason when Xvfb is
    // missing or does not come up.
    bool start(QString *error = nullptr);
    // When Xvfb is installed, starts it for the whole test program and
    // points Qt at it: call before the QApplication is built. False when
    // there is no server (the tests then skip).
    bool startForApplication();
    void stop();

    bool isRunning() const { return m_pid > 0; }
    // ":N" while running.
    QString displayName() const { return m_displayName; }

    // Whether the Xvfb program is installed.
    static bool available();

private:
    QSize m_screenSize;
    int m_depth;
    pid_t m_pid = -1;
    QString m_displayName;
    bool m_hadDisplay = false;
    QByteArray m_previousDisplay;
};

#endif
