// The shared state's names for the function stored on a key: the function-type
// name and a detail text (macro name, key combination, multimedia action ...),
// shown by the keyboard view's hover card.
#include "core/DDataManager.h"

#include "sdk/include/LumtarXml.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QStringList>

#include <cstring>
#include <list>
#include <optional>

namespace {

// The text of a fixed-size field: up to its first NUL, never past its end.
template <size_t N>
QByteArray fieldText(const char (&field)[N])
{
    return QByteArray(field, static_cast<int>(strnlen(field, N)));
}

// A stored decimal number: optional blanks around an optionally signed run of
// digits that fits an int. Anything else is no number.
std::optional<int> parseNumber(const QByteArray &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}

QString translated(const char *text)
{
    return QCoreApplication::translate("QObject", text);
}

template <size_t N>
QString tableText(const char *const (&table)[N], std::optional<int> index)
{
    if (!index || *index < 0 || *index >= static_cast<int>(N) || !table[*index])
        return translated("Unknow");
    return translated(table[*index]);
}

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

const char *const kWinLock[] = {
    QT_TRANSLATE_NOOP("QObject", "Lock/Unlock Win"),
    QT_TRANSLATE_NOOP("QObject", "Lock win"),
    QT_TRANSLATE_NOOP("QObject", "Unlock win"),
};

const char *const kLayers[] = {
    QT_TRANSLATE_NOOP("QObject", "Default layer"),
    QT_TRANSLATE_NOOP("QObject", "FN layer"),
    QT_TRANSLATE_NOOP("QObject", "FN1 layer"),
};

const char *const kBluetooth[] = {
    QT_TRANSLATE_NOOP("QObject", "Bluetooth 1"),
    QT_TRANSLATE_NOOP("QObject", "Bluetooth 2"),
    QT_TRANSLATE_NOOP("QObject", "Bluetooth 3"),
};

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

// Modifier names of a key combination, bit 0 upwards; used as they stand.
const char *const kModifierNames[8] = {"L_CTRL", "L_SHIFT", "L_ALT", "L_WIN",
                                       "R_CTRL", "R_SHIFT", "R_ALT", "R_WIN"};

// "mask,code": the modifier names and the key name joined by "+". A value
// without both numbers has no text.
std::optional<QString> combinationText(const QByteArray &value, const QMap<int, QString> &keyNames)
{
    const QList<QByteArray> parts = value.split(',');
    if (parts.size() < 2)
        return std::nullopt;
    const std::optional<int> mask = parseNumber(parts.at(0));
    const std::optional<int> code = parseNumber(parts.at(1));
    if (!mask || !code)
        return std::nullopt;

    QStringList names;
    for (int bit = 0; bit < 8 && *mask > 0; ++bit) {
        if (*mask & (1 << bit))
            names.append(QLatin1String(kModifierNames[bit]));
    }
    const auto key = keyNames.constFind(*code);
    if (key != keyNames.constEnd())
        names.append(key.value());
    return names.join(QLatin1Char('+'));
}

QString deviceFunctionText(std::optional<int> subCode, const QByteArray &value)
{
    if (!subCode)
        return translated("Unknow");
    switch (*subCode) {
    case 0:
        return translated("Lock keyboard");
    case 2:
        return tableText(kWinLock, parseNumber(value));
    case 8:
        return tableText(kLayers, parseNumber(value));
    case 10:
        return translated("Power query");
    case 11: {
        // "a,b": the connection kind, then the Bluetooth channel.
        const QList<QByteArray> parts = value.split(',');
        if (parts.size() < 2)
            return translated("Unknow");
        const std::optional<int> a = parseNumber(parts.at(0));
        const std::optional<int> b = parseNumber(parts.at(1));
        if (!a || !b)
            return translated("Unknow");
        switch (*a) {
        case 0: return tableText(kBluetooth, b);
        case 1: return translated("2.4G switching");
        case 2: return translated("USB switching");
        default: return translated("Unknow");
        }
    }
    default:
        return translated("Unknow");
    }
}

} // namespace

QString DDataManager::keyFunctionDisplayText(KeyOperateInfoStu item)
{
    m_functionDetailText = translated("Unknow");

    const std::optional<int> type = parseNumber(fieldText(item.type));
    const QByteArray valueText = fieldText(item.value);
    const std::optional<int> value = parseNumber(valueText);
    if (!type)
        return translated("Default");

    switch (*type) {
    case KeyOperate_Remap:
        if (value)
            m_functionDetailText = m_keyCodeNameMap.value(*value);
        return translated("Remap Key");

    case KeyOperate_Macro: {
        if (value) {
            char path[PathBufferSize];
            copyMacroXmlPath(path);
            LumtarIndexNameList macros;
            if (CLumtarXML_SelectMacroAllNodes(path, &macros)) {
                const std::string wanted = QByteArray::number(*value).toStdString();
                for (const auto &macro : macros) {
                    if (macro.first == wanted) {
                        m_functionDetailText = QString::fromStdString(macro.second);
                        break;
                    }
                }
            }
        }
        return translated("Macro");
    }

    case KeyOperate_Combination:
        if (const std::optional<QString> text = combinationText(valueText, m_keyCodeNameMap))
            m_functionDetailText = *text;
        return translated("Key Combination");

    case KeyOperate_Multimedia:
        m_functionDetailText = tableText(kMultimedia, value);
        return translated("Multimedia");

    case KeyOperate_Mouse:
        m_functionDetailText = tableText(kMouse, value);
        return translated("Mouse");

    case KeyOperate_Disable:
        m_functionDetailText = translated("Disable");
        return translated("Disable");

    case KeyOperate_Text:
        m_functionDetailText = QString::fromUtf8(valueText);
        return translated("Text");

    case KeyOperate_SwitchProfile: {
        if (value) {
            char path[PathBufferSize];
            copyXmlProfilePath(path);
            ProfileNodeInfoStu node;
            std::memset(&node, 0, sizeof node);
            if (CLumtarXML_SelectProfileNodeInfo(path, valueText.trimmed().constData(), &node))
                m_functionDetailText = QString::fromUtf8(fieldText(node.name));
        }
        return translated("Switch Profile");
    }

    case KeyOperate_LaunchApp:
        m_functionDetailText = QString::fromUtf8(valueText);
        return translated("Launch Application");

    case KeyOperate_Shortcut:
        m_functionDetailText = tableText(kShortcuts, value);
        return translated("Shortcuts");

    case KeyOperate_NoFunction:
        return translated("Unknow");

    case KeyOperate_DeviceFunction:
        m_functionDetailText = deviceFunctionText(parseNumber(fieldText(item.mode)), valueText);
        return translated("Key Config");

    case 20: m_functionDetailText = tableText(kLightMode, value); return translated("Keyboard Light");
    case 21: m_functionDetailText = tableText(kBrightness, value); return translated("Keyboard Light");
    case 22: m_functionDetailText = tableText(kSpeed, value); return translated("Keyboard Light");
    case 23: m_functionDetailText = tableText(kDirection, value); return translated("Keyboard Light");
    case 24: m_functionDetailText = tableText(kColour, value); return translated("Keyboard Light");
    case 25: m_functionDetailText = tableText(kCustomLight, value); return translated("Keyboard Light");
    case 26: {
        const std::optional<int> mode = parseNumber(fieldText(item.mode));
        if (mode && *mode == 1)
            m_functionDetailText = translated("Stop back light");
        else if (mode && *mode == 0)
            m_functionDetailText = tableText(kCloseLight, value);
        return translated("Keyboard Light");
    }
    case 27: m_functionDetailText = translated("Light recording"); return translated("Keyboard Light");

    case 30: m_functionDetailText = tableText(kSideLightMode, value); return translated("Atmosphere Light");
    case 31: m_functionDetailText = tableText(kBrightness, value); return translated("Atmosphere Light");
    case 32: m_functionDetailText = tableText(kSpeed, value); return translated("Atmosphere Light");
    case 33: m_functionDetailText = tableText(kColour, value); return translated("Atmosphere Light");
    case 34: {
        const std::optional<int> mode = parseNumber(fieldText(item.mode));
        if (mode && *mode == 0)
            m_functionDetailText = translated("Close side light");
        else if (mode && *mode == 1)
            m_functionDetailText = translated("Stop side light");
        return translated("Atmosphere Light");
    }

    case KeyOperate_SeniorKey: {
        if (value) {
            char path[PathBufferSize];
            copySeniorKeyXmlPath(path);
            std::list<SeniorKeyInfoStu> records;
            if (CLumtarXML_SeniorKey_SelectAllInfoItem(path, &records)) {
                for (const SeniorKeyInfoStu &record : records) {
                    if (record.id == *value) {
                        m_functionDetailText = QString::fromUtf8(fieldText(record.name));
                        break;
                    }
                }
            }
        }
        return translated("Senior Keys");
    }

    case KeyOperate_GamePadClassical:
        m_functionDetailText = tableText(kClassicalGamePad, value);
        return translated("GamePad");
    case KeyOperate_GamePadXbox360:
        m_functionDetailText = tableText(kXbox360GamePad, value);
        return translated("GamePad");

    default:
        return translated("Default");
    }
}
