#include "ui/mainwidget/devicePage/lightDeal/LightPeriodicThread.h"

#include <chrono>
#include <thread>

void LightPeriodicThread::run()
{
    using Clock = std::chrono::steady_clock;
    const auto period = std::chrono::milliseconds(PeriodMs);
    auto next = Clock::now() + period;
    while (m_running.load()) {
        std::this_thread::sleep_until(next);
        if (!m_running.load())
            break;
        tick();
        next += period;
        const auto now = Clock::now();
        if (next < now)
            next = now + period;
    }
}
