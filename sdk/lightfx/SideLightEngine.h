// The side light: its settings, its segments and the running effect's step.
// Not locked: LightEngine guards it.
#ifndef LUMTAR_LIGHTFX_SIDE_LIGHT_ENGINE_H
#define LUMTAR_LIGHTFX_SIDE_LIGHT_ENGINE_H

#include "sdk/include/LumtarLight.h"
#include "sdk/lightfx/LightSettings.h"

#include <array>
#include <cstdint>
#include <vector>

namespace lumtar::lightfx {

class SideLightEngine {
public:
    static constexpr int kPoints = LUMTAR_LIGHT_SIDE_POINTS;

    // Starts the effect afresh for `count` segments (kept within
    // 0..kPoints); a segment whose status is 0 stays dark, one past the end
    // of `validStatus` is lit.
    void start(const LightSettings& settings, int count, const std::vector<int>& validStatus);
    void takeChanges(const colorInfoData& record) { m_settings.takeChanges(LUMTAR_LIGHT_KIND_SIDE, record); }

    void step();

    const std::array<LightFramePointStu, kPoints>& frame() const { return m_frame; }
    SideCollisionLightConfigStu collision() const { return m_collision; }
    int segmentCount() const { return m_count; }

private:
    LightSettings m_settings;
    int m_count = 0;
    std::array<bool, kPoints> m_valid{};
    uint32_t m_step = 0;
    std::array<LightFramePointStu, kPoints> m_frame{};
    SideCollisionLightConfigStu m_collision{};
};

} // namespace lumtar::lightfx

#endif
