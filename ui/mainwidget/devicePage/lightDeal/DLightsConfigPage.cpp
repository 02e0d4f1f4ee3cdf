// The lighting page's construction, capabilities, loading and display.
#include "ui/mainwidget/devicePage/lightDeal/DLightsConfigPage.h"
#include "ui_DLightsConfigPage.h"

#include "core/DDataManager.h"
#include "device/MainHidInterFace.h"
#include "ui/mainwidget/devicePage/keyboardButCustom.h"
#include "ui/mainwidget/devicePage/lightDeal/DCustomLightListItem.h"
#include "ui/mainwidget/devicePage/lightDeal/LightModeTable.h"
#include "ui/mainwidget/devicePage/lightDeal/SVColorArea.h"
#include "widgets/ArrowWidget.h"
#include "widgets/CustomButton.h"
#include "widgets/DToolTipExplain.h"
#include "widgets/LanguageChangeHook.h"
#include "widgets/LayoutRows.h"
#include "widgets/ThemeColorText.h"
#include "widgets/sliderCustomWidget.h"

#include "sdk/include/LumtarHid.h"
#include "sdk/include/LumtarXml.h"

#include <QButtonGroup>
#include <QDebug>
#include <QEvent>
#include <QTimer>

#include <cstring>

namespace {

// The 20 palette colours, label_Color01 first.
const char *const kPalette[] = {
    "255,0,0",   "255,85,0",  "255,170,0", "255,255,0", "170,255,170", "85,255,85",  "0,255,0",
    "0,255,85",  "0,255,170", "0,255,255", "0,170,255", "0,85,255",    "0,0,255",    "85,0,255",
    "170,0,255", "255,0,255", "255,85,255", "255,170,255", "0,0,0",    "255,255,255",
};
constexpr int kPaletteCount = 20;
// Colours nearer to each other than this (as r, g, b distance) hardly tell
// apart on screen.
constexpr int kFaintSwatchDistance = 48;

// The picture name of a mode button: its object name without "toolButton_".
QString iconName(const char *buttonName)
{
    return QString::fromLatin1(buttonName).mid(int(std::strlen("toolButton_")));
}

QString keyboardIconPath(const char *buttonName)
{
    return QStringLiteral(":/images/deviceLed/keyboard/%1Def.png").arg(iconName(buttonName));
}

QString sideIconPath(const char *buttonName)
{
    // "toolButton_SideStatic" -> "sideStatic"
    return QStringLiteral(":/images/deviceLed/side/side%1Def.png").arg(iconName(buttonName).mid(4));
}

} // namespace

DLightsConfigPage::DLightsConfigPage(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::DLightsConfigPage)
{
    ui->setupUi(this);
    m_customListLayout = ui->verticalLayout_39;
    setPaletteColors();
    setTexts();
    // Also without a keyboard, when the main window does not reach this page.
    LanguageChangeHook::install(this, [this] { updateAllUI(); });

    ui->pushButton_Left->show();
    ui->pushButton_Right->show();
    ui->pushButton_Up->show();
    ui->pushButton_Down->show();
    ui->pushButton_Gather->show();
    ui->pushButton_Dispersion->show();
    ui->pushButton_CW->hide();
    ui->pushButton_UnCW->hide();
    ui->horizontalLayout_12->setSpacing(8);

    m_colorWheel = new SVColorArea(ui->frame_Color);
    ui->frame_Color->layout()->addWidget(m_colorWheel);
    // The holder is never narrower than the wheel, or a tight row cuts it.
    ui->frame_Color->setMinimumSize(ui->frame_Color->minimumSize().expandedTo(m_colorWheel->size()));
    connect(m_colorWheel, &SVColorArea::sigGetRGB, this, &DLightsConfigPage::onGetRGB);
    connect(m_colorWheel, &SVColorArea::sigMoveingStatus, this, &DLightsConfigPage::onMoveingStatus);
    connect(m_colorWheel, &SVColorArea::sigMouseIsPress, this, &DLightsConfigPage::onSVColorAreaMouseIsPress);

    const ThemeColor theme = DDataManager::getInstance()->themeColor();
    const auto makeSlider = [&](QFrame *holder, int position) {
        auto *slider = new sliderCustomWidget(holder);
        holder->layout()->addWidget(slider);
        slider->setSliderSize(140, 40);
        slider->setMargin(6);
        slider->setSteps(5);
        slider->setCurrentIndex(position);
        slider->setKnobColor(themeRgb(theme.DeviceSliderEllipseColor));
        slider->setLineColor(themeRgb(theme.DeviceSliderHorizontalVerticalColor, 255));
        slider->setTickColor(themeRgb(theme.DeviceSliderHorizontalVerticalColor, 255));
        return slider;
    };
    m_brightnessSlider = makeSlider(ui->frame_SliderBrightness, 2);
    m_speedSlider = makeSlider(ui->frame_SliderSpeed, 3);
    connect(m_brightnessSlider, &sliderCustomWidget::sigBackCurrentPositionNum, this,
            &DLightsConfigPage::onBackCurrentPositionNum_Brightness);
    connect(m_speedSlider, &sliderCustomWidget::sigBackCurrentPositionNum, this,
            &DLightsConfigPage::onBackCurrentPositionNum_Speed);

    m_keyboardModeGroup = new QButtonGroup(this);
    m_keyboardModeGroup->addButton(ui->toolButton_MouseDPI, LightModeTable::DpiButtonId);
    for (const LightModeTable::Mode &m : LightModeTable::keyboardModes())
        m_keyboardModeGroup->addButton(findChild<QAbstractButton *>(QLatin1String(m.buttonName)), m.buttonId);
    m_sideModeGroup = new QButtonGroup(this);
    for (const LightModeTable::Mode &m : LightModeTable::sideModes())
        m_sideModeGroup->addButton(findChild<QAbstractButton *>(QLatin1String(m.buttonName)), m.buttonId);
    connect(m_keyboardModeGroup, &QButtonGroup::idClicked, this,
            &DLightsConfigPage::onCurIndexChanged_KB_LightMode);
    connect(m_sideModeGroup, &QButtonGroup::idClicked, this,
            &DLightsConfigPage::onCurIndexChanged_Side_LightMode);
    ui->toolButton_Static->setChecked(true);
    ui->toolButton_SideStatic->setChecked(true);
    setModeButtonIcons(0);
    setModeButtonIcons(1);

    m_colorChoiceGroup = new QButtonGroup(this);
    m_colorChoiceGroup->addButton(ui->pushButton_TopColor, 0);
    m_colorChoiceGroup->addButton(ui->pushButton_BottomColor, 1);
    ui->pushButton_TopColor->setChecked(true);
    connect(m_colorChoiceGroup, &QButtonGroup::idClicked, this,
            &DLightsConfigPage::onCurIndexChanged_LightTopOrBottomColor);

    m_directionGroup = new QButtonGroup(this);
    m_directionGroup->addButton(ui->pushButton_Right, LightDirection_Right);
    m_directionGroup->addButton(ui->pushButton_Left, LightDirection_Left);
    m_directionGroup->addButton(ui->pushButton_Up, LightDirection_Up);
    m_directionGroup->addButton(ui->pushButton_Down, LightDirection_Down);
    m_directionGroup->addButton(ui->pushButton_Dispersion, LightDirection_Dispersion);
    m_directionGroup->addButton(ui->pushButton_Gather, LightDirection_Gather);
    m_directionGroup->addButton(ui->pushButton_CW, LightDirection_CW);
    m_directionGroup->addButton(ui->pushButton_UnCW, LightDirection_UnCW);
    ui->pushButton_Left->setChecked(true);
    connect(m_directionGroup, &QButtonGroup::idClicked, this,
            &DLightsConfigPage::onCurIndexChanged_LedDirection);

    QTimer::singleShot(500, this, &DLightsConfigPage::onInstallEventFilterOpen);
}

DLightsConfigPage::~DLightsConfigPage()
{
    // The popup has no parent: it goes with the page.
    delete m_modeTipPopup;
    delete ui;
}

void DLightsConfigPage::setTexts()
{
    ui->label_LightMode->setText(QObject::tr("Static"));
    ui->label->setText(QObject::tr("Type:"));
    ui->label_24->setText(QObject::tr("Brightness:"));
    ui->label_25->setText(QObject::tr("Speed:"));
    ui->label_26->setText(QObject::tr("Direction:"));
    ui->label_2->setText(QObject::tr("Full color"));
    ui->label_3->setText(QObject::tr("Top color"));
    ui->label_4->setText(QObject::tr("Bottom color"));
    ui->label_23->setText(QObject::tr("Custom light"));
}

// ---- set by the device page ---------------------------------------------------------

void DLightsConfigPage::setCurrentProfileIndex(int index)
{
    m_profileIndex = index;
}

void DLightsConfigPage::setXmlProfilePath(const char *path)
{
    const size_t length = path ? std::strlen(path) : 0;
    if (length >= sizeof m_profilePath) {
        // Cut, it would name another file: keep the one we have.
        qDebug() << "Lighting page: profile path of" << length << "bytes refused:" << path;
        return;
    }
    lumtarCopyField(m_profilePath, path ? path : "");
}

void DLightsConfigPage::setHidInterface(MainHidInterFace *hidInterface)
{
    m_hidInterface = hidInterface;
}

MainHidInterFace *DLightsConfigPage::hidInterface() const
{
    return m_hidInterface;
}

void DLightsConfigPage::uncheckAll(QButtonGroup *group)
{
    const bool exclusive = group->exclusive();
    group->setExclusive(false);
    for (QAbstractButton *button : group->buttons())
        button->setChecked(false);
    group->setExclusive(exclusive);
}

QByteArray DLightsConfigPage::profileText() const
{
    return QByteArray::number(m_profileIndex);
}

void DLightsConfigPage::setLightSupportInfo(LightSupportInfo keyboard, LightSupportInfo side)
{
    m_keyboardSupport = keyboard;
    m_sideSupport = side;
    for (QAbstractButton *button : m_keyboardModeGroup->buttons())
        button->hide();
    for (int code : LightModeTable::offeredKeyboardModes(keyboard.modeCodes)) {
        if (QAbstractButton *button = m_keyboardModeGroup->button(LightModeTable::keyboardButtonForCode(code)))
            button->show();
    }
    for (QAbstractButton *button : m_sideModeGroup->buttons())
        button->hide();
    for (int code : LightModeTable::offeredSideModes(side.modeCodes)) {
        if (QAbstractButton *button = m_sideModeGroup->button(LightModeTable::sideButtonForCode(code)))
            button->show();
    }
    ui->frame_B->setVisible(!side.modeCodes.empty());
}

void DLightsConfigPage::setSliderSteps(const LightSupportInfo &support)
{
    // A count of 0 is not known yet: the steps stay.
    m_speedSlider->setSteps(support.speedLevels);
    m_brightnessSlider->setSteps(support.brightnessLevels);
}

// ---- loading ------------------------------------------------------------------------

void DLightsConfigPage::reloadLightConfig()
{
    // A press whose release never came (page hidden, keyboard gone) must not
    // hold back every later edit.
    m_wheelPressed = false;
    for (keyboardButCustom *key : DDataManager::getInstance()->keyButtonList()) {
        if (key)
            key->setLightColorShow(true);
    }
    m_keyboardPageShown = true;
    ui->stackedWidget->setCurrentWidget(ui->page_KeyboardLightMode);
    setSliderSteps(m_keyboardSupport);
    ui->frame_D->hide();
    uncheckAll(m_keyboardModeGroup);

    m_keyboardModeCode = CLumtarXML_SelectProFileMouseLightTypeUsingIndex(m_profilePath, profileText().constData(),
                                                                           LUMTAR_LIGHT_KIND_KEYBOARD);
    const int id = LightModeTable::keyboardButtonForCode(m_keyboardModeCode);
    if (id < 0 || id == LightModeTable::DpiButtonId)
        return; // a mode without a button: nothing is selected or sent
    onCurIndexChanged_KB_LightMode(id);
    if (QAbstractButton *button = m_keyboardModeGroup->button(id))
        button->setChecked(true);
}

void DLightsConfigPage::loadColorInfo(int kind)
{
    const int mode = kind == LUMTAR_LIGHT_KIND_KEYBOARD ? m_keyboardModeCode : m_sideModeCode;
    const QByteArray profile = profileText();
    colorInfoData record{};
    if (CLumtarXML_SelectProfileColorDataInfo(m_profilePath, profile.constData(), kind, mode, &record)) {
        m_currentColorInfo = record;
    } else {
        record = LightModeTable::defaultRecord(kind, mode);
        CLumtarXML_AddProFileLightInfoItem(m_profilePath, profile.constData(), record);
        m_currentColorInfo = record;
    }
    const colorInfoData &r = m_currentColorInfo;
    m_topColor[0] = r.red1;
    m_topColor[1] = r.green1;
    m_topColor[2] = r.blue1;
    m_bottomColor[0] = r.red2;
    m_bottomColor[1] = r.green2;
    m_bottomColor[2] = r.blue2;
    ui->checkBox_FullColorMode->setChecked(r.fullColor == 1);
    m_colorWheel->resetRotateValue();

    m_editRed = r.red1;
    m_editGreen = r.green1;
    m_editBlue = r.blue1;
    for (QLineEdit *edit : {ui->lineEdit_R, ui->lineEdit_G, ui->lineEdit_B}) {
        const QSignalBlocker blocker(edit);
        edit->setText(QString::number(edit == ui->lineEdit_R ? m_editRed
                                      : edit == ui->lineEdit_G ? m_editGreen
                                                               : m_editBlue));
    }
    setColorShowStyle(m_editRed, m_editGreen, m_editBlue);
    setSwatchStyle(ui->pushButton_TopColor, r.red1, r.green1, r.blue1);
    setSwatchStyle(ui->pushButton_BottomColor, r.red2, r.green2, r.blue2);
    ui->pushButton_TopColor->setChecked(true);

    uncheckAll(m_directionGroup);
    if (QAbstractButton *button = m_directionGroup->button(r.direction))
        button->setChecked(true);
    m_speedSlider->setCurrentIndex(r.speed - 1);
    m_brightnessSlider->setCurrentIndex(r.brightness - 1);

    CLumtarXML_ModifyProFileMouseLightUsingIndex(m_profilePath, profile.constData(), kind, mode);
    showCurrentModeButton(kind);
}

// ---- reports from the keyboard ------------------------------------------------------

void DLightsConfigPage::showLightTypeFromDevice(int hidType, int ledType)
{
    Q_UNUSED(ledType);
    m_keyboardPageShown = hidType != LUMTAR_LIGHT_KIND_KEYBOARD;
    ui->frame_D->hide();
    on_toolButton_LightSelectTypeChanged_clicked();
    emit sigLightConfigHaveChanged(-1, m_currentColorInfo);
}

void DLightsConfigPage::showCustomLightFromDevice(int hidType, int ledType, int usingCustomIndex)
{
    Q_UNUSED(hidType);
    Q_UNUSED(ledType);
    m_currentFlagIndex = usingCustomIndex;
    ui->frame_D->show();
    m_resetUsingIndexOnCustom = false;
    onCurIndexChanged_KB_LightMode(LightModeTable::keyboardButtonForCode(LightMode_Custom));
    m_resetUsingIndexOnCustom = true;
    emit sigLightConfigHaveChanged(-2, m_currentColorInfo);
}

void DLightsConfigPage::sendSideLightConfig(colorInfoData data)
{
    writeSideLightConfig(data);
}

// ---- colour entry helpers -------------------------------------------------------------

void DLightsConfigPage::applyPaletteColor(const QString &rgbText)
{
    m_colorWheel->resetRotateValue();
    const QStringList parts = rgbText.split(QLatin1Char(','));
    const int r = parts.value(0).toInt();
    const int g = parts.value(1).toInt();
    const int b = parts.value(2).toInt();
    m_colorFromEdits = false;
    onColorItemSelcSignal(QColor(r, g, b, 255));
}

void DLightsConfigPage::applyRedComponent(int value)
{
    m_colorFromEdits = true;
    onColorItemSelcSignal(QColor(value, ui->lineEdit_G->text().toInt(), ui->lineEdit_B->text().toInt(), 255));
}

void DLightsConfigPage::applyGreenComponent(int value)
{
    m_colorFromEdits = true;
    onColorItemSelcSignal(QColor(ui->lineEdit_R->text().toInt(), value, ui->lineEdit_B->text().toInt(), 255));
}

void DLightsConfigPage::applyBlueComponent(int value)
{
    m_colorFromEdits = true;
    onColorItemSelcSignal(QColor(ui->lineEdit_R->text().toInt(), ui->lineEdit_G->text().toInt(), value, 255));
}

void DLightsConfigPage::setPaletteColors()
{
    // A swatch of nearly the page's own colour (magenta on the pink theme,
    // white on the light one) gets a thin rim in the text colour, or it
    // could not be seen.
    const ThemeColor theme = DDataManager::getInstance()->themeColor();
    const QColor background = themeRgb(theme.DeviceRightBgColor, 255);
    m_paletteColors.clear();
    for (int i = 0; i < kPaletteCount; ++i) {
        m_paletteColors << QString::fromLatin1(kPalette[i]);
        const QColor colour = themeRgb(m_paletteColors.last(), 255);
        const int dr = colour.red() - background.red(), dg = colour.green() - background.green(),
                  db = colour.blue() - background.blue();
        const bool faint = dr * dr + dg * dg + db * db < kFaintSwatchDistance * kFaintSwatchDistance;
        const QString rim =
            faint ? QStringLiteral(" border: 1px solid rgb(%1);").arg(theme.TextDefaultColor) : QString();
        auto *label = findChild<QLabel *>(QStringLiteral("label_Color%1").arg(i + 1, 2, 10, QLatin1Char('0')));
        label->setStyleSheet(QStringLiteral("QLabel{background-color: rgb(%1); border-radius: 7px;%3}"
                                            "QLabel:hover{border: 2px solid rgb(%2);}")
                                 .arg(m_paletteColors.last(), m_highlightColorText, rim));
    }
}

void DLightsConfigPage::setColorShowStyle(int r, int g, int b)
{
    ui->label_ColorShow->setStyleSheet(
        QStringLiteral("QLabel#label_ColorShow{background-color: rgb(%1, %2, %3); border-radius: 4px;}")
            .arg(r)
            .arg(g)
            .arg(b));
}

void DLightsConfigPage::setSwatchStyle(QAbstractButton *swatch, int r, int g, int b)
{
    swatch->setStyleSheet(QStringLiteral("QPushButton{background-color: rgb(%1, %2, %3); border: 2px solid rgb(%4); "
                                         "border-radius: 7px;}"
                                         "QPushButton:hover{border: 2px solid rgb(%5);}"
                                         "QPushButton:pressed{border: 2px solid rgb(%5);}"
                                         "QPushButton:checked{border: 2px solid rgb(%5);}")
                              .arg(r)
                              .arg(g)
                              .arg(b)
                              .arg(m_borderColorText, m_highlightColorText));
}

// ---- captions, icons and the hover tip ----------------------------------------------

void DLightsConfigPage::setModeButtonIcons(int kind)
{
    if (kind == LUMTAR_LIGHT_KIND_KEYBOARD) {
        for (const LightModeTable::Mode &m : LightModeTable::keyboardModes()) {
            if (auto *button = findChild<CustomButton *>(QLatin1String(m.buttonName))) {
                button->setIconAndText(keyboardIconPath(m.buttonName), QObject::tr(m.name));
                button->setSelected(false);
            }
        }
        return;
    }
    for (const LightModeTable::Mode &m : LightModeTable::sideModes()) {
        if (auto *button = findChild<CustomButton *>(QLatin1String(m.buttonName))) {
            button->setIconAndText(sideIconPath(m.buttonName), QObject::tr(m.name));
            button->setSelected(false);
        }
    }
}

void DLightsConfigPage::setModeCaption(int kind, int code)
{
    // The button of the code (Wave for a code without a row) marked selected
    // and its name shown.
    const bool keyboard = kind == LUMTAR_LIGHT_KIND_KEYBOARD;
    const LightModeTable::Mode *m = keyboard ? LightModeTable::keyboardMode(code) : LightModeTable::sideMode(code);
    if (keyboard && code == LightModeTable::DpiCode) {
        ui->label_LightMode->setText(LightModeTable::keyboardCaption(code));
        return;
    }
    if (!m)
        m = keyboard ? LightModeTable::keyboardMode(LightModeTable::FallbackCode)
                     : LightModeTable::sideMode(LightModeTable::FallbackCode);
    if (auto *button = findChild<CustomButton *>(QLatin1String(m->buttonName)))
        button->setSelected(true);
    ui->label_LightMode->setText(keyboard ? LightModeTable::keyboardCaption(code) : LightModeTable::sideCaption(code));
}

void DLightsConfigPage::updateAllUI()
{
    ui->retranslateUi(this);
    setTexts();
    if (m_keyboardPageShown) {
        setModeButtonIcons(LUMTAR_LIGHT_KIND_KEYBOARD);
        setModeCaption(LUMTAR_LIGHT_KIND_KEYBOARD, m_keyboardModeCode);
    } else {
        setModeButtonIcons(LUMTAR_LIGHT_KIND_SIDE);
        setModeCaption(LUMTAR_LIGHT_KIND_SIDE, m_sideModeCode);
    }
    if (m_modeTip)
        m_modeTip->setText(QObject::tr("Keyboard/Ambient"));
}

void DLightsConfigPage::showModeTip(int id)
{
    if (id != SwitchTipId)
        return;
    if (!m_modeTipPopup) {
        m_modeTip = new DToolTipExplain;
        m_modeTipPopup = new ArrowWidget(1, nullptr);
        m_modeTipPopup->setWidgetSize(260, 70);
        m_modeTipPopup->setArrowPos(30);
        m_modeTipPopup->setCenterWidget(m_modeTip);
    }
    QWidget *button = ui->toolButton_LightSelectTypeChanged;
    const QPoint anchor = button->mapToGlobal(QPoint(button->width() / 2, button->height()));
    m_modeTipPopup->move(anchor - QPoint(37, button->height() + 74));
    m_modeTip->setText(QObject::tr("Keyboard/Ambient"));
    m_modeTipPopup->show();
}

bool DLightsConfigPage::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        const QString name = watched->objectName();
        if (name.startsWith(QLatin1String("label_Color"))) {
            const int n = name.mid(11).toInt();
            if (n >= 1 && n <= m_paletteColors.size())
                applyPaletteColor(m_paletteColors.at(n - 1));
        }
    } else if (watched == ui->toolButton_LightSelectTypeChanged) {
        if (event->type() == QEvent::Enter)
            showModeTip(SwitchTipId);
        else if (event->type() == QEvent::Leave && m_modeTipPopup)
            m_modeTipPopup->hide();
    }
    return QWidget::eventFilter(watched, event);
}

void DLightsConfigPage::hideEvent(QHideEvent *event)
{
    // The wheel's release may never come once the page is gone.
    m_wheelPressed = false;
    if (m_modeTipPopup)
        m_modeTipPopup->hide();
    QWidget::hideEvent(event);
}

void DLightsConfigPage::onInstallEventFilterOpen()
{
    for (int i = 1; i <= kPaletteCount; ++i)
        findChild<QLabel *>(QStringLiteral("label_Color%1").arg(i, 2, 10, QLatin1Char('0')))->installEventFilter(this);
    ui->toolButton_LightSelectTypeChanged->installEventFilter(this);
}

void DLightsConfigPage::onScrollSheetSet()
{
    ui->widget_4->setStyleSheet(m_scrollBarStyle);
}

// ---- theme ----------------------------------------------------------------------------

void DLightsConfigPage::updateAppTheme()
{
    DDataManager *data = DDataManager::getInstance();
    const ThemeColor t = data->themeColor();
    m_borderColorText = t.DeviceBorderColor;
    m_highlightColorText = t.TextCheckedColor;

    const QString family = t.TextFont;
    const auto caption = [&](QLabel *label, int points) {
        label->setStyleSheet(QStringLiteral("QLabel{color: rgb(%1); font: 75 %2pt \"%3\";}")
                                 .arg(t.TextDefaultColor)
                                 .arg(points)
                                 .arg(family));
    };
    for (QLabel *label : {ui->label, ui->label_24, ui->label_25, ui->label_26, ui->label_23})
        caption(label, 12);
    for (QLabel *label : {ui->label_2, ui->label_3, ui->label_4, ui->label_R, ui->label_G, ui->label_B})
        caption(label, 8);
    ui->label_LightMode->setStyleSheet(
        QStringLiteral("QLabel#label_LightMode{color: rgb(%1); font: 75 12pt \"%3\"; border: 3px solid rgb(%2); "
                       "border-radius: 8px;}")
            .arg(t.TextCheckedColor, t.DeviceBorderColor, family));
    ui->frame_3->setStyleSheet(
        QStringLiteral("QFrame#frame_3{border: 0px solid rgb(%1); border-radius: 8px;}").arg(t.DeviceBorderColor));
    const QString editSheet =
        QStringLiteral("QLineEdit{background-color: rgb(%1); color: rgb(%2); font: 75 8pt \"%5\"; "
                       "border: 1px solid rgb(%3); border-radius: 4px;}"
                       "QLineEdit:hover{border: 1px solid rgb(%4);}"
                       "QLineEdit:pressed{border: 1px solid rgb(%4);}")
            .arg(t.DeviceRightBgColor, t.TextDefaultColor, t.DeviceBorderColor, t.TextCheckedColor, family);
    for (QLineEdit *edit : {ui->lineEdit_R, ui->lineEdit_G, ui->lineEdit_B})
        edit->setStyleSheet(editSheet);

    setPaletteColors();
    for (DCustomLightListItem *item : m_customItems)
        item->updateAppTheme();
    ui->scrollAreaWidgetContents_3->setStyleSheet(
        QStringLiteral("QWidget#scrollAreaWidgetContents_3{background-color: rgb(%1);}").arg(t.DeviceRightBgColor));
    m_scrollBarStyle =
        QStringLiteral("QScrollBar:vertical{width: 4px; background: transparent; margin: 3px 0px 3px 0px;}"
                       "QScrollBar::handle:vertical{background: rgb(%1); min-height: 20px; border-radius: 2px;}"
                       "QScrollBar::handle:vertical:hover{background: rgb(%2);}"
                       "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical{background: rgb(%3); "
                       "border-radius: 3px;}"
                       "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical{height: 0px;}")
            .arg(t.AllScrollBarColorDef, t.AllScrollBarColorHover, t.AllScrollBgColor);
    QTimer::singleShot(200, this, &DLightsConfigPage::onScrollSheetSet);

    for (sliderCustomWidget *slider : {m_brightnessSlider, m_speedSlider}) {
        slider->setKnobColor(themeRgb(t.DeviceSliderEllipseColor));
        slider->setLineColor(themeRgb(t.DeviceSliderHorizontalVerticalColor, 255));
        slider->setTickColor(themeRgb(t.DeviceSliderHorizontalVerticalColor, 255));
    }
    for (CustomButton *button : findChildren<CustomButton *>()) {
        button->setThemeColors(themeRgb(t.DeviceBorderColor), themeRgb(t.MacroListItemHoverColor),
                               themeRgb(t.MacroListItemSelectedColor), themeRgb(t.TextDefaultColor),
                               themeRgb(t.TextCheckedColor), family);
    }
    setSwatchStyle(ui->pushButton_TopColor, m_currentColorInfo.red1, m_currentColorInfo.green1,
                   m_currentColorInfo.blue1);
    setSwatchStyle(ui->pushButton_BottomColor, m_currentColorInfo.red2, m_currentColorInfo.green2,
                   m_currentColorInfo.blue2);
    // The form's holder frames carry no edge of their own.
    setStyleSheet(QStringLiteral("#DLightsConfigPage{background-color: rgb(%1);} QFrame{border: none;}")
                      .arg(t.DeviceRightBgColor));
}
