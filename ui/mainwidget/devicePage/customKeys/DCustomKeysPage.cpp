#include "ui/mainwidget/devicePage/customKeys/DCustomKeysPage.h"

#include "core/DDataManager.h"

#include "sdk/include/LumtarHid.h"

DCustomKeysPage::DCustomKeysPage(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("DCustomKeysPage"));
}

DCustomKeysPage::~DCustomKeysPage() = default;

void DCustomKeysPage::setCurrentProfileIndex(int index)
{
    m_currentProfileIndex = index;
}

void DCustomKeysPage::setXmlProfilePath(const char *path)
{
    lumtarCopyField(m_xmlProfilePath, path);
}

void DCustomKeysPage::showDefaultFunctionPage() {}

void DCustomKeysPage::setLightHeavySelectVisible(int layer)
{
    Q_UNUSED(layer);
}

void DCustomKeysPage::setLightInteractionHook(bool on, int unused)
{
    Q_UNUSED(on);
    Q_UNUSED(unused);
}

void DCustomKeysPage::initCustomKeysStatus(int layerIndex)
{
    Q_UNUSED(layerIndex);
}

void DCustomKeysPage::updateAllUI() {}

void DCustomKeysPage::updateAppTheme()
{
    const ThemeColor theme = DDataManager::getInstance()->themeColor();
    setStyleSheet(QStringLiteral("#DCustomKeysPage{background-color: rgb(%1);}").arg(theme.DeviceRightBgColor));
}

void DCustomKeysPage::stopDownloadingAnimation() {}

void DCustomKeysPage::onHookRuningStrtusCtrl_MacroRecord(bool isStartHook)
{
    Q_UNUSED(isStartHook);
}

void DCustomKeysPage::on_pushButton_Download_clicked() {}
