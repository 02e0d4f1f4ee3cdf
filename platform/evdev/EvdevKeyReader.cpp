#include "platform/evdev/EvdevKeyReader.h"

#include "platform/LowLevelKeyRecord.h"
#include "platform/x11/X11KeyTranslator.h"

#include <QDebug>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <linux/input.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The X server numbers keys as the kernel does, plus 8; the translation
// table is shared with the X hook, so both report a key alike.
constexpr int kXKeyCodeOffset = 8;

std::atomic<bool> g_refusalLogged{false};

} // namespace

EvdevKeyReader::EvdevKeyReader(QObject *parent) : QObject(parent) {}

EvdevKeyReader::~EvdevKeyReader()
{
    stop();
}

int EvdevKeyReader::openNode(const QString &node)
{
    const QByteArray path = node.toLocal8Bit();
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOFOLLOW | O_NOCTTY);
    if (fd < 0)
        return -1;
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISCHR(st.st_mode)) {
        ::close(fd);
        errno = ENODEV;
        return -1;
    }
    return fd;
}

int EvdevKeyReader::readNodes(const QStringList &nodes)
{
    stop();
    std::vector<int> fds;
    QStringList opened;
    for (const QString &node : nodes) {
        const int fd = openNode(node);
        if (fd < 0) {
            const int error = errno;
            if (!g_refusalLogged.exchange(true))
                qDebug().noquote() << "Own keyboard input: cannot read" << node << "(" + QString::fromLocal8Bit(strerror(error))
                                          + "); reactive light effects see this keyboard's presses only while an X "
                                            "program has the focus (install 70-lumtar.rules)";
            continue;
        }
        fds.push_back(fd);
        opened << node;
    }
    if (!fds.empty())
        readDescriptors(fds);
    m_nodes = opened;
    return int(fds.size());
}

void EvdevKeyReader::readDescriptors(const std::vector<int> &fds)
{
    stop();
    m_wakeFd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (m_wakeFd < 0) {
        for (int fd : fds)
            ::close(fd);
        return;
    }
    m_thread = std::thread(&EvdevKeyReader::run, this, fds, m_wakeFd);
}

void EvdevKeyReader::stop()
{
    if (m_thread.joinable()) {
        const uint64_t one = 1;
        (void)!::write(m_wakeFd, &one, sizeof(one));
        m_thread.join();
    }
    if (m_wakeFd >= 0)
        ::close(m_wakeFd);
    m_wakeFd = -1;
    m_nodes.clear();
}

void EvdevKeyReader::run(std::vector<int> fds, int wakeFd)
{
    X11KeyTranslator translator;
    std::vector<pollfd> polled;
    polled.push_back({wakeFd, POLLIN, 0});
    for (int fd : fds)
        polled.push_back({fd, POLLIN, 0});
    input_event events[64];
    while (true) {
        if (::poll(polled.data(), nfds_t(polled.size()), -1) < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        if (polled[0].revents)
            break;
        for (size_t i = 1; i < polled.size(); ++i) {
            pollfd &p = polled[i];
            if (p.fd < 0 || !p.revents)
                continue;
            const ssize_t n = ::read(p.fd, events, sizeof(events));
            if (n < 0 && (errno == EAGAIN || errno == EINTR))
                continue;
            if (n <= 0 || (p.revents & (POLLERR | POLLHUP | POLLNVAL))) {
                // Gone with its keyboard.
                ::close(p.fd);
                p.fd = -1;
                continue;
            }
            // Whole events only; the kernel never hands out a part of one.
            const size_t count = size_t(n) / sizeof(input_event);
            for (size_t e = 0; e < count; ++e) {
                const input_event &ev = events[e];
                if (ev.type != EV_KEY || (ev.value != 0 && ev.value != 1) || ev.code > KEY_MAX - kXKeyCodeOffset)
                    continue;
                LowLevelKeyRecord record;
                if (translator.translate(ev.value == 1, ev.code + kXKeyCodeOffset, 0, &record))
                    emit keyEvent(record.vkCode, record.scanCode, record.flags);
            }
        }
    }
    for (const pollfd &p : polled)
        if (p.fd >= 0 && p.fd != wakeFd)
            ::close(p.fd);
}
