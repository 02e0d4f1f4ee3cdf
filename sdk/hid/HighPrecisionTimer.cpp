#include "sdk/hid/HighPrecisionTimer.h"

#include <cerrno>
#include <ctime>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace lumtar {

namespace {

timespec unitsToTimespec(int units)
{
    const long long micros = static_cast<long long>(units) * HighPrecisionTimer::kUnitMicroseconds;
    timespec t;
    t.tv_sec = static_cast<time_t>(micros / 1000000);
    t.tv_nsec = static_cast<long>((micros % 1000000) * 1000);
    return t;
}

timespec now()
{
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t;
}

timespec plus(timespec a, const timespec& b)
{
    a.tv_sec += b.tv_sec;
    a.tv_nsec += b.tv_nsec;
    if (a.tv_nsec >= 1000000000L) {
        a.tv_nsec -= 1000000000L;
        ++a.tv_sec;
    }
    return a;
}

// What is left until deadline; false once it has passed.
bool leftUntil(const timespec& deadline, timespec* left)
{
    const timespec n = now();
    long long ns = (static_cast<long long>(deadline.tv_sec) - n.tv_sec) * 1000000000LL + (deadline.tv_nsec - n.tv_nsec);
    if (ns <= 0)
        return false;
    left->tv_sec = static_cast<time_t>(ns / 1000000000LL);
    left->tv_nsec = static_cast<long>(ns % 1000000000LL);
    return true;
}

// A plain sleep, for a wait on a timer that does not exist.
void sleepUntil(const timespec& deadline)
{
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &deadline, nullptr) == EINTR) {
    }
}

int clampUnits(int interval)
{
    return interval < 1 ? 1 : (interval > HighPrecisionTimer::kMaxUnits ? HighPrecisionTimer::kMaxUnits : interval);
}

void signal(int fd)
{
    const uint64_t one = 1;
    while (write(fd, &one, sizeof one) < 0 && errno == EINTR) {
    }
}

// Takes the pending wake, if any (wakes do not add up).
void drain(int fd)
{
    uint64_t count = 0;
    while (read(fd, &count, sizeof count) < 0 && errno == EINTR) {
    }
}

} // namespace

HighPrecisionTimer::Timer::Timer() : wakeFd(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

HighPrecisionTimer::Timer::~Timer()
{
    if (wakeFd >= 0)
        close(wakeFd);
}

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
    auto timer = std::make_shared<Timer>();
    std::lock_guard<std::mutex> lock(m_mutex);
    const uint64_t id = m_next++;
    m_timers[id] = std::move(timer);
    return id;
}

bool HighPrecisionTimer::start(uint64_t id)
{
    const std::shared_ptr<Timer> timer = find(id);
    if (!timer)
        return false;
    timer->running = true;
    return true;
}

bool HighPrecisionTimer::stop(uint64_t id)
{
    std::shared_ptr<Timer> timer;
    {
        // A stopped timer is done with: forget it. A wait under way keeps
        // its own reference, and so its descriptor, until it ends.
        std::lock_guard<std::mutex> lock(m_mutex);
        const auto it = m_timers.find(id);
        if (it == m_timers.end())
            return false;
        timer = std::move(it->second);
        m_timers.erase(it);
    }
    timer->running = false;
    if (timer->wakeFd >= 0)
        signal(timer->wakeFd);
    return true;
}

bool HighPrecisionTimer::wait(int interval, uint64_t id)
{
    const std::shared_ptr<Timer> timer = find(id);
    const bool running = timer && timer->running;
    if (!timer) {
        sleepUntil(plus(now(), unitsToTimespec(clampUnits(interval))));
        return false;
    }
    waitFor(-1, clampUnits(interval), id);
    return running;
}

HighPrecisionTimer::Outcome HighPrecisionTimer::waitFor(int readyFd, int interval, uint64_t id)
{
    const std::shared_ptr<Timer> timer = find(id);
    const int wakeFd = timer ? timer->wakeFd : -1;
    int units = interval == kNoLimit ? kNoLimit : clampUnits(interval);
    if (wakeFd < 0 && (units == kNoLimit || units > kUnwakeableUnits))
        units = kUnwakeableUnits;
    const bool limited = units != kNoLimit;
    const timespec deadline = limited ? plus(now(), unitsToTimespec(units)) : timespec{};

    pollfd fds[2];
    nfds_t count = 0;
    if (wakeFd >= 0)
        fds[count++] = { wakeFd, POLLIN, 0 };
    const nfds_t readyIndex = count;
    if (readyFd >= 0)
        fds[count++] = { readyFd, POLLIN, 0 };
    if (count == 0) {
        sleepUntil(deadline);
        return Outcome::Elapsed;
    }
    for (;;) {
        timespec left{};
        if (limited && !leftUntil(deadline, &left))
            return Outcome::Elapsed;
        for (nfds_t i = 0; i < count; ++i)
            fds[i].revents = 0;
        const int n = ppoll(fds, count, limited ? &left : nullptr, nullptr);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            // Nothing to wait on (a descriptor gone bad): sleep the rest.
            if (limited)
                sleepUntil(deadline);
            return Outcome::Elapsed;
        }
        if (n == 0)
            return Outcome::Elapsed;
        if (wakeFd >= 0 && fds[0].revents) {
            drain(wakeFd);
            return Outcome::Woken;
        }
        if (readyFd >= 0 && fds[readyIndex].revents)
            return Outcome::Ready;
    }
}

bool HighPrecisionTimer::wake(uint64_t id)
{
    const std::shared_ptr<Timer> timer = find(id);
    if (!timer)
        return false;
    if (timer->wakeFd >= 0)
        signal(timer->wakeFd);
    return true;
}

} // namespace lumtar
