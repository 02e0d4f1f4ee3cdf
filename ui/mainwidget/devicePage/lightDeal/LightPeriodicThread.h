// A thread that only emits every 30 ms while its run flag is set. It keeps
// to the clock: ticks are 30 ms apart on average however long each wake-up
// takes, and a tick missed while the machine was busy is left out, not made
// up in a burst. A cleared flag ends the loop after its sleep.
#ifndef LIGHTPERIODICTHREAD_H
#define LIGHTPERIODICTHREAD_H

#include <QThread>

#include <atomic>

class LightPeriodicThread : public QThread
{
    Q_OBJECT
public:
    static constexpr int PeriodMs = 30;

    void setRunning(bool running) { m_running.store(running); }
    bool runFlag() const { return m_running.load(); }

protected:
    explicit LightPeriodicThread(QObject *parent) : QThread(parent) {}
    void run() override;
    virtual void tick() = 0;

private:
    std::atomic<bool> m_running{false};
};

#endif
