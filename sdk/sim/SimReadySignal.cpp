#include "sdk/sim/SimReadySignal.h"

#include <cerrno>
#include <cstdint>
#include <sys/eventfd.h>
#include <unistd.h>

namespace lumtar {
namespace sim {

SimReadySignal::SimReadySignal() : m_fd(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

SimReadySignal::~SimReadySignal()
{
    if (m_fd >= 0)
        close(m_fd);
}

void SimReadySignal::raise()
{
    if (m_raised || m_fd < 0)
        return;
    const uint64_t one = 1;
    while (write(m_fd, &one, sizeof one) < 0 && errno == EINTR) {
    }
    m_raised = true;
}

void SimReadySignal::lower()
{
    if (!m_raised || m_hungUp || m_fd < 0)
        return;
    uint64_t count = 0;
    while (read(m_fd, &count, sizeof count) < 0 && errno == EINTR) {
    }
    m_raised = false;
}

void SimReadySignal::hangUp()
{
    raise();
    m_hungUp = true;
}

} // namespace sim
} // namespace lumtar
