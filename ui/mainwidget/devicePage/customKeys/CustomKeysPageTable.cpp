#include "ui/mainwidget/devicePage/customKeys/CustomKeysPageTable.h"

#include <QCoreApplication>

#include "core/KeyFunctionNames.h"
#include "sdk/include/LumtarRecords.h"

const QVector<CustomKeysPageTable::Page> &CustomKeysPageTable::pages()
{
    static const QVector<Page> table = {
        {DefaultPage, 10, -1, ":/images/device/defaultDef.png"},
        {MacroPage, 0, KeyOperate_Macro, ":/images/device/macroDef.png"},
        {RemapKeyPage, 1, KeyOperate_Remap, ":/images/device/RemapKeyDef.png"},
        {MousePage, 4, KeyOperate_Mouse, ":/images/device/mouseDef.png"},
        {TextPage, 6, KeyOperate_Text, ":/images/device/textDef.png"},
        {DisablePage, 5, KeyOperate_Disable, ":/images/device/disableDef.png"},
        {MultimediaPage, 3, KeyOperate_Multimedia, ":/images/device/multimediaDef.png"},
        {CombinationKeyPage, 2, KeyOperate_Combination, ":/images/device/combinationKeyDef.png"},
        {OpenAppPage, 8, KeyOperate_LaunchApp, ":/images/device/openAppDef.png"},
        {ShortcutsPage, 9, KeyOperate_Shortcut, ":/images/device/ShortcutsDef.png"},
        {SwitchProfilePage, 7, KeyOperate_SwitchProfile, ":/images/device/SwitchProfileDef.png"},
        {KeyConfigPage, 19, KeyOperate_DeviceFunction, ":/images/device/onboardLight/keyConfigDef.png"},
        {KeyboardLightPage, 20, KeyOperate_KeyboardLightFirst,
         ":/images/device/onboardLight/KBLightModeChangedDef.png"},
        {SideLightPage, 30, KeyOperate_SideLightFirst, ":/images/device/onboardLight/SideLightModeChangedDef.png"},
        {SeniorKeysPage, 40, KeyOperate_SeniorKey, ":/images/device/bindSeniorKeysDef.png"},
        {GamePadPage, 45, KeyOperate_GamePadClassical, ":/images/device/gamePadDef.png"},
    };
    return table;
}

const CustomKeysPageTable::Page *CustomKeysPageTable::page(int id)
{
    if (id == KeyOperate_GamePadXbox360)
        id = GamePadPage;
    for (const Page &p : pages())
        if (p.id == id)
            return &p;
    return nullptr;
}

int CustomKeysPageTable::pageForType(int type)
{
    switch (type) {
    case KeyOperate_Remap: return RemapKeyPage;
    case KeyOperate_Macro: return MacroPage;
    case KeyOperate_Combination: return CombinationKeyPage;
    case KeyOperate_Multimedia: return MultimediaPage;
    case KeyOperate_Mouse: return MousePage;
    case KeyOperate_Disable: return DisablePage;
    case KeyOperate_Text: return TextPage;
    case KeyOperate_SwitchProfile: return SwitchProfilePage;
    case KeyOperate_LaunchApp: return OpenAppPage;
    case KeyOperate_Shortcut: return ShortcutsPage;
    case KeyOperate_DeviceFunction: return KeyConfigPage;
    case KeyOperate_SeniorKey: return SeniorKeysPage;
    case KeyOperate_GamePadClassical:
    case KeyOperate_GamePadXbox360: return GamePadPage;
    default: break;
    }
    if (type >= KeyOperate_KeyboardLightFirst && type <= KeyOperate_KeyboardLightLast)
        return KeyboardLightPage;
    if (type >= KeyOperate_SideLightFirst && type <= KeyOperate_SideLightLast)
        return SideLightPage;
    return NoPage;
}

QString CustomKeysPageTable::caption(int id)
{
    const Page *p = page(id);
    if (!p)
        return QString();
    if (p->namingType < 0)
        return QCoreApplication::translate("QObject", "Default");
    return QCoreApplication::translate("QObject", KeyFunctionNames::typeSourceText(p->namingType));
}
