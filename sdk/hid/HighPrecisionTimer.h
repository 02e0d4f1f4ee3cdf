// The I/O threads' pacing timer. A context is an id into a small table of
// timers; waiting sleeps the calling thread until the interval has passed or
// another thread wakes the timer. A wake that finds no wait under way ends
// the next wait at once, so a wake is never lost between a caller's last
// look at its work and its wait.
//
// A wait may also watch one descriptor (an open HID interface's, see
// HidConnection::readyFd): it then ends as soon as that descriptor has
// something to read. This is how an idle I/O thread sleeps until either an
// input report arrives or a report is queued for sending, without looking
// at the clock in between. Each timer keeps its wake in an eventfd, so both
// are one poll.
#ifndef LUMTAR_HIGH_PRECISION_TIMER_H
#define LUMTAR_HIGH_PRECISION_TIMER_H

#include <atomic>
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
    // A wait without limit (only with a descriptor to watch, or a wake).
    static constexpr int kNoLimit = -1;
    // Without an eventfd of its own (the process is out of descriptors) a
    // timer cannot be woken: its waits are cut to this many units (20 ms).
    static constexpr int kUnwakeableUnits = 800;

    enum class Outcome { Elapsed, Woken, Ready };

    static HighPrecisionTimer& instance();

    uint64_t create();
    bool start(uint64_t id);
    // Forgets the timer; a wait under way on it ends at once.
    bool stop(uint64_t id);
    // Sleeps interval units (at least one, at most kMaxUnits) or until
    // woken; false when the timer is not running.
    bool wait(int interval, uint64_t id);
    // Sleeps interval units (kNoLimit: no limit), until woken, or until
    // readyFd (when >= 0) polls readable or hung up. Without such a timer
    // it sleeps no longer than the interval or kUnwakeableUnits.
    Outcome waitFor(int readyFd, int interval, uint64_t id);
    // Ends the wait under way, or else the next one; false for an unknown id.
    bool wake(uint64_t id);

private:
    struct Timer {
        Timer();
        ~Timer();
        Timer(const Timer&) = delete;
        Timer& operator=(const Timer&) = delete;
        // Readable while a wake is pending; -1 when none could be made.
        int wakeFd = -1;
        std::atomic<bool> running{ false };
    };

    HighPrecisionTimer() = default;
    std::shared_ptr<Timer> find(uint64_t id);

    std::mutex m_mutex;
    std::map<uint64_t, std::shared_ptr<Timer>> m_timers;
    uint64_t m_next = 1;
};

} // namespace lumtar

#endif
