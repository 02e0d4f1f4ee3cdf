#include "core/ThemeColor.h"

namespace {

struct ColorField {
    const char *key;
    QString ThemeColor::*member;
};

const ColorField kColorFields[] = {
    {"TextDefaultColor", &ThemeColor::TextDefaultColor},
    {"TextHoverColor", &ThemeColor::TextHoverColor},
    {"TextCheckedColor", &ThemeColor::TextCheckedColor},
    {"AllBgColor", &ThemeColor::AllBgColor},
    {"AllThemeColor", &ThemeColor::AllThemeColor},
    {"AllScrollBgColor", &ThemeColor::AllScrollBgColor},
    {"AllScrollBarColorDef", &ThemeColor::AllScrollBarColorDef},
    {"AllScrollBarColorHover", &ThemeColor::AllScrollBarColorHover},
    {"MainWidgetBgColor", &ThemeColor::MainWidgetBgColor},
    {"MainWidgetBorderColor", &ThemeColor::MainWidgetBorderColor},
    {"MainWidgetTitleColorStart", &ThemeColor::MainWidgetTitleColorStart},
    {"MainWidgetTitleColorStop", &ThemeColor::MainWidgetTitleColorStop},
    {"DeviceBorderColor", &ThemeColor::DeviceBorderColor},
    {"DeviceLeftBgColor", &ThemeColor::DeviceLeftBgColor},
    {"DeviceRightBgColor", &ThemeColor::DeviceRightBgColor},
    {"DeviceListAreaDefaultBgColor", &ThemeColor::DeviceListAreaDefaultBgColor},
    {"DeviceSoftkeyboardButColor", &ThemeColor::DeviceSoftkeyboardButColor},
    {"DeviceSoftkeyboardButDefaultTextColor", &ThemeColor::DeviceSoftkeyboardButDefaultTextColor},
    {"DeviceSliderHorizontalVerticalColor", &ThemeColor::DeviceSliderHorizontalVerticalColor},
    {"DeviceSliderEllipseColor", &ThemeColor::DeviceSliderEllipseColor},
    {"MacroBorderColor", &ThemeColor::MacroBorderColor},
    {"MacroLeftBgColor", &ThemeColor::MacroLeftBgColor},
    {"MacroCenterBgColor", &ThemeColor::MacroCenterBgColor},
    {"MacroRightBgColor", &ThemeColor::MacroRightBgColor},
    {"MacroListItemTextColor", &ThemeColor::MacroListItemTextColor},
    {"MacroListItemSelectedColor", &ThemeColor::MacroListItemSelectedColor},
    {"MacroListItemHoverColor", &ThemeColor::MacroListItemHoverColor},
    {"SettingsTitleColorStart", &ThemeColor::SettingsTitleColorStart},
    {"SettingsTitleColorStop", &ThemeColor::SettingsTitleColorStop},
    {"SettingsBgColor", &ThemeColor::SettingsBgColor},
    {"SettingsBorderColor", &ThemeColor::SettingsBorderColor},
    {"SettingsControlBorderColor", &ThemeColor::SettingsControlBorderColor},
    {"SettingsControlDefaultColor", &ThemeColor::SettingsControlDefaultColor},
    {"SettingsControlHoverBgColor", &ThemeColor::SettingsControlHoverBgColor},
    {"SettingsControlSelectedBgColor", &ThemeColor::SettingsControlSelectedBgColor},
    {"UpgradeBgColor", &ThemeColor::UpgradeBgColor},
    {"UpgradeBorderColor", &ThemeColor::UpgradeBorderColor},
    {"UpgradeItemBorderColor", &ThemeColor::UpgradeItemBorderColor},
    {"UpgradeProgressBarTopColor", &ThemeColor::UpgradeProgressBarTopColor},
    {"UpgradeProgressBarBottomColor", &ThemeColor::UpgradeProgressBarBottomColor},
    {"MagneticAxisTravelValueColor", &ThemeColor::MagneticAxisTravelValueColor},
    {"QuickTriggerPressColor", &ThemeColor::QuickTriggerPressColor},
    {"QuickTriggerReleaseColor", &ThemeColor::QuickTriggerReleaseColor},
    {"QuickTriggerPressAndReleaseColor", &ThemeColor::QuickTriggerPressAndReleaseColor},
    {"QuickTriggerPressAndReleaseBgColor", &ThemeColor::QuickTriggerPressAndReleaseBgColor},
};

} // namespace

QStringList ThemeColor::colorKeys()
{
    QStringList keys;
    for (const ColorField &field : kColorFields)
        keys << QLatin1String(field.key);
    return keys;
}

QStringList ThemeColor::travelColorKeys()
{
    return colorKeys().mid(40, 5);
}

QString *ThemeColor::colorMember(const QString &key)
{
    for (const ColorField &field : kColorFields) {
        if (key == QLatin1String(field.key))
            return &(this->*field.member);
    }
    return nullptr;
}

const QString *ThemeColor::colorMember(const QString &key) const
{
    return const_cast<ThemeColor *>(this)->colorMember(key);
}
