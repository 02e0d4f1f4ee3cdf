#include "sdk/hid/HighPrecisionTimer.h"

#include <cerrno>
#include <chrono>
#include <ctime>

namespace lumtar {

namespace {

// A plain sleep, for a wait on a timer that does not exist.
void sleepFor(long long micros)
{
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
}

} // namespace

HighPrecisionTimer& HighPrecisionTimer::instance()
{
    static HighPrecisionTimer timer;
    return timer;
}

std::shared_ptr<HighPrecisionTimer::Timer> HighPrecisionTimer::find(uint64_t id)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const auto it = m_timers.find(id);
    return it == m_timers.end() ? nullptr : it->second;
}

uint64_t HighPrecisionTimer::create()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const uint64_t id = m_next++;
    m_timers[id] = std::make_shared<Timer>();
    return id;
}

bool HighPrecisionTimer::start(uint64_t id)
{
    const std::shared_ptr<Timer> timer = find(id);
    if (!timer)
        return false;
    std::lock_guard<std::mutex> lock(timer->mutex);
    timer->running = true;
    return true;
}

bool HighPrecisionTimer::stop(uint64_t id)
{
    std::shared_ptr<Timer> timer;
    {
        // A stopped timer is done with: forget it.
        std::lock_guard<std::mutex> lock(m_mutex);
        const auto it = m_timers.find(id);
        if (it == m_timers.end())
            return false;
        timer = std::move(it->second);
        m_timers.erase(it);
    }
    std::lock_guard<std::mutex> lock(timer->mutex);
    timer->running = false;
    timer->wakePending = true;
    timer->woken.notify_all();
    return true;
}

bool HighPrecisionTimer::wait(int interval, uint64_t id)
{
    const int units = interval < 1 ? 1 : (interval > kMaxUnits ? kMaxUnits : interval);
    const auto length = std::chrono::microseconds(static_cast<long long>(units) * kUnitMicroseconds);
    const std::shared_ptr<Timer> timer = find(id);
    if (!timer) {
        sleepFor(length.count());
        return false;
    }
    std::unique_lock<std::mutex> lock(timer->mutex);
    const bool running = timer->running;
    timer->woken.wait_until(lock, std::chrono::steady_clock::now() + length, [&timer] { return timer->wakePending; });
    timer->wakePending = false;
    return running;
}

bool HighPrecisionTimer::wake(uint64_t id)
{
    const std::shared_ptr<Timer> timer = find(id);
    if (!timer)
        return false;
    std::lock_guard<std::mutex> lock(timer->mutex);
    timer->wakePending = true;
    timer->woken.notify_all();
    return true;
}

} // namespace lumtar
