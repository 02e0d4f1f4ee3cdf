// Effects that give the whole light one colour that changes in time:
// Static, Breath (rise and fall) and Neon (a colour cycle). Keyboard and
// side light alike.
#ifndef LUMTAR_LIGHTFX_PULSE_EFFECTS_H
#define LUMTAR_LIGHTFX_PULSE_EFFECTS_H

#include "sdk/lightfx/FrameCanvas.h"
#include "sdk/lightfx/LightSettings.h"

#include <cstdint>

namespace lumtar::lightfx::PulseEffects {

// Steps of one breath (dark, full, dark) and of one Neon colour cycle.
constexpr uint32_t kBreathSteps = 160;
constexpr uint32_t kNeonSteps = 384;

// Colour 1 everywhere, at full strength.
void drawStatic(FrameCanvas& canvas, const LightSettings& settings);
// Colour 1 (full colour: the next rainbow colour each breath) rising from
// dark to full and falling back.
void drawBreath(FrameCanvas& canvas, const LightSettings& settings, uint32_t step);
// Full colour: once round the rainbow. Otherwise colour 1 turning into
// colour 2 and back.
void drawNeon(FrameCanvas& canvas, const LightSettings& settings, uint32_t step);

} // namespace lumtar::lightfx::PulseEffects

#endif
