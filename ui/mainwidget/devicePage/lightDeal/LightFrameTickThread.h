// A thread that only paces frames of one light: it sleeps until a tick is
// due by the light's interval (LightTickRule) and then emits. The run flag,
// the interval and the last tick are written by the GUI thread and read by
// the loop; a cleared flag ends the loop after its sleep (at most one
// interval).
//
// A light without motion (Static, say) has nothing to compute tick after
// tick: with motion off the thread emits only the frames asked for
// (requestFrame, at their due time) and otherwise sleeps until asked or
// until motion starts; a cleared run flag ends that sleep at once.
//
// While carried, the thread emits nothing and sleeps: the owner takes the
// ticks due at a moment of its own (takeDueTicks, in the GUI thread), so one
// wake-up of the GUI thread serves several lights. Carrying ends by
// clearing it; the thread then goes on from the last tick taken.
#ifndef LIGHTFRAMETICKTHREAD_H
#define LIGHTFRAMETICKTHREAD_H

#include "device/EpochClock.h"

#include <QThread>

#include <atomic>
#include <condition_variable>
#include <mutex>

class LightFrameTickThread : public QThread
{
    Q_OBJECT
public:
    // Held within 8..28 ms.
    void setInterval(int ms);
    int interval() const { return m_interval.load(); }
    // Stores the run flag and forgets the last tick: a start ticks at once,
    // also without motion.
    void setRunning(bool running);
    bool runFlag() const { return m_running.load(); }
    // The clock the loop reads; set it only while the thread does not run.
    void setClock(const EpochClock::Source &clock) { m_clock = clock; }
    // With motion (the default) a tick is due every interval; without, only
    // when a frame was asked for.
    void setMotion(bool motion);
    bool hasMotion() const;
    // One tick at its next due time, also without motion.
    void requestFrame();
    void setCarried(bool carried);
    // While running: the ticks due now by the interval with motion, and at
    // least one when a frame was asked for (LightTickRule::dueTicks, at most
    // MostTakenTicks); counted as ticks. None while stopped.
    int takeDueTicks();
    static constexpr int MostTakenTicks = 32;
    // Ticks emitted or taken since the thread was made.
    long ticks() const { return m_ticks.load(); }

protected:
    LightFrameTickThread(int defaultInterval, int digits, QObject *parent);
    void run() override;
    virtual void tick() = 0;

private:
    // True when the loop may tick; otherwise it sleeps until woken.
    bool hasWork() const;

    const int m_digits;
    std::atomic<bool> m_running{false};
    std::atomic<int> m_interval;
    std::atomic<int> m_last{-1}; // LightTickRule::NoTick
    std::atomic<long> m_ticks{0};
    EpochClock::Source m_clock = EpochClock::system();

    // Motion and the frame asked for; the loop sleeps on m_woken without them.
    mutable std::mutex m_mutex;
    std::condition_variable m_woken;
    bool m_motion = true;
    bool m_frameRequested = false;
    bool m_carried = false;
};

#endif
