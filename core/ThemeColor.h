// The theme record: 45 colours and one font family, each named after its key
// in the theme file. Colours are "r,g,b" or "r,g,b,a" texts ready for "rgb(%1)".
#ifndef THEMECOLOR_H
#define THEMECOLOR_H

#include <QString>
#include <QStringList>

class ThemeColor
{
public:
    QString TextDefaultColor;
    QString TextHoverColor;
    QString TextCheckedColor;
    QString AllBgColor;
    QString AllThemeColor;
    QString AllScrollBgColor;
    QString AllScrollBarColorDef;
    QString AllScrollBarColorHover;
    QString MainWidgetBgColor;
    QString MainWidgetBorderColor;
    QString MainWidgetTitleColorStart;
    QString MainWidgetTitleColorStop;
    QString DeviceBorderColor;
    QString DeviceLeftBgColor;
    QString DeviceRightBgColor;
    QString DeviceListAreaDefaultBgColor;
    QString DeviceSoftkeyboardButColor;
    QString DeviceSoftkeyboardButDefaultTextColor;
    QString DeviceSliderHorizontalVerticalColor;
    QString DeviceSliderEllipseColor;
    QString MacroBorderColor;
    QString MacroLeftBgColor;
    QString MacroCenterBgColor;
    QString MacroRightBgColor;
    QString MacroListItemTextColor;
    QString MacroListItemSelectedColor;
    QString MacroListItemHoverColor;
    QString SettingsTitleColorStart;
    QString SettingsTitleColorStop;
    QString SettingsBgColor;
    QString SettingsBorderColor;
    QString SettingsControlBorderColor;
    QString SettingsControlDefaultColor;
    QString SettingsControlHoverBgColor;
    QString SettingsControlSelectedBgColor;
    QString UpgradeBgColor;
    QString UpgradeBorderColor;
    QString UpgradeItemBorderColor;
    QString UpgradeProgressBarTopColor;
    QString UpgradeProgressBarBottomColor;
    QString MagneticAxisTravelValueColor;
    QString QuickTriggerPressColor;
    QString QuickTriggerReleaseColor;
    QString QuickTriggerPressAndReleaseColor;
    QString QuickTriggerPressAndReleaseBgColor;
    QString TextFont;

    // The 45 colour keys in file order (TextFont is not among them).
    static QStringList colorKeys();
    // The five colours of the magnetic-switch trigger page.
    static QStringList travelColorKeys();
    // The colour member of a key from colorKeys(); null for any other key.
    QString *colorMember(const QString &key);
    const QString *colorMember(const QString &key) const;
};

#endif
