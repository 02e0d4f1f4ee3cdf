// The device page's links to the keyboards and their wiring: every listed
// device gets a link, whose signals act on the page only while it is the
// shown keyboard's. The slots for that link and for the keyboard view:
// battery and charging with the gauge's charging animation, the sleep-time
// acknowledgement, light settings changed on the keyboard, its keyboard
// mode and the one-key travel replies; the view's drag and selection
// signals.
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui_DDevicePage.h"

#include <QTimer>

#include "core/DDataManager.h"
#include "device/DDeviceKeyboardLink.h"
#include "device/MagneticCommands.h"
#include "ui/mainwidget/devicePage/DeviceOpenSequence.h"
#include "ui/mainwidget/devicePage/customKeys/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/dragShowArea.h"
#include "ui/mainwidget/devicePage/hidDeviceJoinFrame.h"
#include "ui/mainwidget/devicePage/keySelectFrame.h"
#include "ui/mainwidget/devicePage/keyboardButCustom.h"
#include "ui/mainwidget/devicePage/lightDeal/DLightsConfigPage.h"
#include "ui/mainwidget/devicePage/lightDeal/LightModeTable.h"
#include "widgets/BatteryItem.h"

// ---- the device links and their wiring -------------------------------------------

void DDevicePage::createKeyboardLink(hidStructInfoAll record)
{
    m_roster->createLink(record);
}

void DDevicePage::wireKeyboardLink(DDeviceKeyboardLink *link)
{
    // Only the shown keyboard acts on the page; a receiver's presence and
    // the text reply are looked at for every keyboard.
    connect(link, &DDeviceKeyboardLink::sigCustomEventChangProfile, this, [this, link](int index) {
        if (isShownLink(link))
            onCustomEventChangProfile(index);
    });
    connect(link, &DDeviceKeyboardLink::sigRuningOnboard0x19Cmd, this, [this, link]() {
        if (isShownLink(link))
            onRuningOnboard0x19Cmd();
    });
    connect(link, &DDeviceKeyboardLink::sigRuningOnboard0x18Cmd, this, [this, link]() {
        if (isShownLink(link))
            onRuningOnboard0x18Cmd();
    });
    connect(link, &DDeviceKeyboardLink::sigQN9080Recv0x0bCmd, this, [this, link](int value) {
        if (isShownLink(link))
            onQN9080Recv0x0bCmd(value);
    });
    connect(link, &DDeviceKeyboardLink::sigRuningOnboardDownloadStatus, this, [this, link](int status) {
        if (isShownLink(link))
            onRuningOnboardDownloadStatus(status);
    });
    connect(link, &DDeviceKeyboardLink::sigSendChargingStatusAndElectricity, this,
            [this, link](int charging, int level, int mode, int valid, QString serial) {
                if (isShownLink(link))
                    onSendChargingStatusAndElectricity(charging, level, mode, valid, serial);
            });
    connect(link, &DDeviceKeyboardLink::sigDongleStatus, this, &DDevicePage::onDongleStatus);
    connect(link, &DDeviceKeyboardLink::sigWaitForDataReturn_0x0d, this, &DDevicePage::onWaitForDataReturn_0x0d);
    connect(link, &DDeviceKeyboardLink::sigSleepTimeSetSuccessful, this, [this, link]() {
        if (isShownLink(link))
            onSleepTimeSetSuccessful();
    });
    connect(link, &DDeviceKeyboardLink::sigLightConfigHaveChanged_HidSend, this, [this, link](int hidType, int ledType) {
        if (isShownLink(link))
            onLightConfigHaveChanged_HidSend(hidType, ledType);
    });
    connect(link, &DDeviceKeyboardLink::sigCustomLight_ConfigHaveChanged_HidSend0x09, this,
            [this, link](int hidType, int ledType, int usingIndex) {
                if (isShownLink(link))
                    onCustomLight_ConfigHaveChanged_HidSend0x09(hidType, ledType, usingIndex);
            });
    connect(link, &DDeviceKeyboardLink::sigTheKeyboardModeChanged, this, [this, link](int mode) {
        if (isShownLink(link))
            onTheKeyboardModeChanged(mode);
    });
    connect(link, &DDeviceKeyboardLink::sigQueryMagneticAxisOneKeyDataBack, this, [this, link]() {
        if (m_currentKeyboardLink == link)
            onQueryMagneticAxisOneKeyDataBack();
    });
    connect(link, &DDeviceKeyboardLink::sigKeyUsagePressed, this, [this, link](int usage) {
        if (isShownLink(link))
            onKeyboardKeyPressed(usage);
    });
}

// ---- signals of the device links --------------------------------------------------

void DDevicePage::onSendChargingStatusAndElectricity(int ChargingStatus, int Electricity, int KeyboardMode,
                                                     int is24GValid, QString strCurrentSN)
{
    if (KeyboardMode == 1 && is24GValid == 1)
        return; // no keyboard behind the receiver
    if (strCurrentSN != m_currentSN)
        return;
    // Only a keyboard that runs on a battery reports one: reached through
    // its receiver, or charging by cable.
    const int deviceType = DDataManager::getInstance()->hidDeviceType();
    const bool reportsBattery = KeyboardMode == 1 || ChargingStatus == 1 || ChargingStatus == 2;
    ui->frame_Battery->setVisible(reportsBattery && deviceType != 4 && deviceType != 5);
    if (ChargingStatus == 2)
        Electricity = 100;
    if (ChargingStatus == 1 || ChargingStatus == 2) {
        ui->label_Charging->show();
        ui->label_ElectricityNum->setShowText(false);
        if (ChargingStatus == 1) {
            setShownKeyboardCharging(true);
        } else {
            setShownKeyboardCharging(false);
            ui->label_ElectricityNum->setShowText(true);
            ui->label_ElectricityNum->setBatteryLevel(Electricity);
        }
    } else {
        ui->label_Charging->hide();
        ui->label_ElectricityNum->setShowText(true);
        setShownKeyboardCharging(false);
        ui->label_ElectricityNum->setBatteryLevel(Electricity);
    }
    ui->label_Mode->setText(KeyboardMode == 0 ? QStringLiteral("USB") : QStringLiteral("2.4G"));
}

// ---- the charging animation ------------------------------------------------------

void DDevicePage::onTimerChangingBatteryNum()
{
    // The gauge fills up from empty again and again while the keyboard charges.
    ui->label_ElectricityNum->setBatteryLevel(m_chargingStep);
    m_chargingStep = (m_chargingStep + 1) % 100;
}

void DDevicePage::setShownKeyboardCharging(bool charging)
{
    if (charging && !m_shownKeyboardCharging)
        m_chargingStep = 0;
    m_shownKeyboardCharging = charging;
    runChargingAnimationWhenSeen();
}

void DDevicePage::runChargingAnimationWhenSeen()
{
    const bool run = m_shownKeyboardCharging && m_pageShown;
    if (run && !m_chargingTimer->isActive())
        m_chargingTimer->start();
    else if (!run && m_chargingTimer->isActive())
        m_chargingTimer->stop();
}

void DDevicePage::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_pageShown = true;
    runChargingAnimationWhenSeen();
}

void DDevicePage::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    // Hidden or minimised: nothing animates for nobody.
    m_pageShown = false;
    runChargingAnimationWhenSeen();
}

void DDevicePage::onWaitForDataReturn_0x0d(QString strCurrentHidPath, QString strHidName)
{
    Q_UNUSED(strCurrentHidPath);
    Q_UNUSED(strHidName);
}

void DDevicePage::onSleepTimeSetSuccessful()
{
    m_sleepTimeAcked = true;
    m_sleepTimeRequest->onConfirmed();
}

void DDevicePage::onLightConfigHaveChanged_HidSend(int hidType, int ledType)
{
    lightsConfigPage()->showLightTypeFromDevice(hidType, ledType);
    keySelectFrame *keyLayer = DDataManager::getInstance()->currentKeySelectFrame();
    if (hidType == 0) {
        if (m_currentMainPage != TriggerSettingPage) {
            if (m_hidDeviceJoinFrame)
                m_hidDeviceJoinFrame->selectKeysInRect(0, 0, 0, 0);
            if (m_dragShowArea)
                m_dragShowArea->setDragEnabled(false);
            if (keyLayer)
                keyLayer->setKeysHoverEnabled(false);
        }
        m_customKeysPage->setLightInteractionHook(LightModeTable::isKeyPressReactive(ledType), 0);
    }
    if (m_currentMainPage == CustomKeysPage && keyLayer)
        keyLayer->setKeysHoverEnabled(true);
}

void DDevicePage::onCustomLight_ConfigHaveChanged_HidSend0x09(int hidType, int ledType, int usingCustomIndex)
{
    if (m_currentMainPage != TriggerSettingPage) {
        if (m_hidDeviceJoinFrame)
            m_hidDeviceJoinFrame->selectKeysInRect(0, 0, 0, 0);
        if (m_dragShowArea)
            m_dragShowArea->setDragEnabled(true);
        if (keySelectFrame *keyLayer = DDataManager::getInstance()->currentKeySelectFrame())
            keyLayer->setKeysHoverEnabled(true);
    }
    lightsConfigPage()->showCustomLightFromDevice(hidType, ledType, usingCustomIndex);
}

void DDevicePage::onTheKeyboardModeChanged(int mode)
{
    if (m_hidDeviceJoinFrame)
        m_hidDeviceJoinFrame->setPictureVariant(mode);
}

void DDevicePage::onQueryMagneticAxisOneKeyDataBack()
{
    // While the open reads the travel values its reader takes the replies.
    if (m_openSequence->stage() != DeviceOpenSequence::Stage::ReadingTravel)
        m_oneKeyReplied = true;
}

// ---- signals of the keyboard view (the magnetic-switch handling takes them) ----

void DDevicePage::onDragAreaMoveOneKey(bool isSelectedOneKey)
{
    if (m_dragShowArea)
        m_dragShowArea->setSingleKeyMode(isSelectedOneKey);
}

bool DDevicePage::isKeySelectionActive() const
{
    return m_currentMainPage == TriggerSettingPage
        || (m_currentMainPage == LightsConfigPage && m_keyboardLightMode == LUMTAR_KEYBOARD_MODE_CUSTOM);
}

void DDevicePage::onDragArea_SelectKeys(int startX, int startY, int endX, int endY)
{
    if (!isKeySelectionActive() || !m_hidDeviceJoinFrame)
        return;
    int rect[4] = {};
    if (!MagneticCommands::normalisedDrag(startX, startY, endX, endY, rect))
        return;
    m_hidDeviceJoinFrame->selectKeysInRect(rect[0], rect[1], rect[2], rect[3]);
}

void DDevicePage::onDragShowAreaMouseMovePoint(int moveX, int moveY)
{
    if (isKeySelectionActive() && m_hidDeviceJoinFrame)
        m_hidDeviceJoinFrame->hoverKeyAt(moveX, moveY, m_currentMainPage);
}

void DDevicePage::onDragAreaMousePressOrRelease(bool isMousePress)
{
    if (isKeySelectionActive() && m_hidDeviceJoinFrame)
        m_hidDeviceJoinFrame->toggleHoveredKey(isMousePress);
}
