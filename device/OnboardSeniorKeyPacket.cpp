#include "device/OnboardSeniorKeyPacket.h"

#include <cstring>

namespace {

uint8_t byteOf(int value)
{
    return static_cast<uint8_t>(value & 0xFF);
}

// Values the keyboard keeps in one byte are held within 0..255 instead of
// wrapping to a small, wrong value.
uint8_t clampedByte(int value)
{
    return static_cast<uint8_t>(value < 0 ? 0 : (value > 255 ? 255 : value));
}

void putSlot(HidReportBuff &r, int pos, const char *text, int capacity)
{
    const OnboardSeniorKeyPacket::KeySlot slot = OnboardSeniorKeyPacket::keySlot(text, capacity);
    for (int i = 0; i < 4; ++i)
        r[pos + i] = slot[static_cast<size_t>(i)];
}

} // namespace

OnboardSeniorKeyPacket::KeySlot OnboardSeniorKeyPacket::keySlot(const char *text, int capacity)
{
    const QString slotText = text ? QString::fromUtf8(text, static_cast<int>(strnlen(text, static_cast<size_t>(capacity))))
                                  : QString();
    if (slotText.contains(QLatin1Char(','))) {
        const OnboardKeyPacket::ModifierKeys keys = parseSeniorKeyCombination(slotText);
        if (keys.m2 == 0)
            return { 0x13, byteOf(keys.m1), byteOf(keys.key), 0 };
        return { 0x13, byteOf(keys.m1), byteOf(keys.m2), byteOf(keys.key) };
    }
    return { 0x00, byteOf(OnboardKeyPacket::textNumber(slotText)), 0, 0 };
}

OnboardKeyPacket::ModifierKeys OnboardSeniorKeyPacket::parseSeniorKeyCombination(const QString &text)
{
    return OnboardKeyPacket::modifierRule(text);
}

HidReportBuff OnboardSeniorKeyPacket::empty(int index)
{
    HidReportBuff r(Command, byteOf(index), LengthCode);
    return r;
}

HidReportBuff OnboardSeniorKeyPacket::build(int index, const SeniorKeyInfoStu &record)
{
    HidReportBuff r = empty(index);
    r[6] = byteOf(record.kind);
    constexpr int slotCapacity = static_cast<int>(sizeof(record.keySlot[0]));
    switch (record.kind) {
    case LUMTAR_SENIOR_DKS:
        for (int point = 0; point < 4; ++point)
            r[7 + point] = clampedByte(record.triggerPoint[point]);
        for (int s = 0; s < 4; ++s) {
            const int pos = 11 + 8 * s;
            putSlot(r, pos, record.keySlot[s], slotCapacity);
            for (int point = 0; point < 4; ++point)
                r[pos + 4 + point] = byteOf(record.dksAction[s][point]);
        }
        break;
    case LUMTAR_SENIOR_MT:
        putSlot(r, 7, record.keySlot[0], slotCapacity);
        putSlot(r, 11, record.keySlot[1], slotCapacity);
        r[15] = clampedByte(record.holdDuration / 10);
        break;
    case LUMTAR_SENIOR_TGL:
        putSlot(r, 7, record.keySlot[0], slotCapacity);
        break;
    default:
        break;
    }
    return r;
}
