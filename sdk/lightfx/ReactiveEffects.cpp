#include "sdk/lightfx/ReactiveEffects.h"

#include "sdk/lightfx/KeyGrid.h"

#include <algorithm>
#include <cmath>

namespace lumtar::lightfx {

namespace {

// Steps a Reactive key takes to fade.
constexpr int kReactiveSteps = 40;
// Keys per step a ripple ring, a cross and an aurora band travel.
constexpr float kRippleSpeed = 0.25f;
constexpr float kCrossSpeed = 0.4f;
constexpr float kAuroraSpeed = 0.25f;
// Half the width of a ripple ring and of an aurora band, the length of a
// cross arm's trail, in keys.
constexpr float kRingHalfWidth = 1.5f;
constexpr float kCrossTrail = 4.0f;
constexpr float kAuroraHalfWidth = 2.5f;
// A press keeps full strength for this many steps (point stage 1..9).
constexpr int kFreshSteps = 9;
// Hue step between the colours of successive presses.
constexpr int kPressHueStep = 352;

// max(0, 1 - |d| / halfWidth): a soft hump.
float hump(float d, float halfWidth)
{
    const float v = 1.0f - std::fabs(d) / halfWidth;
    return v > 0.0f ? v : 0.0f;
}

} // namespace

Rgb ReactiveEffects::waveColour(const LightSettings& settings, int number)
{
    return settings.fullColour ? rainbow(number * kPressHueStep) : settings.top;
}

void ReactiveEffects::reset()
{
    m_waveCount = 0;
    m_autoRippleCount = 0;
    m_autoRipple = {};
}

void ReactiveEffects::start(int row, int column, int number)
{
    if (m_waveCount == kMaxWaves) {
        std::move(m_waves.begin() + 1, m_waves.end(), m_waves.begin());
        --m_waveCount;
    }
    m_waves[m_waveCount++] = { row, column, 0, number };
}

void ReactiveEffects::draw(FrameCanvas& canvas, const LightSettings& settings, uint32_t step, LightRandom& random,
                           const ModelKeys& keys)
{
    if (settings.mode == LightMode_AutoRipple && step % kAutoRippleSteps == 0) {
        const int key = keys.key(random.below(keys.count()));
        const int row = KeyGrid::rowOf(key);
        const int column = KeyGrid::columnOf(key);
        const int number = m_autoRippleCount++;
        start(row, column, number);
        const Rgb c = waveColour(settings, number);
        m_autoRipple = { row, column, c.r, c.g, c.b };
        canvas.point(0).trigger = 1;
    }
    int kept = 0;
    for (int i = 0; i < m_waveCount; ++i) {
        if (!drawWave(canvas, settings, m_waves[i], keys))
            continue;
        Wave w = m_waves[i];
        ++w.age;
        m_waves[kept++] = w;
    }
    m_waveCount = kept;
}

bool ReactiveEffects::drawWave(FrameCanvas& canvas, const LightSettings& settings, const Wave& wave,
                               const ModelKeys& keys) const
{
    const Rgb colour = waveColour(settings, wave.number);
    const int stage = wave.age < kFreshSteps ? wave.age + 1 : 0;
    const float age = static_cast<float>(wave.age);
    switch (settings.mode) {
    case LightMode_Reactive: {
        if (wave.age >= kReactiveSteps)
            return false;
        const int intensity = 255 * (kReactiveSteps - wave.age) / kReactiveSteps;
        canvas.lightStronger(KeyGrid::index(wave.row, wave.column), colour, intensity, stage);
        return true;
    }
    case LightMode_Ripple:
    case LightMode_AutoRipple: {
        const float radius = age * kRippleSpeed;
        if (radius > KeyGrid::kSpan + kRingHalfWidth)
            return false;
        const float fade = 1.0f - radius / (KeyGrid::kSpan + kRingHalfWidth);
        const float inner = radius - kRingHalfWidth;
        const float outer = radius + kRingHalfWidth;
        for (int row = 0; row < KeyGrid::kRows; ++row) {
            // Only the columns where the ring crosses this row.
            const float dy = static_cast<float>(row - wave.row);
            if (outer * outer <= dy * dy)
                continue;
            const float reach = std::sqrt(outer * outer - dy * dy);
            const float hole = inner > std::fabs(dy) ? std::sqrt(inner * inner - dy * dy) : 0.0f;
            const int first = std::max(0, static_cast<int>(std::ceil(wave.column - reach)));
            const int last = std::min(KeyGrid::kColumns - 1, static_cast<int>(std::floor(wave.column + reach)));
            for (int column = first; column <= last; ++column) {
                const float dx = static_cast<float>(column - wave.column);
                if (std::fabs(dx) < hole)
                    continue;
                const float d = std::sqrt(dx * dx + dy * dy);
                const int intensity = weightByte(hump(d - radius, kRingHalfWidth) * fade);
                if (intensity > 0)
                    canvas.lightStronger(KeyGrid::index(row, column), colour, intensity);
            }
        }
        return true;
    }
    case LightMode_Cross: {
        const float front = age * kCrossSpeed;
        if (front - kCrossTrail > KeyGrid::kColumns)
            return false;
        auto lightArm = [&](int row, int column) {
            const float d = static_cast<float>(std::abs(row - wave.row) + std::abs(column - wave.column));
            if (d > front)
                return;
            const int intensity = weightByte(1.0f - (front - d) / kCrossTrail);
            if (intensity > 0)
                canvas.lightStronger(KeyGrid::index(row, column), colour, intensity, stage);
        };
        for (int column = 0; column < KeyGrid::kColumns; ++column)
            lightArm(wave.row, column);
        for (int row = 0; row < KeyGrid::kRows; ++row) {
            if (row != wave.row)
                lightArm(row, wave.column);
        }
        return true;
    }
    case LightMode_Aurora: {
        const bool gather = settings.direction == LightDirection_Gather;
        // The keyboard's edge farthest from the key, not the matrix's.
        const float farthest =
            static_cast<float>(std::max(wave.column - keys.firstColumn(), keys.lastColumn() - wave.column))
            + kAuroraHalfWidth;
        const float travelled = age * kAuroraSpeed;
        if (travelled > farthest)
            return false;
        // Out from the key's column, or in to it from the farthest edge.
        const float offset = gather ? farthest - travelled : travelled;
        const float strength = gather ? 0.4f + 0.6f * travelled / farthest : 1.0f - travelled / farthest;
        for (int row = 0; row < KeyGrid::kRows; ++row) {
            // The band sways a little from row to row, like a curtain.
            const float sway = 0.8f * std::sin(1.1f * static_cast<float>(row) + 0.12f * age);
            const Rgb shade = settings.fullColour ? rainbow(wave.number * kPressHueStep + row * 80) : colour;
            // Only the columns the band covers on either side of the key.
            const float centre = static_cast<float>(wave.column) - sway;
            const float reach = offset + kAuroraHalfWidth;
            const int first = std::max(0, static_cast<int>(std::ceil(centre - reach)));
            const int last = std::min(KeyGrid::kColumns - 1, static_cast<int>(std::floor(centre + reach)));
            for (int column = first; column <= last; ++column) {
                const float dx = std::fabs(static_cast<float>(column) - centre);
                if (dx <= offset - kAuroraHalfWidth)
                    continue;
                const int intensity = weightByte(hump(dx - offset, kAuroraHalfWidth) * strength);
                if (intensity > 0)
                    canvas.lightStronger(KeyGrid::index(row, column), shade, intensity, stage);
            }
        }
        return true;
    }
    default:
        return false; // another mode: the wave is dropped
    }
}

} // namespace lumtar::lightfx
