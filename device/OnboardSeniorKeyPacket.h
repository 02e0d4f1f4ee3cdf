// Advanced-key records of the onboard memory (command 0x2A, one report per
// store index 0..39, length code 50 whatever the kind). Byte 6 is the kind
// (1 DKS, 2 MT, 3 TGL; 0 in an empty record); the bytes from 7 depend on it:
//   DKS  7-10 the four trigger points (0.1 mm), then per key slot s = 1..4
//        at 11 + 8(s-1) the slot's four bytes and its four actions at the
//        trigger points;
//   MT   7-10 key slot 1, 11-14 key slot 2, 15 the hold duration in 10 ms;
//   TGL  7-10 key slot 1.
// A key slot is 13 m1 key 00 (or 13 m1 m2 key) for "mask,key" and
// 00 code 00 00 for a plain key code.
#ifndef ONBOARDSENIORKEYPACKET_H
#define ONBOARDSENIORKEYPACKET_H

#include "device/HidReportBuff.h"
#include "device/OnboardKeyPacket.h"
#include "sdk/include/LumtarRecords.h"

#include <QString>

#include <array>
#include <cstdint>

class OnboardSeniorKeyPacket
{
public:
    static constexpr uint8_t Command = 0x2A;
    static constexpr uint8_t LengthCode = 50;
    static constexpr int RecordCount = 40;

    using KeySlot = std::array<uint8_t, 4>;

    // The four bytes of a key slot text ("", "code" or "mask,code").
    static KeySlot keySlot(const char *text, int capacity);
    static OnboardKeyPacket::ModifierKeys parseSeniorKeyCombination(const QString &text);

    // The report of store index `index` holding `record`.
    static HidReportBuff build(int index, const SeniorKeyInfoStu &record);
    // The report of an index that no key took.
    static HidReportBuff empty(int index);
};

#endif
