// The I/O threads' pacing timer. A context is an id into a small table of
// timers; waiting sleeps the calling thread.
#ifndef LUMTAR_HIGH_PRECISION_TIMER_H
#define LUMTAR_HIGH_PRECISION_TIMER_H

#include <cstdint>
#include <map>
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
    bool stop(uint64_t id);
    // Sleeps interval units (at least one); false when the timer is not
    // running.
    bool wait(int interval, uint64_t id);

private:
    HighPrecisionTimer() = default;
    std::mutex m_mutex;
    std::map<uint64_t, bool> m_running;
    uint64_t m_next = 1;
};

} // namespace lumtar

#endif
