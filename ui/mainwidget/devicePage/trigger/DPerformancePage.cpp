#include "ui/mainwidget/devicePage/trigger/DPerformancePage.h"

#include "core/DDataManager.h"

#include "sdk/include/LumtarHid.h"

DPerformancePage::DPerformancePage(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("DPerformancePage"));
}

DPerformancePage::~DPerformancePage() = default;

void DPerformancePage::setCurrentProfileIndex(int index)
{
    m_currentProfileIndex = index;
}

void DPerformancePage::setXmlProfilePath(const char *path)
{
    lumtarCopyField(m_xmlProfilePath, path);
}

void DPerformancePage::loadPerformanceInfo() {}

void DPerformancePage::updateGamePadModeShow() {}

void DPerformancePage::updateAllUI() {}

void DPerformancePage::updateAppTheme()
{
    const ThemeColor theme = DDataManager::getInstance()->themeColor();
    setStyleSheet(QStringLiteral("#DPerformancePage{background-color: rgb(%1);}").arg(theme.DeviceRightBgColor));
}

void DPerformancePage::on_pushButton_Restore_clicked()
{
    emit sigResetoreCurrentProfile();
}
