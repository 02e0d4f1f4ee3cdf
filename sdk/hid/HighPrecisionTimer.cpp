#include "sdk/hid/HighPrecisionTimer.h"

#include <cerrno>
#include <ctime>

namespace lumtar {

HighPrecisionTimer& HighPrecisionTimer::instance()
{
    static HighPrecisionTimer timer;
    return timer;
}

uint64_t HighPrecisionTimer::create()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const uint64_t id = m_next++;
    m_running[id] = false;
    return id;
}

bool HighPrecisionTimer::start(uint64_t id)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const auto it = m_running.find(id);
    if (it == m_running.end())
        return false;
    it->second = true;
    return true;
}

bool HighPrecisionTimer::stop(uint64_t id)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    // A stopped timer is done with: forget it.
    return m_running.erase(id) > 0;
}

bool HighPrecisionTimer::wait(int interval, uint64_t id)
{
    bool running;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        const auto it = m_running.find(id);
        running = it != m_running.end() && it->second;
    }
    const int units = interval < 1 ? 1 : (interval > kMaxUnits ? kMaxUnits : interval);
    const long long micros = static_cast<long long>(units) * kUnitMicroseconds;
    timespec deadline;
    clock_gettime(CLOCK_MONOTONIC, &deadline);
    deadline.tv_sec += static_cast<time_t>(micros / 1000000);
    deadline.tv_nsec += static_cast<long>((micros % 1000000) * 1000);
    if (deadline.tv_nsec >= 1000000000L) {
        deadline.tv_nsec -= 1000000000L;
        ++deadline.tv_sec;
    }
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &deadline, nullptr) == EINTR) {
    }
    return running;
}

} // namespace lumtar
