// The device page's theme and language refresh: its own widgets, the
// feature pages (theme order: performance, lighting, key assignment,
// trigger), the key buttons and the main-page buttons.
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui_DDevicePage.h"

#include <QTimer>

#include "core/DDataManager.h"
#include "device/DDeviceKeyboardLink.h"
#include "ui/mainwidget/devicePage/DDeviceListItem.h"
#include "ui/mainwidget/devicePage/customKeys/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/dragShowArea.h"
#include "ui/mainwidget/devicePage/keyboardButCustom.h"
#include "ui/mainwidget/devicePage/lightDeal/DLightsConfigPage.h"
#include "ui/mainwidget/devicePage/trigger/DPerformancePage.h"
#include "ui/mainwidget/devicePage/trigger/DTriggerSettingPage.h"
#include "widgets/CbNotice.h"
#include "widgets/DropDownLook.h"
#include "widgets/StyleSheetUpdate.h"
#include "widgets/ThemeColorText.h"
#include "widgets/ThemeStyleSheets.h"

namespace {

QFont sizedFont(QFont font, int pointSize)
{
    font.setPointSize(pointSize);
    return font;
}

// The theme's travel and state colours on every key button; what the keys
// show (light colours or not) stays as the page set it.
void applyKeyTheme(const QList<keyboardButCustom *> &keys, const ThemeColor &theme)
{
    const QColor accent = themeRgb(theme.TextCheckedColor, 255);
    for (keyboardButCustom *key : keys) {
        if (!key)
            continue;
        key->setTravelColors(themeRgb(theme.MagneticAxisTravelValueColor, 255),
                             themeRgb(theme.QuickTriggerPressColor, 255), themeRgb(theme.QuickTriggerReleaseColor, 255),
                             themeRgb(theme.QuickTriggerPressAndReleaseColor, 255),
                             themeRgb(theme.QuickTriggerPressAndReleaseBgColor, 255), theme.TextFont);
        key->setThemeColors(QColor(220, 40, 45), accent);
    }
}

} // namespace

QString DDevicePage::calibrationTipText() const
{
    return QObject::tr("All keys calibration in progress ...(Please press all keys)");
}

void DDevicePage::updateAllUI()
{
    ui->retranslateUi(this);
    const ThemeColor theme = DDataManager::getInstance()->themeColor();
    ui->label_Url->setText(companyLinkRichText(theme.TextCheckedColor));
    ui->label->setText(QObject::tr("Device List"));
    ui->label_Tip->setText(QObject::tr("Device not connected"));
    ui->pushButton_Reset->setText(QObject::tr("Reset"));
    ui->widget_MoveTip->setMaximumWidth(850);
    ui->widget_MoveTip->setText(calibrationTipText());

    if (m_currentHidItem && m_currentKeyboardLink) {
        m_customKeysPage->updateAllUI();
        if (m_lightsConfigPage) {
            m_lightsConfigPage->updateAllUI();
            m_performancePage->updateAllUI();
            m_triggerSettingPage->updateAllUI();
        }
    }

    showGamePadMode();

    resetMainPageButtons();
    markCurrentMainPageButton();
}

void DDevicePage::showGamePadMode()
{
    // The label names the mode; with gamepad off, or no gamepad at all, it is hidden.
    const int gamePadMode = DDataManager::getInstance()->gamePadMode();
    ui->frame_10->setVisible(gamePadMode == 1 || gamePadMode == 2);
    if (gamePadMode == 0)
        ui->label_GamePadMode->setText(QObject::tr("GamePad Disable"));
    else if (gamePadMode == 1)
        ui->label_GamePadMode->setText(QObject::tr("GamePad Xbox360"));
    else if (gamePadMode == 2)
        ui->label_GamePadMode->setText(QObject::tr("GamePad Classical"));
}

void DDevicePage::restyleKeyButtons()
{
    DDataManager *data = DDataManager::getInstance();
    const QList<keyboardButCustom *> keys = data->keyButtonList();
    applyKeyTheme(keys, data->themeColor());
    for (keyboardButCustom *key : keys) {
        if (key)
            key->setLightColorShow(true);
    }
}

// The sheets and fonts of the page's own widgets. The page applies them when
// it is built, before the feature pages exist under its frames; a theme
// applied again sets only the sheets that changed.
void DDevicePage::applyPageSheets(const ThemeColor &theme)
{
    DDataManager *data = DDataManager::getInstance();
    const QFont boldFont = data->themeFont(0);
    const QFont normalFont = data->themeFont(1);

    setStyleSheetIfChanged(ui->frame,
                           QStringLiteral("QFrame#frame{background-color: rgb(%1);}").arg(theme.DeviceLeftBgColor));
    setStyleSheetIfChanged(ui->label, QStringLiteral("QLabel#label{color: rgb(%1);}").arg(theme.TextDefaultColor));
    setStyleSheetIfChanged(ui->frame_Url,
                           QStringLiteral("QFrame#frame_Url{border: none; border-top: 3px solid rgb(%1); "
                                          "background-color: rgb(%2);}")
                               .arg(theme.DeviceBorderColor, theme.DeviceLeftBgColor));
    setStyleSheetIfChanged(ui->frame_11, QStringLiteral("QFrame#frame_11{border: none; border-top: 3px solid rgb(%1);}")
                                             .arg(theme.DeviceBorderColor));
    setStyleSheetIfChanged(ui->label_Url,
                           QStringLiteral("QLabel#label_Url{color: rgb(%1);}").arg(theme.TextCheckedColor));
    setStyleSheetIfChanged(ui->scrollAreaWidgetContents_2,
                           QStringLiteral("QWidget#scrollAreaWidgetContents_2{background-color: rgb(%1);}")
                               .arg(theme.DeviceLeftBgColor));
    m_scrollBarStyleSheet =
        QStringLiteral("QScrollBar:vertical{width: 4px; background: transparent; margin: 3px 0px 3px 0px;}"
                       "QScrollBar::handle:vertical{min-height: 20px; border-radius: 2px; background: rgb(%2);}"
                       "QScrollBar::handle:vertical:hover{background: rgb(%3);}"
                       "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical{height: 0px;}"
                       "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical{border-radius: 3px; "
                       "background: rgb(%1);}")
            .arg(theme.AllScrollBgColor, theme.AllScrollBarColorDef, theme.AllScrollBarColorHover);
    setStyleSheetIfChanged(ui->frame_Right, QStringLiteral("QFrame#frame_Right{background-color: rgb(%1);}")
                                                .arg(theme.DeviceRightBgColor));
    setStyleSheetIfChanged(
        ui->comboBox_profileList,
        QStringLiteral("QComboBox{background-color: rgb(%1); padding-left: 5px; border: 1px solid rgb(%2); "
                       "font: 75 10pt \"%5\"; color: rgb(%3); border-radius: 4px;}"
                       "QComboBox:hover{border: 1px solid rgb(%4);}"
                       "QComboBox QAbstractItemView::item{height: 40px; padding-left: 10px;}"
                       "QComboBox::down-arrow{width: 10px; height: 10px; "
                       "border-image: url(:/images/publicIco/comboxDef.png);}"
                       "QComboBox::down-arrow:on{border-image: url(:/images/publicIco/comboxSel.png);}"
                       "QComboBox::drop-down{width: 20px; border: none; background: transparent;}")
            .arg(theme.DeviceRightBgColor, theme.DeviceBorderColor, theme.TextDefaultColor, theme.TextCheckedColor,
                 theme.TextFont));
    // Its list: the box's colours, not the system's white under the theme's text.
    DropDownLook::apply(ui->comboBox_profileList, DropDownLook::devicePage(theme),
                        QStringLiteral("font: 75 10pt \"%1\";").arg(theme.TextFont));
    setStyleSheetIfChanged(
        ui->pushButton_ProfileOperate,
        QStringLiteral("QPushButton{background-color: rgb(%1); border: 1px solid rgb(%2); border-radius: 4px; "
                       "image: url(:/images/publicIco/profileMenuDef.png); padding: 6px;}"
                       "QPushButton:hover, QPushButton:pressed{border: 1px solid rgb(%3); "
                       "image: url(:/images/publicIco/profileMenuSel.png);}")
            .arg(theme.DeviceRightBgColor, theme.DeviceBorderColor, theme.TextCheckedColor));
    for (QPushButton *button : {ui->pushButton_Save, ui->pushButton_Cancel}) {
        const QString picture = button == ui->pushButton_Save ? QStringLiteral("profileSave")
                                                               : QStringLiteral("profileCancel");
        setStyleSheetIfChanged(button, QStringLiteral("QPushButton{border: none; background: transparent; "
                                                      "image: url(:/images/publicIco/%1Def.png);}"
                                                      "QPushButton:hover, QPushButton:pressed{"
                                                      "image: url(:/images/publicIco/%1Sel.png);}")
                                           .arg(picture));
    }
    setStyleSheetIfChanged(
        ui->lineEdit_profileName,
        QStringLiteral("QLineEdit{color: rgb(%2); font: 75 10pt \"%4\"; background-color: rgb(%1); "
                       "border: 1px solid rgb(%5); border-radius: 4px;}"
                       "QLineEdit:hover, QLineEdit:focus{border: 1px solid rgb(%3);}")
            .arg(theme.DeviceRightBgColor, theme.TextDefaultColor, theme.TextCheckedColor, theme.TextFont,
                 theme.DeviceBorderColor));
    setStyleSheetIfChanged(ui->label_Tip,
                           QStringLiteral("QLabel#label_Tip{color: rgb(%1);}").arg(theme.TextCheckedColor));
    setStyleSheetIfChanged(ui->label_Mode,
                           QStringLiteral("QLabel#label_Mode{color: rgb(%1);}").arg(theme.TextCheckedColor));
    setStyleSheetIfChanged(ui->label_GamePadMode,
                           QStringLiteral("QLabel#label_GamePadMode{color: rgb(%1);}").arg(theme.TextCheckedColor));
    setStyleSheetIfChanged(ui->widget_RightBottom,
                           QStringLiteral("QWidget#widget_RightBottom{border: none; border-top: 3px solid rgb(%1);}")
                               .arg(theme.DeviceBorderColor));
    setStyleSheetIfChanged(ui->pushButton_Reset, pageButtonStyleSheet(theme, 2));

    ui->label_Tip->setFont(sizedFont(boldFont, 20));
    ui->label_Mode->setFont(sizedFont(normalFont, 13));
    ui->label_GamePadMode->setFont(sizedFont(normalFont, 13));
    ui->label->setFont(sizedFont(normalFont, 12));
    ui->pushButton_Reset->setFont(sizedFont(normalFont, 11));
}

void DDevicePage::updateAppTheme()
{
    DDataManager *data = DDataManager::getInstance();
    const ThemeColor theme = data->themeColor();

    ui->label_Url->setText(companyLinkRichText(theme.TextCheckedColor));

    m_notice->setBackgroundColor(themeRgb(theme.AllBgColor, 200));
    // The notice's text in the accent colour where that reads on it.
    const QColor noticeGround = blendOver(themeRgb(theme.AllBgColor, 200), themeRgb(theme.DeviceRightBgColor, 255));
    m_notice->setTextColor(readableOn(themeRgb(theme.TextCheckedColor, 255), noticeGround));
    QFont noticeFont(theme.TextFont);
    noticeFont.setPixelSize(24);
    m_notice->setNoticeFont(noticeFont);

    if (m_dragShowArea) {
        const QColor band = themeRgb(theme.TextCheckedColor, 255);
        m_dragShowArea->setColor(band.red(), band.green(), band.blue());
    }

    ui->widget_MoveTip->setTextFont(QStringLiteral("Microsoft Yahei"), 12);
    ui->widget_MoveTip->setBackground(QColor(0, 0, 0, 1));
    ui->widget_MoveTip->setForeground(themeRgb(theme.TextCheckedColor));
    ui->widget_MoveTip->setText(calibrationTipText());
    ui->widget_MoveTip->hide();

    applyPageSheets(theme);

    // The strip's scroll bar follows a moment later.
    QTimer::singleShot(200, this, &DDevicePage::onScrollSheetSet);

    m_customKeysPage->updateAppTheme();
    // Pages not built yet take the theme when they are.
    if (m_lightsConfigPage) {
        m_performancePage->updateAppTheme();
        m_lightsConfigPage->updateAppTheme();
        m_triggerSettingPage->updateAppTheme();
    }

    // A theme change keeps the light-colour display as the page shown set
    // it: the trigger page and Key Custom show no light colours.
    applyKeyTheme(data->keyButtonList(), theme);

    const QList<CustomButton *> buttons = {ui->toolButton_CustomKey,  ui->toolButton_TriggerSetting,
                                           ui->toolButton_SeniorKey,  ui->toolButton_LightConfig,
                                           ui->toolButton_Performance, ui->toolButton_MacroDialog};
    for (CustomButton *button : buttons)
        button->setThemeColors(themeRgb(theme.DeviceBorderColor, 255), themeRgb(theme.MacroListItemHoverColor, 255),
                               themeRgb(theme.MacroListItemSelectedColor, 255),
                               themeRgb(theme.TextDefaultColor, 255), themeRgb(theme.TextCheckedColor, 255),
                               theme.TextFont);
}

void DDevicePage::onScrollSheetSet()
{
    ui->widget_4->setStyleSheet(m_scrollBarStyleSheet);
}
