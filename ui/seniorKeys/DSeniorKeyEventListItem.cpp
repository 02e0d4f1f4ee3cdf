#include "ui/seniorKeys/DSeniorKeyEventListItem.h"

#include "core/DDataManager.h"
#include "ui/seniorKeys/SeniorKeyRecord.h"
#include "ui/seniorKeys/SeniorKeySlots.h"
#include "ui/seniorKeys/KeyCaptionView.h"
#include "ui_DSeniorKeyEventListItem.h"
#include "widgets/ThemeColorText.h"

#include <QMouseEvent>

#include <cstring>

namespace {

constexpr int kRowHeight = 45;

} // namespace

DSeniorKeyEventListItem::DSeniorKeyEventListItem(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::DSeniorKeyEventListItem)
{
    ui->setupUi(this);
    setFixedHeight(kRowHeight);
    std::memset(&m_record, 0, sizeof m_record);

    const ThemeColor theme = DDataManager::getInstance()->themeColor();
    ui->frame_Center->setStyleSheet(
        QStringLiteral("QLabel{color: rgb(%1); font: 75 8pt \"%2\"; border: 1px solid rgb(%1); border-radius: 6px;}")
            .arg(theme.TextDefaultColor, theme.TextFont));
}

DSeniorKeyEventListItem::~DSeniorKeyEventListItem()
{
    delete ui;
}

void DSeniorKeyEventListItem::setKeyNameMap(QMap<int, QString> keyNames)
{
    m_keyNames = keyNames;
}

QString DSeniorKeyEventListItem::formatKeyText(const QString &slotText) const
{
    return SeniorKeySlots::caption(slotText.toLatin1(), m_keyNames);
}

void DSeniorKeyEventListItem::setSeniorKeyInfo(SeniorKeyInfoStu info)
{
    m_record = info;
    QLabel *labels[SeniorKeyRecord::SlotCount] = {ui->label_SeniorKey01, ui->label_SeniorKey02, ui->label_SeniorKey03,
                                                   ui->label_SeniorKey04};
    for (QLabel *label : labels)
        label->show();

    const auto caption = [this](int slot) {
        return SeniorKeySlots::caption(SeniorKeyRecord::slotText(m_record, slot), m_keyNames);
    };
    QString type;
    switch (m_record.kind) {
    case LUMTAR_SENIOR_DKS:
        type = SeniorKeyRecord::name(m_record);
        for (int slot = 1; slot <= SeniorKeyRecord::SlotCount; ++slot)
            KeyCaptionView::show(labels[slot - 1], caption(slot));
        break;
    case LUMTAR_SENIOR_MT:
        type = SeniorKeyRecord::name(m_record);
        labels[2]->hide();
        labels[3]->hide();
        KeyCaptionView::show(labels[0], caption(1));
        KeyCaptionView::show(labels[1], caption(2));
        break;
    case LUMTAR_SENIOR_TGL:
        type = SeniorKeyRecord::name(m_record);
        labels[1]->hide();
        labels[2]->hide();
        labels[3]->hide();
        KeyCaptionView::show(labels[0], m_record.toggleAssigned == 1 ? caption(1) : QString());
        break;
    default:
        break;
    }
    ui->label_Type->setText(type);
}

void DSeniorKeyEventListItem::setSelectedStyle(bool selected)
{
    const ThemeColor theme = DDataManager::getInstance()->themeColor();
    const QString edges = QStringLiteral("QFrame#frame_Left{border: none; border-right: 1px solid rgb(%1);}"
                                         "QFrame#frame_Right{border: none; border-left: 1px solid rgb(%1);}")
                              .arg(theme.MacroBorderColor);
    if (selected) {
        ui->frame_BgABC01->setStyleSheet(
            QStringLiteral("QFrame#frame_BgABC01{background-color: rgb(30, 30, 55); border-radius: 6px;}"
                           "QFrame#frame_BgABC01{background-color: rgb(%1); border: none; border-radius: 6px;}")
                .arg(theme.MacroListItemSelectedColor)
            + edges);
    } else {
        // Half transparent, whether or not the theme's colour has an alpha of its own.
        const QColor normal = themeRgb(theme.DeviceListAreaDefaultBgColor, 128);
        ui->frame_BgABC01->setStyleSheet(
            QStringLiteral("QFrame#frame_BgABC01{background-color: rgba(%1, %2, %3, %4); border: none; "
                           "border-radius: 6px;}"
                           "QFrame#frame_BgABC01:hover{background-color: rgb(%5);}")
                .arg(normal.red())
                .arg(normal.green())
                .arg(normal.blue())
                .arg(normal.alpha())
                .arg(theme.MacroListItemHoverColor)
            + edges);
    }
}

void DSeniorKeyEventListItem::mousePressEvent(QMouseEvent *)
{
    emit sigSeniorKeyEventItemClick(m_record.id);
}

void DSeniorKeyEventListItem::on_pushButton_DeleteEvent_clicked()
{
    emit sigDeleteSeniorKeyEventItem(m_record.kind, m_record.id);
}
