#include "ui/firmware/UpdateFirmwareInfoItem.h"
#include "ui_UpdateFirmwareInfoItem.h"

#include <QDebug>

#include "core/DDataManager.h"
#include "device/HidReportBuff.h"
#include "device/MainHidInterFace.h"
#include "device/RecordFieldText.h"
#include "ui/firmware/ReadableColor.h"
#include "ui/mainwidget/devicePage/ConnectionText.h"
#include "widgets/LanguageChangeHook.h"
#include "widgets/ThemeColorText.h"
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
        showName();
    };
    setTexts();
    LanguageChangeHook::install(this, setTexts);
    ui->stackedWidget->setCurrentWidget(ui->page_1);
    setProgress(0);
    applyTheme();
    ui->label_HidLikeName->installEventFilter(this);
}

UpdateFirmwareInfoItem::~UpdateFirmwareInfoItem()
{
    delete ui;
}

QColor UpdateFirmwareInfoItem::progressFillColor(const ThemeColor &theme)
{
    // The theme's own filled colour is darker than its groove, so a finished
    // bar looked empty: the accent, moved until it stands out from the groove.
    return ReadableColor::against(themeRgb(theme.UpgradeProgressBarTopColor), themeRgb(theme.TextCheckedColor),
                                  ReadableColor::kShape);
}

void UpdateFirmwareInfoItem::applyTheme()
{
    const ThemeColor theme = DDataManager::getInstance()->themeColor();
    // The row lies on the window's background: its texts are kept readable there.
    const QColor background = themeRgb(theme.UpgradeBgColor);
    const QString text = ReadableColor::against(background, themeRgb(theme.TextCheckedColor), ReadableColor::kText).name();
    QColor buttonText = ReadableColor::against(background, themeRgb(theme.TextDefaultColor), ReadableColor::kText);
    QColor disabledText = buttonText;
    disabledText.setAlphaF(0.4);
    const QString label = QStringLiteral("color: %1; font: 75 12pt \"%2\";").arg(text, theme.TextFont);
    ui->frame_Bg110->setStyleSheet(
        QStringLiteral("QFrame#frame_Bg110{border: none; border-bottom: 2px solid rgb(%1);}"
                       "QLabel{%2}")
            .arg(theme.UpgradeItemBorderColor, label));
    ui->progressBar->setStyleSheet(
        QStringLiteral("QProgressBar{border: none; background-color: rgb(%1); border-radius: 6px;}"
                       "QProgressBar::chunk{background-color: %2; border-radius: 6px;}")
            .arg(theme.UpgradeProgressBarTopColor, progressFillColor(theme).name()));
    ui->pushButton_Update->setStyleSheet(
        QStringLiteral("QPushButton{border-radius: 8px; border: 2px solid rgb(%1); background-color: rgb(%2);"
                       " color: %3; font: 75 10pt \"%4\";}"
                       "QPushButton:hover{border-color: %5;}"
                       "QPushButton:pressed{color: %5; border-color: %5;}"
                       "QPushButton:disabled{color: %6;}")
            .arg(theme.DeviceBorderColor, theme.UpgradeBgColor, buttonText.name(), theme.TextFont, text,
                 disabledText.name(QColor::HexArgb)));
}

void UpdateFirmwareInfoItem::setDeviceInfo(hidStructInfoAll record, MainHidInterFace *hidInterface,
                                           QString serialNumber)
{
    m_hidInterface = hidInterface;
    m_hidSn = serialNumber;
    m_hidPath = QString::fromLatin1(recordFieldText(record.hidPath));
    m_hidName = QString::fromLatin1(recordFieldText(record.hidModel));
    m_usbOrDongle = record.connectType;
    m_record = record;
    showName();
    ui->label_OldVer->setText(QString::fromLatin1(recordFieldText(record.firmwareVersion)));
    ui->label_NewVer->setText(QString::fromLatin1(recordFieldText(record.newFirmwareVersion)));
}

void UpdateFirmwareInfoItem::showName()
{
    // Shown whole, over two lines where it needs them, with the connection as
    // the device list shows it: a keyboard on its cable and on its receiver
    // are told apart.
    ui->label_HidLikeName->setText(QString::fromUtf8(recordFieldText(m_record.productName)) + QLatin1Char(' ')
                                   + QString::fromUtf8(recordFieldText(m_record.likeName))
                                   + ConnectionText::suffix(m_record));
    fitNameHeight();
}

void UpdateFirmwareInfoItem::fitNameHeight()
{
    QLabel *name = ui->label_HidLikeName;
    // The label would have the list lay its rows out height-for-width, at
    // their preferred heights and the end spacer's, and show a scroll bar
    // for three rows: its least height is set here instead.
    QSizePolicy policy = name->sizePolicy();
    if (policy.hasHeightForWidth()) {
        policy.setHeightForWidth(false);
        name->setSizePolicy(policy);
    }
    const int needed = name->heightForWidth(name->width());
    if (needed > 0 && needed != name->minimumHeight())
        name->setMinimumHeight(needed);
}

bool UpdateFirmwareInfoItem::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->label_HidLikeName
        && (event->type() == QEvent::Resize || event->type() == QEvent::FontChange
            || event->type() == QEvent::StyleChange))
        fitNameHeight();
    return QWidget::eventFilter(watched, event);
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
