#include "device/InputReportDecoder.h"

#include "device/HidReportBuff.h"

#include <algorithm>

using namespace InputReport;

namespace {

constexpr int kReportSize = HidReportBuff::Size;
constexpr int kPayloadStart = HidReportBuff::PayloadStart;
constexpr int kSerialLength = 32;

bool isMarker(unsigned char b)
{
    return b == 0xA5 || b == 0x5A;
}

template <size_t N>
std::array<uint8_t, N> bytesAt(const unsigned char *d, int start)
{
    std::array<uint8_t, N> out{};
    std::copy(d + start, d + start + N, out.begin());
    return out;
}

// Latin-1 text from `start` up to the first zero byte, at most `limit` bytes;
// end < 0 when no zero came before the delivered bytes ran out.
std::string textAt(const unsigned char *d, int start, int limit, int length, int *end)
{
    int i = start;
    const int stop = std::min(start + limit, length);
    while (i < stop && d[i] != 0)
        ++i;
    *end = i;
    return std::string(reinterpret_cast<const char *>(d + start), static_cast<size_t>(i - start));
}

// Mode codes up to the first marker, then two values. A list cut off before
// its values (in a report shorter than 64 bytes) is not taken.
Event modeList(const unsigned char *d, int length, int kind)
{
    LightModeList list;
    list.kind = kind;
    bool marker = false;
    for (int i = kPayloadStart; i < length; ++i) {
        const unsigned char b = d[i];
        if (!marker) {
            if (isMarker(b))
                marker = true;
            else
                list.modes.push_back(b);
            continue;
        }
        if (isMarker(b))
            continue;
        list.speedLevels = b;
        if (i + 1 < length)
            list.brightnessLevels = d[i + 1];
        else if (i + 1 < kReportSize)
            return Short{d[1], length}; // the second value was not delivered
        return list;
    }
    // A full report without a marker, or without values after it.
    if (length == kReportSize) {
        list.speedLevels = 0;
        list.brightnessLevels = 0;
        return list;
    }
    return Short{d[1], length};
}

Event lightConfig(const unsigned char *d, int kind)
{
    LightConfig c;
    c.config.lightKind = kind;
    c.config.modeCode = d[6];
    c.config.brightness = d[7] + 1;
    c.config.speed = d[8] + 1;
    c.config.red1 = d[9];
    c.config.green1 = d[10];
    c.config.blue1 = d[11];
    c.config.red2 = d[12];
    c.config.green2 = d[13];
    c.config.blue2 = d[14];
    c.config.direction = d[15];
    c.config.fullColor = d[16];
    c.config.extra1 = d[17];
    c.config.extra2 = 0;
    return c;
}

Event textReply(const unsigned char *d, int length)
{
    int end = 0;
    TextReply reply;
    reply.text = textAt(d, kPayloadStart, kReportSize - kPayloadStart, length, &end);
    if (end == length && length < kReportSize)
        return Short{d[1], length}; // the text's end was not delivered
    return reply;
}

Event magneticReply(const unsigned char *d)
{
    switch (d[6]) {
    case 1:
        return KeyTravelSample{d[7], d[8], d[9]};
    case 4:
        return MaxTravel{d[7]};
    case 5:
        return KeyTravelSettings{d[7], d[8], d[9], d[10], d[11]};
    case 7:
        return KeyCalibrationStatus{d[7]};
    case 8:
        return AllKeysCalibrationStatus{d[7], bytesAt<22>(d, 8)};
    case 9:
        return ReportRate{d[7]};
    case 10:
        return AntiShake{d[7]};
    default:
        return Ignored{0x21};
    }
}

} // namespace

std::string TextReply::fifthField() const
{
    size_t start = 0;
    for (int field = 0; field < 4; ++field) {
        const size_t comma = text.find(',', start);
        if (comma == std::string::npos)
            return std::string();
        start = comma + 1;
    }
    const size_t comma = text.find(',', start);
    return text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
}

int InputReportDecoder::requiredLength(const unsigned char *d, int length)
{
    if (length < 2)
        return 2;
    switch (d[1]) {
    case 0x01:
        return 15;
    case 0x02:
    case 0x0A:
    case 0x0D:
        return kPayloadStart; // read up to the count delivered
    case 0x04:
        return 14;
    case 0x05:
        return 19;
    case 0x07:
    case 0x08:
        return 18;
    case 0x09:
    case 0x0B:
        return 3;
    case 0x0E:
        return 28;
    case 0x14:
        if (length < 3)
            return 3;
        return d[2] == 2 ? 14 : 3;
    case 0x15:
        return kPayloadStart + kSerialLength;
    case 0x20:
        return 11;
    case 0x21:
        if (length < 7)
            return 7;
        switch (d[6]) {
        case 1: return 10;
        case 5: return 12;
        case 8: return 30;
        case 4:
        case 7:
        case 9:
        case 10: return 8;
        default: return 7;
        }
    default:
        return 2;
    }
}

Event InputReportDecoder::decode(const unsigned char *d, int length)
{
    if (!d)
        return Short{-1, 0};
    length = std::clamp(length, 0, kReportSize);
    if (length < requiredLength(d, length))
        return Short{length >= 2 ? d[1] : -1, length};
    switch (d[1]) {
    case 0x01:
        if (d[5] == 0)
            return Ignored{0x01};
        return Status{d[6] == 1, d[9], d[10], d[11], d[12], d[13], d[14]};
    case 0x02:
        return modeList(d, length, LUMTAR_LIGHT_KIND_SIDE);
    case 0x04:
        return KeyReport{bytesAt<8>(d, 6)};
    case 0x05:
        return FullKeyReport{bytesAt<13>(d, 6)};
    case 0x07:
        return lightConfig(d, LUMTAR_LIGHT_KIND_KEYBOARD);
    case 0x08:
        return lightConfig(d, LUMTAR_LIGHT_KIND_SIDE);
    case 0x09:
        return CustomSchemeInUse{d[2]};
    case 0x0A:
        return modeList(d, length, LUMTAR_LIGHT_KIND_KEYBOARD);
    case 0x0B:
        return ReceiverReply{d[2]};
    case 0x0D:
        return textReply(d, length);
    case 0x0E:
        return CustomKeyBitmap{bytesAt<22>(d, 6)};
    case 0x14:
        if (d[2] == 0)
            return SleepTimeAcknowledged{};
        if (d[2] == 2)
            return SleepTimes{d[9] * 256 + d[10], d[11] * 256 + d[12], d[13]};
        return Ignored{0x14};
    case 0x15: {
        int end = 0;
        return SerialNumber{textAt(d, kPayloadStart, kSerialLength, length, &end)};
    }
    case 0x18:
        return MacroSlotReply{};
    case 0x19:
        return MacroPacketAcknowledged{};
    case 0x20:
        return FunctionKey{d[6], d[9], d[10] != 0};
    case 0x21:
        return magneticReply(d);
    default:
        return Ignored{d[1]};
    }
}
