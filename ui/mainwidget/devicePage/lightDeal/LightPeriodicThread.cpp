#include "ui/mainwidget/devicePage/lightDeal/LightPeriodicThread.h"

#include <chrono>
#include <thread>

void LightPeriodicThread::setRunning(bool running)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_running.store(running);
    m_woken.notify_all();
}

void LightPeriodicThread::setOnDemand(bool onDemand)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_onDemand = onDemand;
    m_woken.notify_all();
}

void LightPeriodicThread::requestTick()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_requested)
        return;
    m_requested = true;
    // A carried thread has nothing to do with it: its owner takes the tick.
    if (!m_carried)
        m_woken.notify_all();
}

void LightPeriodicThread::setCarried(bool carried)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_carried = carried;
    m_woken.notify_all();
}

bool LightPeriodicThread::takeDueTick()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_running.load() || !m_requested)
        return false;
    m_requested = false;
    ++m_ticks;
    return true;
}

namespace {

using Clock = std::chrono::steady_clock;

// The first multiple of the period at or after t. Every such thread ticks
// on the same grid, so ticks due together (the paint and the stream) reach
// the GUI thread together and wake it once.
Clock::time_point onGrid(Clock::time_point t)
{
    const auto period = std::chrono::duration_cast<Clock::duration>(std::chrono::milliseconds(LightPeriodicThread::PeriodMs));
    const auto since = t.time_since_epoch();
    const auto rest = since % period;
    return rest == Clock::duration::zero() ? t : t + (period - rest);
}

} // namespace

void LightPeriodicThread::run()
{
    const auto period = std::chrono::milliseconds(PeriodMs);
    auto next = onGrid(Clock::now() + period);
    while (m_running.load()) {
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            if (!hasWork()) {
                m_woken.wait(lock, [this] { return !m_running.load() || hasWork(); });
                if (!m_running.load())
                    break;
                // Asked after a long sleep: the tick is due at the next
                // point of the grid.
                const auto now = Clock::now();
                if (next < now)
                    next = onGrid(now);
            }
        }
        std::this_thread::sleep_until(next);
        if (!m_running.load())
            break;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_requested = false;
        }
        ++m_ticks;
        tick();
        next += period;
        const auto now = Clock::now();
        if (next < now)
            next = onGrid(now + period);
    }
}
