// The keyboard light: its settings, the running effect's state and the last
// frame with each key's mixed colour. Not locked: LightEngine guards it.
#ifndef LUMTAR_LIGHTFX_KEYBOARD_LIGHT_ENGINE_H
#define LUMTAR_LIGHTFX_KEYBOARD_LIGHT_ENGINE_H

#include "sdk/include/LumtarLight.h"
#include "sdk/lightfx/FireworksEffect.h"
#include "sdk/lightfx/KeyGrid.h"
#include "sdk/lightfx/LightRandom.h"
#include "sdk/lightfx/LightSettings.h"
#include "sdk/lightfx/ModelKeys.h"
#include "sdk/lightfx/PressQueue.h"
#include "sdk/lightfx/ReactiveEffects.h"
#include "sdk/lightfx/SpeedRespondEffect.h"
#include "sdk/lightfx/TwinkleEffect.h"

#include <array>
#include <cstdint>

namespace lumtar::lightfx {

class KeyboardLightEngine {
public:
    KeyboardLightEngine() { start(LightSettings{}); }

    // Starts the effect of `settings` afresh: step 0, no waves, the random
    // numbers from their seed.
    void start(const LightSettings& settings);
    void takeChanges(const colorInfoData& record) { m_settings.takeChanges(LUMTAR_LIGHT_KIND_KEYBOARD, record); }
    // The keys the effects keep to from the next step on; the effect runs on.
    void setKeys(const ModelKeys& keys) { m_keys = keys; }
    const ModelKeys& keys() const { return m_keys; }

    // One step: the presses start their waves, the frame is drawn and each
    // key's mixed colour worked out.
    void step(const PressQueue::Batch& presses);

    const std::array<LightFramePointStu, KeyGrid::kKeys>& frame() const { return m_frame; }
    Rgb mix(int key) const { return m_mix[key]; }
    // The colour of the newest press, counting `waiting` presses not taken
    // yet; before any press, the colour the first one will take.
    Rgb pressColour(int waiting) const;
    AutoRippleLightConfigStu autoRipple() const { return m_reactive.autoRipple(); }
    const LightSettings& settings() const { return m_settings; }

private:
    static bool takesPresses(int mode);

    LightSettings m_settings;
    ModelKeys m_keys;
    uint32_t m_step = 0;
    int m_pressCount = 0; // presses taken since the start
    LightRandom m_random;
    TwinkleEffect m_twinkle;
    ReactiveEffects m_reactive;
    FireworksEffect m_fireworks;
    SpeedRespondEffect m_speedRespond;
    std::array<LightFramePointStu, KeyGrid::kKeys> m_frame{};
    std::array<Rgb, KeyGrid::kKeys> m_mix{};
};

} // namespace lumtar::lightfx

#endif
