#include "ui/firmware/DFirwareInfoShow.h"
#include "ui_DFirwareInfoShow.h"

#include <QTimer>

#include <list>
#include <string>

#include "core/DDataManager.h"
#include "device/RecordFieldText.h"
#include "ui/firmware/DFirwareInfoItem.h"
#include "widgets/LayoutRows.h"

namespace {

const char kScrollBarStyle[] =
    "QScrollBar:vertical{width: 4px; background: transparent; margin: 3px 0px 3px 0px;}"
    "QScrollBar::handle:vertical{background: rgba(0, 0, 0, 20%); min-height: 20px; border-radius: 1px;}"
    "QScrollBar::handle:vertical:hover{background: rgba(0, 0, 0, 30%);}"
    "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical{height: 0px; border: none;}"
    "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical{background: rgb(32, 32, 55); border-radius: 4px;}";

template <size_t N>
QString fieldText(const char (&field)[N])
{
    return QString::fromUtf8(recordFieldText(field));
}

} // namespace

DFirwareInfoShow::DFirwareInfoShow(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::DFirwareInfoShow)
{
    ui->setupUi(this);
    setWindowTitle(tr("Firmware Info"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(350, 370);
    ui->frame_26->hide();
    m_rowsLayout = ui->verticalLayout_17;

    const ThemeColor theme = DDataManager::getInstance()->themeColor();
    ui->widget_4->setStyleSheet(QString::fromLatin1(kScrollBarStyle));
    ui->frame_2->setStyleSheet(
        QStringLiteral("QFrame#frame_2{border: none; border-top: 2px solid rgb(%1);}").arg(theme.SettingsBorderColor));
    ui->scrollAreaWidgetContents_2->setStyleSheet(
        QStringLiteral("QWidget#scrollAreaWidgetContents_2{background-color: rgb(%1);}").arg(theme.SettingsBgColor));
    ui->frame_26->setStyleSheet(
        QStringLiteral("QFrame#frame_26{background-color: rgb(%1); border: none; border-bottom: 2px solid rgb(%2);}")
            .arg(theme.SettingsBgColor, theme.SettingsBorderColor));
    ui->label_10->setStyleSheet(QStringLiteral("color: rgb(%1);").arg(theme.TextDefaultColor));

    QTimer::singleShot(LoadDelayMs, this, &DFirwareInfoShow::onLoadingFirmwareInfo);
}

DFirwareInfoShow::~DFirwareInfoShow()
{
    delete ui;
}

QPair<QString, QString> DFirwareInfoShow::listingEntry(const FirmwareInfoStu &firmware)
{
    const QString key = fieldText(firmware.chipFamily) + fieldText(firmware.chipCode) + fieldText(firmware.deviceClass)
        + fieldText(firmware.customerCode) + QLatin1Char(',') + fieldText(firmware.model);
    const QString value = fieldText(firmware.firmwareVersion) + QStringLiteral("---") + fieldText(firmware.dateTime);
    return qMakePair(key, value);
}

void DFirwareInfoShow::onLoadingFirmwareInfo()
{
    QMap<QString, QString> rows;
    std::list<std::string> paths;
    CLumtarHid_GetHidInfoList(&paths);
    for (const std::string &path : paths) {
        HidDeviceInfoStu device;
        FirmwareInfoStu firmware;
        const QByteArray latin1 = QString::fromStdString(path).toLatin1();
        if (!CLumtarHid_GetHidAndFirmwareInfoStu(latin1.constData(), &device, &firmware))
            continue;
        const QPair<QString, QString> entry = listingEntry(firmware);
        rows.insert(entry.first, entry.second);
    }
    fillRows(rows);
}

void DFirwareInfoShow::fillRows(QMap<QString, QString> rows)
{
    clearRows();
    for (auto it = rows.cbegin(); it != rows.cend(); ++it) {
        auto *row = new DFirwareInfoItem(ui->scrollAreaWidgetContents_2);
        row->setInfo(it.key(), it.value());
        m_rowsLayout->insertWidget(m_rowsLayout->count() - 1, row);
    }
}

void DFirwareInfoShow::clearRows()
{
    m_rowsLayout = ui->verticalLayout_17;
    removeRowsBeforeSpacer(m_rowsLayout);
}
