// Twinkle: keys of the keyboard picked at random light up and fade out again.
#ifndef LUMTAR_LIGHTFX_TWINKLE_EFFECT_H
#define LUMTAR_LIGHTFX_TWINKLE_EFFECT_H

#include "sdk/lightfx/FrameCanvas.h"
#include "sdk/lightfx/KeyGrid.h"
#include "sdk/lightfx/LightRandom.h"
#include "sdk/lightfx/LightSettings.h"
#include "sdk/lightfx/ModelKeys.h"

#include <array>

namespace lumtar::lightfx {

class TwinkleEffect {
public:
    static constexpr int kRiseSteps = 12;
    static constexpr int kFallSteps = 36;

    TwinkleEffect() { reset(); }
    void reset();
    void draw(FrameCanvas& canvas, const LightSettings& settings, LightRandom& random, const ModelKeys& keys);

private:
    static constexpr int kIdle = -1;
    std::array<int, KeyGrid::kKeys> m_age{};
    std::array<int, KeyGrid::kKeys> m_hue{};
};

} // namespace lumtar::lightfx

#endif
