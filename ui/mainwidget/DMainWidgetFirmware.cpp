// The main window's part of the firmware update: which listed keyboards
// have a newer firmware image, the update dialog over its overlay, and the
// start of an upgrade, by the chip vendor's library or through the
// bootloader once that arrives.
#include "ui/mainwidget/DMainWidget.h"
#include "ui_DMainWidget.h"

#include <QDebug>
#include <QTimer>

#include "core/DDataManager.h"
#include "device/RecordFieldText.h"
#include "ui/firmware/DUpdateFirmwareDia.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/settings/DSettingsDia.h"

namespace {

const int kJlUpgradeDelayMs = 2000;

// Model families of the firmware update: flashed by the chip vendor's
// library, or through the bootloader once it arrives.
const QStringList &jlUpgradeModels()
{
    static const QStringList models = {QStringLiteral("LT68HE")};
    return models;
}

const QStringList &bootloaderUpgradeModels()
{
    static const QStringList models = {QStringLiteral("LT108HE"), QStringLiteral("LT104RGB")};
    return models;
}

} // namespace

// ---- firmware update ------------------------------------------------------------

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
    m_upgradeCandidates.clear();
    if (m_devicePage) {
        const QMap<QString, hidStructInfoAll> devices = m_devicePage->deviceInfoMap();
        for (const hidStructInfoAll &device : devices) {
            const QString current = QString::fromLatin1(recordFieldText(device.firmwareVersion));
            const QString image = QString::fromLatin1(recordFieldText(device.newFirmwareVersion));
            if (!image.isEmpty() && !current.isEmpty() && image > current)
                m_upgradeCandidates.append(device);
        }
    }
    if (m_upgradeCandidates.isEmpty())
        return false;
    m_checkFromSettings = openNow;
    if (openNow)
        onUpdateFirmwareWindowOpen();
    else if (!m_firmwareOpenTimer->isActive())
        m_firmwareOpenTimer->start();
    return true;
}

void DMainWidget::onFirmwareUpgradeCheck()
{
    auto *settings = qobject_cast<DSettingsDia *>(sender());
    if (!checkUpgradeableDevices(true) && settings)
        settings->showNoUpgradeNotice();
}

void DMainWidget::onUpdateFirmwareWindowOpen()
{
    if (m_updateFirmwareDia)
        return;
    if (!m_firmwareOverlay)
        m_firmwareOverlay = createOverlay(QStringLiteral("#widget {background-color:rgba(10, 10, 10, 100);}"));
    m_firmwareOverlay->resize(size());
    if (!m_checkFromSettings)
        m_firmwareOverlay->show();

    auto *dialog = new DUpdateFirmwareDia(this);
    dialog->setDevices(m_devicePage ? m_devicePage->likeNameMap() : QMap<QString, QString>(), m_upgradeCandidates);
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
    // The dialog deletes itself once its own close has finished.
    m_updateFirmwareDia = nullptr;
}

void DMainWidget::onStartHidUpgrade(QString strHidPath, QString strSN, QString strHidName, int hidUsbOrDongle)
{
    Q_UNUSED(strHidPath);
    Q_UNUSED(strSN);
    m_upgradeRetryCount = 0;
    if (jlUpgradeModels().contains(strHidName)) {
        QTimer::singleShot(kJlUpgradeDelayMs, this, &DMainWidget::runJlUpgrade);
    } else if (bootloaderUpgradeModels().contains(strHidName)) {
        m_upgradeModelName = strHidName;
        m_upgradeConnectType = hidUsbOrDongle;
    }
}

void DMainWidget::ontheHidIntoFirmwareUpgrade()
{
    openBootloaderAndFlash();
}

void DMainWidget::runJlUpgrade()
{
    if (!m_jlQueryDevicePidVid || !m_jlUpgradeDevice)
        qDebug() << "JL upgrade not available: the upgrade library is missing";
}

void DMainWidget::openBootloaderAndFlash()
{
    if (m_upgradeModelName.isEmpty())
        return;
    qDebug() << "Bootloader arrived for" << m_upgradeModelName << "connection" << m_upgradeConnectType;
}

void DMainWidget::onIntoOrRemoveHidOver() {}

void DMainWidget::onUpdateApp() {}
