// The device page's relays for magnetic-switch keyboards: the trigger
// settings page's requests become 0x29 reports on the shown keyboard, the
// keyboard's calibration replies reach the key buttons, and the keyboard
// view goes into and out of its calibration display.
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui_DDevicePage.h"

#include <QDebug>

#include "core/DDataManager.h"
#include "device/DDeviceKeyboardLink.h"
#include "device/MagneticCommands.h"
#include "device/MainHidInterFace.h"
#include "ui/mainwidget/devicePage/dragShowArea.h"
#include "ui/mainwidget/devicePage/hidDeviceJoinFrame.h"
#include "ui/mainwidget/devicePage/keySelectFrame.h"
#include "ui/mainwidget/devicePage/keyboardButCustom.h"
#include "ui/mainwidget/devicePage/trigger/DTriggerSettingPage.h"
#include "widgets/CbNotice.h"

namespace {

MagneticCommands::KeyBitmap bitmapOf(const QList<keyboardButCustom *> &keys)
{
    QVector<QPoint> positions;
    for (const keyboardButCustom *key : keys)
        if (key)
            positions.append(QPoint(key->gridRow(), key->gridColumn()));
    return MagneticCommands::keyBitmap(positions);
}

} // namespace

bool DDevicePage::writeMagnetic(const HidReportBuff &report, int sender)
{
    if (!m_currentHidInterface || m_currentHidInterface->writeHidCmd(report.constData()) < 0) {
        qDebug().noquote() << QStringLiteral("USB serial port [Write Sensitivity-data] Failed ... %1").arg(sender);
        return false;
    }
    return true;
}

void DDevicePage::showOperateOutcome(bool queued)
{
    m_notice->showNotice(queued ? QObject::tr("Operate successful") : QObject::tr("Operate failed"), noticePoint());
}

void DDevicePage::onQueryDynamicDisplaySensitivityNum(int indexX, int indexY)
{
    // Asks the keyboard for the travel settings of the key at (row, column).
    writeMagnetic(MagneticCommands::queryKeyTravel(indexX, indexY), 4);
}

void DDevicePage::onTheDragAreaHaveChanged(int operateType, int selectedStatus, int indexX, int indexY)
{
    Q_UNUSED(selectedStatus);
    if (m_currentMainPage != TriggerSettingPage || !m_hidDeviceJoinFrame)
        return;
    writeMagnetic(MagneticCommands::selectKeys(bitmapOf(m_hidDeviceJoinFrame->selectedKeys())), 1);
    triggerSettingPage()->clearDynamicSensitivity();
    if (operateType == 1)
        DDataManager::getInstance()->queryDynamicDisplaySensitivityNum(1, indexX, indexY);
}

void DDevicePage::onMagnetsKeysApplyConfig(int selMode, int strengthNum_L, int strengthNum_R,
                                           int strengthNum_QuickTrigger_L, int strengthNum_QuickTrigger_R)
{
    if (!m_currentHidInterface)
        return;
    const QList<keyboardButCustom *> keys =
        m_hidDeviceJoinFrame ? m_hidDeviceJoinFrame->selectedKeys() : QList<keyboardButCustom *>();
    if (keys.isEmpty()) {
        m_notice->showNotice(QObject::tr("Please select one Key first"), noticePoint());
        return;
    }
    for (keyboardButCustom *key : keys) {
        if (key)
            key->setTravelValues(selMode, strengthNum_L, strengthNum_R, strengthNum_QuickTrigger_L,
                                 strengthNum_QuickTrigger_L, strengthNum_QuickTrigger_R, true);
    }
    const bool queued = writeMagnetic(MagneticCommands::apply(selMode, bitmapOf(keys), strengthNum_L, strengthNum_R,
                                                              strengthNum_QuickTrigger_L, strengthNum_QuickTrigger_R),
                                      2);
    showOperateOutcome(queued);
}

void DDevicePage::onMagnetsKeyboardDefaultSensitivity()
{
    // The keyboard restores the default travel settings of every key.
    if (!m_currentHidInterface)
        return;
    writeMagnetic(MagneticCommands::report(MagneticCommands::DefaultTravel), 3);
    triggerSettingPage()->initTriggerSettingData();
}

void DDevicePage::onKeyAntiShakeCurrentNum(int KeyAntiShakeNum)
{
    if (!m_currentHidInterface)
        return;
    const bool queued = writeMagnetic(MagneticCommands::setValue(MagneticCommands::AntiShake, KeyAntiShakeNum), 5);
    if (queued)
        DDataManager::getInstance()->setKeyAntiShakeNum(KeyAntiShakeNum);
    showOperateOutcome(queued);
}

void DDevicePage::onKeyRateOfReturnCurrentNum(int rateOfReturnNumDel)
{
    if (!m_currentHidInterface)
        return;
    const bool queued =
        writeMagnetic(MagneticCommands::setValue(MagneticCommands::ReportRate, rateOfReturnNumDel), 6);
    if (queued)
        DDataManager::getInstance()->setKeyRateOfReturnNum(rateOfReturnNumDel);
    showOperateOutcome(queued);
}

void DDevicePage::showCalibrationView(bool lightShow, bool hoverEnabled)
{
    DDataManager *data = DDataManager::getInstance();
    data->setKeyCalibrationMode(true);
    if (keySelectFrame *keyLayer = data->currentKeySelectFrame()) {
        keyLayer->setCalibrationShowMode(true);
        keyLayer->setSideLightsVisible(false);
        keyLayer->setKeysHoverEnabled(hoverEnabled);
    }
    m_calibrationKeyRow = -1;
    m_calibrationKeyColumn = -1;
    if (m_dragShowArea)
        m_dragShowArea->lower();
    if (m_hidDeviceJoinFrame) {
        m_hidDeviceJoinFrame->raise();
        m_hidDeviceJoinFrame->show();
        m_hidDeviceJoinFrame->setLightShowMode(lightShow);
    }
}

void DDevicePage::restoreTriggerView()
{
    DDataManager *data = DDataManager::getInstance();
    data->setKeyCalibrationMode(false);
    keySelectFrame *keyLayer = data->currentKeySelectFrame();
    if (keyLayer)
        keyLayer->setCalibrationShowMode(false);
    m_calibrationKeyRow = -1;
    m_calibrationKeyColumn = -1;
    if (m_hidDeviceJoinFrame) {
        m_hidDeviceJoinFrame->lower();
        m_hidDeviceJoinFrame->setLightShowMode(true);
    }
    if (m_dragShowArea) {
        m_dragShowArea->raise();
        m_dragShowArea->show();
        m_dragShowArea->setDragEnabled(true);
    }
    if (keyLayer) {
        keyLayer->setSideLightsVisible(false);
        keyLayer->setKeysHoverEnabled(true);
    }
    for (keyboardButCustom *key : data->keyButtonList()) {
        if (!key)
            continue;
        key->setLightColorShow(false);
        key->setLightColor(QColor(0, 0, 0, 0));
    }
}

void DDevicePage::onCalibrationMode(int selMode)
{
    if (selMode != 0)
        showCalibrationView(true, true);
    else
        restoreTriggerView();
    writeMagnetic(MagneticCommands::selectKeys(MagneticCommands::KeyBitmap{}), 7);
    triggerSettingPage()->clearDynamicSensitivity();
}

void DDevicePage::onTheMagneticKeyboardCalibrationPoint(int keyPointX, int keyPointY)
{
    m_calibrationKeyRow = keyPointX;
    m_calibrationKeyColumn = keyPointY;
    writeMagnetic(MagneticCommands::selectKeys(MagneticCommands::keyBitmap({QPoint(keyPointX, keyPointY)})), 8);
    triggerSettingPage()->clearDynamicSensitivity();
}

void DDevicePage::onKeyCalibrationStartRuning()
{
    if (!DDataManager::getInstance()->isKeyCalibrationMode()) {
        onEveryPageBackTip(QObject::tr("Please switch to key calibration mode first"));
        return;
    }
    if (m_calibrationKeyRow < 0 || m_calibrationKeyColumn < 0) {
        onEveryPageBackTip(QObject::tr("Please select one Key first"));
        return;
    }
    if (!m_currentHidInterface)
        return;
    showOperateOutcome(writeMagnetic(MagneticCommands::calibrateKey(m_calibrationKeyRow, m_calibrationKeyColumn), 9));
}

void DDevicePage::onTheMagneticKeyboardCalibrationStatusBack(int keyCalibrationStatus)
{
    switch (keyCalibrationStatus) {
    case 0:
        onEveryPageBackTip(QObject::tr("The key calibration successful"));
        break;
    case 1:
        onEveryPageBackTip(QObject::tr("The key calibration runing"));
        break;
    case 2:
        onEveryPageBackTip(QObject::tr("The key calibration failed"));
        break;
    default:
        onEveryPageBackTip(QObject::tr("Unknow"));
        break;
    }
}

void DDevicePage::onAllKeysCalibrationMode(int selMode)
{
    if (selMode != 0) {
        ui->widget_MoveTip->show();
        onEveryPageBackTip(QObject::tr("The key calibration runing"));
        showCalibrationView(false, false);
        m_allKeysCalibrationRunning = true;
    } else {
        ui->widget_MoveTip->hide();
        clearAllKeysCalibrationMarks();
        m_allKeysCalibrationRunning = false;
        restoreTriggerView();
    }
    writeMagnetic(MagneticCommands::calibrateAllKeys(selMode != 0), 10);
}

void DDevicePage::clearAllKeysCalibrationMarks()
{
    for (const QPointer<keyboardButCustom> &key : qAsConst(m_allKeysCalibrationKeys))
        if (key)
            key->setChecked(false, true);
    m_allKeysCalibrationKeys.clear();
}

void DDevicePage::onMagneticKeyboardAllKeysCalibrationStatusBack(int keyCalibrationStatus)
{
    // A late reply of a calibration that was stopped, or that another
    // program started, marks nothing and claims nothing.
    if (!m_allKeysCalibrationRunning)
        return;
    if (keyCalibrationStatus == 0 || keyCalibrationStatus == 1) {
        clearAllKeysCalibrationMarks();
        const QMap<int, int> columns =
            m_currentKeyboardLink ? m_currentKeyboardLink->allKeysCalibrationMap() : QMap<int, int>();
        for (auto it = columns.cbegin(); it != columns.cend(); ++it) {
            for (int row = 0; row < 6; ++row) {
                if (!(it.value() & (1 << row)))
                    continue;
                if (keyboardButCustom *key = keyButtonAt(row, it.key())) {
                    key->setChecked(true, true);
                    m_allKeysCalibrationKeys.append(key);
                }
            }
        }
        if (keyCalibrationStatus == 1)
            return;
        clearAllKeysCalibrationMarks();
        onEveryPageBackTip(QObject::tr("The key calibration successful"));
    } else {
        clearAllKeysCalibrationMarks();
        onEveryPageBackTip(QObject::tr("The key calibration failed"));
    }
    endAllKeysCalibration();
}

void DDevicePage::endAllKeysCalibration()
{
    ui->widget_MoveTip->hide();
    triggerSettingPage()->clearAllKeysCalibrationRunning();
    clearAllKeysCalibrationMarks();
    m_allKeysCalibrationRunning = false;
    restoreTriggerView();
}

void DDevicePage::endCalibrationOfShownKeyboard()
{
    const bool calibrating = DDataManager::getInstance()->isKeyCalibrationMode() || m_allKeysCalibrationRunning;
    if (!calibrating)
        return;
    ui->widget_MoveTip->hide();
    triggerSettingPage()->clearAllKeysCalibrationRunning();
    triggerSettingPage()->exitCalibrationMode();
    clearAllKeysCalibrationMarks();
    m_allKeysCalibrationRunning = false;
    DDataManager *data = DDataManager::getInstance();
    data->setKeyCalibrationMode(false);
    if (keySelectFrame *keyLayer = data->currentKeySelectFrame())
        keyLayer->setCalibrationShowMode(false);
    m_calibrationKeyRow = -1;
    m_calibrationKeyColumn = -1;
}
