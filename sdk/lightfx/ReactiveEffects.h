// Keyboard effects driven by key presses, each press starting one wave from
// its key: Reactive (the key lights and fades), Ripple (a ring spreads),
// Cross (light runs outwards along the key's row and column) and Aurora (a
// soft band moving out from the key's column to the keyboard's far edge, or
// in to it from there). Auto Ripple starts ripples by itself at keys of the
// keyboard picked at random.
#ifndef LUMTAR_LIGHTFX_REACTIVE_EFFECTS_H
#define LUMTAR_LIGHTFX_REACTIVE_EFFECTS_H

#include "sdk/include/LumtarLight.h"
#include "sdk/lightfx/FrameCanvas.h"
#include "sdk/lightfx/LightRandom.h"
#include "sdk/lightfx/LightSettings.h"
#include "sdk/lightfx/ModelKeys.h"

#include <array>
#include <cstdint>

namespace lumtar::lightfx {

class ReactiveEffects {
public:
    static constexpr int kMaxWaves = 16;
    // Steps between two auto ripples (the first starts at once).
    static constexpr uint32_t kAutoRippleSteps = 30;

    // The colour of a press or auto ripple by its number since the start:
    // colour 1, or in full colour the next rainbow colour each time.
    static Rgb waveColour(const LightSettings& settings, int number);

    void reset();
    // Press number `number` starts a wave at its key; at most kMaxWaves
    // run, the oldest gives way.
    void press(int row, int column, int number) { start(row, column, number); }
    // Draws the waves of the mode and ages them. In Auto Ripple a new ripple
    // may start first, at one of `keys`; the first key then carries the trigger.
    void draw(FrameCanvas& canvas, const LightSettings& settings, uint32_t step, LightRandom& random,
              const ModelKeys& keys);

    AutoRippleLightConfigStu autoRipple() const { return m_autoRipple; }

private:
    struct Wave {
        int row = 0;
        int column = 0;
        int age = 0;
        int number = 0; // press or auto-ripple number: picks the colour
    };

    void start(int row, int column, int number);
    // How strongly `wave` lights each key; false once it is over.
    bool drawWave(FrameCanvas& canvas, const LightSettings& settings, const Wave& wave, const ModelKeys& keys) const;

    std::array<Wave, kMaxWaves> m_waves{};
    int m_waveCount = 0;
    int m_autoRippleCount = 0;
    AutoRippleLightConfigStu m_autoRipple{};
};

} // namespace lumtar::lightfx

#endif
