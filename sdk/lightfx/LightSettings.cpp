#include "sdk/lightfx/LightSettings.h"

namespace lumtar::lightfx {

namespace {

Rgb colour(int32_t r, int32_t g, int32_t b)
{
    return { clampChannel(r), clampChannel(g), clampChannel(b) };
}

bool isOneOf(int value, std::initializer_list<int> allowed)
{
    for (int a : allowed) {
        if (a == value)
            return true;
    }
    return false;
}

} // namespace

LightSettings LightSettings::fromRecord(int kind, const colorInfoData& record)
{
    LightSettings s;
    s.mode = record.modeCode;
    s.takeChanges(kind, record);
    return s;
}

void LightSettings::takeChanges(int kind, const colorInfoData& record)
{
    top = colour(record.red1, record.green1, record.blue1);
    bottom = colour(record.red2, record.green2, record.blue2);
    direction = effectiveDirection(kind, mode, record.direction);
    fullColour = record.fullColor == 1;
}

int LightSettings::effectiveDirection(int kind, int mode, int direction)
{
    if (kind != LUMTAR_LIGHT_KIND_KEYBOARD)
        return LightDirection_Right; // side effects run along the strip only
    switch (mode) {
    case LightMode_Wave:
        return isOneOf(direction, { LightDirection_Right, LightDirection_Left, LightDirection_Up, LightDirection_Down,
                                    LightDirection_Dispersion, LightDirection_Gather })
                   ? direction
                   : LightDirection_Right;
    case LightMode_Radar:
    case LightMode_Snake:
    case LightMode_Striation:
        return direction == LightDirection_UnCW ? LightDirection_UnCW : LightDirection_CW;
    case LightMode_Aurora:
        return direction == LightDirection_Gather ? LightDirection_Gather : LightDirection_Dispersion;
    case LightMode_SpeedRespond:
        return direction == LightDirection_Down ? LightDirection_Down : LightDirection_Up;
    default:
        return LightDirection_Right;
    }
}

} // namespace lumtar::lightfx
