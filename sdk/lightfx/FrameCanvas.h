// One frame being drawn. Every point starts dark (all fields 0); an effect
// lights a point with a colour and an intensity, the weight of that colour
// over the light's colour 2.
#ifndef LUMTAR_LIGHTFX_FRAME_CANVAS_H
#define LUMTAR_LIGHTFX_FRAME_CANVAS_H

#include "sdk/include/LumtarLight.h"
#include "sdk/lightfx/LightColor.h"

#include <cstring>

namespace lumtar::lightfx {

// fadeMode values of a point.
enum FadeMode { Fade_Steady = 0, Fade_Rising = 1, Fade_Falling = 2 };

class FrameCanvas {
public:
    FrameCanvas(LightFramePointStu* points, int count) : m_points(points), m_count(count) {}

    int count() const { return m_count; }
    LightFramePointStu& point(int i) { return m_points[i]; }

    void clear() { std::memset(m_points, 0, sizeof(LightFramePointStu) * static_cast<size_t>(m_count)); }

    void light(int i, Rgb colour, int intensity, int stage = 0, int fade = Fade_Steady)
    {
        LightFramePointStu& p = m_points[i];
        p.r = colour.r;
        p.g = colour.g;
        p.b = colour.b;
        p.intensity = clampChannel(intensity);
        p.stage = stage;
        p.fadeMode = fade;
    }

    // Lights the point unless it is already lit at least as strongly.
    void lightStronger(int i, Rgb colour, int intensity, int stage = 0)
    {
        if (intensity > m_points[i].intensity)
            light(i, colour, intensity, stage);
    }

    void fill(Rgb colour, int intensity, int fade = Fade_Steady)
    {
        for (int i = 0; i < m_count; ++i)
            light(i, colour, intensity, 0, fade);
    }

private:
    LightFramePointStu* m_points;
    int m_count;
};

} // namespace lumtar::lightfx

#endif
