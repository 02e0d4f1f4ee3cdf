// The trigger settings page of magnetic-switch keyboards: the actuation
// travel of the selected keys on a travel scale, quick trigger with one or
// separate press and release sensitivities, one-key and all-keys
// calibration, and the explanation popups of these. Every change is applied
// at once through sigMagnetsKeysApplyConfig; the page persists nothing.
#ifndef DTRIGGERSETTINGPAGE_H
#define DTRIGGERSETTINGPAGE_H

#include <QPointer>
#include <QString>
#include <QWidget>

namespace Ui {
class DTriggerSettingPage;
}

class ArrowWidget;
class DSensitivityShowWidget;
class QTimer;
class sliderCustomWidget;

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

    // The apply mode of the two check boxes: 0, 1, 12 or 13.
    int triggerSelMode() const;
    DSensitivityShowWidget *sensitivityShow() const { return m_sensitivity; }
    sliderCustomWidget *antiShakeSlider() const { return m_antiShakeSlider; }
    sliderCustomWidget *rateSlider() const { return m_rateSlider; }
    ArrowWidget *popup() const;
    int centreValue() const { return m_centreValue; }
    int pressValue() const { return m_pressValue; }
    int releaseValue() const { return m_releaseValue; }
    bool isAllKeysCalibrationRunning() const { return m_allKeysRunning; }

signals:
    void sigMagnetsKeysApplyConfig(int selMode, int strengthNum_L, int strengthNum_R, int strengthNum_QuickTrigger_L,
                                   int strengthNum_QuickTrigger_R);
    void sigMagnetsKeyboardDefaultSensitivity();
    void sigKeyAntiShakeCurrentNum(int KeyAntiShakeNum);
    void sigKeyRateOfReturnCurrentNum(int rateOfReturnNumDel);
    void sigCalibrationMode(int selMode);
    void sigKeyCalibrationStartRuning();
    void sigAllKeysCalibrationMode(int selMode);

public slots:
    void on_pushButton_TriggerApply_clicked();
    void on_checkBox_QuickTrigger_clicked();
    void on_checkBox_SecondarySensitivity_clicked();
    void on_checkBox_IntensityTracking_clicked();
    void on_pushButton_ResetSensitivity_clicked();
    void on_checkBox_CalibrationMode_clicked();
    void on_pushButton_KeyCalibration_clicked();
    void on_pushButton_KeyCalibration_AllKeys_clicked();
    void onSliderPressReleaseJourneyValue(int Value);
    void onSliderPressJourneyValue(int Value);
    void onSliderReleaseJourneyValue(int Value);
    void onSliderPressReleaseJourneyReleased();
    void onSliderPressJourneyReleased();
    void onSliderReleaseJourneyReleased();
    void onCurrentStrengthNumBack(int whereData, int StrengthNum);
    void onMouseReleaseOperate();
    void onBackCurrentPositionNum_Speed(int KeyAntiShakeNum);
    void onBackCurrentPositionNum_RateOfReturn(int rateOfReturnNum);
    void onQueryDynamicDisplaySensitivityNum_BackInfo(int type, int pressNum, int releaseNum,
                                                      int QuickTriggerPressNum, int QuickTriggerReleaseNum);
    void onBackDynamicDisplaySensitivityNum(int indexX, int indexY, int sensitivityNum);
    void onExplainShow();
    void theExplainQuickTriggerShow();
    void theExplainMagneticKeyShow();
    void onExplainShow_2();
    void onScrollSheetSet();
    void onTestRuning();
    void onLoadInitData();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void setTexts();
    void applyThemeColors();
    void resetQuickTriggerValues();
    void setQuickTriggerOptionsShown(bool shown);
    // Shows a popup holding `content` above `button`.
    void showPopup(QWidget *button, QWidget *content, int width, int height, int lift);
    void showPressReleaseTip(QWidget *button, const QString &text);
    void hidePopup();
    // The travel steps the keyboard supports (its maximum + 1), at least 2.
    static int stepCount();

    Ui::DTriggerSettingPage *ui;
    DSensitivityShowWidget *m_sensitivity = nullptr;
    sliderCustomWidget *m_antiShakeSlider = nullptr;
    sliderCustomWidget *m_rateSlider = nullptr;
    QTimer *m_demoTimer = nullptr;
    QString m_scrollSheet;
    int m_centreValue = 0;
    int m_pressValue = 0;
    int m_releaseValue = 0;
    int m_quickTriggerValue = 0;
    int m_quickTriggerPressValue = 0;
    int m_quickTriggerReleaseValue = 0;
    QPointer<ArrowWidget> m_popup;
    bool m_allKeysRunning = false;
};

#endif
