#include "ui/mainwidget/BootloaderUpdate.h"

#include <QDebug>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <list>
#include <string>

#include "ui/firmware/FirmwareImageCheck.h"
#include "ui/firmware/FirmwareWorker.h"

namespace {

// The bank size of CLumtarHid_FirmwareUpgrade.
const int kFirmwareBankSize = 262144;

// Results of one attempt besides the SDK's.
enum { AttemptNoBootloader = 100, AttemptImageMissing = 101 };

// One attempt on the writing thread: the image copied out, then the first
// present bootloader that is the image's model and target is written.
int writeAttempt(FirmwareWorker &worker, const QString &fileName, int receiverFlag, LumtarUpgradeProgress progress)
{
    QTemporaryDir folder;
    const QString image = FirmwareImageCheck::copyImage(fileName, folder);
    if (image.isEmpty())
        return AttemptImageMissing;
    const QByteArray localPath = QFile::encodeName(image);
    std::list<std::string> paths;
    CLumtarHid_GetBootloaderList(&paths);
    for (const std::string &path : paths) {
        if (worker.isCancelled())
            return LUMTAR_FW_DEVICE_GONE;
        const int handle = CLumtarHid_OpenPath(path.c_str());
        if (handle <= 0)
            continue;
        worker.setCancelHook([handle] { CLumtarHid_Close(handle); });
        const int result =
            CLumtarHid_FirmwareUpgrade(handle, localPath.constData(), kFirmwareBankSize, 0, receiverFlag, progress);
        if (worker.takeCancelHook())
            CLumtarHid_Close(handle);
        if (result == LUMTAR_FW_OTHER_DEVICE) {
            qDebug() << "Bootloader" << QString::fromStdString(path) << "is another keyboard's: left alone";
            continue;
        }
        return result;
    }
    return AttemptNoBootloader;
}

} // namespace

BootloaderUpdate::BootloaderUpdate(LumtarUpgradeProgress progress, QObject *parent)
    : QObject(parent)
    , m_progress(progress)
{
    m_arrivalTimer = new QTimer(this);
    m_arrivalTimer->setSingleShot(true);
    m_arrivalTimer->setInterval(kArrivalDelayMs);
    connect(m_arrivalTimer, &QTimer::timeout, this, &BootloaderUpdate::openBootloaderAndFlash);
    m_waitTimer = new QTimer(this);
    m_waitTimer->setSingleShot(true);
    connect(m_waitTimer, &QTimer::timeout, this, &BootloaderUpdate::onWaitOver);
}

BootloaderUpdate::~BootloaderUpdate()
{
    stop();
}

void BootloaderUpdate::start(const QString &model, int connectType)
{
    abandon();
    m_stopped = false;
    m_model = model;
    m_connectType = connectType;
    m_retryCount = 0;
    m_pending = true;
    m_waitClock.start();
    m_waitTimer->start(m_waitMs);
    openBootloaderAndFlash(); // a keyboard already in its bootloader is written at once
}

bool BootloaderUpdate::isWriting() const
{
    return bool(m_worker);
}

void BootloaderUpdate::abandon()
{
    m_pending = false;
    m_waitTimer->stop();
    m_arrivalTimer->stop();
}

void BootloaderUpdate::onBootloaderArrived(const QString &interfaceName)
{
    if (!m_pending) {
        qDebug() << "Bootloader" << interfaceName << "arrived while no update waits for it: ignored";
        return;
    }
    // One attempt, however many interfaces of the bootloader arrive.
    if (!m_arrivalTimer->isActive())
        m_arrivalTimer->start();
}

void BootloaderUpdate::openBootloaderAndFlash()
{
    if (!m_pending || m_worker || m_stopped)
        return;
    FirmwareFamilyStu family;
    if (!FirmwareImageCheck::familyOf(m_model, &family) || family.format != LUMTAR_IMAGE_BIN)
        return;
    const QString fileName = FirmwareImageCheck::imageFileName(family, m_connectType);
    const int receiverFlag = m_connectType == LUMTAR_CONNECT_USB ? 0 : 1;
    const LumtarUpgradeProgress progress = m_progress;
    auto *worker = new FirmwareWorker(
        [fileName, receiverFlag, progress](FirmwareWorker &w) { return writeAttempt(w, fileName, receiverFlag, progress); },
        this);
    connect(worker, &FirmwareWorker::sigProgress, this, &BootloaderUpdate::progress);
    connect(worker, &QThread::finished, this, &BootloaderUpdate::onAttemptFinished);
    m_worker = worker;
    worker->start();
}

void BootloaderUpdate::onAttemptFinished()
{
    FirmwareWorker *worker = m_worker;
    if (!worker || worker != sender())
        return;
    m_worker = nullptr;
    const int result = worker->result();
    worker->deleteLater();
    if (m_stopped || !m_pending)
        return;
    switch (result) {
    case LUMTAR_FW_OK:
        finish(true);
        break;
    case AttemptImageMissing:
        qDebug() << "Firmware image of" << m_model << "not available";
        finish(false);
        break;
    case AttemptNoBootloader:
        // Waits on for its arrival, up to the end of the wait.
        if (m_waitClock.hasExpired(m_waitMs))
            onWaitOver();
        break;
    default:
        qDebug() << "Firmware write failed:" << result << "retries made:" << m_retryCount;
        retryOrFail();
        break;
    }
}

void BootloaderUpdate::retryOrFail()
{
    if (m_retryCount >= kRetries) {
        finish(false);
        return;
    }
    ++m_retryCount;
    // The next attempt waits for the bootloader anew (it may have gone and
    // come back).
    m_waitClock.start();
    m_waitTimer->start(m_waitMs);
    openBootloaderAndFlash();
}

void BootloaderUpdate::onWaitOver()
{
    // A write under way decides by its own end.
    if (!m_pending || m_worker)
        return;
    qDebug() << "No bootloader of" << m_model << "within" << m_waitMs << "ms";
    finish(false);
}

void BootloaderUpdate::finish(bool success)
{
    abandon();
    emit finished(success);
}

void BootloaderUpdate::stop()
{
    m_stopped = true;
    abandon();
    if (FirmwareWorker *worker = m_worker) {
        m_worker = nullptr;
        worker->disconnect(this);
        worker->cancelAndWait();
        delete worker;
    }
}
