#include "core/KeyFunctionNames.h"

#include <QCoreApplication>
#include <QList>
#include <QStringList>

namespace KeyFunctionNames {

namespace {

const char *const kMultimedia[] = {
    QT_TRANSLATE_NOOP("QObject", "Volume +"),
    QT_TRANSLATE_NOOP("QObject", "Volume -"),
    QT_TRANSLATE_NOOP("QObject", "Mute"),
    QT_TRANSLATE_NOOP("QObject", "Play/Pause"),
    QT_TRANSLATE_NOOP("QObject", "Next track"),
    QT_TRANSLATE_NOOP("QObject", "Prev track"),
    QT_TRANSLATE_NOOP("QObject", "Stop"),
    nullptr,
    QT_TRANSLATE_NOOP("QObject", "Player"),
    QT_TRANSLATE_NOOP("QObject", "Calculator"),
    QT_TRANSLATE_NOOP("QObject", "Computer"),
    QT_TRANSLATE_NOOP("QObject", "Browser"),
    QT_TRANSLATE_NOOP("QObject", "Email"),
    QT_TRANSLATE_NOOP("QObject", "Screen brightness+"),
    QT_TRANSLATE_NOOP("QObject", "Screen brightness-"),
    QT_TRANSLATE_NOOP("QObject", "Search"),
};

const char *const kMouse[] = {
    QT_TRANSLATE_NOOP("QObject", "Mouse Left"),
    QT_TRANSLATE_NOOP("QObject", "Mouse Center"),
    QT_TRANSLATE_NOOP("QObject", "Mouse Right"),
    QT_TRANSLATE_NOOP("QObject", "Scroll Up"),
    QT_TRANSLATE_NOOP("QObject", "Scroll Down"),
    QT_TRANSLATE_NOOP("QObject", "Forward"),
    QT_TRANSLATE_NOOP("QObject", "Backward"),
    QT_TRANSLATE_NOOP("QObject", "Sniper Key"),
};

const char *const kShortcuts[] = {
    QT_TRANSLATE_NOOP("QObject", "Close window"),
    QT_TRANSLATE_NOOP("QObject", "Switch windows"),
    QT_TRANSLATE_NOOP("QObject", "Show desktop"),
    QT_TRANSLATE_NOOP("QObject", "My computer"),
    QT_TRANSLATE_NOOP("QObject", "Lock computer"),
    QT_TRANSLATE_NOOP("QObject", "Copy"),
    QT_TRANSLATE_NOOP("QObject", "Cut"),
    QT_TRANSLATE_NOOP("QObject", "Paste"),
    QT_TRANSLATE_NOOP("QObject", "Find"),
    QT_TRANSLATE_NOOP("QObject", "New"),
    QT_TRANSLATE_NOOP("QObject", "Print"),
    QT_TRANSLATE_NOOP("QObject", "Save"),
};

// Device functions (type 19) by the sub-code in the item's mode and the value
// stored with it; a connection switch (sub-code 11) stores the connection
// kind (2 USB, 1 2.4G, 0 Bluetooth) and the Bluetooth channel.
const DeviceFunction kDeviceFunctions[DeviceFunctionCount] = {
    {0, "0", QT_TRANSLATE_NOOP("QObject", "Lock keyboard")},
    {2, "0", QT_TRANSLATE_NOOP("QObject", "Lock/Unlock Win")},
    {2, "1", QT_TRANSLATE_NOOP("QObject", "Lock win")},
    {2, "2", QT_TRANSLATE_NOOP("QObject", "Unlock win")},
    {8, "0", QT_TRANSLATE_NOOP("QObject", "Default layer")},
    {8, "1", QT_TRANSLATE_NOOP("QObject", "FN layer")},
    {8, "2", QT_TRANSLATE_NOOP("QObject", "FN1 layer")},
    {10, "0", QT_TRANSLATE_NOOP("QObject", "Power query")},
    {11, "2,0", QT_TRANSLATE_NOOP("QObject", "USB switching")},
    {11, "1,0", QT_TRANSLATE_NOOP("QObject", "2.4G switching")},
    {11, "0,0", QT_TRANSLATE_NOOP("QObject", "Bluetooth 1")},
    {11, "0,1", QT_TRANSLATE_NOOP("QObject", "Bluetooth 2")},
    {11, "0,2", QT_TRANSLATE_NOOP("QObject", "Bluetooth 3")},
};

std::optional<int> numberOf(const QByteArray &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    return ok ? std::optional<int>(value) : std::nullopt;
}

// Keyboard light events (types 20-25) and side light events (30-33), by value.
const char *const kLightMode[] = {
    QT_TRANSLATE_NOOP("QObject", "Overall light"),
    QT_TRANSLATE_NOOP("QObject", "Interaction light"),
    QT_TRANSLATE_NOOP("QObject", "All light"),
    QT_TRANSLATE_NOOP("QObject", "Static"),
};
const char *const kSideLightMode[] = {
    QT_TRANSLATE_NOOP("QObject", "Overall light"),
    QT_TRANSLATE_NOOP("QObject", "Interaction light"),
    QT_TRANSLATE_NOOP("QObject", "All light"),
};
const char *const kBrightness[] = {
    QT_TRANSLATE_NOOP("QObject", "Brightness +"),
    QT_TRANSLATE_NOOP("QObject", "Brightness -"),
};
const char *const kSpeed[] = {
    QT_TRANSLATE_NOOP("QObject", "Speed +"),
    QT_TRANSLATE_NOOP("QObject", "Speed -"),
};
const char *const kDirection[] = {
    QT_TRANSLATE_NOOP("QObject", "Direction +1"),
    QT_TRANSLATE_NOOP("QObject", "Direction -1"),
    QT_TRANSLATE_NOOP("QObject", "Direction Loop"),
};
const char *const kColour[] = {
    QT_TRANSLATE_NOOP("QObject", "Into full color"),
    QT_TRANSLATE_NOOP("QObject", "Top color changed"),
    QT_TRANSLATE_NOOP("QObject", "Bottom color changed"),
};
const char *const kCustomLight[] = {
    QT_TRANSLATE_NOOP("QObject", "Custom 1"),
    QT_TRANSLATE_NOOP("QObject", "Custom 2"),
};
const char *const kCloseLight[] = {
    QT_TRANSLATE_NOOP("QObject", "Close all"),
    QT_TRANSLATE_NOOP("QObject", "Close back light"),
};
const char *const kSideLightOff[] = {
    QT_TRANSLATE_NOOP("QObject", "Close side light"),
    QT_TRANSLATE_NOOP("QObject", "Stop side light"),
};

const char *const kClassicalGamePad[] = {
    QT_TRANSLATE_NOOP("QObject", "X Axis Left"),
    QT_TRANSLATE_NOOP("QObject", "X Axis Right"),
    QT_TRANSLATE_NOOP("QObject", "Y Axis Up"),
    QT_TRANSLATE_NOOP("QObject", "Y Axis Down"),
    QT_TRANSLATE_NOOP("QObject", "Z Axis Forward"),
    QT_TRANSLATE_NOOP("QObject", "Z Axis Backward"),
    QT_TRANSLATE_NOOP("QObject", "Z Rotation Forward"),
    QT_TRANSLATE_NOOP("QObject", "Z Rotation Backward"),
    QT_TRANSLATE_NOOP("QObject", "X Rotation Left"),
    QT_TRANSLATE_NOOP("QObject", "X Rotation Right"),
    QT_TRANSLATE_NOOP("QObject", "Y Rotation Up"),
    QT_TRANSLATE_NOOP("QObject", "Y Rotation Down"),
    QT_TRANSLATE_NOOP("QObject", "Throttle"),
    QT_TRANSLATE_NOOP("QObject", "Elevator"),
    QT_TRANSLATE_NOOP("QObject", "Accelerator"),
    QT_TRANSLATE_NOOP("QObject", "Rudder"),
    QT_TRANSLATE_NOOP("QObject", "Trigger Button"),
    QT_TRANSLATE_NOOP("QObject", "Button 1"),
    QT_TRANSLATE_NOOP("QObject", "Button 2"),
    QT_TRANSLATE_NOOP("QObject", "Button 3"),
    QT_TRANSLATE_NOOP("QObject", "Button 4"),
    QT_TRANSLATE_NOOP("QObject", "Button 5"),
    QT_TRANSLATE_NOOP("QObject", "Button 6"),
    QT_TRANSLATE_NOOP("QObject", "Button 7"),
    QT_TRANSLATE_NOOP("QObject", "Button 8"),
    QT_TRANSLATE_NOOP("QObject", "Button 9"),
    QT_TRANSLATE_NOOP("QObject", "Button 10"),
    QT_TRANSLATE_NOOP("QObject", "Button 11"),
    QT_TRANSLATE_NOOP("QObject", "Button 12"),
    QT_TRANSLATE_NOOP("QObject", "Arrow Up"),
    QT_TRANSLATE_NOOP("QObject", "Arrow Down"),
    QT_TRANSLATE_NOOP("QObject", "Arrow Left"),
    QT_TRANSLATE_NOOP("QObject", "Arrow Right"),
};

const char *const kXbox360GamePad[] = {
    QT_TRANSLATE_NOOP("QObject", "Left joystick Up"),
    QT_TRANSLATE_NOOP("QObject", "Left joystick Down"),
    QT_TRANSLATE_NOOP("QObject", "Left joystick Left"),
    QT_TRANSLATE_NOOP("QObject", "Left joystick Right"),
    QT_TRANSLATE_NOOP("QObject", "Right joystick Up"),
    QT_TRANSLATE_NOOP("QObject", "Right joystick Down"),
    QT_TRANSLATE_NOOP("QObject", "Right joystick Left"),
    QT_TRANSLATE_NOOP("QObject", "Right joystick Right"),
    QT_TRANSLATE_NOOP("QObject", "Left Trigger"),
    QT_TRANSLATE_NOOP("QObject", "Right Trigger"),
    QT_TRANSLATE_NOOP("QObject", "Button A"),
    QT_TRANSLATE_NOOP("QObject", "Button B"),
    QT_TRANSLATE_NOOP("QObject", "Button X"),
    QT_TRANSLATE_NOOP("QObject", "Button Y"),
    QT_TRANSLATE_NOOP("QObject", "Start"),
    QT_TRANSLATE_NOOP("QObject", "Select"),
    QT_TRANSLATE_NOOP("QObject", "Menu Button"),
    QT_TRANSLATE_NOOP("QObject", "Arrow Up"),
    QT_TRANSLATE_NOOP("QObject", "Arrow Down"),
    QT_TRANSLATE_NOOP("QObject", "Arrow Left"),
    QT_TRANSLATE_NOOP("QObject", "Arrow Right"),
    QT_TRANSLATE_NOOP("QObject", "Left joystick Press"),
    QT_TRANSLATE_NOOP("QObject", "Right joystick Press"),
    QT_TRANSLATE_NOOP("QObject", "Left Bumper"),
    QT_TRANSLATE_NOOP("QObject", "Right Bumper"),
};

const char *const kModifierNames[8] = {"L_CTRL", "L_SHIFT", "L_ALT", "L_WIN",
                                       "R_CTRL", "R_SHIFT", "R_ALT", "R_WIN"};

template <int N>
constexpr Table tableOf(const char *const (&names)[N])
{
    return Table(names, N);
}

} // namespace

QString Table::text(std::optional<int> value) const
{
    if (!value || !hasName(*value))
        return unknownText();
    return QCoreApplication::translate("QObject", m_names[*value]);
}

QString unknownText()
{
    return QCoreApplication::translate("QObject", "Unknow");
}

const char *typeSourceText(int type)
{
    switch (type) {
    case 0: return QT_TRANSLATE_NOOP("QObject", "Remap Key");
    case 1: return QT_TRANSLATE_NOOP("QObject", "Macro");
    case 2: return QT_TRANSLATE_NOOP("QObject", "Key Combination");
    case 3: return QT_TRANSLATE_NOOP("QObject", "Multimedia");
    case 4: return QT_TRANSLATE_NOOP("QObject", "Mouse");
    case 5: return QT_TRANSLATE_NOOP("QObject", "Disable");
    case 6: return QT_TRANSLATE_NOOP("QObject", "Text");
    case 7: return QT_TRANSLATE_NOOP("QObject", "Switch Profile");
    case 8: return QT_TRANSLATE_NOOP("QObject", "Launch Application");
    case 9: return QT_TRANSLATE_NOOP("QObject", "Shortcuts");
    case 19: return QT_TRANSLATE_NOOP("QObject", "Key Config");
    case 40: return QT_TRANSLATE_NOOP("QObject", "Senior Keys");
    case 45:
    case 46: return QT_TRANSLATE_NOOP("QObject", "GamePad");
    default: break;
    }
    if (type >= 20 && type <= 27)
        return QT_TRANSLATE_NOOP("QObject", "Keyboard Light");
    if (type >= 30 && type <= 34)
        return QT_TRANSLATE_NOOP("QObject", "Atmosphere Light");
    return nullptr;
}

Table multimedia() { return tableOf(kMultimedia); }
Table mouse() { return tableOf(kMouse); }
Table shortcuts() { return tableOf(kShortcuts); }
const DeviceFunction &deviceFunction(int index)
{
    return kDeviceFunctions[index >= 0 && index < DeviceFunctionCount ? index : 0];
}

int deviceFunctionOf(std::optional<int> subCode, const QByteArray &value)
{
    if (!subCode)
        return -1;
    switch (*subCode) {
    case 0: return LockKeyboard; // whatever the value
    case 10: return PowerQuery;
    case 2:
    case 8: {
        const std::optional<int> setting = numberOf(value);
        if (!setting || *setting < 0 || *setting > 2)
            return -1;
        return (*subCode == 2 ? SwitchLoopWin : DefaultLayer) + *setting;
    }
    case 11: {
        // "kind,channel": both numbers, or nothing is meant.
        const QList<QByteArray> parts = value.split(',');
        if (parts.size() < 2)
            return -1;
        const std::optional<int> kind = numberOf(parts.at(0));
        const std::optional<int> channel = numberOf(parts.at(1));
        if (!kind || !channel)
            return -1;
        if (*kind == 2)
            return UsbSwitching;
        if (*kind == 1)
            return Wireless24GSwitching;
        if (*kind == 0 && *channel >= 0 && *channel <= 2)
            return Bluetooth1 + *channel;
        return -1;
    }
    default: return -1;
    }
}

Table keyboardLightEvent(int type)
{
    switch (type) {
    case 20: return tableOf(kLightMode);
    case 21: return tableOf(kBrightness);
    case 22: return tableOf(kSpeed);
    case 23: return tableOf(kDirection);
    case 24: return tableOf(kColour);
    case 25: return tableOf(kCustomLight);
    default: return Table(nullptr, 0);
    }
}

Table sideLightEvent(int type)
{
    switch (type) {
    case 30: return tableOf(kSideLightMode);
    case 31: return tableOf(kBrightness);
    case 32: return tableOf(kSpeed);
    case 33: return tableOf(kColour);
    default: return Table(nullptr, 0);
    }
}

Table closeLight() { return tableOf(kCloseLight); }
Table sideLightOff() { return tableOf(kSideLightOff); }

const char *stopBackLight()
{
    return QT_TRANSLATE_NOOP("QObject", "Stop back light");
}

const char *lightRecording()
{
    return QT_TRANSLATE_NOOP("QObject", "Light recording");
}
Table classicalGamePad() { return tableOf(kClassicalGamePad); }
Table xbox360GamePad() { return tableOf(kXbox360GamePad); }

const char *modifierName(int bit)
{
    return bit >= 0 && bit < 8 ? kModifierNames[bit] : nullptr;
}

std::optional<QString> combinationText(const QByteArray &value, const QMap<int, QString> &keyNames)
{
    const QList<QByteArray> parts = value.split(',');
    if (parts.size() != 2)
        return std::nullopt;
    const std::optional<int> mask = numberOf(parts.at(0));
    const std::optional<int> code = numberOf(parts.at(1));
    if (!mask || !code)
        return std::nullopt;

    QStringList names;
    for (int bit = 0; bit < 8 && *mask > 0; ++bit) {
        if (*mask & (1 << bit))
            names.append(QLatin1String(modifierName(bit)));
    }
    const auto key = keyNames.constFind(*code);
    if (key != keyNames.constEnd())
        names.append(key.value());
    return names.join(QLatin1Char('+'));
}

} // namespace KeyFunctionNames
