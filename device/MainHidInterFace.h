// The I/O thread of one opened keyboard. It owns the SDK's HID handle,
// keeps two send queues (commands; streamed light frames) and alternates one
// write turn and one read turn, each followed by one wait of the SDK timer.
// Every input report goes to the GUI thread as a 64-byte heap copy in a
// queued signal; the receiving slot frees it.
//
// An idle keyboard costs next to nothing: once several turns in a row found
// nothing to write and nothing arrived, the thread looks for reports only
// every IdleWaitUnits, and a report queued for sending wakes it at once.
// While a report waits to be written the turns follow each other after the
// short BusyTurnWaitUnits, so a whole batch of light frames (11 reports)
// drains in a third of the 30 ms between two frames; otherwise they keep the
// pace of TurnWaitUnits.
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
#include <mutex>

class QTimer;

class MainHidInterFace : public QThread
{
    Q_OBJECT
public:
    // The wait after each turn, in SDK timer units (2.5 ms).
    static constexpr int TurnWaitUnits = 100;
    // The wait after a turn while a report waits to be written (0.5 ms).
    static constexpr int BusyTurnWaitUnits = 20;
    // Quiet turns (nothing written, nothing read) before the thread idles.
    static constexpr int QuietTurnsBeforeIdle = 8;
    // The wait between two looks for reports while idle (20 ms): the longest
    // an input report waits for an idle thread.
    static constexpr int IdleWaitUnits = 800;
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

    int m_lightBatchLimit = 9;
    bool m_timerStarted = false;
    bool m_readFailureLogged = false;
};

#endif
