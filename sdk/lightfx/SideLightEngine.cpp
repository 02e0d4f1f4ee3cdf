#include "sdk/lightfx/SideLightEngine.h"

#include "sdk/lightfx/FrameCanvas.h"
#include "sdk/lightfx/PulseEffects.h"
#include "sdk/lightfx/SideEffects.h"

namespace lumtar::lightfx {

void SideLightEngine::start(const LightSettings& settings, int count, const std::vector<int>& validStatus)
{
    m_settings = settings;
    m_count = count < 0 ? 0 : (count > kPoints ? kPoints : count);
    for (int k = 0; k < kPoints; ++k)
        m_valid[k] = static_cast<size_t>(k) >= validStatus.size() || validStatus[k] != 0;
    m_step = 0;
    m_frame = {};
    m_collision = {};
}

void SideLightEngine::step()
{
    FrameCanvas all(m_frame.data(), kPoints);
    all.clear();
    FrameCanvas strip(m_frame.data(), m_count);
    switch (m_settings.mode) {
    case SideLightMode_Static: PulseEffects::drawStatic(strip, m_settings); break;
    case SideLightMode_Breath: PulseEffects::drawBreath(strip, m_settings, m_step); break;
    case SideLightMode_Wave: SideEffects::drawWave(strip, m_settings, m_step); break;
    case SideLightMode_Collision: m_collision = SideEffects::drawCollision(strip, m_settings, m_step); break;
    case SideLightMode_Neon: PulseEffects::drawNeon(strip, m_settings, m_step); break;
    default: break; // Close and unknown modes: dark
    }
    for (int k = 0; k < m_count; ++k) {
        if (!m_valid[k])
            m_frame[k] = {};
    }
    ++m_step;
}

} // namespace lumtar::lightfx
