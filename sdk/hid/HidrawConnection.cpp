#include "sdk/hid/HidrawConnection.h"

#include <cerrno>
#include <fcntl.h>
#include <linux/hidraw.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lumtar {

std::unique_ptr<HidrawConnection> HidrawConnection::open(const std::string& osPath, int* errorNumber)
{
    if (errorNumber)
        *errorNumber = 0;
    // The enumerated node itself, never a link put in its place.
    const int fd = ::open(osPath.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) {
        if (errorNumber)
            *errorNumber = errno;
        return nullptr;
    }
    struct stat st {};
    int descriptorSize = 0;
    if (fstat(fd, &st) != 0 || !S_ISCHR(st.st_mode) || ioctl(fd, HIDIOCGRDESCSIZE, &descriptorSize) < 0) {
        if (errorNumber)
            *errorNumber = ENODEV;
        ::close(fd);
        return nullptr;
    }
    return std::unique_ptr<HidrawConnection>(new HidrawConnection(fd));
}

HidrawConnection::~HidrawConnection()
{
    ::close(m_fd);
}

int HidrawConnection::read(uint8_t* buffer, size_t capacity, int timeoutMs)
{
    pollfd p{ m_fd, POLLIN, 0 };
    const int n = poll(&p, 1, timeoutMs < 0 ? 0 : timeoutMs);
    if (n < 0)
        return errno == EINTR ? 0 : -1;
    if (n == 0)
        return 0;
    // The node hung up: the device is gone, whatever is still queued.
    if (p.revents & (POLLERR | POLLHUP | POLLNVAL))
        return -1;
    ssize_t got;
    do {
        got = ::read(m_fd, buffer, capacity);
    } while (got < 0 && errno == EINTR);
    if (got < 0)
        return (errno == EAGAIN || errno == EWOULDBLOCK) ? 0 : -1;
    return static_cast<int>(got);
}

int HidrawConnection::write(const uint8_t* report, size_t length)
{
    ssize_t sent;
    do {
        sent = ::write(m_fd, report, length);
    } while (sent < 0 && errno == EINTR);
    return sent < 0 ? -1 : static_cast<int>(sent);
}

} // namespace lumtar
