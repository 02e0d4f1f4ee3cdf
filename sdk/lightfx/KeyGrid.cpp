#include "sdk/lightfx/KeyGrid.h"

#include <cmath>

namespace lumtar::lightfx {

const KeyGrid& KeyGrid::instance()
{
    static const KeyGrid grid;
    return grid;
}

KeyGrid::KeyGrid()
{
    constexpr double kTwoPi = 6.283185307179586;
    for (int key = 0; key < kKeys; ++key) {
        const double dx = columnOf(key) - kCentreX;
        const double dy = rowOf(key) - kCentreY; // rows grow downwards
        m_centreDistance[key] = static_cast<float>(std::sqrt(dx * dx + dy * dy));
        double turn = std::atan2(dy, dx) / kTwoPi; // downwards of the right is clockwise
        if (turn < 0)
            turn += 1.0;
        m_angle[key] = static_cast<uint16_t>(static_cast<long>(std::lround(turn * 65536.0)) & 0xFFFF);
    }
}

} // namespace lumtar::lightfx
