// Keyboard effects whose pattern moves across the keys by itself: Wave (a
// band moving Right, Left, Up, Down, out from or in to the centre), Radar (a
// beam sweeping round the centre), Striation (stripes turning round the
// centre) and Snake (a tail running round the edge of the keyboard's keys).
// Each frame is a pure function of the step, the settings and the keys.
#ifndef LUMTAR_LIGHTFX_MOTION_EFFECTS_H
#define LUMTAR_LIGHTFX_MOTION_EFFECTS_H

#include "sdk/lightfx/FrameCanvas.h"
#include "sdk/lightfx/LightSettings.h"
#include "sdk/lightfx/ModelKeys.h"

#include <cstdint>

namespace lumtar::lightfx::MotionEffects {

// Steps a wave takes to move one key.
constexpr uint32_t kWaveStepsPerKey = 8;
// Steps of one turn of the radar beam and of the stripes.
constexpr uint32_t kRadarTurnSteps = 192;
constexpr uint32_t kStriationTurnSteps = 320;
// Steps the snake takes to move one key, and its length in keys.
constexpr uint32_t kSnakeStepsPerKey = 2;
constexpr int kSnakeLength = 14;

void drawWave(FrameCanvas& canvas, const LightSettings& settings, uint32_t step);
void drawRadar(FrameCanvas& canvas, const LightSettings& settings, uint32_t step);
void drawStriation(FrameCanvas& canvas, const LightSettings& settings, uint32_t step);
// The snake runs round the edge path of `keys`; a keyboard with fewer edge
// keys than the snake is long shows a shorter snake.
void drawSnake(FrameCanvas& canvas, const LightSettings& settings, uint32_t step, const ModelKeys& keys);

} // namespace lumtar::lightfx::MotionEffects

#endif
