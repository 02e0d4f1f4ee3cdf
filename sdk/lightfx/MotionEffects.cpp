#include "sdk/lightfx/MotionEffects.h"

#include "sdk/lightfx/KeyGrid.h"

#include <cmath>

namespace lumtar::lightfx::MotionEffects {

namespace {

constexpr float kTwoPi = 6.2831853f;

// A soft bright band once per period: 1 at phase 0, 0 half a period away.
float band(float phase)
{
    const float c = 0.5f + 0.5f * std::cos(kTwoPi * phase);
    return c * c;
}

// Where a key lies along a wave's direction of travel, in keys.
float alongWave(int direction, int key)
{
    const KeyGrid& grid = KeyGrid::instance();
    switch (direction) {
    case LightDirection_Left: return -static_cast<float>(KeyGrid::columnOf(key));
    case LightDirection_Up: return -static_cast<float>(KeyGrid::rowOf(key));
    case LightDirection_Down: return static_cast<float>(KeyGrid::rowOf(key));
    case LightDirection_Dispersion: return grid.centreDistance(key);
    case LightDirection_Gather: return -grid.centreDistance(key);
    default: return static_cast<float>(KeyGrid::columnOf(key));
    }
}

bool isAcross(int direction)
{
    return direction == LightDirection_Right || direction == LightDirection_Left;
}

} // namespace

void drawWave(FrameCanvas& canvas, const LightSettings& settings, uint32_t step)
{
    // Wrapped after a whole number of every band and rainbow length, so the
    // pattern runs on without a jump while the numbers stay small.
    constexpr uint32_t kWrapKeys = 1848;
    const float travelled = static_cast<float>(step % (kWaveStepsPerKey * kWrapKeys)) / kWaveStepsPerKey;
    const bool across = isAcross(settings.direction);
    if (settings.fullColour) {
        // One rainbow over this many keys, flowing the wave's way.
        const float rainbowKeys = across ? 22.0f : 12.0f;
        for (int key = 0; key < KeyGrid::kKeys; ++key) {
            const float u = alongWave(settings.direction, key) - travelled;
            canvas.light(key, rainbow(static_cast<int>(std::lround(-u / rainbowKeys * kHueTurn))), 255);
        }
        return;
    }
    const float wavelength = across ? 14.0f : 8.0f;
    for (int key = 0; key < KeyGrid::kKeys; ++key) {
        const float u = alongWave(settings.direction, key) - travelled;
        canvas.light(key, settings.top, weightByte(band(u / wavelength)));
    }
}

void drawRadar(FrameCanvas& canvas, const LightSettings& settings, uint32_t step)
{
    const KeyGrid& grid = KeyGrid::instance();
    const bool clockwise = settings.direction != LightDirection_UnCW;
    const uint32_t beam = (step % kRadarTurnSteps) * 65536u / kRadarTurnSteps;
    constexpr float kTrail = 65536.0f / 3.0f; // the glow behind the beam: a third of a turn
    for (int key = 0; key < KeyGrid::kKeys; ++key) {
        const uint32_t angle = grid.angle(key);
        const uint32_t behind = clockwise ? (beam - angle) & 0xFFFFu : (angle + beam) & 0xFFFFu;
        const float glow = behind < kTrail ? 1.0f - static_cast<float>(behind) / kTrail : 0.0f;
        const int intensity = weightByte(glow * std::sqrt(glow));
        const Rgb colour = settings.fullColour ? scaled(rainbow(static_cast<int>(angle * kHueTurn / 65536u)), intensity)
                                               : settings.top;
        canvas.light(key, colour, intensity);
    }
}

void drawStriation(FrameCanvas& canvas, const LightSettings& settings, uint32_t step)
{
    constexpr float kStripeKeys = 6.0f;
    const float turn = static_cast<float>(step % kStriationTurnSteps) / kStriationTurnSteps;
    const float theta = kTwoPi * (settings.direction == LightDirection_UnCW ? -turn : turn);
    const float c = std::cos(theta);
    const float s = std::sin(theta);
    for (int key = 0; key < KeyGrid::kKeys; ++key) {
        const float x = KeyGrid::columnOf(key) - KeyGrid::kCentreX;
        const float y = KeyGrid::rowOf(key) - KeyGrid::kCentreY;
        const float across = (x * c + y * s) / kStripeKeys;
        const Rgb colour = settings.fullColour ? rainbow(static_cast<int>(std::lround(across * kHueTurn / 4)))
                                               : settings.top;
        canvas.light(key, colour, weightByte(band(across)));
    }
}

void drawSnake(FrameCanvas& canvas, const LightSettings& settings, uint32_t step, const ModelKeys& keys)
{
    const int ring = keys.ringLength();
    if (ring == 0)
        return;
    const bool clockwise = settings.direction != LightDirection_UnCW;
    const int length = ring < kSnakeLength ? ring : kSnakeLength;
    const int head = static_cast<int>((step / kSnakeStepsPerKey) % static_cast<uint32_t>(ring));
    for (int k = 0; k < length; ++k) {
        // k keys behind the head; anticlockwise runs the path backwards.
        int position = clockwise ? head - k : -(head - k);
        position = ((position % ring) + ring) % ring;
        const int intensity = 255 * (kSnakeLength - k) / kSnakeLength;
        const Rgb colour = settings.fullColour ? rainbow(static_cast<int>(step) * 8 + k * 96) : settings.top;
        // A path may pass a key twice (a row's only key, a single row there
        // and back): the part nearer the head keeps it.
        canvas.lightStronger(keys.ringKey(position), colour, intensity, k < 3 ? k + 1 : 0);
    }
}

} // namespace lumtar::lightfx::MotionEffects
