// The light engine's working copy of one light's record: what its previews
// read. The direction and the other fields reach the SDK with the record.
#ifndef LIGHTEFFECTSTATE_H
#define LIGHTEFFECTSTATE_H

#include "sdk/include/LumtarRecords.h"

struct LightEffectState {
    struct Rgb {
        int r = 0, g = 0, b = 0;
        bool isBlack() const { return r == 0 && g == 0 && b == 0; }
    };

    int mode = 0;
    int brightness = 0;
    int speedIndex = 0; // speed - 1
    Rgb colour1;        // the top colour
    Rgb colour2;        // the bottom colour
    bool fullColour = false;

    static LightEffectState fromRecord(const colorInfoData &record)
    {
        LightEffectState s;
        s.mode = record.modeCode;
        s.brightness = record.brightness;
        s.speedIndex = record.speed - 1;
        s.colour1 = { record.red1, record.green1, record.blue1 };
        s.colour2 = { record.red2, record.green2, record.blue2 };
        s.fullColour = record.fullColor == 1;
        return s;
    }
};

#endif
