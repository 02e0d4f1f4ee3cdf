#include "sdk/lightfx/KeyboardLightEngine.h"

#include "sdk/lightfx/FrameCanvas.h"
#include "sdk/lightfx/MotionEffects.h"
#include "sdk/lightfx/PulseEffects.h"

namespace lumtar::lightfx {

void KeyboardLightEngine::start(const LightSettings& settings)
{
    m_settings = settings;
    m_step = 0;
    m_pressCount = 0;
    m_random.reseed();
    m_twinkle.reset();
    m_reactive.reset();
    m_fireworks.reset();
    m_speedRespond.reset();
    m_frame = {};
    m_mix = {};
}

bool KeyboardLightEngine::takesPresses(int mode)
{
    switch (mode) {
    case LightMode_Reactive:
    case LightMode_Aurora:
    case LightMode_Ripple:
    case LightMode_Cross:
    case LightMode_SpeedRespond:
    case LightMode_Fireworks:
        return true;
    default:
        return false;
    }
}

Rgb KeyboardLightEngine::pressColour(int waiting) const
{
    const int next = m_pressCount + waiting;
    return ReactiveEffects::waveColour(m_settings, next > 0 ? next - 1 : 0);
}

void KeyboardLightEngine::step(const PressQueue::Batch& presses)
{
    const int mode = m_settings.mode;
    if (takesPresses(mode)) {
        for (int i = 0; i < presses.count; ++i) {
            const KeyPress& p = presses.presses[i];
            if (mode == LightMode_Fireworks)
                m_fireworks.press(p.row, p.column, m_random);
            else if (mode == LightMode_SpeedRespond)
                m_speedRespond.press();
            else
                m_reactive.press(p.row, p.column, m_pressCount);
            ++m_pressCount;
        }
    }

    FrameCanvas canvas(m_frame.data(), KeyGrid::kKeys);
    canvas.clear();
    bool drawn = true;
    switch (mode) {
    case LightMode_Static: PulseEffects::drawStatic(canvas, m_settings); break;
    case LightMode_Breath: PulseEffects::drawBreath(canvas, m_settings, m_step); break;
    case LightMode_Neon: PulseEffects::drawNeon(canvas, m_settings, m_step); break;
    case LightMode_Wave: MotionEffects::drawWave(canvas, m_settings, m_step); break;
    case LightMode_Radar: MotionEffects::drawRadar(canvas, m_settings, m_step); break;
    case LightMode_Striation: MotionEffects::drawStriation(canvas, m_settings, m_step); break;
    case LightMode_Snake: MotionEffects::drawSnake(canvas, m_settings, m_step, m_keys); break;
    case LightMode_Twinkle: m_twinkle.draw(canvas, m_settings, m_random, m_keys); break;
    case LightMode_Reactive:
    case LightMode_Aurora:
    case LightMode_Ripple:
    case LightMode_Cross:
    case LightMode_AutoRipple: m_reactive.draw(canvas, m_settings, m_step, m_random, m_keys); break;
    case LightMode_Fireworks: m_fireworks.draw(canvas, m_settings); break;
    case LightMode_SpeedRespond: m_speedRespond.draw(canvas, m_settings); break;
    default: drawn = false; break; // Custom, Musical Rhythm, unknown: dark
    }

    for (int key = 0; key < KeyGrid::kKeys; ++key) {
        const LightFramePointStu& p = m_frame[key];
        m_mix[key] = drawn ? blend({ p.r, p.g, p.b }, m_settings.bottom, p.intensity) : Rgb{};
    }
    ++m_step;
}

} // namespace lumtar::lightfx
