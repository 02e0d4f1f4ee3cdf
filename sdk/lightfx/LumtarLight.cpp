// The C surface of the light-effect engine: thin shims over LightEngine.
#include "sdk/include/LumtarLight.h"

#include "sdk/lightfx/LightEngine.h"

using lumtar::lightfx::LightEngine;

extern "C" {

int CLumtarLight_Init(void)
{
    LightEngine::instance();
    return 0;
}

int CLumtarHid_SetKeyboardColorInfoDataStu(colorInfoData info, int /*modelValue*/, const char* /*modelName*/,
                                           int /*hasSideLight*/)
{
    // The model's keys come with CLumtarHid_SetKeyboardKeyPositions.
    LightEngine::instance().setKeyboard(info);
    return 0;
}

int CLumtarHid_SetKeyboardColorInfoDataStuHaveChanged(colorInfoData info)
{
    LightEngine::instance().changeKeyboard(info);
    return 0;
}

int CLumtarHid_SetKeyboardKeyPositions(const uint8_t* keyColumns, int count)
{
    if (keyColumns && count != lumtar::lightfx::ModelKeys::kColumnBytes)
        return -1;
    LightEngine::instance().setKeyboardKeys(lumtar::lightfx::ModelKeys(keyColumns));
    return 0;
}

int CLumtarHid_keyboardLightColorRuning(LumtarLightFrameCallback callback)
{
    return LightEngine::instance().runKeyboard(callback) ? 0 : -1;
}

LightColorStu CLumtarHid_lightColorMix(int row, int column)
{
    return LightEngine::instance().mix(row, column);
}

int CLumtarHid_keyClickedSendXY(int row, int column)
{
    return LightEngine::instance().press(row, column) ? 0 : -1;
}

LightColorStu CLumtarHid_GetCurrentRippleLightColor(void)
{
    return LightEngine::instance().rippleColour();
}

AutoRippleLightConfigStu CLumtarHid_GetCurrentAutoRippleLightConfig(void)
{
    return LightEngine::instance().autoRipple();
}

int CLumtarHid_SetSideColorInfoDataStu(colorInfoData info, int count, std::vector<int> validStatus)
{
    LightEngine::instance().setSide(info, count, validStatus);
    return 0;
}

int CLumtarHid_SetSideColorInfoDataStuHaveChanged(colorInfoData info)
{
    LightEngine::instance().changeSide(info);
    return 0;
}

int CLumtarHid_sideLightColorRuning(LumtarLightFrameCallback callback)
{
    return LightEngine::instance().runSide(callback) ? 0 : -1;
}

SideCollisionLightConfigStu CLumtarHid_GetSideCollisionLightRuningConfig(void)
{
    return LightEngine::instance().collision();
}

} // extern "C"
