#include "support/XvfbServer.h"

#include "support/ChildProcess.h"

#include <QList>
#include <QStandardPaths>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

// How long the server may take to come up, and to end.
constexpr int kStartTimeoutMs = 15000;
constexpr int kStopTimeoutMs = 5000;

QString xvfbPath()
{
    return QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
}

} // namespace

XvfbServer::XvfbServer(QSize screenSize, int depth) : m_screenSize(screenSize), m_depth(depth)
{
}

XvfbServer::~XvfbServer()
{
    stop();
}

bool XvfbServer::available()
{
    return !xvfbPath().isEmpty();
}

bool XvfbServer::startForApplication()
{
    if (!available() || !start())
        return false;
    qputenv("QT_QPA_PLATFORM", "xcb");
    // No GL integration and no session bus: the tray is the X one, and no
    // library is loaded that keeps memory past the end.
    qputenv("QT_XCB_GL_INTEGRATION", "none");
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent");
    return true;
}

bool XvfbServer::start(QString *error)
{
    auto failed = [error](const QString &text) {
        if (error)
            *error = text;
        return false;
    };
    if (isRunning())
        return true;
    const QString program = xvfbPath();
    if (program.isEmpty())
        return failed(QStringLiteral("Xvfb is not installed"));

    int fds[2];
    if (pipe(fds) != 0)
        return failed(QStringLiteral("pipe: %1").arg(QString::fromLocal8Bit(strerror(errno))));
    const int readEnd = fds[0];
    const int writeEnd = fds[1];
    fcntl(readEnd, F_SETFD, FD_CLOEXEC);

    const QByteArray programPath = program.toLocal8Bit();
    const QByteArray fdText = QByteArray::number(writeEnd);
    const QByteArray screen = QStringLiteral("%1x%2x%3").arg(m_screenSize.width()).arg(m_screenSize.height())
                                  .arg(m_depth).toLatin1();
    QList<QByteArray> arguments{programPath, "-displayfd", fdText, "-nolisten", "tcp", "-noreset",
                                "-screen", "0", screen, "+extension", "RECORD", "+extension", "XTEST"};
    std::vector<char *> argv;
    for (QByteArray &argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addclose(&actions, readEnd);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    const int spawned = posix_spawn(&pid, programPath.constData(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(writeEnd);
    if (spawned != 0) {
        close(readEnd);
        return failed(QStringLiteral("cannot start Xvfb: %1").arg(QString::fromLocal8Bit(strerror(spawned))));
    }
    m_pid = pid;

    // The server writes its display number once it accepts connections.
    QByteArray number;
    int waited = 0;
    while (waited < kStartTimeoutMs && !number.contains('\n')) {
        pollfd pfd{readEnd, POLLIN, 0};
        const int ready = poll(&pfd, 1, 100);
        waited += 100;
        if (ready <= 0)
            continue;
        char buffer[32];
        const ssize_t got = read(readEnd, buffer, sizeof(buffer));
        if (got <= 0)
            break; // the server ended before it was ready
        number.append(buffer, int(got));
    }
    close(readEnd);
    bool ok = false;
    const int display = number.trimmed().toInt(&ok);
    if (!number.contains('\n') || !ok) {
        stop();
        return failed(QStringLiteral("Xvfb did not come up"));
    }

    m_displayName = QStringLiteral(":%1").arg(display);
    m_hadDisplay = qEnvironmentVariableIsSet("DISPLAY");
    m_previousDisplay = qgetenv("DISPLAY");
    qputenv("DISPLAY", m_displayName.toLatin1());
    return true;
}

void XvfbServer::stop()
{
    if (m_pid <= 0)
        return;
    ChildProcess::end(m_pid, SIGTERM, kStopTimeoutMs);
    m_pid = -1;
    if (!m_displayName.isEmpty()) {
        if (m_hadDisplay)
            qputenv("DISPLAY", m_previousDisplay);
        else
            qunsetenv("DISPLAY");
    }
    m_displayName.clear();
}
