// The update of a keyboard of the .ufw family through its update volume and
// the firmware library: 2 s after the keyboard was sent into its update
// mode its drive is searched from "A:" to "Z:" (again every second until the
// wait is over) and the image written, on a FirmwareWorker that holds the
// library's image for the whole write. The end is told through finished();
// stop() ends the write at its next step through the library and joins it.
#ifndef UFWVOLUMEUPDATE_H
#define UFWVOLUMEUPDATE_H

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>

#include "sdk/include/LumtarUfwLibrary.h"

class FirmwareWorker;
class QTimer;
class UfwLibrary;

class UfwVolumeUpdate : public QObject
{
    Q_OBJECT

public:
    static constexpr int kWaitMs = 15000;
    // The keyboard shows its volume after this long.
    static constexpr int kStartDelayMs = 2000;
    // A drive search that found nothing is made again after this long.
    static constexpr int kSearchAgainMs = 1000;

    // What the worker found: where it stopped, and the library's result there.
    struct Outcome
    {
        enum Stage { Image = 0, Search = 1, Write = 2 };
        Stage stage = Image;
        int result = 0;
    };

    // progress: the C function handed to the library; it runs on the
    // writing thread and reaches this object through FirmwareWorker::current().
    UfwVolumeUpdate(UfwLibrary *library, JL_progress_t progress, QObject *parent = nullptr);
    ~UfwVolumeUpdate() override;

    void start(const QString &model, int connectType);
    // Searches the drives and writes, on a worker.
    void runJlUpgrade();
    void abandon();
    void stop();

    bool isPending() const { return m_pending; }
    bool isWriting() const;
    void setWaitMs(int ms) { m_waitMs = ms; }

signals:
    void progress(int total, int done);
    void finished(bool success);

private:
    friend class tst_FirmwareUpdate;

    void onWorkFinished(Outcome outcome);
    static void logRefusedVolume(int result);
    void finish(bool success);

    UfwLibrary *m_library;
    JL_progress_t m_progress;
    QString m_model;
    int m_connectType = 0;
    bool m_pending = false;
    bool m_stopped = false;
    int m_waitMs = kWaitMs;
    QElapsedTimer m_waitClock;
    QTimer *m_startTimer = nullptr;
    QPointer<FirmwareWorker> m_worker;
};

#endif
