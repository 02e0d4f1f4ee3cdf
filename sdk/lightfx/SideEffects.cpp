#include "sdk/lightfx/SideEffects.h"

#include <cmath>

namespace lumtar::lightfx::SideEffects {

namespace {

constexpr float kTwoPi = 6.2831853f;

uint8_t segmentByte(float position)
{
    const long p = std::lround(position);
    return static_cast<uint8_t>(p < 0 ? 0 : (p > 255 ? 255 : p));
}

void setSecond(LightFramePointStu& p, Rgb c)
{
    p.r2 = c.r;
    p.g2 = c.g;
    p.b2 = c.b;
}

} // namespace

void drawWave(FrameCanvas& canvas, const LightSettings& settings, uint32_t step)
{
    constexpr float kBandSegments = 10.0f;
    constexpr float kRainbowSegments = 20.0f;
    constexpr uint32_t kWrapSegments = 20 * 1000; // whole bands and rainbows: no jump
    const float travelled = static_cast<float>(step % (kWaveStepsPerSegment * kWrapSegments)) / kWaveStepsPerSegment;
    for (int k = 0; k < canvas.count(); ++k) {
        const float u = static_cast<float>(k) - travelled;
        if (settings.fullColour) {
            canvas.light(k, rainbow(static_cast<int>(std::lround(-u / kRainbowSegments * kHueTurn))), 255);
        } else {
            const float c = 0.5f + 0.5f * std::cos(kTwoPi * u / kBandSegments);
            canvas.light(k, settings.top, weightByte(c * c));
        }
    }
}

SideCollisionLightConfigStu drawCollision(FrameCanvas& canvas, const LightSettings& settings, uint32_t step)
{
    const int n = canvas.count();
    if (n == 0)
        return {};
    const float last = static_cast<float>(n - 1);
    const uint32_t meetStep = static_cast<uint32_t>(std::ceil(last / 2.0f / kCollisionSpeed));
    const uint32_t cycleSteps = meetStep + kCollisionFlashSteps;
    const int cycle = static_cast<int>(step / cycleSteps);
    const uint32_t s = step % cycleSteps;
    const Rgb first = settings.fullColour ? rainbow(cycle * 256) : settings.top;
    const Rgb second = settings.fullColour ? rainbow(cycle * 256 + kHueTurn / 2) : settings.top;

    if (s < meetStep) {
        const float travelled = static_cast<float>(s) * kCollisionSpeed;
        const float headFirst = travelled;
        const float headSecond = last - travelled;
        for (int k = 0; k < n; ++k) {
            const float behindFirst = headFirst - static_cast<float>(k);
            const float behindSecond = static_cast<float>(k) - headSecond;
            const int fromFirst = behindFirst >= -0.5f ? weightByte(1.0f - behindFirst / kCollisionTrail) : 0;
            const int fromSecond = behindSecond >= -0.5f ? weightByte(1.0f - behindSecond / kCollisionTrail) : 0;
            if (fromFirst == 0 && fromSecond == 0)
                continue;
            const bool firstLeads = fromFirst >= fromSecond;
            canvas.light(k, firstLeads ? first : second, firstLeads ? fromFirst : fromSecond);
            setSecond(canvas.point(k), firstLeads ? second : first);
        }
        return { segmentByte(headFirst), segmentByte(headSecond), static_cast<uint8_t>(first.r),
                 static_cast<uint8_t>(first.g), static_cast<uint8_t>(first.b) };
    }

    // The flash spreads from where the lights met and fades.
    const int f = static_cast<int>(s - meetStep);
    const float middle = last / 2.0f;
    const float radius = 1.0f + 0.5f * static_cast<float>(f);
    const int intensity = 255 * (kCollisionFlashSteps - f) / kCollisionFlashSteps;
    for (int k = 0; k < n; ++k) {
        if (std::fabs(static_cast<float>(k) - middle) > radius)
            continue;
        canvas.light(k, first, intensity, f / 2 + 1);
        setSecond(canvas.point(k), second);
    }
    return { segmentByte(middle), segmentByte(middle), static_cast<uint8_t>(first.r), static_cast<uint8_t>(first.g),
             static_cast<uint8_t>(first.b) };
}

} // namespace lumtar::lightfx::SideEffects
