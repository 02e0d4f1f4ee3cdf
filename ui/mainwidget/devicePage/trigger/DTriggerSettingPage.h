// The trigger settings page of magnetic-switch keyboards: travel, rapid
// trigger, anti-shake, report rate and calibration.
#ifndef DTRIGGERSETTINGPAGE_H
#define DTRIGGERSETTINGPAGE_H

#include <QWidget>

class DTriggerSettingPage : public QWidget
{
    Q_OBJECT

public:
    explicit DTriggerSettingPage(QWidget *parent = nullptr);
    ~DTriggerSettingPage() override;

    void initTriggerSettingData();
    void exitCalibrationMode();
    void clearDynamicSensitivity();
    void clearAllKeysCalibrationRunning();
    void updateAllUI();
    void updateAppTheme();

signals:
    void sigMagnetsKeysApplyConfig(int selMode, int strengthNum_L, int strengthNum_R, int strengthNum_QuickTrigger_L,
                                   int strengthNum_QuickTrigger_R);
    void sigMagnetsKeyboardDefaultSensitivity();
    void sigKeyAntiShakeCurrentNum(int KeyAntiShakeNum);
    void sigKeyRateOfReturnCurrentNum(int rateOfReturnNumDel);
    void sigCalibrationMode(int selMode);
    void sigKeyCalibrationStartRuning();
    void sigAllKeysCalibrationMode(int selMode);
};

#endif
