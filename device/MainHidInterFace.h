// The I/O thread of one opened keyboard. It owns the SDK's HID handle,
// keeps two send queues (commands; streamed light frames) and alternates one
// write turn and one read turn, each followed by one wait of the SDK timer.
// Every input report goes to the GUI thread as a 64-byte heap copy in a
// queued signal; the receiving slot frees it.
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
    MainHidInterFace(int threadIndex, const QString &hidName, QObject *parent = nullptr);
    ~MainHidInterFace() override;

    // Opens the device; 0 on success, -1 when the SDK gives no handle.
    // The thread is not started here.
    int openHid(const QString &path);
    // Stops the thread, waits for it and only then releases the handle.
    // Returns 0, also when already closed.
    int closeHid();
    bool isOpen() const;

    // The single send entry of every command: queues a copy of the 64 bytes.
    // Returns 0, or -1 without queuing when the device is not open.
    int writeHidCmd(const char *report);
    // The entry of streamed light frames, sent in batches (see lightBatchLimit).
    // Returns 0 (also when the frame is dropped), or -1 when not open.
    int writeHidLightCmd(const char *report);
    void setLightSendEnabled(bool enabled);

    QString hidName() const { return m_hidName; }
    QString hidPath() const { return m_hidPath; }
    // Frames held back until a batch is complete; a full batch holds one more.
    int lightBatchLimit() const { return m_lightBatchLimit; }

signals:
    void sigOpenHidSuccessful();
    void sigHidDataArrived(unsigned char *data, int length, int threadIndex);
    void sigHidSnGetOver(unsigned char *data, QString strHidName);

public slots:
    void onShakeHandsRuning();

protected:
    void run() override;

private:
    void writeTurn();
    void readTurn();
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

    int m_lightBatchLimit = 9;
    bool m_timerStarted = false;
    bool m_readFailureLogged = false;
};

#endif
