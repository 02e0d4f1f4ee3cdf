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
    m_running.store(running);
    m_last.store(LightTickRule::NoTick);
}

void LightFrameTickThread::run()
{
    while (m_running.load()) {
        const int now = LightTickRule::clockDigits(EpochClock::read(m_clock), m_digits);
        const int interval = m_interval.load();
        int seen = m_last.load();
        int last = seen;
        const bool due = LightTickRule::advance(now, last, interval);
        // A restart meanwhile forgot the last tick: keep it forgotten.
        if (m_last.compare_exchange_strong(seen, last) && due)
            tick();
        QThread::msleep(static_cast<unsigned long>(LightTickRule::msUntilDue(now, last, interval)));
    }
}
