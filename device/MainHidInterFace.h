// The I/O thread of one opened keyboard. It owns the SDK's HID handle,
// keeps two send queues (commands; streamed light frames) and alternates one
// write turn and one read turn. Every input report goes to the GUI thread as
// a 64-byte heap copy in a queued signal; the receiving slot frees it.
//
// Pacing: two writes start at least WriteSpacingUnits (1 ms) apart, so a
// batch of light frames (up to 11 reports) drains one report a millisecond,
// with at most one sleep between two reports; the read turn between them
// looks for input without a wait of its own.
//
// An idle keyboard costs nothing: once a read turn found nothing and
// nothing waits to be written, the thread sleeps in the SDK until an input
// report arrives or a report is queued (CLumtarHid_HidWaitInput, one poll
// on the HID node and the timer's wake). It takes no turn meanwhile, and a
// key report is relayed the moment it arrives.
//
// The object lives in the GUI thread: every public operation and the
// shake-hands slot run there; only run() runs in the started thread.
#ifndef MAINHIDINTERFACE_H
#define MAINHIDINTERFACE_H

#include "sdk/include/LumtarHid.h"

#include <QList>
#include <QString>
#include <QThread>

#include <atomic>
#include <chrono>
#include <mutex>

class QTimer;

class MainHidInterFace : public QThread
{
    Q_OBJECT
public:
    // The least time between the starts of two writes, in SDK timer units (1 ms).
    static constexpr int WriteSpacingUnits = 40;
    // The idle wait once the device is gone and its node no longer tells of
    // input (1 s; a queued report or the close ends it sooner).
    static constexpr int IdleTimerUnits = 40000;
    // The longest the thread sends queued commands once the device is closed.
    static constexpr int CloseFlushMs = 100;

    MainHidInterFace(int threadIndex, const QString &hidName, QObject *parent = nullptr);
    ~MainHidInterFace() override;

    // Opens the device; 0 on success, -1 when the SDK gives no handle.
    // The thread is not started here.
    int openHid(const QString &path);
    // Stops the thread, waits for it and only then releases the handle.
    // Commands queued before still go out, for at most CloseFlushMs (the
    // light engine's last report tells the keyboard to run its own light
    // again); light frames do not. Returns 0, also when already closed.
    int closeHid();
    bool isOpen() const;

    // The single send entry of every command: queues a copy of the 64 bytes.
    // Returns 0, or -1 without queuing when the device is not open.
    int writeHidCmd(const char *report);
    // The entry of streamed light frames, sent in batches (see lightBatchLimit).
    // Returns 0 (also when the frame is dropped), or -1 when not open.
    int writeHidLightCmd(const char *report);
    void setLightSendEnabled(bool enabled);
    // No light report waits: a frame offered now is queued whole, as one
    // batch. Only the thread offering frames fills the queue, so the answer
    // holds until it offers the next report.
    bool isLightQueueEmpty();

    QString hidName() const { return m_hidName; }
    QString hidPath() const { return m_hidPath; }
    // Frames held back until a batch is complete; a full batch holds one more.
    int lightBatchLimit() const { return m_lightBatchLimit; }
    // Read and write turns taken since the thread started.
    long turns() const { return m_turns.load(); }
    // The most commands that waited at once since the last reset.
    int commandQueuePeak() const { return m_cmdQueuePeak.load(); }
    void resetCommandQueuePeak() { m_cmdQueuePeak.store(0); }

signals:
    void sigOpenHidSuccessful();
    void sigHidDataArrived(unsigned char *data, int length, int threadIndex);
    void sigHidSnGetOver(unsigned char *data, QString strHidName);

public slots:
    void onShakeHandsRuning();

protected:
    void run() override;

private:
    // Each returns whether it moved a report.
    bool writeTurn();
    bool readTurn();
    bool hasReportToWrite();
    void waitForWriteSlot();
    void flushCommands();
    void idleWait();
    void wakeIfIdle();
    void stopTimer();

    LumtarTimerContext m_timerContext = 0;
    const int m_threadIndex;
    const QString m_hidName;
    int m_handle = 0;
    std::atomic<bool> m_isOpen{false};
    QString m_hidPath;
    QByteArray m_hidPathLatin1;
    QTimer *m_shakeHandsTimer = nullptr;
    std::atomic<bool> m_lightSendEnabled{false};
    bool m_turnIsWrite = true;
    bool m_lightAccepting = false; // guarded by m_lightMutex
    QList<unsigned char *> m_cmdQueue;
    std::mutex m_cmdMutex;
    QList<unsigned char *> m_lightQueue;
    std::mutex m_lightMutex;

    // Set while the thread waits idle: a producer that clears it wakes the timer.
    std::atomic<bool> m_idleWaiting{false};
    std::atomic<long> m_turns{0};
    std::atomic<int> m_cmdQueuePeak{0};

    // I/O thread only: when the last write started, and whether the
    // device is gone (its node then reads at once, so the thread no longer
    // waits on it).
    std::chrono::steady_clock::time_point m_lastWrite{};
    bool m_inputGone = false;

    int m_lightBatchLimit = 9;
    bool m_timerStarted = false;
    bool m_readFailureLogged = false;
};

#endif
