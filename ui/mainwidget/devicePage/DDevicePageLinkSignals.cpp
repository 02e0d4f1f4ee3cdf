// The device page's slots for the shown keyboard's link and for its
// keyboard view: battery and charging, the sleep-time acknowledgement, light
// settings changed on the keyboard, its keyboard mode and the one-key travel
// replies; the view's drag and selection signals.
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui_DDevicePage.h"

#include <QTimer>

#include "core/DDataManager.h"
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
            if (!m_chargingTimer->isActive()) {
                m_chargingStep = 0;
                m_chargingTimer->start();
            }
        } else {
            if (m_chargingTimer->isActive())
                m_chargingTimer->stop();
            ui->label_ElectricityNum->setShowText(true);
            ui->label_ElectricityNum->setBatteryLevel(Electricity);
        }
    } else {
        ui->label_Charging->hide();
        ui->label_ElectricityNum->setShowText(true);
        if (m_chargingTimer->isActive())
            m_chargingTimer->stop();
        ui->label_ElectricityNum->setBatteryLevel(Electricity);
    }
    ui->label_Mode->setText(KeyboardMode == 0 ? QStringLiteral("USB") : QStringLiteral("2.4G"));
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
    m_lightsConfigPage->showLightTypeFromDevice(hidType, ledType);
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
    m_lightsConfigPage->showCustomLightFromDevice(hidType, ledType, usingCustomIndex);
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
