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
    int n = 0;
    for (int c = 0; c < kColumns; ++c)
        m_ring[n++] = index(0, c);
    for (int r = 1; r < kRows; ++r)
        m_ring[n++] = index(r, kColumns - 1);
    for (int c = kColumns - 2; c >= 0; --c)
        m_ring[n++] = index(kRows - 1, c);
    for (int r = kRows - 2; r >= 1; --r)
        m_ring[n++] = index(r, 0);
}

} // namespace lumtar::lightfx
