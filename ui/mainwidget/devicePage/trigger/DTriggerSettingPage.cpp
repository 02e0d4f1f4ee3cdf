#include "ui/mainwidget/devicePage/trigger/DTriggerSettingPage.h"

#include "core/DDataManager.h"

DTriggerSettingPage::DTriggerSettingPage(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("DTriggerSettingPage"));
}

DTriggerSettingPage::~DTriggerSettingPage() = default;

void DTriggerSettingPage::initTriggerSettingData() {}

void DTriggerSettingPage::exitCalibrationMode()
{
    DDataManager::getInstance()->setKeyCalibrationMode(false);
}

void DTriggerSettingPage::clearDynamicSensitivity() {}

void DTriggerSettingPage::clearAllKeysCalibrationRunning() {}

void DTriggerSettingPage::updateAllUI() {}

void DTriggerSettingPage::updateAppTheme()
{
    const ThemeColor theme = DDataManager::getInstance()->themeColor();
    setStyleSheet(QStringLiteral("#DTriggerSettingPage{background-color: rgb(%1);}").arg(theme.DeviceRightBgColor));
}
