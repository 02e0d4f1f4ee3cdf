// The process's light-effect engine: the keyboard light, the side light and
// the presses waiting for the keyboard. Each light has its own lock; a frame
// is handed to its callback as a copy with no lock held, so the callback
// may call back into the engine.
#ifndef LUMTAR_LIGHTFX_LIGHT_ENGINE_H
#define LUMTAR_LIGHTFX_LIGHT_ENGINE_H

#include "sdk/include/LumtarLight.h"
#include "sdk/lightfx/KeyboardLightEngine.h"
#include "sdk/lightfx/PressQueue.h"
#include "sdk/lightfx/SideLightEngine.h"

#include <mutex>
#include <vector>

namespace lumtar::lightfx {

class LightEngine {
public:
    static LightEngine& instance();

    void setKeyboard(const colorInfoData& record);
    void changeKeyboard(const colorInfoData& record);
    void setKeyboardKeys(const ModelKeys& keys);
    // false (no step) for a null callback.
    bool runKeyboard(LumtarLightFrameCallback callback);
    LightColorStu mix(int row, int column);
    // false for a position outside the key matrix.
    bool press(int row, int column) { return m_presses.push(row, column); }
    // The presses waiting, oldest first; they wait no more. The keyboard step
    // takes them itself; this is for callers that look without stepping.
    PressQueue::Batch takePresses() { return m_presses.take(); }
    LightColorStu rippleColour();
    AutoRippleLightConfigStu autoRipple();

    void setSide(const colorInfoData& record, int count, const std::vector<int>& validStatus);
    void changeSide(const colorInfoData& record);
    bool runSide(LumtarLightFrameCallback callback);
    SideCollisionLightConfigStu collision();

private:
    LightEngine() = default;

    std::mutex m_keyboardMutex;
    KeyboardLightEngine m_keyboard;

    PressQueue m_presses;

    std::mutex m_sideMutex;
    SideLightEngine m_side;
};

} // namespace lumtar::lightfx

#endif
