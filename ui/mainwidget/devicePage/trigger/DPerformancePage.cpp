#include "ui/mainwidget/devicePage/trigger/DPerformancePage.h"
#include "ui_DPerformancePage.h"

#include <QDebug>
#include <QIntValidator>

#include <cstring>

#include "core/DDataManager.h"
#include "device/DeviceModelLists.h"
#include "sdk/include/LumtarHid.h"
#include "sdk/include/LumtarXml.h"
#include "widgets/LanguageChangeHook.h"
#include "widgets/ThemeStyleSheets.h"

namespace {

// The layout type of keyboards without sleep settings.
constexpr int kNoSleepDeviceType = 5;

// An integer field that refuses a value above its range as it is typed
// (the plain validator takes it as unfinished input).
class BoundedIntValidator : public QIntValidator
{
public:
    BoundedIntValidator(int bottom, int top, QObject *parent) : QIntValidator(bottom, top, parent) {}
    State validate(QString &input, int &pos) const override
    {
        bool ok = false;
        const int value = input.toInt(&ok);
        if (ok && value > top())
            return Invalid;
        return QIntValidator::validate(input, pos);
    }
};

const char *flagText(bool on)
{
    return on ? "1" : "0";
}

} // namespace

DPerformancePage::DPerformancePage(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::DPerformancePage)
{
    ui->setupUi(this);
    setTexts();
    // Also without a keyboard, when the main window does not reach this page.
    LanguageChangeHook::install(this, [this] {
        ui->retranslateUi(this);
        setTexts();
    });
    ui->lineEdit_LightSleep->setValidator(new BoundedIntValidator(0, 60000, this));
    ui->lineEdit_KeyboardSleep->setValidator(new BoundedIntValidator(5, 1000, this));
    ui->pushButton_Restore->hide();
    setKeyboardProperties(KeyboardProperties::forSession());
}

DPerformancePage::~DPerformancePage()
{
    delete ui;
}

void DPerformancePage::setTexts()
{
    ui->label->setText(QObject::tr("If Win Lock is on:"));
    ui->checkBox_disableWindowsKey->setText(QObject::tr("Disable Windows key"));
    ui->checkBox_disableSHIFT_TAB->setText(QObject::tr("Disable SHIFT+TAB"));
    ui->checkBox_disableALT_TAB->setText(QObject::tr("Disable ALT+TAB"));
    ui->checkBox_disableALT_F4->setText(QObject::tr("Disable ALT+F4"));
    ui->label_2->setText(QObject::tr("Light into sleep:"));
    ui->label_3->setText(QObject::tr("Second"));
    ui->label_5->setText(QObject::tr("Keyboard into sleep:"));
    ui->label_4->setText(QObject::tr("Minute"));
    ui->pushButton_SubmitSleepTime->setText(QObject::tr("Submit"));
    ui->pushButton_Restore->setText(QObject::tr("Reset current profile"));
    ui->pushButton_keyboardProperties->setText(QObject::tr("Keyboard properties"));
    ui->checkBox_ProhibitSleep->setText(QObject::tr("Prohibit Sleep"));
    ui->label_6->setText(QObject::tr("GamePad:"));
    ui->radioButton_GamePadDisable->setText(QObject::tr("GamePad Disable"));
    ui->radioButton_GamePadXbox360->setText(QObject::tr("GamePad Xbox360"));
    ui->radioButton_GamePadClassical->setText(QObject::tr("GamePad Classical"));
}

void DPerformancePage::setKeyboardProperties(const KeyboardProperties::Command &command)
{
    m_keyboardProperties = command;
    ui->pushButton_keyboardProperties->setVisible(command.isValid());
    // The panel holds nothing else that shows ("Reset current profile" is
    // hidden for good): without the button it would stand empty.
    ui->frame_Right->setVisible(command.isValid());
}

void DPerformancePage::setCurrentProfileIndex(int index)
{
    m_currentProfileIndex = index;
}

void DPerformancePage::setXmlProfilePath(const char *path)
{
    const size_t length = path ? std::strlen(path) : 0;
    if (length >= sizeof m_xmlProfilePath) {
        qWarning().noquote() << QStringLiteral("Performance page: a profile path of %1 bytes does not fit; none kept")
                                    .arg(length);
        m_xmlProfilePath[0] = '\0';
        return;
    }
    lumtarCopyField(m_xmlProfilePath, path ? path : "");
}

void DPerformancePage::loadPerformanceInfo()
{
    const QByteArray index = QByteArray::number(m_currentProfileIndex);
    char flags[4][8];
    for (auto &flag : flags)
        std::strcpy(flag, "0");
    CLumtarXML_GetProFileFunctionInfo(m_xmlProfilePath, index.constData(), flags);
    const auto on = [&flags](int slot) { return std::atoi(flags[slot]) != 0; };
    ui->checkBox_disableALT_TAB->setChecked(on(0));
    ui->checkBox_disableALT_F4->setChecked(on(1));
    ui->checkBox_disableSHIFT_TAB->setChecked(on(2));
    ui->checkBox_disableWindowsKey->setChecked(on(3));

    int lightSleep = 600;
    int keyboardSleep = 30;
    CLumtarXML_GetProFileIntoSleepTimeInfo(m_xmlProfilePath, index.constData(), &lightSleep, &keyboardSleep);
    ui->lineEdit_LightSleep->setText(QString::number(lightSleep));
    ui->lineEdit_KeyboardSleep->setText(QString::number(keyboardSleep));

    DDataManager *data = DDataManager::getInstance();
    const bool prohibit = data->prohibitSleepStatus() != 0;
    ui->lineEdit_KeyboardSleep->setReadOnly(prohibit);
    ui->checkBox_ProhibitSleep->setChecked(prohibit);
    if (DeviceModelLists::offersProhibitSleep(data->currentDeviceModelName())) {
        ui->frame_ProhibitSleep->show();
    } else {
        ui->frame_ProhibitSleep->hide();
        ui->lineEdit_KeyboardSleep->setReadOnly(false);
    }
    ui->frame_Center->setVisible(!data->isMagneticKeyboard() && data->hidDeviceType() != kNoSleepDeviceType);
    showGamePadMode(data->gamePadMode());
}

void DPerformancePage::showGamePadMode(int mode)
{
    if (mode == -1) {
        ui->frame_GamePad->hide();
        return;
    }
    ui->frame_GamePad->show();
    if (mode == 0)
        ui->radioButton_GamePadDisable->setChecked(true);
    else if (mode == 1)
        ui->radioButton_GamePadXbox360->setChecked(true);
    else if (mode == 2)
        ui->radioButton_GamePadClassical->setChecked(true);
}

void DPerformancePage::updateGamePadModeShow()
{
    showGamePadMode(DDataManager::getInstance()->gamePadMode());
}

void DPerformancePage::setDeviceTypeShow(int type)
{
    ui->frame_Center->setVisible(type == 3);
}

void DPerformancePage::saveLockWinKeyInfo()
{
    const bool altTab = ui->checkBox_disableALT_TAB->isChecked();
    const bool altF4 = ui->checkBox_disableALT_F4->isChecked();
    const bool shiftTab = ui->checkBox_disableSHIFT_TAB->isChecked();
    const bool winKey = ui->checkBox_disableWindowsKey->isChecked();
    const QByteArray index = QByteArray::number(m_currentProfileIndex);
    CLumtarXML_AddProFileFunctionInfo(m_xmlProfilePath, index.constData(), flagText(altTab), flagText(altF4),
                                      flagText(shiftTab), flagText(winKey));
    emit sigLockWinKeyAbout(winKey ? 1 : 0, shiftTab ? 1 : 0, altTab ? 1 : 0, altF4 ? 1 : 0);
}

void DPerformancePage::on_checkBox_disableALT_TAB_clicked()
{
    saveLockWinKeyInfo();
}

void DPerformancePage::on_checkBox_disableALT_F4_clicked()
{
    saveLockWinKeyInfo();
}

void DPerformancePage::on_checkBox_disableSHIFT_TAB_clicked()
{
    saveLockWinKeyInfo();
}

void DPerformancePage::on_checkBox_disableWindowsKey_clicked()
{
    saveLockWinKeyInfo();
}

void DPerformancePage::on_pushButton_Restore_clicked()
{
    emit sigResetoreCurrentProfile();
}

void DPerformancePage::on_pushButton_keyboardProperties_clicked()
{
    // Started detached: the page goes on at once, whatever the program does.
    if (!KeyboardProperties::open(m_keyboardProperties))
        qDebug().noquote() << QStringLiteral("Keyboard properties: %1 did not start").arg(m_keyboardProperties.program);
}

void DPerformancePage::on_checkBox_ProhibitSleep_clicked()
{
    ui->lineEdit_KeyboardSleep->setReadOnly(ui->checkBox_ProhibitSleep->isChecked());
}

void DPerformancePage::on_pushButton_SubmitSleepTime_clicked()
{
    const int light = ui->lineEdit_LightSleep->text().toInt();
    const int keyboard = ui->lineEdit_KeyboardSleep->text().toInt() * 60;
    emit sigLightAndKeyboardSleepTime(light, keyboard, ui->checkBox_ProhibitSleep->isChecked() ? 1 : 0);
}

void DPerformancePage::on_radioButton_GamePadDisable_clicked()
{
    emit sigSetCurrentGamePadModeIndex(0);
}

void DPerformancePage::on_radioButton_GamePadXbox360_clicked()
{
    emit sigSetCurrentGamePadModeIndex(1);
}

void DPerformancePage::on_radioButton_GamePadClassical_clicked()
{
    emit sigSetCurrentGamePadModeIndex(2);
}

void DPerformancePage::updateAllUI()
{
    ui->retranslateUi(this);
    setTexts();
    loadPerformanceInfo();
}

void DPerformancePage::updateAppTheme()
{
    const ThemeColor theme = DDataManager::getInstance()->themeColor();
    QFont font = DDataManager::getInstance()->themeFont(1);
    // Only the panels carry borders (the theme's, below); the frames around
    // and between them would otherwise show the style's own light line.
    setStyleSheet(QStringLiteral("#DPerformancePage{background-color: rgb(%1);}"
                                 "#frame_Bg03, #frame_3, #frame_4, #frame, #frame_5, #frame_6, #frame_7, "
                                 "#frame_ProhibitSleep{border: none;}")
                      .arg(theme.DeviceRightBgColor));
    const QString border = QStringLiteral("border: 3px solid rgb(%1); border-radius: 8px;").arg(theme.DeviceBorderColor);
    ui->frame_Left->setStyleSheet(QStringLiteral("#frame_Left{%1}").arg(border));
    ui->frame_Center->setStyleSheet(QStringLiteral("#frame_Center{%1}").arg(border));
    ui->frame_4->setStyleSheet(
        QStringLiteral("QCheckBox{color: rgb(%1); font: 75 10pt \"%3\";}"
                       "QCheckBox:checked{color: rgb(%2);}"
                       "QCheckBox::indicator{width: 13px; height: 13px;}"
                       "QCheckBox::indicator:unchecked{image: url(:/images/publicIco/checkBoxDef.png);}"
                       "QCheckBox::indicator:checked{image: url(:/images/publicIco/checkBoxSel.png);}")
            .arg(theme.TextDefaultColor, theme.TextCheckedColor, theme.TextFont));
    font.setPointSize(11);
    for (QLabel *label : {ui->label, ui->label_2, ui->label_5, ui->label_6}) {
        label->setStyleSheet(QStringLiteral("color: rgb(%1);").arg(theme.TextDefaultColor));
        label->setFont(font);
    }
    QFont small = font;
    small.setPointSize(10);
    for (QLabel *label : {ui->label_3, ui->label_4}) {
        label->setStyleSheet(QStringLiteral("color: rgb(%1);").arg(theme.TextDefaultColor));
        label->setFont(small);
    }
    const QString edits = QStringLiteral("QLineEdit{color: rgb(%1); background-color: rgb(%2); border: 1px solid rgb(%3); "
                                         "border-radius: 4px; font: 75 8pt \"%5\";}"
                                         "QLineEdit:hover,QLineEdit:focus{border: 1px solid rgb(%4);}")
                              .arg(theme.TextDefaultColor, theme.DeviceRightBgColor, theme.DeviceBorderColor,
                                   theme.TextCheckedColor, theme.TextFont);
    ui->lineEdit_LightSleep->setStyleSheet(edits);
    ui->lineEdit_KeyboardSleep->setStyleSheet(edits);
    for (QPushButton *button :
         {ui->pushButton_SubmitSleepTime, ui->pushButton_Restore, ui->pushButton_keyboardProperties}) {
        button->setStyleSheet(pageButtonStyleSheet(theme, 2));
        button->setFont(font);
    }
    ui->frame_GamePad->setStyleSheet(
        QStringLiteral("#frame_GamePad{border: 3px solid rgb(46, 47, 80); border-radius: 8px;}"
                       "QRadioButton{color: rgb(%1); font: 75 10pt \"%3\"; min-height: 18px;}"
                       "QRadioButton:checked{color: rgb(%2);}"
                       "QRadioButton::indicator:checked{background-color: rgb(%2); border-radius: 6px; "
                       "border: 2px solid rgb(255, 255, 255);}")
            .arg(theme.TextDefaultColor, theme.TextCheckedColor, theme.TextFont));
}
