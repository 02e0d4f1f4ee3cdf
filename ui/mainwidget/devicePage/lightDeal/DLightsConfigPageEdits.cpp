// The lighting page's edits: mode choices, the keyboard/side switch, colours,
// levels, direction and full colour, the apply step and the light reports.
#include "ui/mainwidget/devicePage/lightDeal/DLightsConfigPage.h"
#include "ui_DLightsConfigPage.h"

#include "device/LightReportPacket.h"
#include "device/MainHidInterFace.h"
#include "ui/mainwidget/devicePage/lightDeal/DCustomLightListItem.h"
#include "ui/mainwidget/devicePage/lightDeal/LightModeTable.h"
#include "ui/mainwidget/devicePage/lightDeal/SVColorArea.h"
#include "widgets/CustomButton.h"
#include "widgets/sliderCustomWidget.h"

#include "sdk/include/LumtarXml.h"

#include <QButtonGroup>
#include <QDebug>

// ---- the apply step and the reports -------------------------------------------------

void DLightsConfigPage::applyLightConfigChanged(int lightConfigChangedFrom)
{
    if (m_wheelPressed)
        return; // the wheel's release applies
    colorInfoData &r = m_currentColorInfo;
    if (lightConfigChangedFrom == 0) {
        r.red1 = m_topColor[0];
        r.green1 = m_topColor[1];
        r.blue1 = m_topColor[2];
        r.red2 = m_bottomColor[0];
        r.green2 = m_bottomColor[1];
        r.blue2 = m_bottomColor[2];
    }
    const QByteArray profile = profileText();
    if (CLumtarXML_IsProFileAlreadyHaveLightInfo(m_profilePath, profile.constData(), r.lightKind, r.modeCode))
        CLumtarXML_ModifyProFileLightInfoItem(m_profilePath, profile.constData(), r.lightKind, r.modeCode, r);
    emit sigLightConfigHaveChanged(lightConfigChangedFrom, r);
    if (r.lightKind == LUMTAR_LIGHT_KIND_KEYBOARD)
        writeKeyboardLightConfig(r);
    else if (r.lightKind == LUMTAR_LIGHT_KIND_SIDE)
        writeSideLightConfig(r);
    if (r.modeCode == LightMode_Custom && lightConfigChangedFrom == 0)
        emit sigLightConfigHaveChanged_Custom(0, r);
}

bool DLightsConfigPage::queueReport(const char *report, const char *failureLine)
{
    MainHidInterFace *hid = m_hidInterface;
    if (!hid || hid->writeHidCmd(report) < 0) {
        qDebug() << failureLine;
        return false;
    }
    return true;
}

void DLightsConfigPage::writeKeyboardLightConfig(colorInfoData data)
{
    const HidReportBuff report = LightReportPacket::keyboardReport(data, m_keyboardSupport);
    queueReport(report.constData(), "USB serial port [Write Led] Failed ...");
}

void DLightsConfigPage::writeSideLightConfig(colorInfoData data)
{
    const HidReportBuff report = LightReportPacket::sideReport(data, m_sideSupport);
    queueReport(report.constData(), "USB serial port [Write Side Led] Failed ...");
}

// ---- colour wheel, palette and R/G/B ------------------------------------------------------

void DLightsConfigPage::onSVColorAreaMouseIsPress(bool isMousePress)
{
    m_wheelPressed = isMousePress;
    applyLightConfigChanged(0);
}

void DLightsConfigPage::onGetRGB(int r, int g, int b)
{
    m_editRed = r;
    m_editGreen = g;
    m_editBlue = b;
    showColor(r, g, b);
    stageColor(r, g, b);
}

void DLightsConfigPage::onMoveingStatus(int valueRotate, int degRotate)
{
    Q_UNUSED(degRotate);
    if (valueRotate == 0)
        return;
    const int v = int((100 - valueRotate) * 2.55);
    const QColor picked(m_editRed, m_editGreen, m_editBlue);
    const QColor c = QColor::fromHsv(qMax(0, picked.hsvHue()), picked.hsvSaturation(), qBound(0, v, 255), 255);
    showColor(c.red(), c.green(), c.blue());
    stageColor(c.red(), c.green(), c.blue());
}

void DLightsConfigPage::onColorItemSelcSignal(QColor color)
{
    if (m_wheelPressed)
        return;
    m_editRed = color.red();
    m_editGreen = color.green();
    m_editBlue = color.blue();
    showColor(m_editRed, m_editGreen, m_editBlue);
    stageColor(m_editRed, m_editGreen, m_editBlue);
    applyLightConfigChanged(0);
}

void DLightsConfigPage::stageColor(int r, int g, int b)
{
    int *staged = ui->pushButton_TopColor->isChecked() ? m_topColor : m_bottomColor;
    staged[0] = r;
    staged[1] = g;
    staged[2] = b;
}

void DLightsConfigPage::showColor(int r, int g, int b)
{
    // The edits only apply what has their focus: texts set here never do.
    ui->lineEdit_R->setText(QString::number(r));
    ui->lineEdit_G->setText(QString::number(g));
    ui->lineEdit_B->setText(QString::number(b));
    setColorShowStyle(r, g, b);
    setSwatchStyle(ui->pushButton_TopColor->isChecked() ? ui->pushButton_TopColor : ui->pushButton_BottomColor, r, g,
                   b);
}

void DLightsConfigPage::componentTextChanged(int component, const QString &text)
{
    QLineEdit *edit = component == 0 ? ui->lineEdit_R : component == 1 ? ui->lineEdit_G : ui->lineEdit_B;
    if (!edit->hasFocus())
        return;
    // The digits deleted: 0. Anything but a number of 0..255 ("-5", "-",
    // "300") is no colour component and is refused alike.
    bool ok = true;
    const int value = text.isEmpty() ? 0 : text.toInt(&ok);
    if (!ok || value < 0 || value > 255) {
        // Only 0..255 is a colour component: put the last accepted value
        // back, which this slot then applies.
        edit->setText(QString::number(m_lastComponentValue));
        return;
    }
    m_lastComponentValue = value;
    if (component == 0)
        applyRedComponent(value);
    else if (component == 1)
        applyGreenComponent(value);
    else
        applyBlueComponent(value);
}

void DLightsConfigPage::on_lineEdit_R_textChanged(const QString &text)
{
    componentTextChanged(0, text);
}

void DLightsConfigPage::on_lineEdit_G_textChanged(const QString &text)
{
    componentTextChanged(1, text);
}

void DLightsConfigPage::on_lineEdit_B_textChanged(const QString &text)
{
    componentTextChanged(2, text);
}

void DLightsConfigPage::onCurIndexChanged_LightTopOrBottomColor(int selIndex)
{
    const colorInfoData &r = m_currentColorInfo;
    m_editRed = selIndex == 0 ? r.red1 : r.red2;
    m_editGreen = selIndex == 0 ? r.green1 : r.green2;
    m_editBlue = selIndex == 0 ? r.blue1 : r.blue2;
    for (QLineEdit *edit : {ui->lineEdit_R, ui->lineEdit_G, ui->lineEdit_B}) {
        const QSignalBlocker blocker(edit);
        edit->setText(QString::number(edit == ui->lineEdit_R ? m_editRed
                                      : edit == ui->lineEdit_G ? m_editGreen
                                                               : m_editBlue));
    }
    setColorShowStyle(m_editRed, m_editGreen, m_editBlue);
    m_colorWheel->resetRotateValue();
}

// ---- levels, direction, full colour -----------------------------------------------------

void DLightsConfigPage::onBackCurrentPositionNum_Brightness(int currPositionIndex)
{
    m_currentColorInfo.brightness = currPositionIndex + 1;
    applyLightConfigChanged(2);
}

void DLightsConfigPage::onBackCurrentPositionNum_Speed(int currPositionIndex)
{
    m_currentColorInfo.speed = currPositionIndex + 1;
    applyLightConfigChanged(3);
}

void DLightsConfigPage::onCurIndexChanged_LedDirection(int selIndex)
{
    uncheckAll(m_directionGroup);
    if (QAbstractButton *button = m_directionGroup->button(selIndex))
        button->setChecked(true);
    m_currentColorInfo.direction = selIndex;
    applyLightConfigChanged(4);
}

void DLightsConfigPage::on_checkBox_FullColorMode_clicked()
{
    m_currentColorInfo.fullColor = ui->checkBox_FullColorMode->isChecked() ? 1 : 0;
    applyLightConfigChanged(1);
}

// ---- mode choices -------------------------------------------------------------------------

void DLightsConfigPage::onCurIndexChanged_KB_LightMode(int indexSel)
{
    ui->frame_D->hide();
    setModeButtonIcons(LUMTAR_LIGHT_KIND_KEYBOARD);
    m_keyboardModeCode = LightModeTable::keyboardCodeForButton(indexSel, m_keyboardModeCode);
    if (const LightModeTable::Mode *m = LightModeTable::keyboardMode(m_keyboardModeCode)) {
        if (auto *button = findChild<CustomButton *>(QLatin1String(m->buttonName)))
            button->setSelected(true);
    }
    const QString name = LightModeTable::keyboardCaption(m_keyboardModeCode);
    if (m_keyboardModeCode == LightMode_Custom) {
        ui->frame_D->show();
        if (m_resetUsingIndexOnCustom)
            m_currentFlagIndex = 0;
        loadCustomLightList();
    }
    m_currentModeName = name;
    ui->label_LightMode->setText(name);
    qDebug() << "Operate changed Start [LightsConfig->NextItem]:" << m_keyboardModeCode;
    loadColorInfo(LUMTAR_LIGHT_KIND_KEYBOARD);
    showKeyboardModeControls(m_keyboardModeCode);
    if (m_keyboardModeCode == LightMode_Custom && m_selectedCustomItem) {
        emit sigCustomLightItemHaveChanged(m_selectedCustomItem->usingFlagIndex(),
                                           m_selectedCustomItem->customLightIndex(),
                                           m_selectedCustomItem->customLightName());
    }
    emit sigSelectCurrentLightTypeIndex_KB(m_keyboardModeCode, m_currentColorInfo);
    if (m_currentColorInfo.lightKind == LUMTAR_LIGHT_KIND_KEYBOARD) {
        writeKeyboardLightConfig(m_currentColorInfo);
        // The keys now show the scheme in use in the current slot; the
        // keyboard's slot gets the same colours, or it would keep what it
        // held before (nothing, on a new keyboard) until a key is painted.
        if (m_keyboardModeCode == LightMode_Custom && m_selectedCustomItem
            && (m_currentFlagIndex == 0 || m_currentFlagIndex == 1)
            && m_selectedCustomItem->usingFlagIndex() == m_currentFlagIndex)
            writeCustomLightColors(m_currentFlagIndex);
    }
    qDebug() << "Operate changed Over [LightsConfig]";
}

void DLightsConfigPage::onCurIndexChanged_Side_LightMode(int indexSel)
{
    setModeButtonIcons(LUMTAR_LIGHT_KIND_SIDE);
    m_sideModeCode = LightModeTable::sideCodeForButton(indexSel);
    if (const LightModeTable::Mode *m = LightModeTable::sideMode(m_sideModeCode)) {
        if (auto *button = findChild<CustomButton *>(QLatin1String(m->buttonName)))
            button->setSelected(true);
    }
    m_currentModeName = LightModeTable::sideCaption(m_sideModeCode);
    ui->label_LightMode->setText(m_currentModeName);
    loadColorInfo(LUMTAR_LIGHT_KIND_SIDE);
    showSideModeControls(m_sideModeCode);
    emit sigSelectCurrentLightTypeIndex_Side(m_sideModeCode, m_currentColorInfo);
    if (m_currentColorInfo.lightKind == LUMTAR_LIGHT_KIND_SIDE)
        writeSideLightConfig(m_currentColorInfo);
}

void DLightsConfigPage::on_toolButton_LightSelectTypeChanged_clicked()
{
    const QByteArray profile = profileText();
    if (m_keyboardPageShown) {
        if (m_sideSupport.modeCodes.empty()) {
            emit sigSomeMessageTip_LightsConfigPage(QObject::tr("The device has no atmosphere lamp"));
            return;
        }
        ui->frame_D->hide();
        setSliderSteps(m_sideSupport);
        m_keyboardPageShown = false;
        ui->stackedWidget->setCurrentWidget(ui->page_SideLightMode);
        m_sideModeCode =
            CLumtarXML_SelectProFileMouseLightTypeUsingIndex(m_profilePath, profile.constData(), LUMTAR_LIGHT_KIND_SIDE);
        loadColorInfo(LUMTAR_LIGHT_KIND_SIDE);
        showSideModeControls(m_sideModeCode);
        return;
    }
    setSliderSteps(m_keyboardSupport);
    m_keyboardPageShown = true;
    ui->stackedWidget->setCurrentWidget(ui->page_KeyboardLightMode);
    m_keyboardModeCode =
        CLumtarXML_SelectProFileMouseLightTypeUsingIndex(m_profilePath, profile.constData(), LUMTAR_LIGHT_KIND_KEYBOARD);
    loadColorInfo(LUMTAR_LIGHT_KIND_KEYBOARD);
    showKeyboardModeControls(m_keyboardModeCode);
    if (m_keyboardModeCode == LightMode_Custom)
        ui->frame_D->show();
}

// ---- what a mode shows -----------------------------------------------------------------------

namespace {

void showControls(Ui::DLightsConfigPage *ui, const LightModeTable::Mode *mode, bool colourChoices)
{
    ui->frame_Brightness->show();
    ui->frame_Speed->show();
    ui->frame_DirectionMain->show();
    QAbstractButton *const directions[] = {ui->pushButton_Right,      ui->pushButton_Left,   ui->pushButton_Up,
                                           ui->pushButton_Down,       ui->pushButton_Dispersion,
                                           ui->pushButton_Gather,     ui->pushButton_CW,     ui->pushButton_UnCW};
    for (QAbstractButton *button : directions)
        button->show();
    if (mode) {
        const LightModeTable::Controls &c = mode->controls;
        ui->frame_Brightness->setVisible(c.brightness);
        ui->frame_Speed->setVisible(c.speed);
        ui->frame_DirectionMain->setVisible(!c.directions.isEmpty());
        for (int code = 0; code < 8; ++code)
            directions[code]->setVisible(c.directions.contains(code));
    }
    ui->frame_23->setVisible(colourChoices);
    ui->frame_25->setVisible(colourChoices);
}

} // namespace

void DLightsConfigPage::showKeyboardModeControls(int code)
{
    const bool bare = code == LightMode_Static || code == LightMode_Custom;
    showControls(ui, LightModeTable::keyboardMode(code), !bare);
}

void DLightsConfigPage::showSideModeControls(int code)
{
    const bool bare = code == SideLightMode_Static || code == SideLightMode_Close;
    showControls(ui, LightModeTable::sideMode(code), !bare);
}

void DLightsConfigPage::showCurrentModeButton(int kind)
{
    if (kind == LUMTAR_LIGHT_KIND_KEYBOARD) {
        setModeButtonIcons(LUMTAR_LIGHT_KIND_KEYBOARD);
        uncheckAll(m_keyboardModeGroup);
        const LightModeTable::Mode *m = LightModeTable::keyboardMode(m_keyboardModeCode);
        if (m_keyboardModeCode == LightModeTable::DpiCode) {
            ui->label_LightMode->setText(LightModeTable::keyboardCaption(m_keyboardModeCode));
        } else if (m) {
            QAbstractButton *button = m_keyboardModeGroup->button(m->buttonId);
            if (auto *custom = qobject_cast<CustomButton *>(button))
                custom->setSelected(true);
            if (button)
                button->setChecked(true);
            ui->label_LightMode->setText(LightModeTable::keyboardCaption(m_keyboardModeCode));
        } else {
            ui->label_LightMode->clear();
        }
        return;
    }
    setModeButtonIcons(LUMTAR_LIGHT_KIND_SIDE);
    uncheckAll(m_sideModeGroup);
    if (const LightModeTable::Mode *m = LightModeTable::sideMode(m_sideModeCode)) {
        QAbstractButton *button = m_sideModeGroup->button(m->buttonId);
        if (auto *custom = qobject_cast<CustomButton *>(button))
            custom->setSelected(true);
        if (button)
            button->setChecked(true);
        ui->label_LightMode->setText(LightModeTable::sideCaption(m_sideModeCode));
    } else {
        ui->label_LightMode->clear();
    }
}
