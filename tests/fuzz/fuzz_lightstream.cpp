// The streamed light's encoders and the simulated keyboard's frame assembly
// on arbitrary input: payloads never exceed a report and lose no whole LED,
// the reports carry their byte counts, the compact report writes nothing
// past the side data and no side byte without a side light, and the
// assembler shows only frames of the right size.
#include "device/CustomLedPacket.h"
#include "device/LightCompactPacket.h"
#include "device/LightStreamPacket.h"
#include "sdk/sim/SimLightStream.h"

#include <cstdlib>
#include <cstring>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

int word(const uint8_t *data, size_t size, size_t index)
{
    uint32_t v = 0;
    for (size_t i = 0; i < 4; ++i) {
        const size_t at = index * 4 + i;
        v = (v << 8) | (at < size ? data[at] : 0);
    }
    return static_cast<int>(v);
}

void payloads(const uint8_t *data, size_t size)
{
    const QByteArray rgb(reinterpret_cast<const char *>(data), static_cast<int>(size));
    const QVector<QByteArray> parts = LightStreamPacket::payloads(rgb);
    int total = 0;
    for (int i = 0; i < parts.size(); ++i) {
        const QByteArray &p = parts.at(i);
        check(p.size() > 0 && p.size() <= LightStreamPacket::BytesPerReport && p.size() % 3 == 0);
        check(i + 1 == parts.size() || p.size() == LightStreamPacket::BytesPerReport);
        const HidReportBuff r = LightStreamPacket::report(data[0] & 1, i, p);
        check(r[1] == LightStreamPacket::Command && r[4] == i && r[5] == p.size());
        check(std::memcmp(r.data() + 6, p.constData(), static_cast<size_t>(p.size())) == 0);
        for (int b = 6 + p.size(); b < HidReportBuff::Size; ++b)
            check(r[b] == 0);
        total += p.size();
    }
    check(total == rgb.size() - rgb.size() % 3);
    check(parts.size() == LightStreamPacket::reportCount(rgb.size() / 3));
    for (int i = 0; i < parts.size(); ++i) {
        const HidReportBuff r = CustomLedPacket::report(CustomLedPacket::HostColours, i, parts.at(i));
        check(r[1] == CustomLedPacket::Command && r[2] == CustomLedPacket::HostColours && r[5] == parts.at(i).size());
    }
}

void compact(const uint8_t *data, size_t size)
{
    LightCompactFrame f;
    size_t w = 0;
    f.timeMs = static_cast<qint64>(static_cast<uint32_t>(word(data, size, w++))) * 256;
    f.keyboardMode = word(data, size, w++) % 120;
    f.firstKey = { word(data, size, w++), word(data, size, w++), word(data, size, w++) };
    f.pointRow = word(data, size, w++) % 8 - 1;
    f.pointColumn = word(data, size, w++) % 24 - 1;
    f.ripple = { word(data, size, w++), word(data, size, w++), word(data, size, w++) };
    f.hasSpeedRespond = word(data, size, w++) & 1;
    f.speedRespondLevel = word(data, size, w++);
    f.speedRespondValue = word(data, size, w++);
    f.autoRippleTrigger = word(data, size, w++) & 1;
    for (int &v : f.autoRipple)
        v = word(data, size, w++);
    for (int &v : f.musicLevels)
        v = word(data, size, w++);
    for (int &v : f.musicIntensities)
        v = word(data, size, w++);
    f.hasSideLight = word(data, size, w++) & 1;
    f.sideMode = word(data, size, w++) % 8;
    f.firstSide = { word(data, size, w++), word(data, size, w++), word(data, size, w++) };
    for (uint8_t &v : f.collision)
        v = static_cast<uint8_t>(word(data, size, w++));
    const HidReportBuff r = LightCompactPacket::report(f);
    check(r[0] == 1 && r[1] == LightCompactPacket::Command);
    check(r.word(2) == static_cast<uint16_t>(f.timeMs & 0xFFFF));
    for (int b = LightCompactPacket::ModeData + 2 * LightCompactFrame::MusicBands; b < LightCompactPacket::SideMode; ++b)
        check(r[b] == 0);
    for (int b = LightCompactPacket::SideData + 5; b < HidReportBuff::Size; ++b)
        check(r[b] == 0);
    if (!f.hasSideLight) {
        for (int b = LightCompactPacket::SideMode; b < HidReportBuff::Size; ++b)
            check(r[b] == 0);
    }
}

void assemble(const uint8_t *data, size_t size)
{
    lumtar::sim::SimLightStream stream(data[0] % 61);
    for (size_t at = 1; at + 4 <= size; at += 4) {
        std::array<uint8_t, 64> r{};
        r[0] = 1;
        r[1] = (data[at] & 0x80) ? 0x28 : 0x0E;
        r[2] = data[at] & 1;
        r[4] = data[at + 1] % 10;
        r[5] = data[at + 2];
        r[6] = data[at + 3];
        stream.take(r, static_cast<int64_t>(at));
    }
    const lumtar::sim::SimLightStreamView v = stream.view();
    check(v.wholeFrames >= 0 && v.tornFrames >= 0);
    if (v.wholeFrames > 0) {
        check(v.keyColours.size() == 3 * 132);
        check(v.sideColours.size() == 3 * static_cast<size_t>(data[0] % 61));
    }
    check(v.compactReports.size() == v.compactTimesUs.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    payloads(data, size);
    compact(data, size);
    assemble(data, size);
    return 0;
}
