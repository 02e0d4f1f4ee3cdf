// Speed Respond: the rows fill like a meter with the rate of key presses,
// from the bottom row up (Up) or from the top row down (Down), and sink
// again when the presses slow down.
#ifndef LUMTAR_LIGHTFX_SPEED_RESPOND_EFFECT_H
#define LUMTAR_LIGHTFX_SPEED_RESPOND_EFFECT_H

#include "sdk/lightfx/FrameCanvas.h"
#include "sdk/lightfx/LightSettings.h"

namespace lumtar::lightfx {

class SpeedRespondEffect {
public:
    // Rows one press adds; each step the fill sinks by kSinkBase plus
    // kSinkShare of itself, so a steady press rate p (presses per step)
    // holds it near (kPressRows * p - kSinkBase) / kSinkShare rows.
    static constexpr float kPressRows = 0.5f;
    static constexpr float kSinkBase = 0.015f;
    static constexpr float kSinkShare = 0.01f;

    void reset() { m_fill = 0.0f; }
    void press();
    // Draws the filled rows; column 0 carries each row's fill rank (1 fills
    // first) in `level`. Then the fill sinks.
    void draw(FrameCanvas& canvas, const LightSettings& settings);

    float fill() const { return m_fill; }

private:
    float m_fill = 0.0f; // rows, 0..6
};

} // namespace lumtar::lightfx

#endif
