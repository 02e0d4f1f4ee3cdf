// The main window's firmware engine: which listed keyboards have a newer
// firmware image, the update window over its overlay, and the update of one
// keyboard, through its HID bootloader or through the firmware library and
// the keyboard's update volume. Every write runs on a FirmwareWorker the
// engine owns; the GUI thread only starts, times and ends the steps.
#include "ui/mainwidget/DMainWidget.h"
#include "ui_DMainWidget.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QLibrary>
#include <QTemporaryDir>
#include <QTimer>

#include <cstring>
#include <list>
#include <memory>
#include <string>

#include "core/DDataManager.h"
#include "device/RecordFieldText.h"
#include "sdk/include/LumtarFirmware.h"
#include "ui/firmware/DUpdateFirmwareDia.h"
#include "ui/firmware/FirmwareImageCheck.h"
#include "ui/firmware/FirmwareWorker.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/settings/DSettingsDia.h"

namespace {

const char kFirmwareLibraryName[] = "jl_firmware_upgrade";
const int kBootloaderStartDelayMs = 600;
const int kUpgradeCheckDelayMs = 2000;
const int kFirmwareWindowDelayMs = 1000;
// The keyboard of the .ufw family shows its volume after this long.
const int kJlUpgradeDelayMs = 2000;
// A drive search that found nothing is made again after this long.
const int kDriveSearchAgainMs = 1000;
// The bank size and the reserved argument of CLumtarHid_FirmwareUpgrade.
const int kFirmwareBankSize = 262144;
// Retries after the first attempt of one update.
const int kUpgradeRetries = 3;

// Results of one attempt on the HID bootloader path besides the SDK's.
enum { AttemptNoBootloader = 100, AttemptImageMissing = 101 };

using namespace FirmwareImageCheck;

// One attempt on the writing thread: the image copied out, then the first
// present bootloader that is the image's model and target is written.
int hidUpgradeWorker(FirmwareWorker &worker, const QString &fileName, int receiverFlag)
{
    QTemporaryDir folder;
    const QString image = copyImage(fileName, folder);
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
        const int result = CLumtarHid_FirmwareUpgrade(handle, localPath.constData(), kFirmwareBankSize, 0,
                                                      receiverFlag, &DMainWidget::onHidUpgradeProgress);
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

// What the worker of the mass-storage path found: where it stopped, and the
// firmware library's result there.
struct JlOutcome
{
    enum Stage { Image = 0, Search = 1, Write = 2 };
    Stage stage = Image;
    int result = 0;
};

struct JlCalls
{
    JL_loadUfwData_t load;
    JL_queryDevicePidVid_t query;
    JL_upgradeDevice_t upgrade;
};

// On the writing thread: the image given to the library, the keyboard's
// drive searched from "A:" to "Z:", and written.
JlOutcome jlUpgradeWorker(const JlCalls &calls, const QString &fileName)
{
    JlOutcome out;
    QTemporaryDir folder;
    QFile file(copyImage(fileName, folder));
    if (!file.open(QIODevice::ReadOnly)) {
        out.result = JL_ERR_NO_IMAGE;
        return out;
    }
    // The library keeps the image last loaded: this update's is loaded here,
    // whatever the check loaded before.
    const QByteArray image = file.readAll();
    out.result = calls.load(reinterpret_cast<const unsigned char *>(image.constData()), image.size());
    if (out.result != JL_OK)
        return out;
    out.stage = JlOutcome::Search;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        char id[16] = {};
        char version[8] = {};
        out.result = calls.query(letter, id, int(sizeof id), version, int(sizeof version));
        if (out.result == JL_ERR_NOT_THIS_DRIVE)
            continue;
        if (out.result != JL_OK)
            return out;
        qDebug() << "Keyboard in its update mode on drive" << QStringLiteral("%1:").arg(QLatin1Char(letter));
        out.stage = JlOutcome::Write;
        out.result = calls.upgrade(letter, 1, 1, &DMainWidget::onJlUpgradeProgress);
        return out;
    }
    return out;
}

} // namespace

// ---- start-up -------------------------------------------------------------------

void DMainWidget::createFirmwareTimers()
{
    auto singleShot = [this](int ms) {
        auto *timer = new QTimer(this);
        timer->setSingleShot(true);
        timer->setInterval(ms);
        return timer;
    };
    m_bootloaderTimer = singleShot(kBootloaderStartDelayMs);
    connect(m_bootloaderTimer, &QTimer::timeout, this, &DMainWidget::ontheHidIntoFirmwareUpgrade);
    m_upgradeCheckTimer = singleShot(kUpgradeCheckDelayMs);
    connect(m_upgradeCheckTimer, &QTimer::timeout, this, &DMainWidget::ontheHidIntoFirmwareUpgradeWait);
    m_firmwareOpenTimer = singleShot(kFirmwareWindowDelayMs);
    connect(m_firmwareOpenTimer, &QTimer::timeout, this, &DMainWidget::onUpdateFirmwareWindowOpen);
    m_jlStartTimer = singleShot(kJlUpgradeDelayMs);
    connect(m_jlStartTimer, &QTimer::timeout, this, &DMainWidget::runJlUpgrade);
    m_upgradeWaitTimer = singleShot(m_bootloaderWaitMs);
    connect(m_upgradeWaitTimer, &QTimer::timeout, this, &DMainWidget::onUpgradeWaitOver);
}

void DMainWidget::loadFirmwareLibrary()
{
    // Looked up beside the program first, then where the system keeps libraries.
    QLibrary library(QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(kFirmwareLibraryName));
    if (!library.load()) {
        library.setFileName(QLatin1String(kFirmwareLibraryName));
        library.load();
    }
    if (library.isLoaded()) {
        m_loadUfwData = reinterpret_cast<JL_loadUfwData_t>(library.resolve("JL_loadUfwData"));
        m_getUfwCrc = reinterpret_cast<JL_getUfwCrc_t>(library.resolve("JL_getUfwCrc"));
        m_getUfwPidVid = reinterpret_cast<JL_getUfwPidVid_t>(library.resolve("JL_getUfwPidVid"));
        m_upgradeDevice = reinterpret_cast<JL_upgradeDevice_t>(library.resolve("JL_upgradeDevice"));
        m_queryDevicePidVid = reinterpret_cast<JL_queryDevicePidVid_t>(library.resolve("JL_queryDevicePidVid"));
    }
    if (!library.isLoaded() || !m_loadUfwData || !m_getUfwCrc || !m_getUfwPidVid || !m_upgradeDevice
        || !m_queryDevicePidVid)
        qDebug() << "-------------------- *** [ Load JL dll Failed ] *** -----------------------";
}

// ---- the check ------------------------------------------------------------------

void DMainWidget::onHaveCheckUpgradeFirmwareNUC()
{
    if (DDataManager::getInstance()->isVersionChanged() && !m_upgradeCheckTimer->isActive())
        m_upgradeCheckTimer->start();
}

void DMainWidget::ontheHidIntoFirmwareUpgradeWait()
{
    checkUpgradeableDevices(false);
}

bool DMainWidget::checkUpgradeableDevices(bool openNow)
{
    m_upgradeableHidList.clear();
    const QMap<QString, hidStructInfoAll> devices =
        m_devicePage ? m_devicePage->deviceInfoMap() : QMap<QString, hidStructInfoAll>();
    for (const hidStructInfoAll &device : devices) {
        m_strNewFirmwareVersion = QStringLiteral("1.1.1.1.1");
        if (!selectFirmwareImage(device))
            continue;
        hidStructInfoAll candidate = device;
        lumtarCopyField(candidate.newFirmwareVersion, m_strNewFirmwareVersion.toLatin1().constData());
        m_upgradeableHidList.append(candidate);
    }
    if (m_upgradeableHidList.isEmpty())
        return false;
    m_isShowUpgradeNow = openNow;
    if (openNow)
        onUpdateFirmwareWindowOpen();
    else if (!m_firmwareOpenTimer->isActive())
        m_firmwareOpenTimer->start();
    return true;
}

bool DMainWidget::selectFirmwareImage(hidStructInfoAll record)
{
    FirmwareFamilyStu family;
    if (!familyOf(QString::fromLatin1(recordFieldText(record.hidModel)), &family))
        return false;
    QTemporaryDir folder;
    const QString copy = copyImage(imageFileName(family, record.connectType), folder);
    if (copy.isEmpty())
        return false;
    QFile file(copy);

    if (family.format == LUMTAR_IMAGE_UFW) {
        if (!file.open(QIODevice::ReadOnly)) {
            qDebug() << "Open hex file error 01";
            return false;
        }
        const QByteArray image = file.readAll();
        file.close();
        if (image.isEmpty()) {
            qDebug() << "---------------- *** File error 01 JL *** ---------------";
            return false;
        }
        // Without the library the .ufw family is never offered.
        if (!m_loadUfwData || !m_getUfwCrc || !m_getUfwPidVid)
            return false;
        if (m_loadUfwData(reinterpret_cast<const unsigned char *>(image.constData()), image.size()) != 0) {
            qDebug() << "---------------- *** File error 02 JL *** ---------------";
            return false;
        }
        unsigned short crc = 0;
        unsigned int value = 0;
        if (m_getUfwCrc(&crc, &value) != 0) {
            qDebug() << "---------------- *** File error 03 JL *** ---------------";
            return false;
        }
        char id[17] = {};
        char version[4] = {};
        if (m_getUfwPidVid(id, int(sizeof id), version, int(sizeof version)) != 0) {
            qDebug() << "---------------- *** File error 04 JL *** ---------------";
            return false;
        }
        const QByteArray versionText(version, int(strnlen(version, sizeof version)));
        m_strNewFirmwareVersion = QString::fromLatin1(versionText);
        return QByteArray(id, int(strnlen(id, sizeof id))) == recordFieldText(record.hidModel)
            && compareIgnoringAsciiCase(versionText, recordFieldText(record.firmwareVersion)) > 0;
    }

    if (!file.open(QIODevice::ReadOnly)) {
        qDebug() << (family.imageSize == kFirmwareBankSize ? "Open hex file error 02A" : "Open hex file error 02");
        return false;
    }
    QString version;
    if (!infoStringMatches(file.read(family.imageSize), family, record, &version))
        return false;
    m_strNewFirmwareVersion = version;
    return true;
}

void DMainWidget::onFirmwareUpgradeCheck()
{
    auto *settings = qobject_cast<DSettingsDia *>(sender());
    if (!checkUpgradeableDevices(true) && settings)
        settings->showNoUpgradeNotice();
}

// ---- the update window -------------------------------------------------------------

void DMainWidget::onUpdateFirmwareWindowOpen()
{
    if (m_updateFirmwareDia)
        return;
    if (!m_firmwareOverlay)
        m_firmwareOverlay = createOverlay(QStringLiteral("#widget {background-color:rgba(10, 10, 10, 100);}"));
    m_firmwareOverlay->resize(size());
    if (!m_isShowUpgradeNow)
        m_firmwareOverlay->show();

    auto *dialog = new DUpdateFirmwareDia(this);
    dialog->setDevices(m_upgradeableHidList,
                       m_devicePage ? m_devicePage->keyboardLinkListMap() : QMap<QString, DDeviceKeyboardLink *>());
    // A row finds its keyboard when its button is pressed, not when the window opened.
    dialog->setLinkLookup([page = QPointer<DDevicePage>(m_devicePage)](const QString &path) -> DDeviceKeyboardLink * {
        return page ? page->keyboardLinkListMap().value(path) : nullptr;
    });
    connect(dialog, &DUpdateFirmwareDia::sigUpdateFirmwareWindowClose, this,
            &DMainWidget::onUpdateFirmwareWindowClose);
    connect(dialog, &DUpdateFirmwareDia::sigStartHidUpgrade, this, &DMainWidget::onStartHidUpgrade);
    connect(dialog, &QObject::destroyed, this, [this]() {
        if (m_firmwareOverlay)
            m_firmwareOverlay->hide();
    });
    m_updateFirmwareDia = dialog;
    placeDialog(dialog);
}

void DMainWidget::onUpdateFirmwareWindowClose()
{
    if (m_firmwareOverlay)
        m_firmwareOverlay->hide();
    // The dialog deletes itself once its own close has finished; a write
    // under way goes on and its reports are dropped.
    m_updateFirmwareDia = nullptr;
}

void DMainWidget::reportUpgradeProgress(int total, int done)
{
    if (m_updateFirmwareDia)
        m_updateFirmwareDia->reportProgress(total, done);
}

void DMainWidget::onHidUpgradeProgress(int total, int done)
{
    if (FirmwareWorker *worker = FirmwareWorker::current())
        worker->reportProgress(total, done);
}

void DMainWidget::onJlUpgradeProgress(int percent)
{
    if (FirmwareWorker *worker = FirmwareWorker::current())
        worker->reportProgress(100, percent);
}

// ---- one update ----------------------------------------------------------------------

void DMainWidget::onStartHidUpgrade(QString strHidPath, QString strSN, QString strHidName, int hidUsbOrDongle)
{
    Q_UNUSED(strHidPath);
    Q_UNUSED(strSN);
    // A new update replaces one that waits for its keyboard.
    m_upgradePending = false;
    m_upgradeWaitTimer->stop();
    m_jlStartTimer->stop();
    m_bootloaderTimer->stop();
    m_upgradeRetryCount = 0;
    m_strUpgradeHidName = strHidName;
    m_upgradeUsbOrDongle = hidUsbOrDongle;
    FirmwareFamilyStu family;
    if (!familyOf(strHidName, &family)) {
        qDebug() << "No firmware image family for" << strHidName;
        finishUpgrade(false);
        return;
    }
    if (m_upgradeWorker) {
        qDebug() << "A firmware write of an earlier update still runs; this one does not start";
        finishUpgrade(false);
        return;
    }
    m_upgradePending = true;
    m_upgradeWaitClock.start();
    if (family.format == LUMTAR_IMAGE_UFW) {
        // The drive is searched after the delay, and again until the wait is over.
        m_jlStartTimer->start(kJlUpgradeDelayMs);
        return;
    }
    m_upgradeWaitTimer->start(m_bootloaderWaitMs);
    openBootloaderAndFlash(); // a keyboard already in its bootloader is written at once
}

void DMainWidget::onBootloaderArrived(const QString &interfaceName)
{
    if (!m_upgradePending) {
        qDebug() << "Bootloader" << interfaceName << "arrived while no update waits for it: ignored";
        return;
    }
    // One attempt, however many interfaces of the bootloader arrive.
    if (!m_bootloaderTimer->isActive())
        m_bootloaderTimer->start();
}

void DMainWidget::ontheHidIntoFirmwareUpgrade()
{
    openBootloaderAndFlash();
}

void DMainWidget::startWorker(FirmwareWorker *worker)
{
    connect(worker, &FirmwareWorker::sigProgress, this, &DMainWidget::reportUpgradeProgress);
    m_upgradeWorker = worker;
    worker->start();
}

void DMainWidget::openBootloaderAndFlash()
{
    if (!m_upgradePending || m_upgradeWorker || m_quitting)
        return;
    FirmwareFamilyStu family;
    if (!familyOf(m_strUpgradeHidName, &family) || family.format != LUMTAR_IMAGE_BIN)
        return;
    const QString fileName = imageFileName(family, m_upgradeUsbOrDongle);
    const int receiverFlag = m_upgradeUsbOrDongle == LUMTAR_CONNECT_USB ? 0 : 1;
    auto *worker = new FirmwareWorker(
        [fileName, receiverFlag](FirmwareWorker &w) { return hidUpgradeWorker(w, fileName, receiverFlag); }, this);
    connect(worker, &QThread::finished, this, &DMainWidget::onHidAttemptFinished);
    startWorker(worker);
}

void DMainWidget::onHidAttemptFinished()
{
    FirmwareWorker *worker = m_upgradeWorker;
    if (!worker || worker != sender())
        return;
    m_upgradeWorker = nullptr;
    const int result = worker->result();
    worker->deleteLater();
    if (m_quitting || !m_upgradePending)
        return;
    switch (result) {
    case LUMTAR_FW_OK:
        finishUpgrade(true);
        break;
    case AttemptImageMissing:
        qDebug() << "Firmware image of" << m_strUpgradeHidName << "not available";
        finishUpgrade(false);
        break;
    case AttemptNoBootloader:
        // Waits on for its arrival, up to the end of the wait.
        if (m_upgradeWaitClock.hasExpired(m_bootloaderWaitMs))
            onUpgradeWaitOver();
        break;
    default:
        qDebug() << "Firmware write failed:" << result << "retries made:" << m_upgradeRetryCount;
        retryOrFail();
        break;
    }
}

void DMainWidget::retryOrFail()
{
    if (m_upgradeRetryCount >= kUpgradeRetries) {
        finishUpgrade(false);
        return;
    }
    ++m_upgradeRetryCount;
    // The next attempt waits for the bootloader anew (it may have gone and
    // come back).
    m_upgradeWaitClock.start();
    m_upgradeWaitTimer->start(m_bootloaderWaitMs);
    openBootloaderAndFlash();
}

void DMainWidget::runJlUpgrade()
{
    if (!m_upgradePending || m_upgradeWorker || m_quitting)
        return;
    if (!m_loadUfwData || !m_queryDevicePidVid || !m_upgradeDevice) {
        qDebug() << "JL upgrade not available: the upgrade library is missing";
        finishUpgrade(false);
        return;
    }
    FirmwareFamilyStu family;
    if (!familyOf(m_strUpgradeHidName, &family))
        return;
    const QString fileName = imageFileName(family, m_upgradeUsbOrDongle);
    const JlCalls calls{m_loadUfwData, m_queryDevicePidVid, m_upgradeDevice};
    auto outcome = std::make_shared<JlOutcome>();
    auto *worker = new FirmwareWorker(
        [calls, fileName, outcome](FirmwareWorker &) {
            *outcome = jlUpgradeWorker(calls, fileName);
            return outcome->result;
        },
        this);
    connect(worker, &QThread::finished, this, [this, worker, outcome]() {
        if (m_upgradeWorker != worker)
            return;
        m_upgradeWorker = nullptr;
        worker->deleteLater();
        onJlWorkFinished(outcome->stage, outcome->result);
    });
    startWorker(worker);
}

void DMainWidget::onJlWorkFinished(int stage, int result)
{
    if (m_quitting || !m_upgradePending)
        return;
    switch (stage) {
    case JlOutcome::Image:
        qDebug() << "---------------- *** File error 02 JL *** ---------------" << result;
        finishUpgrade(false);
        break;
    case JlOutcome::Search:
        // Not on any drive yet: looked for again until the wait is over.
        if (result == JL_ERR_NOT_THIS_DRIVE && !m_upgradeWaitClock.hasExpired(m_bootloaderWaitMs)) {
            m_jlStartTimer->start(kDriveSearchAgainMs);
            break;
        }
        qDebug() << "JL m_queryDevicePidVid()  csErrorText:" << libraryErrorText(result, true);
        finishUpgrade(false);
        break;
    default:
        if (result == JL_OK) {
            finishUpgrade(true);
            break;
        }
        qDebug() << "JL m_upgradeDevice()  csErrorText:" << libraryErrorText(result, false);
        finishUpgrade(false);
        break;
    }
}

void DMainWidget::onUpgradeWaitOver()
{
    // A write under way decides by its own end.
    if (!m_upgradePending || m_upgradeWorker)
        return;
    qDebug() << "No bootloader of" << m_strUpgradeHidName << "within" << m_bootloaderWaitMs << "ms";
    finishUpgrade(false);
}

void DMainWidget::finishUpgrade(bool success)
{
    m_upgradePending = false;
    m_upgradeWaitTimer->stop();
    m_jlStartTimer->stop();
    m_bootloaderTimer->stop();
    if (!m_updateFirmwareDia)
        return; // the window was closed: the result is dropped
    if (success)
        m_updateFirmwareDia->reportSuccess();
    else
        m_updateFirmwareDia->reportFailure();
}

void DMainWidget::stopFirmwareWork()
{
    m_upgradePending = false;
    if (m_upgradeWaitTimer) {
        m_upgradeWaitTimer->stop();
        m_jlStartTimer->stop();
        m_bootloaderTimer->stop();
    }
    if (FirmwareWorker *worker = m_upgradeWorker) {
        m_upgradeWorker = nullptr;
        worker->disconnect(this);
        worker->cancelAndWait();
        delete worker;
    }
}

void DMainWidget::onIntoOrRemoveHidOver() {}

void DMainWidget::onUpdateApp() {}
