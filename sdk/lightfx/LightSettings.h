// What an effect reads of a light's record, made safe: colours within
// 0..255, a direction the mode uses (else the mode's own), the full-colour
// flag as a bool.
#ifndef LUMTAR_LIGHTFX_LIGHT_SETTINGS_H
#define LUMTAR_LIGHTFX_LIGHT_SETTINGS_H

#include "sdk/include/LumtarRecords.h"
#include "sdk/lightfx/LightColor.h"

namespace lumtar::lightfx {

struct LightSettings {
    int mode = -1;
    Rgb top;    // colour 1
    Rgb bottom; // colour 2: what lies under the effect
    int direction = LightDirection_Right;
    bool fullColour = false;

    // The settings of a keyboard (kind 0) or side (kind 1) record.
    static LightSettings fromRecord(int kind, const colorInfoData& record);
    // Takes colours, direction and full-colour flag of `record`, keeps the mode.
    void takeChanges(int kind, const colorInfoData& record);

    // The direction a mode of that kind runs in, given the record's direction.
    static int effectiveDirection(int kind, int mode, int direction);
};

} // namespace lumtar::lightfx

#endif
