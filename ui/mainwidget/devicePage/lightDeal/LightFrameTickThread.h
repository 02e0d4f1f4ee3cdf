// A thread that only paces frames of one light: it sleeps until a tick is
// due by the light's interval (LightTickRule) and then emits. The run flag,
// the interval and the last tick are written by the GUI thread and read by
// the loop; a cleared flag ends the loop after its sleep (at most one
// interval).
#ifndef LIGHTFRAMETICKTHREAD_H
#define LIGHTFRAMETICKTHREAD_H

#include "device/EpochClock.h"

#include <QThread>

#include <atomic>

class LightFrameTickThread : public QThread
{
    Q_OBJECT
public:
    // Held within 8..28 ms.
    void setInterval(int ms);
    int interval() const { return m_interval.load(); }
    // Stores the run flag and forgets the last tick: a start ticks at once.
    void setRunning(bool running);
    bool runFlag() const { return m_running.load(); }
    // The clock the loop reads; set it only while the thread does not run.
    void setClock(const EpochClock::Source &clock) { m_clock = clock; }

protected:
    LightFrameTickThread(int defaultInterval, int digits, QObject *parent);
    void run() override;
    virtual void tick() = 0;

private:
    const int m_digits;
    std::atomic<bool> m_running{false};
    std::atomic<int> m_interval;
    std::atomic<int> m_last{-1}; // LightTickRule::NoTick
    EpochClock::Source m_clock = EpochClock::system();
};

#endif
