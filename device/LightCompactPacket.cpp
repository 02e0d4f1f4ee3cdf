#include "device/LightCompactPacket.h"

#include "sdk/include/LumtarRecords.h"

namespace {

uint8_t lowByte(int value)
{
    return static_cast<uint8_t>(value & 0xFF);
}

void putRgb(HidReportBuff &r, int at, const LightCompactFrame::Rgb &c)
{
    r[at] = lowByte(c.r);
    r[at + 1] = lowByte(c.g);
    r[at + 2] = lowByte(c.b);
}

} // namespace

bool LightCompactPacket::carriesPress(int keyboardMode)
{
    switch (keyboardMode) {
    case LightMode_Reactive:
    case LightMode_Aurora:
    case LightMode_Ripple:
    case LightMode_Cross:
    case LightMode_Fireworks:
        return true;
    default:
        return false;
    }
}

HidReportBuff LightCompactPacket::report(const LightCompactFrame &f)
{
    HidReportBuff r;
    r[0] = 0x01;
    r[1] = Command;
    r.setWord(2, static_cast<uint16_t>(f.timeMs & 0xFFFF));
    r[4] = lowByte(f.keyboardMode);

    switch (f.keyboardMode) {
    case LightMode_Static:
    case LightMode_Breath:
    case LightMode_Neon:
        putRgb(r, ModeData, f.firstKey);
        break;
    case LightMode_SpeedRespond:
        if (f.hasSpeedRespond) {
            r[ModeData] = lowByte(f.speedRespondLevel);
            r[ModeData + 1] = lowByte(f.speedRespondValue);
        }
        break;
    case LightMode_AutoRipple:
        if (f.autoRippleTrigger) {
            for (int i = 0; i < 5; ++i)
                r[ModeData + i] = lowByte(f.autoRipple[static_cast<size_t>(i)]);
        }
        break;
    case LightMode_MusicalRhythm:
        for (int i = 0; i < LightCompactFrame::MusicBands; ++i) {
            r[ModeData + i] = lowByte(f.musicLevels[static_cast<size_t>(i)]);
            r[ModeData + LightCompactFrame::MusicBands + i] = lowByte(f.musicIntensities[static_cast<size_t>(i)]);
        }
        break;
    default:
        if (carriesPress(f.keyboardMode) && f.pointRow != -1 && f.pointColumn != -1) {
            r[ModeData] = lowByte(f.pointRow);
            r[ModeData + 1] = lowByte(f.pointColumn);
            putRgb(r, ModeData + 2, f.ripple);
        }
        break;
    }

    if (!f.hasSideLight)
        return r;
    r[SideMode] = lowByte(f.sideMode);
    switch (f.sideMode) {
    case SideLightMode_Static:
    case SideLightMode_Breath:
    case SideLightMode_Neon:
    case SideLightMode_Close:
        putRgb(r, SideData, f.firstSide);
        break;
    case SideLightMode_Collision:
        for (int i = 0; i < 5; ++i)
            r[SideData + i] = f.collision[static_cast<size_t>(i)];
        break;
    default:
        break;
    }
    return r;
}
