#include "ui/mainwidget/devicePage/trigger/DTriggerSettingPage.h"
#include "ui_DTriggerSettingPage.h"

#include <QDebug>
#include <QEvent>
#include <QPainter>
#include <QRandomGenerator>
#include <QTimer>

#include "core/DDataManager.h"
#include "ui/mainwidget/devicePage/trigger/DKeyCalibrationExplainDia.h"
#include "ui/mainwidget/devicePage/trigger/DSensitivityShowWidget.h"
#include "widgets/ArrowWidget.h"
#include "widgets/DToolTipExplain.h"
#include "widgets/LanguageChangeHook.h"
#include "widgets/ThemeColorText.h"
#include "widgets/ThemeStyleSheets.h"
#include "widgets/sliderCustomWidget.h"

namespace {

QString rateText(int kilohertz)
{
    //: The report rate; %1 is a number of kilohertz.
    return DTriggerSettingPage::tr("%1K").arg(kilohertz);
}

constexpr int kDefaultQuickTrigger = 5;
// The travel scale's panel keeps its form's own dark ground in every theme.
const QColor kScaleGround(26, 27, 49);
// Report rates in kHz by report-rate slider position.
constexpr int kRates[] = {1, 2, 4, 8};

int ratePosition(int rate)
{
    for (int i = 0; i < 4; ++i)
        if (kRates[i] == rate)
            return i;
    return 0;
}

} // namespace

DTriggerSettingPage::DTriggerSettingPage(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::DTriggerSettingPage)
{
    ui->setupUi(this);
    setTexts();
    // Also without a keyboard, when the main window does not reach this page.
    LanguageChangeHook::install(this, [this] { updateAllUI(); });

    ui->frame_Top->hide();
    ui->toolButton_QuickTriggerExplain->hide();
    ui->pushButton_ResetSensitivity->hide();
    ui->frame_Center->hide();
    ui->frame_CCC->hide();
    ui->pushButton_TriggerApply->hide();

    DDataManager *data = DDataManager::getInstance();
    connect(data, &DDataManager::sigBackDynamicDisplaySensitivityNum, this,
            &DTriggerSettingPage::onBackDynamicDisplaySensitivityNum);
    connect(data, &DDataManager::sigQueryDynamicDisplaySensitivityNum_MouseClicked_BackInfo, this,
            &DTriggerSettingPage::onQueryDynamicDisplaySensitivityNum_BackInfo);

    m_sensitivity = new DSensitivityShowWidget(ui->widget_SensitivityShow);
    ui->widget_SensitivityShow->layout()->addWidget(m_sensitivity);
    connect(m_sensitivity, &DSensitivityShowWidget::sigCurrentStrengthNumBack, this,
            &DTriggerSettingPage::onCurrentStrengthNumBack);
    connect(m_sensitivity, &DSensitivityShowWidget::sigMouseReleaseOperate, this,
            &DTriggerSettingPage::onMouseReleaseOperate);

    m_antiShakeSlider = new sliderCustomWidget(ui->frame_SliderNum);
    ui->frame_SliderNum->layout()->addWidget(m_antiShakeSlider);
    connect(m_antiShakeSlider, &sliderCustomWidget::sigBackCurrentPositionNum, this,
            &DTriggerSettingPage::onBackCurrentPositionNum_Speed);
    m_antiShakeSlider->setSliderSize(220, 35);
    m_antiShakeSlider->setMargin(6);
    m_antiShakeSlider->setSteps(7);
    m_antiShakeSlider->setCurrentIndex(0);

    m_rateSlider = new sliderCustomWidget(ui->frame_SliderRateNum);
    ui->frame_SliderRateNum->layout()->addWidget(m_rateSlider);
    connect(m_rateSlider, &sliderCustomWidget::sigBackCurrentPositionNum, this,
            &DTriggerSettingPage::onBackCurrentPositionNum_RateOfReturn);
    m_rateSlider->setSliderSize(220, 35);
    m_rateSlider->setMargin(6);
    m_rateSlider->setSteps(3);
    m_rateSlider->setCurrentIndex(0);

    struct SliderWiring {
        MySlider *slider;
        QLabel *label;
        void (DTriggerSettingPage::*valueSlot)(int);
        void (DTriggerSettingPage::*releasedSlot)();
    };
    const SliderWiring sliders[] = {
        {ui->horizontalSlider_PressReleaseJourney, ui->label_Journey3,
         &DTriggerSettingPage::onSliderPressReleaseJourneyValue, &DTriggerSettingPage::onSliderPressReleaseJourneyReleased},
        {ui->horizontalSlider_PressJourney, ui->label_PressJourneySecond4,
         &DTriggerSettingPage::onSliderPressJourneyValue, &DTriggerSettingPage::onSliderPressJourneyReleased},
        {ui->horizontalSlider_ReleaseJourney, ui->label_ReleaseJourneySecond5,
         &DTriggerSettingPage::onSliderReleaseJourneyValue, &DTriggerSettingPage::onSliderReleaseJourneyReleased},
    };
    for (const SliderWiring &w : sliders) {
        w.slider->setMaximum(20);
        w.slider->setMinimum(1);
        w.slider->setValue(kDefaultQuickTrigger);
        w.slider->setHandleTolerance(18, 5);
        connect(w.slider, &QSlider::valueChanged, this, w.valueSlot);
        connect(w.slider, &QSlider::sliderReleased, this, w.releasedSlot);
        w.label->setText(DSensitivityShowWidget::mmText(kDefaultQuickTrigger));
    }

    ui->stackedWidget->setCurrentWidget(ui->page_SecondClose);

    for (QWidget *button : {static_cast<QWidget *>(ui->toolButton_Explain), static_cast<QWidget *>(ui->toolButton_QuickTriggerExplain),
                            static_cast<QWidget *>(ui->toolButton_MagneticKeyExplain), static_cast<QWidget *>(ui->toolButton_Explain_2),
                            static_cast<QWidget *>(ui->toolButton_LeftIco), static_cast<QWidget *>(ui->toolButton_RightIco)})
        button->installEventFilter(this);

    ui->toolButton_LeftIco->hide();
    ui->toolButton_RightIco->hide();
    ui->checkBox_IntensityTracking->hide();

    m_demoTimer = new QTimer(this);
    connect(m_demoTimer, &QTimer::timeout, this, &DTriggerSettingPage::onTestRuning);
}

DTriggerSettingPage::~DTriggerSettingPage()
{
    // Popups have no parent; the latest one goes with the page.
    delete m_popup;
    delete ui;
}

int DTriggerSettingPage::stepCount()
{
    return qMax(DSensitivityShowWidget::MinSteps, DDataManager::getInstance()->maxSensitivityNum() + 1);
}

void DTriggerSettingPage::setTexts()
{
    ui->pushButton_TriggerApply->setText(tr("Apply"));
    ui->checkBox_IntensityTracking->setText(tr("Journey tracking"));
    ui->checkBox_SecondarySensitivity->setText(tr("Sensitivity of pressing and releasing"));
    ui->checkBox_QuickTrigger->setText(tr("Quick trigger"));
    ui->pushButton_ResetSensitivity->setText(tr("Reset sensitivity"));
    ui->label->setText(tr("Key anti shake"));
    ui->label_2->setText(tr("Rate return"));
    ui->checkBox_CalibrationMode->setText(tr("Key calibration mode"));
    ui->pushButton_KeyCalibration->setText(tr("Start calibration"));
    ui->pushButton_KeyCalibration_AllKeys->setText(tr("Start calibration"));
    ui->label_4->setText(tr("Press(Trigger)"));
    ui->label_5->setText(tr("Release(Reset)"));
    ui->label_3->setText(tr("Press(Trigger)/Release(Reset)"));
    ui->label_QuickExplain->setText(tr("Customize and adjust your trigger stroke and reset stroke based on your "
                                       "intention to press or release the button."));
    ui->label_SecondExplain->setText(tr("You can separately set the stroke values for quick trigger pressing "
                                        "(triggering) and releasing (resetting)."));
    ui->label_6->setText(tr("All keys calibration"));
}

void DTriggerSettingPage::applyThemeColors()
{
    const ThemeColor theme = DDataManager::getInstance()->themeColor();
    // Its travel values in the accent colour where that reads on the panel.
    m_sensitivity->setThemeColors(themeRgb(theme.AllScrollBgColor, 255), themeRgb(theme.AllThemeColor, 255),
                                  themeRgb(theme.DeviceRightBgColor, 255),
                                  readableOn(themeRgb(theme.AllThemeColor, 255), kScaleGround),
                                  themeRgb(theme.DeviceRightBgColor, 255));
    for (sliderCustomWidget *slider : {m_antiShakeSlider, m_rateSlider}) {
        slider->setKnobColor(themeRgb(theme.DeviceSliderEllipseColor, 255));
        slider->setLineColor(themeRgb(theme.DeviceSliderHorizontalVerticalColor, 255));
        slider->setTickColor(themeRgb(theme.DeviceSliderHorizontalVerticalColor, 255));
    }
}

void DTriggerSettingPage::resetQuickTriggerValues()
{
    for (MySlider *slider :
         {ui->horizontalSlider_PressReleaseJourney, ui->horizontalSlider_PressJourney, ui->horizontalSlider_ReleaseJourney})
        slider->setValue(kDefaultQuickTrigger);
    for (QLabel *label : {ui->label_Journey3, ui->label_PressJourneySecond4, ui->label_ReleaseJourneySecond5})
        label->setText(DSensitivityShowWidget::mmText(kDefaultQuickTrigger));
    m_quickTriggerValue = m_quickTriggerPressValue = m_quickTriggerReleaseValue = kDefaultQuickTrigger;
}

void DTriggerSettingPage::setQuickTriggerOptionsShown(bool shown)
{
    ui->checkBox_SecondarySensitivity->setVisible(shown);
    ui->frame_SecondExplain->setVisible(shown);
    ui->stackedWidget->setVisible(shown);
}

void DTriggerSettingPage::initTriggerSettingData()
{
    DDataManager *data = DDataManager::getInstance();
    const int n = stepCount();
    m_sensitivity->setWidgetSize(ui->widget_SensitivityShow->width(), ui->widget_SensitivityShow->height());
    m_sensitivity->setStepCount(n);
    m_sensitivity->setBarWidth(38);
    m_sensitivity->setMarkerOrderLocked(false);

    const int antiShake = data->keyAntiShakeNum();
    const int rate = data->keyRateOfReturnNum();
    m_antiShakeSlider->setCurrentIndex(antiShake);
    m_rateSlider->setCurrentIndex(ratePosition(rate));
    ui->label_AntiShake->setText(QString::number(antiShake));
    ui->label_Rate->setText(rateText(rate));

    const int m = n / 2;
    ui->checkBox_IntensityTracking->setChecked(true);
    ui->checkBox_SecondarySensitivity->setChecked(false);
    m_sensitivity->setDualMarkerMode(false);
    m_sensitivity->setCenterStep(m);
    m_sensitivity->setPressStep(m - 1);
    m_sensitivity->setReleaseStep(m);
    m_sensitivity->setDynamicShow(false);
    m_centreValue = m;
    m_pressValue = m - 1;
    m_releaseValue = m;

    setQuickTriggerOptionsShown(false);
    ui->stackedWidget->setCurrentWidget(ui->page_SecondClose);
    resetQuickTriggerValues();
    applyThemeColors();
    ui->checkBox_QuickTrigger->setChecked(false);
    m_allKeysRunning = false;
}

void DTriggerSettingPage::exitCalibrationMode()
{
    DDataManager::getInstance()->setKeyCalibrationMode(false);
    ui->checkBox_CalibrationMode->setChecked(false);
}

void DTriggerSettingPage::clearDynamicSensitivity()
{
    m_sensitivity->setDynamicValue(0);
}

void DTriggerSettingPage::clearAllKeysCalibrationRunning()
{
    m_allKeysRunning = false;
}

int DTriggerSettingPage::triggerSelMode() const
{
    const bool separate = ui->checkBox_SecondarySensitivity->isChecked();
    if (ui->checkBox_QuickTrigger->isChecked())
        return separate ? 13 : 12;
    return separate ? 1 : 0;
}

void DTriggerSettingPage::on_pushButton_TriggerApply_clicked()
{
    // Before the keyboard has told its maximum travel the scale shows no
    // real travel: nothing is applied.
    if (DDataManager::getInstance()->maxSensitivityNum() <= 0)
        return;
    const int mode = triggerSelMode();
    if (ui->checkBox_SecondarySensitivity->isChecked())
        emit sigMagnetsKeysApplyConfig(mode, m_pressValue, m_releaseValue, m_quickTriggerPressValue,
                                       m_quickTriggerReleaseValue);
    else
        emit sigMagnetsKeysApplyConfig(mode, m_centreValue, m_centreValue, m_quickTriggerValue, m_quickTriggerValue);
}

void DTriggerSettingPage::on_checkBox_QuickTrigger_clicked()
{
    const int m = stepCount() / 2;
    resetQuickTriggerValues();
    const bool on = ui->checkBox_QuickTrigger->isChecked();
    setQuickTriggerOptionsShown(on);
    ui->checkBox_SecondarySensitivity->setChecked(false);
    ui->stackedWidget->setCurrentWidget(ui->page_SecondClose);
    m_sensitivity->setMarkerOrderLocked(on);
    m_sensitivity->setDualMarkerMode(false);
    m_sensitivity->setCenterStep(m);
    m_sensitivity->setPressStep(on ? m : m - 1);
    m_sensitivity->setReleaseStep(on ? m - 1 : m);
    m_centreValue = m;
    m_pressValue = on ? m : m - 1;
    m_releaseValue = on ? m - 1 : m;
    m_sensitivity->repaint();
    on_pushButton_TriggerApply_clicked();
}

void DTriggerSettingPage::on_checkBox_SecondarySensitivity_clicked()
{
    resetQuickTriggerValues();
    m_sensitivity->setDualMarkerMode(false);
    ui->stackedWidget->setCurrentWidget(ui->checkBox_SecondarySensitivity->isChecked() ? ui->page_SecondOpen
                                                                                      : ui->page_SecondClose);
    on_pushButton_TriggerApply_clicked();
}

void DTriggerSettingPage::on_checkBox_IntensityTracking_clicked() {}

void DTriggerSettingPage::on_pushButton_ResetSensitivity_clicked()
{
    emit sigMagnetsKeyboardDefaultSensitivity();
}

void DTriggerSettingPage::on_checkBox_CalibrationMode_clicked()
{
    emit sigCalibrationMode(ui->checkBox_CalibrationMode->isChecked() ? 1 : 0);
}

void DTriggerSettingPage::on_pushButton_KeyCalibration_clicked()
{
    emit sigKeyCalibrationStartRuning();
}

void DTriggerSettingPage::on_pushButton_KeyCalibration_AllKeys_clicked()
{
    m_allKeysRunning = !m_allKeysRunning;
    emit sigAllKeysCalibrationMode(m_allKeysRunning ? 1 : 0);
}

void DTriggerSettingPage::onSliderPressReleaseJourneyValue(int Value)
{
    ui->label_Journey3->setText(DSensitivityShowWidget::mmText(Value));
}

void DTriggerSettingPage::onSliderPressJourneyValue(int Value)
{
    ui->label_PressJourneySecond4->setText(DSensitivityShowWidget::mmText(Value));
}

void DTriggerSettingPage::onSliderReleaseJourneyValue(int Value)
{
    ui->label_ReleaseJourneySecond5->setText(DSensitivityShowWidget::mmText(Value));
}

void DTriggerSettingPage::onSliderPressReleaseJourneyReleased()
{
    m_quickTriggerValue = ui->horizontalSlider_PressReleaseJourney->value();
    on_pushButton_TriggerApply_clicked();
}

void DTriggerSettingPage::onSliderPressJourneyReleased()
{
    m_quickTriggerPressValue = ui->horizontalSlider_PressJourney->value();
    on_pushButton_TriggerApply_clicked();
}

void DTriggerSettingPage::onSliderReleaseJourneyReleased()
{
    m_quickTriggerReleaseValue = ui->horizontalSlider_ReleaseJourney->value();
    on_pushButton_TriggerApply_clicked();
}

void DTriggerSettingPage::onCurrentStrengthNumBack(int whereData, int StrengthNum)
{
    if (whereData < 0 || whereData > 2)
        qDebug() << "------------------------ [ ERROR ] ----------------------------";
    m_centreValue = StrengthNum;
    m_pressValue = StrengthNum;
    m_releaseValue = StrengthNum;
}

void DTriggerSettingPage::onMouseReleaseOperate()
{
    on_pushButton_TriggerApply_clicked();
}

void DTriggerSettingPage::onBackCurrentPositionNum_Speed(int KeyAntiShakeNum)
{
    ui->label_AntiShake->setText(QString::number(KeyAntiShakeNum));
    emit sigKeyAntiShakeCurrentNum(KeyAntiShakeNum);
}

void DTriggerSettingPage::onBackCurrentPositionNum_RateOfReturn(int rateOfReturnNum)
{
    const int rate = kRates[qBound(0, rateOfReturnNum, 3)];
    ui->label_Rate->setText(rateText(rate));
    emit sigKeyRateOfReturnCurrentNum(rate);
}

void DTriggerSettingPage::onQueryDynamicDisplaySensitivityNum_BackInfo(int type, int pressNum, int releaseNum,
                                                                       int QuickTriggerPressNum,
                                                                       int QuickTriggerReleaseNum)
{
    const bool separate = type == 1 || type == 13;
    ui->checkBox_SecondarySensitivity->setChecked(separate);
    ui->stackedWidget->setCurrentWidget(separate ? ui->page_SecondOpen : ui->page_SecondClose);
    m_sensitivity->setDualMarkerMode(false);
    if (type == 12 || type == 13) {
        setQuickTriggerOptionsShown(true);
        ui->checkBox_QuickTrigger->setChecked(true);
        m_sensitivity->setMarkerOrderLocked(true);
        if (type == 12) {
            ui->stackedWidget->setCurrentWidget(ui->page_SecondClose);
            ui->horizontalSlider_PressReleaseJourney->setValue(QuickTriggerPressNum);
            ui->label_Journey3->setText(DSensitivityShowWidget::mmText(QuickTriggerPressNum));
        } else {
            ui->stackedWidget->setCurrentWidget(ui->page_SecondOpen);
            ui->horizontalSlider_PressJourney->setValue(QuickTriggerPressNum);
            ui->horizontalSlider_ReleaseJourney->setValue(QuickTriggerReleaseNum);
            ui->label_PressJourneySecond4->setText(DSensitivityShowWidget::mmText(QuickTriggerPressNum));
            ui->label_ReleaseJourneySecond5->setText(DSensitivityShowWidget::mmText(QuickTriggerReleaseNum));
        }
    } else {
        setQuickTriggerOptionsShown(false);
        ui->checkBox_QuickTrigger->setChecked(false);
        m_sensitivity->setMarkerOrderLocked(false);
    }
    m_sensitivity->setCenterStep(pressNum);
    m_sensitivity->setPressStep(pressNum);
    m_sensitivity->setReleaseStep(releaseNum);
    m_centreValue = pressNum;
    m_pressValue = pressNum;
    m_releaseValue = releaseNum;
    m_quickTriggerValue = QuickTriggerPressNum;
    m_quickTriggerPressValue = QuickTriggerPressNum;
    m_quickTriggerReleaseValue = QuickTriggerReleaseNum;
    m_sensitivity->repaint();
}

void DTriggerSettingPage::onBackDynamicDisplaySensitivityNum(int indexX, int indexY, int sensitivityNum)
{
    Q_UNUSED(indexX);
    Q_UNUSED(indexY);
    m_sensitivity->setDynamicValue(sensitivityNum);
}

void DTriggerSettingPage::hidePopup()
{
    if (m_popup)
        m_popup->hide();
}

void DTriggerSettingPage::showPopup(QWidget *button, QWidget *content, int width, int height, int lift)
{
    // One popup at a time: the one before goes now, this one once hidden.
    if (m_popup) {
        m_popup->hide();
        m_popup->deleteLater();
    }
    m_popup = new ArrowWidget(1, nullptr);
    m_popup->setWidgetSize(width, height);
    m_popup->setCenterWidget(content);
    connect(m_popup, &ArrowWidget::sigArrowWidgetHide, m_popup, &QObject::deleteLater);
    const QPoint anchor = button->mapToGlobal(QPoint(button->width() / 2, button->height()));
    // A button near the screen's right edge: the popup moves left to stay
    // whole on the screen, its arrow still pointing at the button.
    m_popup->moveOnScreen(anchor - QPoint(38, button->height() + lift), 30, anchor);
    m_popup->show();
}

void DTriggerSettingPage::onExplainShow()
{
    auto *card = new DKeyCalibrationExplainDia(0, this);
    card->setWindowOpacity(1);
    showPopup(ui->toolButton_Explain, card, 360, 203, 205);
}

void DTriggerSettingPage::theExplainQuickTriggerShow()
{
    auto *card = new DKeyCalibrationExplainDia(1, this);
    card->setWindowOpacity(1);
    showPopup(ui->toolButton_QuickTriggerExplain, card, 310, 173, 175);
}

void DTriggerSettingPage::theExplainMagneticKeyShow()
{
    auto *card = new DKeyCalibrationExplainDia(2, this);
    card->setWindowOpacity(1);
    showPopup(ui->toolButton_MagneticKeyExplain, card, 310, 130, 132);
}

void DTriggerSettingPage::onExplainShow_2()
{
    auto *card = new DKeyCalibrationExplainDia(3, this);
    card->setWindowOpacity(1);
    showPopup(ui->toolButton_Explain_2, card, 360, 173, 175);
}

void DTriggerSettingPage::showPressReleaseTip(QWidget *button, const QString &text)
{
    auto *tip = new DToolTipExplain(nullptr);
    showPopup(button, tip, 230, 70, 74);
    tip->setText(text);
}

bool DTriggerSettingPage::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Enter) {
        if (watched == ui->toolButton_Explain)
            onExplainShow();
        else if (watched == ui->toolButton_QuickTriggerExplain)
            theExplainQuickTriggerShow();
        else if (watched == ui->toolButton_MagneticKeyExplain)
            theExplainMagneticKeyShow();
        else if (watched == ui->toolButton_Explain_2)
            onExplainShow_2();
        else if (watched == ui->toolButton_LeftIco)
            showPressReleaseTip(ui->toolButton_LeftIco, tr("Press"));
        else if (watched == ui->toolButton_RightIco)
            showPressReleaseTip(ui->toolButton_RightIco, tr("Release"));
    } else if (event->type() == QEvent::Leave) {
        hidePopup();
    }
    return QWidget::eventFilter(watched, event);
}

void DTriggerSettingPage::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event);
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
}

void DTriggerSettingPage::onScrollSheetSet()
{
    ui->frame_3->setStyleSheet(m_scrollSheet);
}

void DTriggerSettingPage::onTestRuning()
{
    m_sensitivity->setDynamicValue(QRandomGenerator::global()->bounded(10));
}

void DTriggerSettingPage::onLoadInitData()
{
    m_sensitivity->setWidgetSize(ui->widget_SensitivityShow->width(), ui->widget_SensitivityShow->height());
    m_sensitivity->setStepCount(10);
    m_sensitivity->setBarWidth(38);
    initTriggerSettingData();
}

void DTriggerSettingPage::updateAllUI()
{
    ui->retranslateUi(this);
    setTexts();
    DDataManager *data = DDataManager::getInstance();
    ui->label_AntiShake->setText(QString::number(data->keyAntiShakeNum()));
    ui->label_Rate->setText(rateText(data->keyRateOfReturnNum()));
    ui->label_Journey3->setText(DSensitivityShowWidget::mmText(m_quickTriggerValue));
    ui->label_PressJourneySecond4->setText(DSensitivityShowWidget::mmText(m_quickTriggerPressValue));
    ui->label_ReleaseJourneySecond5->setText(DSensitivityShowWidget::mmText(m_quickTriggerReleaseValue));
}

void DTriggerSettingPage::updateAppTheme()
{
    const ThemeColor theme = DDataManager::getInstance()->themeColor();
    const QFont font = DDataManager::getInstance()->themeFont(1);
    applyThemeColors();
    setStyleSheet(QStringLiteral("#DTriggerSettingPage{background-color: rgb(%1);}").arg(theme.DeviceRightBgColor));
    // The form's panels draw no frame lines of their own: only the left
    // column carries a border.
    ui->frame_004->setStyleSheet(QStringLiteral("QFrame{border: none;}"
                                                "#frame_AAA{border: 3px solid rgb(%1); border-radius: 8px;}")
                                     .arg(theme.DeviceBorderColor));
    for (QLabel *label : {ui->label, ui->label_2, ui->label_3, ui->label_4, ui->label_5, ui->label_QuickExplain,
                          ui->label_SecondExplain, ui->label_6, ui->label_AntiShake, ui->label_Rate, ui->label_Journey3,
                          ui->label_PressJourneySecond4, ui->label_ReleaseJourneySecond5}) {
        label->setStyleSheet(QStringLiteral("color: rgb(%1);").arg(theme.TextDefaultColor));
        label->setFont(font);
    }
    const QString checkBoxes =
        QStringLiteral("QCheckBox{color: rgb(%1); font: bold 10pt \"%3\";}"
                       "QCheckBox:checked{color: rgb(%2);}"
                       "QCheckBox::indicator{width: 13px; height: 13px;}"
                       "QCheckBox::indicator:unchecked{image: url(:/images/publicIco/checkBoxDef.png);}"
                       "QCheckBox::indicator:checked{image: url(:/images/publicIco/checkBoxSel.png);}")
            .arg(theme.TextDefaultColor, theme.TextCheckedColor, theme.TextFont);
    ui->frame_Bottom->setStyleSheet(checkBoxes);
    ui->frame_4->setStyleSheet(checkBoxes);
    for (QPushButton *button : {ui->pushButton_TriggerApply, ui->pushButton_ResetSensitivity,
                                ui->pushButton_KeyCalibration, ui->pushButton_KeyCalibration_AllKeys}) {
        button->setStyleSheet(pageButtonStyleSheet(theme, 2));
        button->setFont(font);
    }
    const auto sliderSheet = [&theme](const QString &fill) {
        return QStringLiteral("QSlider::groove:horizontal{height: 6px; border: none; border-radius: 3px; "
                              "background: rgb(%1);}"
                              "QSlider::handle:horizontal{width: 16px; height: 16px; margin-top: -5px; "
                              "margin-bottom: -5px; border-image: url(:/images/DKS/slider.png);}"
                              "QSlider::sub-page:horizontal{background: rgb(%2); border-radius: 3px;}")
            .arg(theme.DeviceBorderColor, fill);
    };
    ui->horizontalSlider_PressReleaseJourney->setStyleSheet(sliderSheet(theme.QuickTriggerPressAndReleaseColor));
    ui->horizontalSlider_PressJourney->setStyleSheet(sliderSheet(theme.QuickTriggerPressColor));
    ui->horizontalSlider_ReleaseJourney->setStyleSheet(sliderSheet(theme.QuickTriggerReleaseColor));
    const QString clear = QStringLiteral("background-color: transparent;");
    ui->scrollArea->setStyleSheet(QStringLiteral("QScrollArea{%1}").arg(clear));
    ui->scrollAreaWidgetContents->setStyleSheet(QStringLiteral("#scrollAreaWidgetContents{%1}").arg(clear));
    m_scrollSheet =
        QStringLiteral("QScrollBar:vertical{width: 4px; background: transparent; margin-top: 3px; margin-bottom: 3px;}"
                       "QScrollBar::handle:vertical{background: rgb(%1); border-radius: 2px; min-height: 20px;}"
                       "QScrollBar::handle:vertical:hover{background: rgb(%2);}"
                       "QScrollBar::add-line:vertical,QScrollBar::sub-line:vertical{height: 0px;}"
                       "QScrollBar::add-page:vertical,QScrollBar::sub-page:vertical{background: rgb(%3); "
                       "border-radius: 2px;}")
            .arg(theme.AllScrollBarColorDef, theme.AllScrollBarColorHover, theme.AllScrollBgColor);
    QTimer::singleShot(200, this, &DTriggerSettingPage::onScrollSheetSet);
}

ArrowWidget *DTriggerSettingPage::popup() const
{
    return m_popup;
}
