// The device page's relays for magnetic-switch keyboards: the one-key
// travel query, calibration reports of the shared state, and the trigger
// settings page's requests.
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui_DDevicePage.h"

#include <QDebug>

#include "device/HidReportBuff.h"
#include "device/MainHidInterFace.h"
#include "ui/mainwidget/devicePage/trigger/DTriggerSettingPage.h"

void DDevicePage::onQueryDynamicDisplaySensitivityNum(int indexX, int indexY)
{
    // Asks the keyboard for the travel settings of the key at (row, column).
    HidReportBuff report(0x29, 0x00, 0x18);
    report[6] = 5;
    report[7] = static_cast<uint8_t>(indexX);
    report[8] = static_cast<uint8_t>(indexY);
    if (!m_currentHidInterface || m_currentHidInterface->writeHidCmd(report.constData()) < 0)
        qDebug() << "USB serial port [Write Sensitivity-data] Failed ... 4";
}

void DDevicePage::onTheMagneticKeyboardCalibrationPoint(int keyPointX, int keyPointY)
{
    Q_UNUSED(keyPointX);
    Q_UNUSED(keyPointY);
}

void DDevicePage::onTheMagneticKeyboardCalibrationStatusBack(int keyCalibrationStatus)
{
    Q_UNUSED(keyCalibrationStatus);
}

void DDevicePage::onMagneticKeyboardAllKeysCalibrationStatusBack(int keyCalibrationStatus)
{
    Q_UNUSED(keyCalibrationStatus);
}

void DDevicePage::onMagnetsKeysApplyConfig(int selMode, int strengthNum_L, int strengthNum_R,
                                           int strengthNum_QuickTrigger_L, int strengthNum_QuickTrigger_R)
{
    Q_UNUSED(selMode);
    Q_UNUSED(strengthNum_L);
    Q_UNUSED(strengthNum_R);
    Q_UNUSED(strengthNum_QuickTrigger_L);
    Q_UNUSED(strengthNum_QuickTrigger_R);
}

void DDevicePage::onMagnetsKeyboardDefaultSensitivity()
{
    // The keyboard restores the default travel settings of every key.
    if (!m_currentHidInterface)
        return;
    HidReportBuff report(0x29, 0x00, 0x18);
    report[6] = 6;
    if (m_currentHidInterface->writeHidCmd(report.constData()) < 0)
        qDebug() << "USB serial port [Write Sensitivity-data] Failed ... 3";
    m_triggerSettingPage->initTriggerSettingData();
}

void DDevicePage::onKeyAntiShakeCurrentNum(int KeyAntiShakeNum)
{
    Q_UNUSED(KeyAntiShakeNum);
}

void DDevicePage::onKeyRateOfReturnCurrentNum(int rateOfReturnNumDel)
{
    Q_UNUSED(rateOfReturnNumDel);
}

void DDevicePage::onCalibrationMode(int selMode)
{
    Q_UNUSED(selMode);
}

void DDevicePage::onKeyCalibrationStartRuning() {}

void DDevicePage::onAllKeysCalibrationMode(int selMode)
{
    Q_UNUSED(selMode);
}
