// Macro slots of the onboard memory and the reports that carry them
// (command 0x18, five per slot, each acknowledged by the keyboard with an
// input report 0x19). A slot is 256 bytes: an 8-byte header (play mode - 1
// in byte 1, the count of event bytes in byte 3, the repeat count in byte 5)
// followed by at most 62 four-byte events and zero fill.
#ifndef ONBOARDMACROPACKET_H
#define ONBOARDMACROPACKET_H

#include "device/HidReportBuff.h"
#include "sdk/include/LumtarRecords.h"

#include <array>
#include <cstdint>
#include <list>

class OnboardMacroPacket
{
public:
    static constexpr uint8_t Command = 0x18;
    static constexpr uint8_t AckCommand = 0x19;
    static constexpr int SlotCount = 10;
    static constexpr int SlotSize = 256;
    static constexpr int HeaderSize = 8;
    static constexpr int EventSize = 4;
    static constexpr int MaxEvents = (SlotSize - HeaderSize) / EventSize; // 62
    static constexpr int ReportsPerSlot = 5;
    static constexpr int BytesPerReport = 58;
    static constexpr int MaxDelayMs = 0xFFFF;

    using SlotImage = std::array<uint8_t, SlotSize>;
    using EventBytes = std::array<uint8_t, EventSize>;

    // One event: its code, press/release and mouse flags, and the delay to
    // the next event (held within 0..65535 ms), big-endian.
    static EventBytes eventBytes(const KeyOrMouseEventStu &event, int delayToNextMs);

    // The slot of a macro key: the events in stored order, each carrying
    // the stored delay of the event after it (the last one 0). Events past
    // the 62 a slot holds are left out; `droppedEvents` (when given) gets
    // how many.
    static SlotImage slotImage(const std::list<KeyOrMouseEventStu> &events, int playMode, int repeatCount,
                               int *droppedEvents = nullptr);

    // Report `reportNumber` (0..4) of a slot.
    static HidReportBuff build(int slot, int reportNumber, const SlotImage &image);
    static std::array<HidReportBuff, ReportsPerSlot> reports(int slot, const SlotImage &image);
    // The reports of a slot that no key took: all payload bytes 0.
    static std::array<HidReportBuff, ReportsPerSlot> emptyReports(int slot);
};

#endif
