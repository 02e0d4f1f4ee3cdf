// The main window's side of the firmware engine: the slots and operations
// by which the window starts the check, opens the update window and starts
// an update, each a thin caller of the part that does the job:
// FirmwareUpgradeCheck (which keyboards have a newer image),
// FirmwareWindowHost (the update window over its overlay), BootloaderUpdate
// (the HID bootloader path) and UfwVolumeUpdate (the .ufw path through the
// firmware library).
#include "ui/mainwidget/DMainWidget.h"

#include <QDebug>
#include <QTimer>

#include "core/DDataManager.h"
#include "sdk/include/LumtarFirmware.h"
#include "ui/firmware/DUpdateFirmwareDia.h"
#include "ui/firmware/FirmwareImageCheck.h"
#include "ui/firmware/FirmwareWorker.h"
#include "ui/mainwidget/BootloaderUpdate.h"
#include "ui/mainwidget/FirmwareUpgradeCheck.h"
#include "ui/mainwidget/FirmwareWindowHost.h"
#include "ui/mainwidget/UfwVolumeUpdate.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/settings/DSettingsDia.h"

namespace {

const int kUpgradeCheckDelayMs = 2000;
const int kFirmwareWindowDelayMs = 1000;

} // namespace

// ---- start-up -------------------------------------------------------------------

void DMainWidget::createFirmwareEngine()
{
    auto singleShot = [this](int ms) {
        auto *timer = new QTimer(this);
        timer->setSingleShot(true);
        timer->setInterval(ms);
        return timer;
    };
    m_upgradeCheckTimer = singleShot(kUpgradeCheckDelayMs);
    connect(m_upgradeCheckTimer, &QTimer::timeout, this, &DMainWidget::ontheHidIntoFirmwareUpgradeWait);
    m_firmwareOpenTimer = singleShot(kFirmwareWindowDelayMs);
    connect(m_firmwareOpenTimer, &QTimer::timeout, this, &DMainWidget::onUpdateFirmwareWindowOpen);

    m_upgradeCheck = new FirmwareUpgradeCheck(&m_ufwLibrary);
    m_firmwareWindow = new FirmwareWindowHost(
        this, [this](const QString &styleSheet) { return createOverlay(styleSheet); },
        [this](QWidget *dialog) { placeDialog(dialog); });
    m_bootloaderUpdate = new BootloaderUpdate(&DMainWidget::onHidUpgradeProgress, this);
    m_ufwUpdate = new UfwVolumeUpdate(&m_ufwLibrary, &DMainWidget::onJlUpgradeProgress, this);
    connect(m_bootloaderUpdate, &BootloaderUpdate::progress, m_firmwareWindow, &FirmwareWindowHost::reportProgress);
    connect(m_ufwUpdate, &UfwVolumeUpdate::progress, m_firmwareWindow, &FirmwareWindowHost::reportProgress);
    connect(m_bootloaderUpdate, &BootloaderUpdate::finished, this, &DMainWidget::onUpgradeFinished);
    connect(m_ufwUpdate, &UfwVolumeUpdate::finished, this, &DMainWidget::onUpgradeFinished);
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
    m_upgradeableHidList =
        m_upgradeCheck->candidates(m_devicePage ? m_devicePage->deviceInfoMap() : QMap<QString, hidStructInfoAll>());
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
    return m_upgradeCheck->selectFirmwareImage(record, &m_strNewFirmwareVersion);
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
    DUpdateFirmwareDia *dialog = m_firmwareWindow->open(m_upgradeableHidList, !m_isShowUpgradeNow, m_devicePage);
    if (!dialog)
        return;
    connect(dialog, &DUpdateFirmwareDia::sigUpdateFirmwareWindowClose, this,
            &DMainWidget::onUpdateFirmwareWindowClose);
    connect(dialog, &DUpdateFirmwareDia::sigStartHidUpgrade, this, &DMainWidget::onStartHidUpgrade);
}

void DMainWidget::onUpdateFirmwareWindowClose()
{
    m_firmwareWindow->forget();
}

DUpdateFirmwareDia *DMainWidget::updateFirmwareDia() const
{
    return m_firmwareWindow ? m_firmwareWindow->dialog() : nullptr;
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
    m_bootloaderUpdate->abandon();
    m_ufwUpdate->abandon();
    FirmwareFamilyStu family;
    if (!FirmwareImageCheck::familyOf(strHidName, &family)) {
        qDebug() << "No firmware image family for" << strHidName;
        onUpgradeFinished(false);
        return;
    }
    if (m_bootloaderUpdate->isWriting() || m_ufwUpdate->isWriting()) {
        qDebug() << "A firmware write of an earlier update still runs; this one does not start";
        onUpgradeFinished(false);
        return;
    }
    if (family.format == LUMTAR_IMAGE_UFW)
        m_ufwUpdate->start(strHidName, hidUsbOrDongle);
    else
        m_bootloaderUpdate->start(strHidName, hidUsbOrDongle);
}

void DMainWidget::onBootloaderArrived(const QString &interfaceName)
{
    m_bootloaderUpdate->onBootloaderArrived(interfaceName);
}

void DMainWidget::ontheHidIntoFirmwareUpgrade()
{
    openBootloaderAndFlash();
}

void DMainWidget::openBootloaderAndFlash()
{
    if (!m_quitting)
        m_bootloaderUpdate->openBootloaderAndFlash();
}

void DMainWidget::retryOrFail()
{
    m_bootloaderUpdate->retryOrFail();
}

void DMainWidget::runJlUpgrade()
{
    if (!m_quitting)
        m_ufwUpdate->runJlUpgrade();
}

void DMainWidget::onUpgradeFinished(bool success)
{
    if (!m_quitting)
        m_firmwareWindow->reportResult(success);
}

void DMainWidget::stopFirmwareWork()
{
    if (m_bootloaderUpdate)
        m_bootloaderUpdate->stop();
    if (m_ufwUpdate)
        m_ufwUpdate->stop();
}

void DMainWidget::onIntoOrRemoveHidOver() {}

void DMainWidget::onUpdateApp() {}
