#include "sdk/lightfx/PulseEffects.h"

#include <cmath>

namespace lumtar::lightfx::PulseEffects {

namespace {

constexpr float kTwoPi = 6.2831853f;

// 0 at the start of a period, 1 half way, 0 at its end: a smooth swell.
float swell(uint32_t step, uint32_t period)
{
    const float phase = static_cast<float>(step % period) / static_cast<float>(period);
    return 0.5f - 0.5f * std::cos(kTwoPi * phase);
}

int fadeOf(uint32_t step, uint32_t period)
{
    return step % period < period / 2 ? Fade_Rising : Fade_Falling;
}

} // namespace

void drawStatic(FrameCanvas& canvas, const LightSettings& settings)
{
    canvas.fill(settings.top, 255);
}

void drawBreath(FrameCanvas& canvas, const LightSettings& settings, uint32_t step)
{
    const int breath = static_cast<int>(step / kBreathSteps);
    const Rgb colour = settings.fullColour ? rainbow(breath * 256) : settings.top;
    canvas.fill(colour, weightByte(swell(step, kBreathSteps)), fadeOf(step, kBreathSteps));
}

void drawNeon(FrameCanvas& canvas, const LightSettings& settings, uint32_t step)
{
    if (settings.fullColour) {
        const int hue = static_cast<int>(step % kNeonSteps) * kHueTurn / static_cast<int>(kNeonSteps);
        canvas.fill(rainbow(hue), 255);
        return;
    }
    // Intensity weighs colour 1 against colour 2: 255 shows colour 1.
    const int fade = fadeOf(step, kNeonSteps) == Fade_Rising ? Fade_Falling : Fade_Rising;
    canvas.fill(settings.top, 255 - weightByte(swell(step, kNeonSteps)), fade);
}

} // namespace lumtar::lightfx::PulseEffects
