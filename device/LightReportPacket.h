// The light reports: one light's settings as the keyboard takes them
// (command 0x06 keyboard light, 0x07 side light). Byte 6 mode, 7 brightness
// level - 1, 8 speed level - 1, 9-11 colour 1, 12-14 colour 2, 15 direction,
// 16 full-colour flag (0 for Static), 17 the device byte, 62-63 the time in
// milliseconds since the epoch mod 65536, high byte first.
#ifndef LIGHTREPORTPACKET_H
#define LIGHTREPORTPACKET_H

#include "device/EpochClock.h"
#include "device/HidReportBuff.h"
#include "sdk/include/LumtarRecords.h"

#include <cstdint>

class LightReportPacket
{
public:
    static constexpr uint8_t KeyboardCommand = 0x06;
    static constexpr uint8_t SideCommand = 0x07;
    static constexpr uint8_t KeyboardLength = 14;
    static constexpr uint8_t SideLength = 13;
    // Steps of a level slider while the keyboard has not told its own.
    static constexpr int DefaultLevelSteps = 5;

    using Clock = EpochClock::Source;
    static qint64 systemClock() { return EpochClock::now(); }

    // The light reports of a record, the levels kept within what the light
    // offers (`support`: its speed and brightness steps).
    static HidReportBuff keyboardReport(const colorInfoData &record, const LightSupportInfo &support,
                                        const Clock &clock = systemClock);
    static HidReportBuff sideReport(const colorInfoData &record, const LightSupportInfo &support,
                                    const Clock &clock = systemClock);
    // The keyboard report that goes with a custom scheme write: the
    // full-colour flag as the record holds it, no time.
    static HidReportBuff customSchemeReport(const colorInfoData &record, const LightSupportInfo &support);

    // A light with `steps` steps has levels 1..steps + 1, sent as 0..steps;
    // a level outside is held at the nearest end. Steps of 0 or less are not
    // known yet: DefaultLevelSteps; more than 255 do not fit a byte: 255.
    static uint8_t levelByte(int level, int steps);
    // The level a reported byte stands for.
    static int levelFromByte(uint8_t byte) { return byte + 1; }

private:
    static HidReportBuff build(uint8_t command, uint8_t length, const colorInfoData &record,
                               const LightSupportInfo &support);
    static HidReportBuff settingsReport(uint8_t command, uint8_t length, const colorInfoData &record,
                                        const LightSupportInfo &support, const Clock &clock);
};

#endif
