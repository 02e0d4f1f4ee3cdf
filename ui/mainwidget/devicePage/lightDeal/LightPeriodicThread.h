// A thread that only emits every 30 ms while its run flag is set. It keeps
// to the clock: ticks are 30 ms apart on average however long each wake-up
// takes, and a tick missed while the machine was busy is left out, not made
// up in a burst. A cleared flag ends the loop after its sleep. All such
// threads tick on one grid of the steady clock (multiples of 30 ms), so the
// paint and the stream tick wake the GUI thread once.
//
// On demand, a tick is due only when one was asked for (requestTick): the
// thread then sleeps until asked and emits at the next point of the grid, at
// most one tick however often it was asked; a cleared run flag ends that
// sleep at once.
//
// While carried, an on-demand thread emits nothing and sleeps: its owner
// takes the tick asked for at a moment of its own (takeDueTick, in the GUI
// thread).
#ifndef LIGHTPERIODICTHREAD_H
#define LIGHTPERIODICTHREAD_H

#include <QThread>

#include <atomic>
#include <condition_variable>
#include <mutex>

class LightPeriodicThread : public QThread
{
    Q_OBJECT
public:
    static constexpr int PeriodMs = 30;

    void setRunning(bool running);
    bool runFlag() const { return m_running.load(); }
    // Off (the default): a tick every period.
    void setOnDemand(bool onDemand);
    // One tick at the next due time (only on demand).
    void requestTick();
    void setCarried(bool carried);
    // Whether a tick was asked for since the last one, which it then is
    // (counted as a tick); false while stopped.
    bool takeDueTick();
    // Ticks emitted or taken since the thread was made.
    long ticks() const { return m_ticks.load(); }

protected:
    explicit LightPeriodicThread(QObject *parent) : QThread(parent) {}
    void run() override;
    virtual void tick() = 0;

private:
    bool hasWork() const { return !m_carried && (!m_onDemand || m_requested); }

    std::atomic<bool> m_running{false};
    std::atomic<long> m_ticks{0};
    std::mutex m_mutex;
    std::condition_variable m_woken;
    bool m_onDemand = false;
    bool m_requested = false;
    bool m_carried = false;
};

#endif
