#include "support/PulseServer.h"

#include "support/ChildProcess.h"

#include <QDir>
#include <QElapsedTimer>
#include <QList>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

constexpr int kStartTimeoutMs = 15000;
constexpr int kStopTimeoutMs = 5000;

bool socketAnswers(const QByteArray &path)
{
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.constData(), sizeof(address.sun_path) - 1);
    const bool connected = ::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)) == 0;
    close(fd);
    return connected;
}

} // namespace

PulseServer::PulseServer(const QString &sinkName) : m_sinkName(sinkName), m_dir(QDir::tempPath() + "/lumtar-pulse-XXXXXX")
{
}

PulseServer::~PulseServer()
{
    stop();
    if (m_environmentSet) {
        if (m_hadServer)
            qputenv("PULSE_SERVER", m_previousServer);
        else
            qunsetenv("PULSE_SERVER");
    }
}

bool PulseServer::available()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pulseaudio")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("pactl")).isEmpty();
}

QString PulseServer::address() const
{
    return QStringLiteral("unix:%1/native").arg(m_dir.path());
}

bool PulseServer::start(QString *error)
{
    auto failed = [error](const QString &text) {
        if (error)
            *error = text;
        return false;
    };
    if (isRunning())
        return true;
    if (!m_dir.isValid())
        return failed(QStringLiteral("no temporary folder"));
    const QString program = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
    if (program.isEmpty())
        return failed(QStringLiteral("pulseaudio is not installed"));

    const QString dir = m_dir.path();
    QDir().mkpath(dir + "/runtime");
    const QByteArray socketPath = (dir + "/native").toLocal8Bit();
    QList<QByteArray> arguments{program.toLocal8Bit(),
                                "-n",
                                "--daemonize=no",
                                "--exit-idle-time=-1",
                                "--use-pid-file=no",
                                "--log-target=stderr",
                                "-L",
                                "module-null-sink sink_name=" + m_sinkName.toLatin1(),
                                "-L",
                                "module-native-protocol-unix socket=" + socketPath + " auth-anonymous=1"};
    std::vector<char *> argv;
    for (QByteArray &argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    // The server's home and runtime folder are ours, so it touches nothing
    // of the user's (and finds no other server's files).
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), dir);
    environment.insert(QStringLiteral("PULSE_RUNTIME_PATH"), dir + "/runtime");
    environment.remove(QStringLiteral("PULSE_SERVER"));
    QList<QByteArray> environmentLines;
    for (const QString &line : environment.toStringList())
        environmentLines.append(line.toLocal8Bit());
    std::vector<char *> envp;
    for (QByteArray &line : environmentLines)
        envp.push_back(line.data());
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    const QByteArray logPath = (dir + "/server.log").toLocal8Bit();
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, logPath.constData(), O_WRONLY | O_CREAT | O_APPEND,
                                     0600);
    pid_t pid = -1;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return failed(QStringLiteral("cannot start pulseaudio: %1").arg(QString::fromLocal8Bit(strerror(spawned))));
    m_pid = pid;

    QElapsedTimer clock;
    clock.start();
    while (!socketAnswers(socketPath)) {
        if (waitpid(m_pid, nullptr, WNOHANG) == m_pid) {
            m_pid = -1;
            return failed(QStringLiteral("pulseaudio ended at start (log in %1)").arg(QString::fromLocal8Bit(logPath)));
        }
        if (clock.elapsed() > kStartTimeoutMs) {
            stop(true);
            return failed(QStringLiteral("pulseaudio did not come up"));
        }
        usleep(20 * 1000);
    }

    if (!m_environmentSet) {
        m_hadServer = qEnvironmentVariableIsSet("PULSE_SERVER");
        m_previousServer = qgetenv("PULSE_SERVER");
        m_environmentSet = true;
    }
    qputenv("PULSE_SERVER", address().toLocal8Bit());
    return true;
}

void PulseServer::stop(bool crash)
{
    if (m_pid <= 0)
        return;
    ChildProcess::end(m_pid, crash ? SIGKILL : SIGTERM, kStopTimeoutMs);
    m_pid = -1;
}

bool PulseServer::pactl(const QStringList &arguments, QString *output) const
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PULSE_SERVER"), address());
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral("pactl"), arguments);
    if (!process.waitForFinished(10000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return false;
    if (output)
        *output = QString::fromLocal8Bit(process.readAllStandardOutput());
    return true;
}

bool PulseServer::addNullSink(const QString &name) const
{
    return pactl({QStringLiteral("load-module"), QStringLiteral("module-null-sink"), "sink_name=" + name});
}

bool PulseServer::setDefaultSink(const QString &name) const
{
    return pactl({QStringLiteral("set-default-sink"), name});
}

bool PulseServer::suspendSink(const QString &name, bool suspend) const
{
    return pactl({QStringLiteral("suspend-sink"), name, suspend ? QStringLiteral("1") : QStringLiteral("0")});
}
