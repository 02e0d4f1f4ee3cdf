// The I/O threads' pacing timer. A context is an id into a small table of
// timers; waiting sleeps the calling thread until the interval has passed or
// another thread wakes the timer. A wake that finds no wait under way ends
// the next wait at once, so a wake is never lost between a caller's last
// look at its work and its wait.
#ifndef LUMTAR_HIGH_PRECISION_TIMER_H
#define LUMTAR_HIGH_PRECISION_TIMER_H

#include <condition_variable>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>

#include "sdk/include/LumtarHid.h"

namespace lumtar {

class HighPrecisionTimer {
public:
    // Length of one unit of the wait interval.
    static constexpr int kUnitMicroseconds = LUMTAR_TIMER_UNIT_US;
    // Longest wait, in units (one second).
    static constexpr int kMaxUnits = 50000;

    static HighPrecisionTimer& instance();

    uint64_t create();
    bool start(uint64_t id);
    // Forgets the timer; a wait under way on it ends at once.
    bool stop(uint64_t id);
    // Sleeps interval units (at least one, at most kMaxUnits) or until
    // woken; false when the timer is not running.
    bool wait(int interval, uint64_t id);
    // Ends the wait under way, or else the next one; false for an unknown id.
    bool wake(uint64_t id);

private:
    struct Timer {
        std::mutex mutex;
        std::condition_variable woken;
        bool running = false;
        bool wakePending = false;
    };

    HighPrecisionTimer() = default;
    std::shared_ptr<Timer> find(uint64_t id);

    std::mutex m_mutex;
    std::map<uint64_t, std::shared_ptr<Timer>> m_timers;
    uint64_t m_next = 1;
};

} // namespace lumtar

#endif
