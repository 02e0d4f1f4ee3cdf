// The light reports built from arbitrary records and step counts: the frame
// bytes never change, the levels always fit the light's steps, Static never
// sends full colour, and nothing is written past byte 17 but the time.
#include "device/LightReportPacket.h"

#include <cstdlib>
#include <cstring>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

int32_t word(const uint8_t *data, size_t size, size_t index)
{
    uint32_t v = 0;
    for (size_t i = 0; i < 4; ++i) {
        const size_t at = index * 4 + i;
        v = (v << 8) | (at < size ? data[at] : 0);
    }
    return static_cast<int32_t>(v);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    colorInfoData record;
    int32_t fields[14];
    for (size_t i = 0; i < 14; ++i)
        fields[i] = word(data, size, i);
    std::memcpy(&record, fields, sizeof record);
    LightSupportInfo support;
    support.speedLevels = word(data, size, 14);
    support.brightnessLevels = word(data, size, 15);
    const qint64 now = static_cast<qint64>(word(data, size, 16)) * 65537;
    const auto clock = [now] { return now; };

    for (int kind = 0; kind < 3; ++kind) {
        const HidReportBuff r = kind == 0   ? LightReportPacket::keyboardReport(record, support, clock)
                                : kind == 1 ? LightReportPacket::sideReport(record, support, clock)
                                            : LightReportPacket::customSchemeReport(record, support);
        check(r[0] == 0x01 && r[1] == (kind == 1 ? 0x07 : 0x06) && r[2] == 0 && r[3] == 0 && r[4] == 0);
        check(r[5] == (kind == 1 ? 13 : 14));
        const int brightnessTop = support.brightnessLevels > 0 ? support.brightnessLevels : 5;
        const int speedTop = support.speedLevels > 0 ? support.speedLevels : 5;
        check(r[7] <= brightnessTop && r[8] <= speedTop);
        if (kind < 2 && record.modeCode == 0)
            check(r[16] == 0);
        for (int i = 18; i < 62; ++i)
            check(r[i] == 0);
        if (kind == 2)
            check(r[62] == 0 && r[63] == 0);
        else
            check(r.word(62) == static_cast<uint16_t>(((now % 65536) + 65536) % 65536));
    }
    return 0;
}
