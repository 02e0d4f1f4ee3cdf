// Side light effects that move along the strip of segments: Wave (a band
// running from the first segment to the last) and Collision (two lights
// start at both ends, meet in the middle, flash, and start again). Static,
// Breath and Neon are the pulse effects; Close leaves the strip dark.
#ifndef LUMTAR_LIGHTFX_SIDE_EFFECTS_H
#define LUMTAR_LIGHTFX_SIDE_EFFECTS_H

#include "sdk/include/LumtarLight.h"
#include "sdk/lightfx/FrameCanvas.h"
#include "sdk/lightfx/LightSettings.h"

#include <cstdint>

namespace lumtar::lightfx::SideEffects {

constexpr uint32_t kWaveStepsPerSegment = 6;
// Segments per step a collision light moves, the length of its trail and
// the steps of the flash where the lights meet.
constexpr float kCollisionSpeed = 0.25f;
constexpr float kCollisionTrail = 4.0f;
constexpr int kCollisionFlashSteps = 18;

// The canvas holds the strip's segments.
void drawWave(FrameCanvas& canvas, const LightSettings& settings, uint32_t step);
// Points of the light from segment 0 carry its colour in r, g, b and the
// other light's in r2, g2, b2, and the other way round; the flash carries
// both, with stage 1..9. Returns the lights' state.
SideCollisionLightConfigStu drawCollision(FrameCanvas& canvas, const LightSettings& settings, uint32_t step);

} // namespace lumtar::lightfx::SideEffects

#endif
