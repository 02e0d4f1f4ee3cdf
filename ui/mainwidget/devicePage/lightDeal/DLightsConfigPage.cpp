#include "ui/mainwidget/devicePage/lightDeal/DLightsConfigPage.h"

#include "core/DDataManager.h"
#include "device/MainHidInterFace.h"

#include "sdk/include/LumtarHid.h"
#include "sdk/include/LumtarXml.h"

#include <cstring>
#include <list>

DLightsConfigPage::DLightsConfigPage(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("DLightsConfigPage"));
}

DLightsConfigPage::~DLightsConfigPage() = default;

void DLightsConfigPage::setCurrentProfileIndex(int index)
{
    m_currentProfileIndex = index;
}

void DLightsConfigPage::setXmlProfilePath(const char *path)
{
    lumtarCopyField(m_xmlProfilePath, path);
}

void DLightsConfigPage::setHidInterface(MainHidInterFace *hidInterface)
{
    m_hidInterface = hidInterface;
}

MainHidInterFace *DLightsConfigPage::hidInterface() const
{
    return m_hidInterface;
}

void DLightsConfigPage::setLightSupportInfo(LightSupportInfo keyboard, LightSupportInfo side)
{
    Q_UNUSED(keyboard);
    Q_UNUSED(side);
}

void DLightsConfigPage::reloadLightConfig() {}

void DLightsConfigPage::sendSideLightConfig(colorInfoData data)
{
    Q_UNUSED(data);
}

void DLightsConfigPage::showLightTypeFromDevice(int hidType, int ledType)
{
    Q_UNUSED(hidType);
    Q_UNUSED(ledType);
}

void DLightsConfigPage::showCustomLightFromDevice(int hidType, int ledType, int usingCustomIndex)
{
    Q_UNUSED(hidType);
    Q_UNUSED(ledType);
    m_customSlotFromDevice = usingCustomIndex;
}

int DLightsConfigPage::currentCustomLightIndex() const
{
    // The scheme in the custom slot the keyboard last reported in use.
    if (m_customSlotFromDevice < 0)
        return -1;
    std::list<CustomLightNodeStu> nodes;
    const QByteArray profile = QByteArray::number(m_currentProfileIndex);
    CLumtarXML_SelectProFileCustomLightAllNodes(m_xmlProfilePath, profile.constData(), &nodes);
    for (const CustomLightNodeStu &node : nodes) {
        if (node.usingFlagIndex == m_customSlotFromDevice && std::strcmp(node.isUsing, "Using") == 0) {
            bool ok = false;
            const int index = QByteArray(node.index).toInt(&ok);
            return ok ? index : -1;
        }
    }
    return -1;
}

void DLightsConfigPage::writeCurrentCustomLight() {}

void DLightsConfigPage::updateAllUI() {}

void DLightsConfigPage::updateAppTheme()
{
    const ThemeColor theme = DDataManager::getInstance()->themeColor();
    setStyleSheet(QStringLiteral("#DLightsConfigPage{background-color: rgb(%1);}").arg(theme.DeviceRightBgColor));
}
