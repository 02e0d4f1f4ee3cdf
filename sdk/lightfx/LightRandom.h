// The effects' random numbers: a small generator, reseeded from a fixed value
// whenever an effect restarts, so the same calls always give the same frames.
#ifndef LUMTAR_LIGHTFX_LIGHT_RANDOM_H
#define LUMTAR_LIGHTFX_LIGHT_RANDOM_H

#include <cstdint>

namespace lumtar::lightfx {

class LightRandom {
public:
    static constexpr uint32_t kSeed = 0x4C554D54u;

    void reseed() { m_state = kSeed; }

    // xorshift32: never 0 from a non-zero seed.
    uint32_t next()
    {
        uint32_t x = m_state;
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        m_state = x;
        return x;
    }

    // A whole number in [0, n); 0 for n <= 0.
    int below(int n) { return n > 0 ? static_cast<int>(next() % static_cast<uint32_t>(n)) : 0; }

    // A number in [lo, hi).
    float between(float lo, float hi) { return lo + (hi - lo) * static_cast<float>(next() >> 8) / 16777216.0f; }

private:
    uint32_t m_state = kSeed;
};

} // namespace lumtar::lightfx

#endif
