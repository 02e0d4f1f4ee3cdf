// One step of a firmware update that blocks (a write, a drive search) on a
// thread of its own. Its owner starts it, hears of its progress through the
// queued signal sigProgress and of its end through QThread::finished, and
// reads result() afterwards. Deleting it, or cancelAndWait(), ends the work
// at its next block and joins the thread: the work sets a cancel hook (the
// closing of the bootloader's handle) while it may block.
#ifndef FIRMWAREWORKER_H
#define FIRMWAREWORKER_H

#include <QThread>

#include <atomic>
#include <functional>
#include <mutex>

class FirmwareWorker : public QThread
{
    Q_OBJECT
public:
    using Work = std::function<int(FirmwareWorker &worker)>;

    explicit FirmwareWorker(Work work, QObject *parent = nullptr);
    ~FirmwareWorker() override;

    // What the work returned; valid once the thread finished.
    int result() const { return m_result; }

    // Runs the cancel hook (once) and waits for the thread to end.
    void cancelAndWait();
    bool isCancelled() const { return m_cancelled; }

    // On the worker's thread. setCancelHook: what makes the running call end
    // (run at once when a cancel came first). takeCancelHook: the hook back,
    // true when it was not run, so the work does that itself.
    void setCancelHook(std::function<void()> hook);
    bool takeCancelHook();

    // The worker whose thread calls, for the C progress callbacks; null on
    // any other thread.
    static FirmwareWorker *current();
    // Any thread: passes progress on through sigProgress.
    void reportProgress(int total, int done);

signals:
    void sigProgress(int total, int done);

protected:
    void run() override;

private:
    Work m_work;
    int m_result = 0;
    std::atomic<bool> m_cancelled{false};
    std::mutex m_hookMutex;
    std::function<void()> m_cancelHook;
};

#endif
