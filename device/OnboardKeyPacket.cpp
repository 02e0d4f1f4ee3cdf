#include "device/OnboardKeyPacket.h"

#include <QStringList>

#include <climits>
#include <cstring>

namespace {

constexpr uint8_t byteOf(int value)
{
    return static_cast<uint8_t>(value & 0xFF);
}

OnboardKeyPacket::KeyRecord record(int a, int b = 0, int c = 0, int d = 0)
{
    return { byteOf(a), byteOf(b), byteOf(c), byteOf(d) };
}

template <size_t N>
QString fieldText(const char (&field)[N])
{
    return QString::fromUtf8(field, static_cast<int>(strnlen(field, N)));
}

// Sub-codes of the device function whose argument follows the sub-code.
bool isPlainDeviceFunction(int subCode)
{
    return subCode == 1 || subCode == 2 || (subCode >= 4 && subCode <= 10);
}

OnboardKeyPacket::KeyRecord deviceFunctionRecord(uint8_t ownKey, const KeyOperateInfoStu &item)
{
    const int subCode = OnboardKeyPacket::fieldNumber(item.mode);
    if (subCode == 0)
        return record(0x11);
    if (subCode == 11) {
        const QStringList parts = fieldText(item.value).split(QLatin1Char(','));
        const int a = OnboardKeyPacket::textNumber(parts.value(0));
        const int b = OnboardKeyPacket::textNumber(parts.value(1));
        return record(0x11, 0x0B, a, b);
    }
    const int a = OnboardKeyPacket::fieldNumber(item.value);
    if (subCode == 3) {
        // A 16-bit big-endian argument; larger values are held at the top.
        const int clamped = a < 0 ? 0 : (a > 0xFFFF ? 0xFFFF : a);
        return record(0x11, 0x03, clamped >> 8, clamped);
    }
    if (isPlainDeviceFunction(subCode))
        return record(0x11, subCode, a);
    return record(0x00, ownKey);
}

// Light off / stop events of the keyboard (26) and the side light (34).
OnboardKeyPacket::KeyRecord lightStopRecord(uint8_t ownKey, int mode, int value, int stopCode)
{
    if (mode == 0)
        return record(0x11, 0x04, value);
    if (mode == 1)
        return record(0x11, stopCode, value);
    return record(0x00, ownKey);
}

} // namespace

int OnboardKeyPacket::textNumber(const char *text, int capacity)
{
    if (!text)
        return 0;
    const size_t limit = capacity < 0 ? strlen(text) : strnlen(text, static_cast<size_t>(capacity));
    size_t i = 0;
    while (i < limit && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < limit && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < limit && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (value <= static_cast<long long>(INT_MAX) + 1)
            value = value * 10 + (text[i] - '0');
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

int OnboardKeyPacket::textNumber(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    return textNumber(bytes.constData(), bytes.size());
}

uint8_t OnboardKeyPacket::limitedKeyCode(int keyCode)
{
    return keyCode >= 255 ? 255 : byteOf(keyCode);
}

HidReportBuff OnboardKeyPacket::build(uint8_t layer, int reportNumber, const QVector<uint8_t> &records)
{
    const int count = qMin(records.size(), HidReportBuff::Size - HidReportBuff::PayloadStart);
    HidReportBuff r(Command, layer, byteOf(count));
    r[4] = byteOf(reportNumber);
    for (int i = 0; i < count; ++i)
        r[HidReportBuff::PayloadStart + i] = records.at(i);
    return r;
}

OnboardKeyPacket::KeyRecord OnboardKeyPacket::defaultRecord(int keyCode)
{
    switch (keyCode) {
    case LUMTAR_FN_KEY_CODE:
        return record(0x01);
    case 127: // mute
        return record(0x07, 0x12);
    case 128: // volume up
        return record(0x07, 0x10);
    case 129: // volume down
        return record(0x07, 0x11);
    case 215: // calculator
        return record(0x07, 0x32);
    default:
        return record(0x00, limitedKeyCode(keyCode));
    }
}

OnboardKeyPacket::KeyRecord OnboardKeyPacket::keyRecord(int keyCode, const KeyOperateInfoStu &item, int macroSlot,
                                                        int seniorIndex)
{
    if (keyCode == 0)
        return record(0x00);
    const uint8_t ownKey = limitedKeyCode(keyCode);
    const int type = fieldNumber(item.type);
    if (type == -1)
        return defaultRecord(keyCode);
    const int value = fieldNumber(item.value);
    const int mode = fieldNumber(item.mode);

    switch (type) {
    case KeyOperate_Remap:
        if (value == -20)
            return record(0x14);
        if (value == LUMTAR_FN_KEY_CODE)
            return record(0x01);
        return record(0x00, value);
    case KeyOperate_Macro:
        if (macroSlot < 0)
            return record(0x00, ownKey);
        return record(0x10, ownKey, macroSlot);
    case KeyOperate_Combination: {
        const ModifierKeys keys = onboardKeyCombination(item);
        if (keys.m2 == 0)
            return record(0x13, keys.m1, keys.key);
        return record(0x13, keys.m1, keys.m2, keys.key);
    }
    case KeyOperate_Multimedia:
        return record(0x07, onboardMultimediaCode(item));
    case KeyOperate_Mouse:
        return record(0x12, isOnboardMouseWheel(item) ? 1 : 0, onboardMouseCode(item));
    case KeyOperate_Disable:
        return record(0x00);
    case KeyOperate_Text:
    case KeyOperate_SwitchProfile:
    case KeyOperate_LaunchApp:
        // Performed by the application when the keyboard reports the key.
        return record(0x16, 0, 0, ownKey);
    case KeyOperate_Shortcut: {
        const ModifierKeys keys = onboardShortcutKeys(value);
        return record(0x13, keys.m1, keys.key);
    }
    case KeyOperate_DeviceFunction:
        return deviceFunctionRecord(ownKey, item);
    case 20: // keyboard light mode
        return record(0x02, value);
    case 21: // keyboard brightness
        return record(0x03, value);
    case 22: // keyboard speed
        return record(0x04, value);
    case 23: // keyboard direction
        return record(0x05, value);
    case 24: // keyboard colour
        return record(0x06, value);
    case 25: // keyboard custom scheme
        return record(0x08, value);
    case 26: // keyboard light off / stop
        return lightStopRecord(ownKey, mode, value, 0x05);
    case 27: // light recording
        return record(0x09);
    case 30: // side light mode
        return record(0x0A, value);
    case 31: // side brightness
        return record(0x0B, value);
    case 32: // side speed
        return record(0x0C, value);
    case 33: // side colour
        return record(0x0D, value);
    case 34: // side light off / stop
        return lightStopRecord(ownKey, mode, value, 0x06);
    case KeyOperate_SeniorKey:
        if (seniorIndex < 0)
            return record(0x00, ownKey);
        return record(0x17, seniorIndex);
    case KeyOperate_GamePadClassical:
        return record(0x18, value);
    case KeyOperate_GamePadXbox360:
        return record(0x19, value);
    default:
        return record(0x00, ownKey);
    }
}

int OnboardKeyPacket::onboardMultimediaCode(const KeyOperateInfoStu &item)
{
    static const int codes[] = { 0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17,
                                 0x30, 0x32, 0x34, 0x23, 0x20, 0x38, 0x39, 0x21 };
    const int index = fieldNumber(item.value);
    if (index < 0 || index >= static_cast<int>(sizeof(codes) / sizeof(codes[0])))
        return 0;
    return codes[index];
}

bool OnboardKeyPacket::isOnboardMouseWheel(const KeyOperateInfoStu &item)
{
    const int index = fieldNumber(item.value);
    return index == 3 || index == 4;
}

int OnboardKeyPacket::onboardMouseCode(const KeyOperateInfoStu &item)
{
    // left, middle, right, scroll up, scroll down, forward, backward
    static const int codes[] = { 0x01, 0x04, 0x02, 0x01, 0xFF, 0x10, 0x08 };
    const int index = fieldNumber(item.value);
    if (index < 0 || index >= static_cast<int>(sizeof(codes) / sizeof(codes[0])))
        return 0;
    return codes[index];
}

OnboardKeyPacket::ModifierKeys OnboardKeyPacket::onboardKeyCombination(const KeyOperateInfoStu &item)
{
    return modifierRule(fieldText(item.value));
}

OnboardKeyPacket::ModifierKeys OnboardKeyPacket::onboardShortcutKeys(int shortcutIndex)
{
    constexpr int LeftCtrl = 224, LeftAlt = 226, LeftWin = 227;
    static const ModifierKeys shortcuts[] = {
        { LeftAlt, 0, 61 },  // close window: F4
        { LeftAlt, 0, 43 },  // switch windows: Tab
        { LeftWin, 0, 7 },   // show desktop: D
        { LeftWin, 0, 8 },   // my computer: E
        { LeftWin, 0, 15 },  // lock computer: L
        { LeftCtrl, 0, 6 },  // copy: C
        { LeftCtrl, 0, 27 }, // cut: X
        { LeftCtrl, 0, 25 }, // paste: V
        { LeftCtrl, 0, 9 },  // find: F
        { LeftCtrl, 0, 17 }, // new: N
        { LeftCtrl, 0, 19 }, // print: P
        { LeftCtrl, 0, 22 }, // save: S
    };
    if (shortcutIndex < 0 || shortcutIndex >= static_cast<int>(sizeof(shortcuts) / sizeof(shortcuts[0])))
        return ModifierKeys();
    return shortcuts[shortcutIndex];
}

OnboardKeyPacket::ModifierKeys OnboardKeyPacket::modifierRule(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    const int mask = textNumber(parts.value(0));
    ModifierKeys keys;
    keys.key = textNumber(parts.value(1));
    bool first = true;
    for (int bit = 0; bit < 8; ++bit) {
        if (!(mask & (1 << bit)))
            continue;
        if (first)
            keys.m1 = 224 + bit;
        else
            keys.m2 = 224 + bit;
        first = false;
    }
    return keys;
}
