#include "ui/mainwidget/devicePage/lightDeal/LightFrameTickThread.h"

#include "ui/mainwidget/devicePage/lightDeal/LightTickRule.h"

LightFrameTickThread::LightFrameTickThread(int defaultInterval, int digits, QObject *parent)
    : QThread(parent)
    , m_digits(digits)
    , m_interval(LightTickRule::clampInterval(defaultInterval))
{
}

void LightFrameTickThread::setInterval(int ms)
{
    m_interval.store(LightTickRule::clampInterval(ms));
}

void LightFrameTickThread::setRunning(bool running)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_running.store(running);
    m_last.store(LightTickRule::NoTick);
    // A start shows a frame also without motion.
    if (running)
        m_frameRequested = true;
    // A loop asleep without work ends at once when stopped.
    m_woken.notify_all();
}

void LightFrameTickThread::setMotion(bool motion)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_motion = motion;
    m_woken.notify_all();
}

bool LightFrameTickThread::hasMotion() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_motion;
}

void LightFrameTickThread::requestFrame()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_frameRequested = true;
    // A carried thread has nothing to do with it: its owner takes the frame.
    if (!m_carried)
        m_woken.notify_all();
}

void LightFrameTickThread::setCarried(bool carried)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_carried = carried;
    m_woken.notify_all();
}

int LightFrameTickThread::takeDueTicks()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_running.load())
        return 0;
    const int now = LightTickRule::clockDigits(EpochClock::read(m_clock), m_digits);
    int last = m_last.load();
    int due = 0;
    if (m_motion)
        due = LightTickRule::dueTicks(now, last, m_interval.load(), MostTakenTicks);
    if (due == 0 && m_frameRequested) {
        due = 1;
        last = now;
    }
    m_frameRequested = false;
    m_last.store(last);
    m_ticks += due;
    return due;
}

bool LightFrameTickThread::hasWork() const
{
    return !m_carried && (m_motion || m_frameRequested);
}

void LightFrameTickThread::run()
{
    while (m_running.load()) {
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            if (!hasWork()) {
                m_woken.wait(lock, [this] { return !m_running.load() || hasWork(); });
                continue;
            }
        }
        const int now = LightTickRule::clockDigits(EpochClock::read(m_clock), m_digits);
        const int interval = m_interval.load();
        int seen = m_last.load();
        int last = seen;
        const bool due = LightTickRule::advance(now, last, interval);
        // A restart meanwhile forgot the last tick: keep it forgotten.
        if (m_last.compare_exchange_strong(seen, last) && due) {
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                m_frameRequested = false;
            }
            ++m_ticks;
            tick();
            // Without motion the next tick waits for a request: no sleep first.
            std::lock_guard<std::mutex> lock(m_mutex);
            if (!hasWork())
                continue;
        }
        QThread::msleep(static_cast<unsigned long>(LightTickRule::msUntilDue(now, last, interval)));
    }
}
