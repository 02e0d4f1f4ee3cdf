// The lighting page's custom schemes: the list, selecting, "Using", and
// writing a scheme's key colours into the keyboard's custom slot.
#include "ui/mainwidget/devicePage/lightDeal/DLightsConfigPage.h"
#include "ui_DLightsConfigPage.h"

#include "core/DDataManager.h"
#include "device/CustomLedPacket.h"
#include "device/LightReportPacket.h"
#include "device/MainHidInterFace.h"
#include "ui/mainwidget/devicePage/keyboardButCustom.h"
#include "ui/mainwidget/devicePage/lightDeal/CustomSchemeSwap.h"
#include "ui/mainwidget/devicePage/lightDeal/DCustomLightListItem.h"
#include "widgets/LayoutRows.h"

#include "sdk/include/LumtarXml.h"

#include <QBoxLayout>
#include <QDebug>

#include <list>

namespace {

constexpr int kRows = 6;
constexpr int kColumns = 22;
constexpr int kKeys = kRows * kColumns;
constexpr int kKeysPerPacket = 18;

} // namespace

int DLightsConfigPage::currentCustomLightIndex() const
{
    if (!m_selectedCustomItem)
        return -1;
    bool ok = false;
    const int index = m_selectedCustomItem->customLightIndex().toInt(&ok);
    return ok ? index : -1;
}

void DLightsConfigPage::clearCustomLightList()
{
    m_customListLayout = ui->verticalLayout_39;
    removeRowsBeforeSpacer(m_customListLayout);
    m_customItems.clear();
    m_selectedCustomItem = nullptr;
}

void DLightsConfigPage::loadCustomLightList()
{
    clearCustomLightList();
    std::list<CustomLightNodeStu> nodes;
    CLumtarXML_SelectProFileCustomLightAllNodes(m_profilePath, profileText().constData(), &nodes);
    auto *layout = static_cast<QBoxLayout *>(m_customListLayout);
    for (const CustomLightNodeStu &node : nodes) {
        auto *item = new DCustomLightListItem(ui->scrollAreaWidgetContents_3);
        connect(item, SIGNAL(sigCustomLightItemMouseClicked(QString, QString)), this,
                SLOT(onCustomLightItemMouseClicked(QString, QString)));
        connect(item, SIGNAL(sigModifyCustomLightItemNameIsEmpty()), this, SLOT(onModifyCustomLightItemNameIsEmpty()));
        connect(item, SIGNAL(sigModifyCustomLightItemNameSuccess()), this, SLOT(onModifyCustomLightItemNameSuccess()));
        connect(item, SIGNAL(sigModifyCustomLightItemNameFailed()), this, SLOT(onModifyCustomLightItemNameFailed()));
        connect(item, SIGNAL(sigCustomLightUsingStatus(bool)), this, SLOT(onCustomLightUsingStatus(bool)));
        const QString isUsing = QString::fromUtf8(node.isUsing);
        item->setCustomLightNode(QString::fromUtf8(node.index), QString::fromUtf8(node.name), isUsing,
                                 node.usingFlagIndex);
        layout->insertWidget(layout->count() - 1, item);
        item->updateAppTheme();
        m_customItems.append(item);
        const bool selected = !m_selectedCustomItem && isUsing == QLatin1String("Using")
                              && node.usingFlagIndex == m_currentFlagIndex;
        if (selected)
            m_selectedCustomItem = item;
        item->setSelected(selected);
    }
    if (m_selectedCustomItem) {
        emit sigCustomLightItemHaveChanged(m_selectedCustomItem->usingFlagIndex(),
                                           m_selectedCustomItem->customLightIndex(),
                                           m_selectedCustomItem->customLightName());
    }
}

void DLightsConfigPage::onCustomLightItemMouseClicked(QString strCustomLightIndex, QString strCustomLightName)
{
    auto *sender = qobject_cast<DCustomLightListItem *>(QObject::sender());
    if (!sender)
        return;
    m_currentFlagIndex = sender->usingFlagIndex();
    if (sender == m_selectedCustomItem)
        return;
    for (DCustomLightListItem *item : m_customItems)
        item->setSelected(item == sender);
    m_selectedCustomItem = sender;
    emit sigCustomLightItemHaveChanged(sender->usingFlagIndex(), strCustomLightIndex, strCustomLightName);
}

void DLightsConfigPage::onCustomLightUsingStatus(bool isUsing)
{
    auto *sender = qobject_cast<DCustomLightListItem *>(QObject::sender());
    if (!sender)
        return;
    for (DCustomLightListItem *item : m_customItems)
        item->setSelected(item == sender);
    m_selectedCustomItem = sender;
    if (!isUsing)
        return;
    if (m_currentFlagIndex == -1)
        m_currentFlagIndex = 0;

    QVector<CustomSchemeSwap::Scheme> schemes;
    for (DCustomLightListItem *item : m_customItems)
        schemes.append({item->usingStatusText(), item->usingFlagIndex()});
    const int replacedRow = CustomSchemeSwap::replaced(schemes, m_customItems.indexOf(sender), m_currentFlagIndex);
    if (replacedRow < 0) {
        sender->setUsingStatus(sender->usingStatusText() == QLatin1String("Using"));
        return; // the store does not show the two slots in use: nothing changes
    }
    DCustomLightListItem *replaced = m_customItems.at(replacedRow);
    const int slot = m_currentFlagIndex;
    const QByteArray profile = profileText();
    const QByteArray replacedIndex = replaced->customLightIndex().toUtf8();
    const QByteArray senderIndex = sender->customLightIndex().toUtf8();
    if (!CLumtarXML_ModifyProFileCustomLightNodeUsingStatus(m_profilePath, profile.constData(),
                                                            replacedIndex.constData(), "UnUsing", -1)) {
        sender->setUsingStatus(false);
        emit sigSomeMessageTip_LightsConfigPage(QObject::tr("Operate failed"));
        return;
    }
    if (!CLumtarXML_ModifyProFileCustomLightNodeUsingStatus(m_profilePath, profile.constData(),
                                                            senderIndex.constData(), "Using", slot)) {
        // Put the replaced scheme back in its slot.
        CLumtarXML_ModifyProFileCustomLightNodeUsingStatus(m_profilePath, profile.constData(),
                                                           replacedIndex.constData(), "Using",
                                                           replaced->usingFlagIndex());
        sender->setUsingStatus(false);
        emit sigSomeMessageTip_LightsConfigPage(QObject::tr("Operate failed"));
        return;
    }
    replaced->setUsingStatus(false);
    replaced->setUsingFlagIndex(-1);
    replaced->setUsingStatusText(QStringLiteral("UnUsing"));
    sender->setUsingStatus(true);
    sender->setUsingFlagIndex(slot);
    sender->setUsingStatusText(QStringLiteral("Using"));
    emit sigCustomLightItemHaveChanged(slot, sender->customLightIndex(), QString());
    writeUsingCustomLight(sender->customLightIndex(), slot, 0);
}

void DLightsConfigPage::onModifyCustomLightItemNameIsEmpty()
{
    emit sigSomeMessageTip_LightsConfigPage(QObject::tr("Custom light name can't be empty"));
}

void DLightsConfigPage::onModifyCustomLightItemNameSuccess()
{
    emit sigSomeMessageTip_LightsConfigPage(QObject::tr("Modify custom light name successful"));
}

void DLightsConfigPage::onModifyCustomLightItemNameFailed()
{
    emit sigSomeMessageTip_LightsConfigPage(QObject::tr("Operate failed"));
}

void DLightsConfigPage::writeUsingCustomLight(QString schemeIndex, int flagIndex, int unused)
{
    Q_UNUSED(schemeIndex);
    Q_UNUSED(unused);
    writeCustomLightColors(flagIndex);
}

void DLightsConfigPage::writeCurrentCustomLight()
{
    if (m_currentFlagIndex != -1)
        writeCustomLightColors(m_currentFlagIndex);
}

void DLightsConfigPage::writeCustomLightColors(int slot)
{
    // Each key's custom colour at its place in the 6 x 22 matrix; a place
    // without a key is black.
    QVector<int> rgb(3 * kKeys, 0);
    for (keyboardButCustom *key : DDataManager::getInstance()->keyButtonList()) {
        if (!key || key->gridRow() < 0 || key->gridRow() >= kRows || key->gridColumn() < 0
            || key->gridColumn() >= kColumns)
            continue;
        const int at = 3 * (key->gridRow() * kColumns + key->gridColumn());
        const QColor c = key->customLightColor();
        rgb[at] = c.red();
        rgb[at + 1] = c.green();
        rgb[at + 2] = c.blue();
    }
    for (int packet = 0; packet * kKeysPerPacket < kKeys; ++packet) {
        const int first = 3 * packet * kKeysPerPacket;
        const int count = 3 * qMin(kKeysPerPacket, kKeys - packet * kKeysPerPacket);
        writeCustomLightPacket(slot, packet, rgb.mid(first, count).toList());
    }
    // The nine reports queue in order: the keyboard takes the light
    // settings after the colours without a wait here.
    const HidReportBuff report = LightReportPacket::customSchemeReport(m_currentColorInfo, m_keyboardSupport);
    queueReport(report.constData(), "USB serial port [Write Led] Failed ...");
}

void DLightsConfigPage::writeCustomLightPacket(int slot, int packet, QList<int> values)
{
    QByteArray bytes;
    for (int v : values)
        bytes.append(static_cast<char>(v));
    const HidReportBuff report = CustomLedPacket::report(static_cast<uint8_t>(slot), packet, bytes);
    queueReport(report.constData(), "USB serial port [Write custom-Led] Failed ...");
}
