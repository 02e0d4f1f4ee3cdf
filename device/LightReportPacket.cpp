#include "device/LightReportPacket.h"

namespace {

constexpr uint8_t lowByte(int value)
{
    return static_cast<uint8_t>(value & 0xFF);
}

constexpr uint8_t colourByte(int value)
{
    return static_cast<uint8_t>(value < 0 ? 0 : (value > 255 ? 255 : value));
}

void stampTime(HidReportBuff &report, const LightReportPacket::Clock &clock)
{
    const qint64 now = EpochClock::read(clock);
    report.setWord(62, static_cast<uint16_t>(((now % 65536) + 65536) % 65536));
}

} // namespace

uint8_t LightReportPacket::levelByte(int level, int steps)
{
    // A level goes out as one byte: no light has more than 255 steps.
    const int top = (steps <= 0 ? DefaultLevelSteps : (steps > 255 ? 255 : steps)) + 1;
    const int held = level < 1 ? 1 : (level > top ? top : level);
    return lowByte(held - 1);
}

HidReportBuff LightReportPacket::build(uint8_t command, uint8_t length, const colorInfoData &record,
                                       const LightSupportInfo &support)
{
    HidReportBuff r(command, 0x00, length);
    r[6] = lowByte(record.modeCode);
    r[7] = levelByte(record.brightness, support.brightnessLevels);
    r[8] = levelByte(record.speed, support.speedLevels);
    r[9] = colourByte(record.red1);
    r[10] = colourByte(record.green1);
    r[11] = colourByte(record.blue1);
    r[12] = colourByte(record.red2);
    r[13] = colourByte(record.green2);
    r[14] = colourByte(record.blue2);
    r[15] = lowByte(record.direction);
    r[16] = lowByte(record.fullColor);
    r[17] = lowByte(record.extra1);
    return r;
}

HidReportBuff LightReportPacket::settingsReport(uint8_t command, uint8_t length, const colorInfoData &record,
                                                const LightSupportInfo &support, const Clock &clock)
{
    HidReportBuff r = build(command, length, record, support);
    // Static (code 0 of either light) never runs in full colour; the record
    // keeps its flag for the other modes.
    if (record.modeCode == LightMode_Static)
        r[16] = 0;
    stampTime(r, clock);
    return r;
}

HidReportBuff LightReportPacket::keyboardReport(const colorInfoData &record, const LightSupportInfo &support,
                                                const Clock &clock)
{
    return settingsReport(KeyboardCommand, KeyboardLength, record, support, clock);
}

HidReportBuff LightReportPacket::sideReport(const colorInfoData &record, const LightSupportInfo &support,
                                            const Clock &clock)
{
    return settingsReport(SideCommand, SideLength, record, support, clock);
}

HidReportBuff LightReportPacket::customSchemeReport(const colorInfoData &record, const LightSupportInfo &support)
{
    return build(KeyboardCommand, KeyboardLength, record, support);
}

