// The update of a keyboard of a .bin family through its HID bootloader: the
// wait for the bootloader (arrivals count only while an update waits), one
// attempt at a time on a FirmwareWorker, at most kRetries retries, and the
// end told through finished(). Every step is a reply or a single-shot
// timer; stop() ends it at any step (the write at its next block).
#ifndef BOOTLOADERUPDATE_H
#define BOOTLOADERUPDATE_H

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>

#include "sdk/include/LumtarFirmware.h"

class FirmwareWorker;
class QTimer;

class BootloaderUpdate : public QObject
{
    Q_OBJECT

public:
    static constexpr int kWaitMs = 15000;
    static constexpr int kArrivalDelayMs = 600;
    static constexpr int kRetries = 3;

    // progress: the C function handed to the device SDK; it runs on the
    // writing thread and reaches this object through FirmwareWorker::current().
    explicit BootloaderUpdate(LumtarUpgradeProgress progress, QObject *parent = nullptr);
    ~BootloaderUpdate() override;

    // Starts the update of a model (on this connection, 0 USB): it waits
    // for the bootloader, and writes at once into one already there.
    void start(const QString &model, int connectType);
    // A bootloader interface arrived: one attempt 600 ms later while an
    // update waits; ignored otherwise.
    void onBootloaderArrived(const QString &interfaceName);
    // Finds the model's bootloader and writes the image on a worker.
    void openBootloaderAndFlash();
    // After a failed attempt: the next, or the failure.
    void retryOrFail();
    // Drops the wait of an update (a new one replaces it); a write under
    // way ends by itself and its result is dropped.
    void abandon();
    // Ends every wait and the write at its next block, joining its thread.
    void stop();

    bool isPending() const { return m_pending; }
    bool isWriting() const;
    int retryCount() const { return m_retryCount; }
    QString model() const { return m_model; }
    int connectType() const { return m_connectType; }
    void setWaitMs(int ms) { m_waitMs = ms; }

signals:
    void progress(int total, int done);
    void finished(bool success);

private:
    friend class tst_FirmwareUpdate;
    friend class tst_MainWidget;

    void onAttemptFinished();
    void onWaitOver();
    void finish(bool success);

    LumtarUpgradeProgress m_progress;
    QString m_model;
    int m_connectType = 0;
    int m_retryCount = 0;
    bool m_pending = false;
    bool m_stopped = false;
    int m_waitMs = kWaitMs;
    QElapsedTimer m_waitClock;
    QTimer *m_arrivalTimer = nullptr;
    QTimer *m_waitTimer = nullptr;
    QPointer<FirmwareWorker> m_worker;
};

#endif
