#include "ui/firmware/UpdateFirmwareInfoItem.h"
#include "ui_UpdateFirmwareInfoItem.h"

#include <QDebug>

#include "core/DDataManager.h"
#include "device/HidReportBuff.h"
#include "device/MainHidInterFace.h"
#include "device/RecordFieldText.h"
#include "widgets/ElidedLabel.h"
#include "widgets/LanguageChangeHook.h"
#include "widgets/UnitText.h"

namespace {

// The keyboard protocol's command that sends a keyboard into its update mode.
const uint8_t kEnterUpdateMode = 0x0A;

} // namespace

UpdateFirmwareInfoItem::UpdateFirmwareInfoItem(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::UpdateFirmwareInfoItem)
{
    ui->setupUi(this);
    const auto setTexts = [this] {
        ui->label->setText(tr("Product name:"));
        ui->label_2->setText(tr("Current version:"));
        ui->label_3->setText(tr("Update progress:"));
        ui->label_5->setText(tr("New version:"));
        ui->pushButton_Update->setText(tr("Update"));
        ui->label_SuccessfulTip->setText(tr("Complete"));
    };
    setTexts();
    LanguageChangeHook::install(this, setTexts);
    ui->stackedWidget->setCurrentWidget(ui->page_1);
    setProgress(0);
    applyTheme();
}

UpdateFirmwareInfoItem::~UpdateFirmwareInfoItem()
{
    delete ui;
}

void UpdateFirmwareInfoItem::applyTheme()
{
    const ThemeColor theme = DDataManager::getInstance()->themeColor();
    const QString label = QStringLiteral("color: rgb(%1); font: 75 12pt \"%2\";").arg(theme.TextCheckedColor, theme.TextFont);
    ui->frame_Bg110->setStyleSheet(
        QStringLiteral("QFrame#frame_Bg110{border: none; border-bottom: 2px solid rgb(%1);}"
                       "QLabel{%2}")
            .arg(theme.UpgradeItemBorderColor, label));
    ui->progressBar->setStyleSheet(
        QStringLiteral("QProgressBar{border: none; background-color: rgb(%1); border-radius: 6px;}"
                       "QProgressBar::chunk{background-color: rgb(%2); border-radius: 6px;}")
            .arg(theme.UpgradeProgressBarTopColor, theme.UpgradeProgressBarBottomColor));
    ui->pushButton_Update->setStyleSheet(
        QStringLiteral("QPushButton{border-radius: 8px; border: 2px solid rgb(%1); background-color: rgb(%2);"
                       " color: rgb(%3); font: 75 10pt \"%4\";}"
                       "QPushButton:hover{border-color: rgb(%5);}"
                       "QPushButton:pressed{color: rgb(%5); border-color: rgb(%5);}"
                       "QPushButton:disabled{color: rgba(%3, 0.4);}")
            .arg(theme.DeviceBorderColor, theme.UpgradeBgColor, theme.TextDefaultColor, theme.TextFont,
                 theme.TextCheckedColor));
}

void UpdateFirmwareInfoItem::setDeviceInfo(hidStructInfoAll record, MainHidInterFace *hidInterface,
                                           QString serialNumber)
{
    m_hidInterface = hidInterface;
    m_hidSn = serialNumber;
    m_hidPath = QString::fromLatin1(recordFieldText(record.hidPath));
    m_hidName = QString::fromLatin1(recordFieldText(record.hidModel));
    m_usbOrDongle = record.connectType;
    ui->label_HidLikeName->setFullText(QString::fromUtf8(recordFieldText(record.productName)) + QLatin1Char(' ')
                                       + QString::fromUtf8(recordFieldText(record.likeName)));
    ui->label_OldVer->setText(QString::fromLatin1(recordFieldText(record.firmwareVersion)));
    ui->label_NewVer->setText(QString::fromLatin1(recordFieldText(record.newFirmwareVersion)));
}

void UpdateFirmwareInfoItem::setInterfaceLookup(std::function<MainHidInterFace *()> lookup)
{
    m_interfaceLookup = std::move(lookup);
}

void UpdateFirmwareInfoItem::setUpdateEnabled(bool enabled)
{
    ui->pushButton_Update->setEnabled(enabled);
}

void UpdateFirmwareInfoItem::setProgress(int percent)
{
    ui->progressBar->setValue(percent);
    ui->progressBar->repaint();
    ui->label_ProgressNum->setText(UnitText::percent(percent));
}

void UpdateFirmwareInfoItem::showComplete()
{
    ui->stackedWidget->setCurrentWidget(ui->page_2);
    m_updateSent = false;
}

void UpdateFirmwareInfoItem::showUpdatePage()
{
    ui->stackedWidget->setCurrentWidget(ui->page_1);
    m_updateSent = false;
}

void UpdateFirmwareInfoItem::on_pushButton_Update_clicked()
{
    if (m_updateSent)
        return;
    m_updateSent = true;
    MainHidInterFace *hid = m_interfaceLookup ? m_interfaceLookup() : m_hidInterface.data();
    if (hid) {
        const HidReportBuff report(kEnterUpdateMode, 0, 0);
        if (hid->writeHidCmd(report.constData()) < 0)
            qDebug() << "USB serial port [Into firmware] Failed ...";
    } else {
        // Not listed: gone, or already waiting in its update mode.
        qDebug() << "Keyboard" << m_hidPath << "not listed: its update starts without the enter-update-mode report";
    }
    emit sigStartUpgradeing();
}
