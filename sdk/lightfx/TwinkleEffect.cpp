#include "sdk/lightfx/TwinkleEffect.h"

namespace lumtar::lightfx {

void TwinkleEffect::reset()
{
    m_age.fill(kIdle);
    m_hue.fill(0);
}

void TwinkleEffect::draw(FrameCanvas& canvas, const LightSettings& settings, LightRandom& random, const ModelKeys& keys)
{
    // About one new twinkle every other step; a busy key is left alone.
    if (random.below(100) < 45) {
        const int key = keys.key(random.below(keys.count()));
        const int hue = random.below(kHueTurn);
        if (m_age[key] == kIdle) {
            m_age[key] = 0;
            m_hue[key] = hue;
        }
    }
    for (int key = 0; key < KeyGrid::kKeys; ++key) {
        const int age = m_age[key];
        if (age == kIdle)
            continue;
        const bool rising = age < kRiseSteps;
        const int intensity = rising ? 255 * (age + 1) / kRiseSteps
                                     : 255 * (kRiseSteps + kFallSteps - age) / kFallSteps;
        const Rgb colour = settings.fullColour ? rainbow(m_hue[key]) : settings.top;
        canvas.light(key, colour, intensity, 0, rising ? Fade_Rising : Fade_Falling);
        m_age[key] = age + 1 < kRiseSteps + kFallSteps ? age + 1 : kIdle;
    }
}

} // namespace lumtar::lightfx
