#include "ui/mainwidget/devicePage/lightDeal/LightPreviewBuilder.h"

#include "ui/mainwidget/devicePage/lightDeal/LightBrightness.h"

namespace {

using Rgb = LightEffectState::Rgb;

int held(int v)
{
    return v < 0 ? 0 : (v > 255 ? 255 : v);
}

int intensityOf(const LightFramePointStu &p)
{
    return held(p.intensity);
}

int fade(int intensity)
{
    return intensity < LightPreviewBuilder::FadeAlphaLimit ? intensity : LightPreviewBuilder::FadeAlphaLimit;
}

Rgb pointRgb(const LightFramePointStu &p)
{
    return { held(p.r), held(p.g), held(p.b) };
}

Rgb secondRgb(const LightFramePointStu &p)
{
    return { held(p.r2), held(p.g2), held(p.b2) };
}

Rgb mixRgb(const LightColorStu &m)
{
    return { held(m.r), held(m.g), held(m.b) };
}

Rgb blend(const Rgb &x, const Rgb &y, int a)
{
    const int w = held(a);
    auto c = [w](int xc, int yc) { return (held(xc) * w + (255 - w) * held(yc)) / 256; };
    return { c(x.r, y.r), c(x.g, y.g), c(x.b, y.b) };
}

Rgb scale(const Rgb &x, int a)
{
    const int w = held(a);
    return { x.r * w / 256, x.g * w / 256, x.b * w / 256 };
}

bool isStaged(const LightFramePointStu &p)
{
    return p.stage >= 1 && p.stage <= 9;
}

struct Preview {
    Rgb rgb;
    int alpha;
};

// Reactive, Aurora, Cross, Striation, Fireworks; Snake in full colour.
Preview pressEffect(const LightEffectState &s, const LightFramePointStu &p, const Rgb &mix)
{
    const int i = intensityOf(p);
    if (!s.colour2.isBlack())
        return { mix, LightPreviewBuilder::KeyAlpha };
    if (s.fullColour && isStaged(p))
        return { mix, LightPreviewBuilder::KeyAlpha };
    return { mix, fade(i) };
}

bool keyRow(const LightEffectState &s, const LightFramePointStu &p, const Rgb &mix, Preview *out)
{
    constexpr int A = LightPreviewBuilder::KeyAlpha;
    const int i = intensityOf(p);
    const Rgb c1 = s.colour1;
    const Rgb c2 = s.colour2;
    const Rgb rgb = pointRgb(p);
    switch (s.mode) {
    case LightMode_Static:
        *out = { rgb, c1.isBlack() ? 0 : A };
        return true;
    case LightMode_Breath: {
        const Rgb scaled = scale(rgb, i);
        *out = { scaled, (c1.isBlack() && scaled.isBlack()) ? 0 : fade(i) };
        return true;
    }
    case LightMode_Wave:
        *out = s.fullColour ? Preview{ rgb, A } : Preview{ blend(c1, c2, i), c1.isBlack() ? fade(i) : A };
        return true;
    case LightMode_Neon:
        *out = s.fullColour ? Preview{ rgb, A } : Preview{ blend(rgb, c2, i), c1.isBlack() ? fade(i) : A };
        return true;
    case LightMode_Radar:
        *out = s.fullColour ? Preview{ rgb, A } : Preview{ blend(c1, c2, i), c2.isBlack() ? fade(i) : A };
        return true;
    case LightMode_Snake:
        *out = s.fullColour ? pressEffect(s, p, mix) : Preview{ blend(rgb, c2, i), c2.isBlack() ? fade(i) : A };
        return true;
    case LightMode_Reactive:
    case LightMode_Aurora:
    case LightMode_Cross:
    case LightMode_Striation:
    case LightMode_Fireworks:
        *out = s.fullColour ? pressEffect(s, p, mix) : Preview{ mix, c2.isBlack() ? fade(i) : A };
        return true;
    case LightMode_Ripple:
    case LightMode_SpeedRespond:
    case LightMode_AutoRipple:
        *out = { mix, c2.isBlack() ? fade(i) : A };
        return true;
    case LightMode_Twinkle:
        *out = c2.isBlack() ? Preview{ blend(rgb, c2, fade(i)), fade(i) } : Preview{ blend(rgb, c2, i), A };
        return true;
    case LightMode_Custom:
        *out = { rgb, rgb.isBlack() ? 0 : A };
        return true;
    default:
        return false;
    }
}

bool sideRow(const LightEffectState &s, const LightFramePointStu &p, Preview *out)
{
    constexpr int A = LightPreviewBuilder::SideAlpha;
    const int i = intensityOf(p);
    const Rgb c1 = s.colour1;
    const Rgb c2 = s.colour2;
    const Rgb rgb = pointRgb(p);
    switch (s.mode) {
    case SideLightMode_Static:
        *out = { rgb, c1.isBlack() ? 0 : A };
        return true;
    case SideLightMode_Breath: {
        const Rgb scaled = scale(rgb, i);
        *out = { scaled, (c2.isBlack() && scaled.isBlack()) ? 0 : fade(i) };
        return true;
    }
    case SideLightMode_Wave:
        *out = s.fullColour ? Preview{ rgb, A } : Preview{ blend(c1, c2, i), c2.isBlack() ? fade(i) : A };
        return true;
    case SideLightMode_Collision:
        if (!s.fullColour)
            *out = { blend(rgb, c2, i), c2.isBlack() ? fade(i) : A };
        else
            *out = { blend(rgb, secondRgb(p), i), (c2.isBlack() && !isStaged(p)) ? fade(i) : A };
        return true;
    case SideLightMode_Neon:
        *out = s.fullColour ? Preview{ rgb, A } : Preview{ blend(rgb, c2, i), c2.isBlack() ? fade(i) : A };
        return true;
    default:
        return false;
    }
}

QColor colourOf(const Preview &p)
{
    return QColor(p.rgb.r, p.rgb.g, p.rgb.b, p.alpha);
}

} // namespace

bool LightPreviewBuilder::keyPreview(const LightEffectState &light, const LightFramePointStu &point,
                                     const LightColorStu &mix, const LightBrightness &brightness, QColor *out)
{
    Preview p;
    if (!keyRow(light, point, mixRgb(mix), &p))
        return false;
    *out = brightness.darken(colourOf(p), light.brightness);
    return true;
}

bool LightPreviewBuilder::sidePreview(const LightEffectState &light, const LightFramePointStu &point,
                                      const LightBrightness &brightness, QColor *out)
{
    if (light.mode == SideLightMode_Close) {
        *out = QColor(0, 0, 0, 0);
        return true;
    }
    Preview p;
    if (!sideRow(light, point, &p))
        return false;
    *out = brightness.darken(colourOf(p), light.brightness);
    return true;
}

QColor LightPreviewBuilder::musicPreview(const LightEffectState &light, const LightFramePointStu &point, int weight,
                                         const LightBrightness &brightness)
{
    const Rgb rgb = blend(pointRgb(point), light.colour2, weight);
    int alpha = KeyAlpha;
    if (light.colour2.isBlack())
        alpha = rgb.isBlack() ? 0 : fade(intensityOf(point));
    return brightness.darken(colourOf(Preview{ rgb, alpha }), light.brightness);
}

bool LightPreviewBuilder::needsMix(const LightEffectState &light)
{
    switch (light.mode) {
    case LightMode_Snake:
        return light.fullColour;
    case LightMode_Reactive:
    case LightMode_Aurora:
    case LightMode_Ripple:
    case LightMode_Cross:
    case LightMode_SpeedRespond:
    case LightMode_AutoRipple:
    case LightMode_Striation:
    case LightMode_Fireworks:
        return true;
    default:
        return false;
    }
}

int LightPreviewBuilder::speedRespondStrength(const LightEffectState &light, const LightFramePointStu &point)
{
    const int i = intensityOf(point);
    return light.colour2.isBlack() ? fade(i) : i;
}
