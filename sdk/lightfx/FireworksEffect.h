// Fireworks: a press flashes its key and throws sparks that scatter in all
// directions and burn out.
#ifndef LUMTAR_LIGHTFX_FIREWORKS_EFFECT_H
#define LUMTAR_LIGHTFX_FIREWORKS_EFFECT_H

#include "sdk/lightfx/FrameCanvas.h"
#include "sdk/lightfx/LightRandom.h"
#include "sdk/lightfx/LightSettings.h"

#include <array>

namespace lumtar::lightfx {

class FireworksEffect {
public:
    static constexpr int kSparksPerPress = 10;
    static constexpr int kMaxSparks = 96;

    void reset() { m_sparkCount = 0; }
    // Throws the sparks of one press; the oldest sparks give way when too
    // many fly. In full colour each spark has its own colour.
    void press(int row, int column, LightRandom& random);
    // Draws the sparks and moves them on.
    void draw(FrameCanvas& canvas, const LightSettings& settings);

private:
    struct Spark {
        float x = 0, y = 0;   // position in keys (column, row)
        float dx = 0, dy = 0; // keys per step
        int age = 0;
        int life = 0;
        int hue = 0;
    };

    std::array<Spark, kMaxSparks> m_sparks{};
    int m_sparkCount = 0;
};

} // namespace lumtar::lightfx

#endif
