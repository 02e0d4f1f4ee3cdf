// Writes the key functions of the current profile into the onboard memory of
// the open keyboard: for the default and then the Fn layer the key records
// (0x17, fourteen positions a report), with each macro key's slot (0x18,
// stop-and-wait on the keyboard's 0x19 acknowledgement) and each advanced
// key's record (0x2A) sent when the key is met; then, after a pause, the
// macro slots no key took, written empty, and on magnetic keyboards, after
// another pause, the empty advanced-key records.
//
// download() starts the sequence and returns; its steps are advanced by the
// keyboard's acknowledgements and by single-shot timers (100 ms for an
// acknowledgement; the 400 ms pauses precise and never cut short), so the
// GUI thread never waits. After a resent report is taken, the next one
// waits for the acknowledgements of the earlier writes, which name no
// report and would otherwise count for it. sigFinished tells the outcome,
// once per started download. Callers refuse keyboard, layer and profile
// switches while isRunning() is true, and a second download() is refused
// outright.
//
// Before anything is sent the whole profile is read and encoded, so that a
// profile the keyboard cannot hold (more macro keys than slots, more
// advanced keys than records) is refused without touching the keyboard.
//
// A macro report still unacknowledged after three resends abandons the
// attempt: for the rest of it no key or macro report is sent, but the
// advanced-key records, those of bound keys and the empty ones of the
// unused indexes, are still written, so the keyboard never keeps advanced
// keys of an earlier download at indexes this profile leaves empty. An
// abandoned attempt is repeated once; then the download fails. A layer file
// without a current profile restarts the attempt without counting it, once
// per layer in a download; a second time the download fails. A keyboard
// that goes away ends the download at once.
#ifndef DONBOARDDOWNLOADER_H
#define DONBOARDDOWNLOADER_H

#include "device/HidReportBuff.h"
#include "sdk/include/LumtarRecords.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QMap>
#include <QMetaType>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVector>

#include <functional>

class DDataManager;
class DDeviceKeyboardLink;
class MainHidInterFace;
class QTimer;

class DOnboardDownloader : public QObject
{
    Q_OBJECT
public:
    enum class Outcome {
        Succeeded,
        Failed,
        TooManyMacroKeys,
        TooManySeniorKeys,
        AlreadyRunning,
    };

    static constexpr int AckWaitMs = 100;
    static constexpr int MaxResends = 3;
    static constexpr int PauseMs = 400;
    static constexpr int MaxAttempts = 2;
    static constexpr int LayerCount = 2;

    explicit DOnboardDownloader(QObject *parent = nullptr);
    ~DOnboardDownloader() override;

    // The key codes of the keyboard shown, in layout order, placeholders as
    // 0. Asked afresh for every layer.
    void setKeyCodeSource(std::function<QVector<int>()> source);
    // The shared state to read the keyboard kind and the advanced-key store
    // path from; the process-wide one unless set.
    void setDataManager(DDataManager *dataManager);

    // Starts the download through the link's I/O thread, reading the layer
    // files of `profileFolder`. False, with nothing changed, while another
    // download runs (Outcome::AlreadyRunning). A download that cannot start
    // (no keyboard, a profile the keyboard cannot hold) finishes before
    // this returns.
    bool download(DDeviceKeyboardLink *link, const QString &profileFolder);
    // Ends a running download at once (quitting); it finishes as failed.
    void cancel();
    bool isRunning() const { return m_running; }

    // The message that tells the user the outcome.
    static QString outcomeText(Outcome outcome);

    // What the last download did, for the log and for tests.
    int attemptsMade() const { return m_attemptsMade; }
    int macroReportsResent() const { return m_resendCount; }
    // Restarts for a layer file without a current profile (not attempts).
    int layerRestartsMade() const { return m_layerRestarts; }

signals:
    void sigDownloadingChanged(bool running);
    void sigFinished(DOnboardDownloader::Outcome outcome);

public slots:
    // The keyboard acknowledged the last macro report (input report 0x19).
    void onRuningOnboard0x19Cmd();

private:
    struct Step
    {
        enum Kind { KeyReport, MacroReport, SeniorReport, Pause, LastAcknowledgement };
        Kind kind;
        HidReportBuff report;
        const char *failureText = nullptr;
    };
    enum class AttemptResult { Done, Abandoned, NoProfileIndex, TooManyMacroKeys, TooManySeniorKeys, DeviceLost };
    enum class Waiting { Nothing, Pause, Acknowledgement, Stragglers };

    void readSeniorKeys();
    void startAttempt();
    AttemptResult planAttemptWithRestarts();
    AttemptResult planAttempt();
    AttemptResult planLayer(int layer);
    void appendMacroSlot(const KeyOperateInfoStu &item);
    void advance();
    void waitForAcknowledgement();
    void onWaitOver();
    void startPause();
    void abandonAttempt();
    void endAttempt(AttemptResult result);
    void finish(Outcome outcome);
    bool writeReport(const HidReportBuff &report, const char *failureText);
    bool deviceUsable() const;
    void onDeviceGone();

    std::function<QVector<int>()> m_keyCodeSource;
    QPointer<DDataManager> m_dataManager;
    QPointer<DDeviceKeyboardLink> m_link;
    QPointer<MainHidInterFace> m_hid;
    QString m_profileFolder;
    QVector<QMetaObject::Connection> m_connections;
    QTimer *m_timer = nullptr;
    Waiting m_waiting = Waiting::Nothing;
    bool m_running = false;
    bool m_deviceLost = false;
    bool m_writeRefused = false;

    // Restarts for a layer file without a current profile, in this download.
    bool m_layerRestarted[LayerCount] = {};
    int m_layerRestarts = 0;
    int m_layerWithoutProfile = -1;

    // State of the running attempt.
    QVector<Step> m_steps;
    int m_nextStep = 0;
    // Cleared when a macro report stays unacknowledged: the attempt goes on
    // writing advanced-key records only, and is then repeated.
    bool m_alive = true;
    QElapsedTimer m_pauseClock;
    bool m_acknowledged = true;
    // Writes of the last macro report (it and its resends), and the
    // acknowledgements of its earlier writes still on their way once one
    // arrived: they must not count for the next report.
    int m_writesOfLastReport = 0;
    int m_stragglers = 0;
    int m_timeouts = 0;
    HidReportBuff m_lastMacroReport;
    bool m_macroReportSent = false;
    int m_macroSlot = -1;
    int m_seniorIndex = -1;
    QByteArray m_layerFilePath;
    int m_layerProfileIndex = -1;
    QMap<int, SeniorKeyInfoStu> m_seniorKeys;
    bool m_magnetic = false;

    int m_attemptsMade = 0;
    int m_resendCount = 0;
};

Q_DECLARE_METATYPE(DOnboardDownloader::Outcome)

#endif
