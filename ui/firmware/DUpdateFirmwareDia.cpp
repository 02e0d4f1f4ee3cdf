#include "ui/firmware/DUpdateFirmwareDia.h"
#include "ui_DUpdateFirmwareDia.h"

#include "core/DDataManager.h"
#include "device/DDeviceKeyboardLink.h"
#include "device/RecordFieldText.h"
#include "ui/firmware/ReadableColor.h"
#include "ui/firmware/UpdateFirmwareInfoItem.h"
#include "widgets/CbNotice.h"
#include "widgets/LanguageChangeHook.h"
#include "widgets/LayoutRows.h"
#include "widgets/ThemeColorText.h"

DUpdateFirmwareDia::DUpdateFirmwareDia(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::DUpdateFirmwareDia)
{
    ui->setupUi(this);
    setWindowFlags(Qt::FramelessWindowHint | Qt::Tool);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(740, 520);
    const auto setTexts = [this] {
        ui->label_Title->setText(tr("Update Firmware"));
        ui->widget_Tip->setText(tr("If the firmware is being updated, do not unplug the device!"));
    };
    setTexts();
    LanguageChangeHook::install(this, setTexts);
    if (parent)
        move((parent->width() - width()) / 2, (parent->height() - height()) / 2);
    m_rowsLayout = ui->verticalLayout_17;
    m_notice = new CbNotice(this);
    applyTheme();

    connect(this, &DUpdateFirmwareDia::sigUpgradeProgress, this, &DUpdateFirmwareDia::onUpgradeProgress);
    connect(this, &DUpdateFirmwareDia::sigUpgradeFirmwareSuc, this, &DUpdateFirmwareDia::onUpgradeFirmwareSuc);
    connect(this, &DUpdateFirmwareDia::sigUpgradeFirmwareFailed, this, &DUpdateFirmwareDia::onUpgradeFirmwareFailed);
}

DUpdateFirmwareDia::~DUpdateFirmwareDia()
{
    delete ui;
}

void DUpdateFirmwareDia::applyTheme()
{
    const ThemeColor theme = DDataManager::getInstance()->themeColor();
    // The texts lie on the window's background and are kept readable there.
    const QColor background = themeRgb(theme.UpgradeBgColor);
    ui->frame_Bg->setStyleSheet(
        QStringLiteral("QFrame#frame_Bg{background-color: rgb(%1); border: 1px solid rgb(%2); border-radius: 12px;}")
            .arg(theme.UpgradeBgColor, theme.TextCheckedColor));
    ui->frame_Title->setStyleSheet(
        QStringLiteral("QFrame#frame_Title{background-color: rgb(%1); border: none; border-bottom: 2px solid rgb(%2);"
                       " border-top-left-radius: 12px; border-top-right-radius: 12px;}")
            .arg(theme.UpgradeBgColor, theme.UpgradeBorderColor));
    ui->label_Title->setStyleSheet(
        QStringLiteral("color: %1; font: 75 13pt \"%2\";")
            .arg(ReadableColor::against(background, themeRgb(theme.TextCheckedColor), ReadableColor::kText).name(),
                 theme.TextFont));
    ui->widget_4->setStyleSheet(
        QStringLiteral("QScrollBar:vertical{width: 3px; background: transparent;}"
                       "QScrollBar::handle:vertical{background: rgba(0, 0, 0, 20%);}"
                       "QScrollBar::handle:vertical:hover{background: rgba(0, 0, 0, 30%);}"
                       "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical{height: 0px; border: none;}"
                       "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical{background: rgb(%1);}")
            .arg(theme.AllScrollBarColorDef));
    // "#AARRGGBB": a style sheet reads the alpha of rgba() 1 as fully opaque.
    const QString clearSheet =
        QStringLiteral("background-color: %1;").arg(themeRgb(QStringLiteral("0,0,0,1")).name(QColor::HexArgb));
    // Drawn over the window's background, never in its place: the window is
    // translucent, and without a compositing manager a fill that replaces
    // the pixels shows black.
    ui->scrollArea_2->setStyleSheet(QStringLiteral("QScrollArea#scrollArea_2{background: transparent;}"));
    ui->scrollArea_2->viewport()->setAutoFillBackground(false);
    ui->scrollAreaWidgetContents_2->setAutoFillBackground(false);
    ui->scrollAreaWidgetContents_2->setStyleSheet(
        QStringLiteral("QWidget#scrollAreaWidgetContents_2{%1}").arg(clearSheet));

    m_notice->setBackgroundColor(themeRgb(theme.AllBgColor, 200));
    m_notice->setTextColor(themeRgb(theme.TextCheckedColor));
    QFont noticeFont(theme.TextFont);
    noticeFont.setPixelSize(14);
    m_notice->setNoticeFont(noticeFont);

    ui->widget_Tip->setTextFont(QStringLiteral("Microsoft Yahei"), 14);
    ui->widget_Tip->setForeground(ReadableColor::against(background, QColor(255, 50, 0), ReadableColor::kText));
    // The warning line's faint veil laid over the window's background once,
    // as one opaque colour: it looks the same, and the line then moves by
    // scrolling its own pixels instead of repainting the window beneath.
    ui->widget_Tip->setBackground(blendOver(QColor(0, 0, 0, 1), background));
}

void DUpdateFirmwareDia::setDevices(QList<hidStructInfoAll> candidates, QMap<QString, DDeviceKeyboardLink *> links)
{
    clearRows();
    m_links.clear();
    for (auto it = links.cbegin(); it != links.cend(); ++it)
        m_links.insert(it.key(), it.value());
    for (const hidStructInfoAll &record : candidates) {
        auto *row = new UpdateFirmwareInfoItem(ui->scrollAreaWidgetContents_2);
        const QString path = QString::fromLatin1(recordFieldText(record.hidPath));
        DDeviceKeyboardLink *link = links.value(path);
        row->setDeviceInfo(record, link ? link->hidInterface() : nullptr, link ? link->serialNumber() : QString());
        row->setInterfaceLookup([this, path]() { return interfaceOf(path); });
        connect(row, &UpdateFirmwareInfoItem::sigStartUpgradeing, this, &DUpdateFirmwareDia::onStartUpgradeing);
        m_rowsLayout->insertWidget(m_rowsLayout->count() - 1, row);
        m_rows.append(row);
    }
}

void DUpdateFirmwareDia::setLinkLookup(std::function<DDeviceKeyboardLink *(const QString &)> lookup)
{
    m_linkLookup = std::move(lookup);
}

MainHidInterFace *DUpdateFirmwareDia::interfaceOf(const QString &path) const
{
    DDeviceKeyboardLink *link = m_linkLookup ? m_linkLookup(path) : m_links.value(path).data();
    return link ? link->hidInterface() : nullptr;
}

void DUpdateFirmwareDia::clearRows()
{
    removeRowsBeforeSpacer(m_rowsLayout);
    m_rows.clear();
    m_activeRow = nullptr;
}

QList<UpdateFirmwareInfoItem *> DUpdateFirmwareDia::rows() const
{
    QList<UpdateFirmwareInfoItem *> out;
    for (const auto &row : m_rows)
        if (row)
            out.append(row);
    return out;
}

void DUpdateFirmwareDia::onStartUpgradeing()
{
    m_lastProgress = -1;
    auto *row = qobject_cast<UpdateFirmwareInfoItem *>(sender());
    if (!row)
        return;
    m_activeRow = row;
    for (UpdateFirmwareInfoItem *r : rows())
        r->setUpdateEnabled(r == row);
    emit sigStartHidUpgrade(row->hidPath(), row->hidSn(), row->hidName(), row->usbOrDongle());
}

void DUpdateFirmwareDia::reportProgress(int total, int done)
{
    if (total <= 0)
        return;
    const int percent = static_cast<int>(static_cast<float>(done) / static_cast<float>(total) * 100.0f);
    if (percent <= m_lastProgress)
        return;
    m_lastProgress = percent;
    emit sigUpgradeProgress(percent);
}

void DUpdateFirmwareDia::reportSuccess()
{
    emit sigUpgradeFirmwareSuc();
}

void DUpdateFirmwareDia::reportFailure()
{
    emit sigUpgradeFirmwareFailed();
}

void DUpdateFirmwareDia::onUpgradeProgress(int ProgressNum)
{
    if (m_activeRow)
        m_activeRow->setProgress(ProgressNum);
}

void DUpdateFirmwareDia::onUpgradeFirmwareSuc()
{
    if (m_activeRow)
        m_activeRow->showComplete();
    for (UpdateFirmwareInfoItem *r : rows())
        r->setUpdateEnabled(true);
    m_notice->showNotice(tr("Update successful"), rect().center());
}

void DUpdateFirmwareDia::onUpgradeFirmwareFailed()
{
    if (m_activeRow)
        m_activeRow->showUpdatePage();
    m_notice->showNotice(tr("Update failed"), rect().center());
}

void DUpdateFirmwareDia::on_pushButton_Close_clicked()
{
    emit sigUpdateFirmwareWindowClose();
    close();
}
