#include "platform/TerminationSignalNotifier.h"

#include <QDebug>
#include <QSocketNotifier>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

const int kSignals[] = {SIGTERM, SIGINT, SIGHUP};
constexpr int kSignalCount = sizeof kSignals / sizeof kSignals[0];

// The pipe's write end while a notifier exists; -1 otherwise.
std::atomic<int> g_writeEnd{-1};
struct sigaction g_previous[kSignalCount];

void onTerminationSignal(int sig)
{
    const int savedErrno = errno;
    // The next one of these ends the program at once.
    for (int s : kSignals)
        ::signal(s, SIG_DFL);
    const int fd = g_writeEnd.load();
    const unsigned char number = static_cast<unsigned char>(sig);
    if (fd < 0 || ::write(fd, &number, 1) != 1) {
        errno = savedErrno;
        ::raise(sig);
        return;
    }
    errno = savedErrno;
}

} // namespace

TerminationSignalNotifier::TerminationSignalNotifier(QObject *parent)
    : QObject(parent)
{
    int fds[2];
    if (g_writeEnd.load() >= 0 || ::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) {
        qDebug() << "Termination signals: no pipe, they end the program at once";
        return;
    }
    m_readEnd = fds[0];
    m_writeEnd = fds[1];
    g_writeEnd.store(m_writeEnd);

    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    for (int i = 0; i < kSignalCount; ++i)
        ::sigaction(kSignals[i], &action, &g_previous[i]);

    m_notifier = new QSocketNotifier(m_readEnd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignalNotifier::onPipeReadable);
}

TerminationSignalNotifier::~TerminationSignalNotifier()
{
    if (!m_notifier)
        return;
    for (int i = 0; i < kSignalCount; ++i)
        ::sigaction(kSignals[i], &g_previous[i], nullptr);
    g_writeEnd.store(-1);
    delete m_notifier;
    ::close(m_readEnd);
    ::close(m_writeEnd);
}

QString TerminationSignalNotifier::signalName(int signalNumber)
{
    switch (signalNumber) {
    case SIGTERM:
        return QStringLiteral("SIGTERM");
    case SIGINT:
        return QStringLiteral("SIGINT");
    case SIGHUP:
        return QStringLiteral("SIGHUP");
    default:
        return QString::number(signalNumber);
    }
}

void TerminationSignalNotifier::onPipeReadable()
{
    unsigned char number = 0;
    ssize_t n;
    while ((n = ::read(m_readEnd, &number, 1)) == 1)
        emit sigTerminationRequested(number);
}
