#include "sdk/lightfx/LightEngine.h"

#include <algorithm>

namespace lumtar::lightfx {

namespace {

LightColorStu toStu(Rgb c)
{
    return { c.r, c.g, c.b };
}

} // namespace

LightEngine& LightEngine::instance()
{
    static LightEngine engine;
    return engine;
}

void LightEngine::setKeyboard(const colorInfoData& record)
{
    std::lock_guard<std::mutex> lock(m_keyboardMutex);
    m_keyboard.start(LightSettings::fromRecord(LUMTAR_LIGHT_KIND_KEYBOARD, record));
    m_presses.clear();
}

void LightEngine::changeKeyboard(const colorInfoData& record)
{
    std::lock_guard<std::mutex> lock(m_keyboardMutex);
    m_keyboard.takeChanges(record);
}

void LightEngine::setKeyboardKeys(const ModelKeys& keys)
{
    std::lock_guard<std::mutex> lock(m_keyboardMutex);
    m_keyboard.setKeys(keys);
}

bool LightEngine::runKeyboard(LumtarLightFrameCallback callback)
{
    if (!callback)
        return false;
    LightFramePointStu frame[LUMTAR_LIGHT_KEY_POINTS];
    {
        std::lock_guard<std::mutex> lock(m_keyboardMutex);
        m_keyboard.step(m_presses.take());
        const auto& drawn = m_keyboard.frame();
        std::copy(drawn.begin(), drawn.end(), frame);
    }
    callback(frame);
    return true;
}

LightColorStu LightEngine::mix(int row, int column)
{
    if (!KeyGrid::contains(row, column))
        return {};
    std::lock_guard<std::mutex> lock(m_keyboardMutex);
    return toStu(m_keyboard.mix(KeyGrid::index(row, column)));
}

LightColorStu LightEngine::rippleColour()
{
    std::lock_guard<std::mutex> lock(m_keyboardMutex);
    return toStu(m_keyboard.pressColour(m_presses.size()));
}

AutoRippleLightConfigStu LightEngine::autoRipple()
{
    std::lock_guard<std::mutex> lock(m_keyboardMutex);
    return m_keyboard.autoRipple();
}

void LightEngine::setSide(const colorInfoData& record, int count, const std::vector<int>& validStatus)
{
    std::lock_guard<std::mutex> lock(m_sideMutex);
    m_side.start(LightSettings::fromRecord(LUMTAR_LIGHT_KIND_SIDE, record), count, validStatus);
}

void LightEngine::changeSide(const colorInfoData& record)
{
    std::lock_guard<std::mutex> lock(m_sideMutex);
    m_side.takeChanges(record);
}

bool LightEngine::runSide(LumtarLightFrameCallback callback)
{
    if (!callback)
        return false;
    LightFramePointStu frame[LUMTAR_LIGHT_SIDE_POINTS];
    {
        std::lock_guard<std::mutex> lock(m_sideMutex);
        m_side.step();
        const auto& drawn = m_side.frame();
        std::copy(drawn.begin(), drawn.end(), frame);
    }
    callback(frame);
    return true;
}

SideCollisionLightConfigStu LightEngine::collision()
{
    std::lock_guard<std::mutex> lock(m_sideMutex);
    return m_side.collision();
}

} // namespace lumtar::lightfx
