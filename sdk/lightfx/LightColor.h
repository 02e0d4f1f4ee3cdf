// Colour arithmetic of the light effects: 8-bit channels, integer only.
#ifndef LUMTAR_LIGHTFX_LIGHT_COLOR_H
#define LUMTAR_LIGHTFX_LIGHT_COLOR_H

#include <cstdint>

namespace lumtar::lightfx {

struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;

    bool isBlack() const { return r == 0 && g == 0 && b == 0; }
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
    bool operator!=(const Rgb& o) const { return !(*this == o); }
};

constexpr int clampChannel(int v)
{
    return v < 0 ? 0 : (v > 255 ? 255 : v);
}

// Rounds a 0..1 weight to 0..255.
inline int weightByte(float w)
{
    if (!(w > 0.0f)) // also NaN
        return 0;
    if (w >= 1.0f)
        return 255;
    return static_cast<int>(w * 255.0f + 0.5f);
}

// `top` over `bottom` by weight 0..255: 255 gives top, 0 gives bottom.
inline Rgb blend(Rgb top, Rgb bottom, int weight)
{
    const int w = clampChannel(weight);
    const int v = 255 - w;
    return { (top.r * w + bottom.r * v + 127) / 255, (top.g * w + bottom.g * v + 127) / 255,
             (top.b * w + bottom.b * v + 127) / 255 };
}

// `c` darkened to weight 0..255.
inline Rgb scaled(Rgb c, int weight)
{
    return blend(c, Rgb{}, weight);
}

// Hues of the rainbow run over 0..kHueTurn (one turn, six sectors of 256).
constexpr int kHueTurn = 1536;

constexpr int wrapHue(int hue)
{
    return ((hue % kHueTurn) + kHueTurn) % kHueTurn;
}

// The rainbow: fully saturated colours, red at 0, green at 512, blue at 1024.
inline Rgb rainbow(int hue)
{
    const int h = wrapHue(hue);
    const int f = h & 0xFF;
    switch (h >> 8) {
    case 0: return { 255, f, 0 };
    case 1: return { 255 - f, 255, 0 };
    case 2: return { 0, 255, f };
    case 3: return { 0, 255 - f, 255 };
    case 4: return { f, 0, 255 };
    default: return { 255, 0, 255 - f };
    }
}

} // namespace lumtar::lightfx

#endif
