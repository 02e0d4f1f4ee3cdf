// The key matrix as the effects see it: 6 rows of 22 columns, one key pitch
// apart in both directions, numbered row-major (index = row * 22 + column).
// Which positions carry a key on the keyboard shown is ModelKeys.
#ifndef LUMTAR_LIGHTFX_KEY_GRID_H
#define LUMTAR_LIGHTFX_KEY_GRID_H

#include <array>
#include <cstdint>

namespace lumtar::lightfx {

class KeyGrid {
public:
    static constexpr int kRows = 6;
    static constexpr int kColumns = 22;
    static constexpr int kKeys = kRows * kColumns;
    static constexpr float kCentreX = (kColumns - 1) / 2.0f;
    static constexpr float kCentreY = (kRows - 1) / 2.0f;
    // The farthest a key lies from another one.
    static constexpr float kSpan = 21.6f;

    static bool contains(int row, int column) { return row >= 0 && row < kRows && column >= 0 && column < kColumns; }
    static int index(int row, int column) { return row * kColumns + column; }
    static int rowOf(int index) { return index / kColumns; }
    static int columnOf(int index) { return index % kColumns; }

    static const KeyGrid& instance();

    // Distance of a key from the centre of the matrix, in key pitches.
    float centreDistance(int key) const { return m_centreDistance[key]; }
    // Angle of a key round the centre, clockwise as seen from above, 0 to
    // the right, in 1/65536 of a turn.
    uint16_t angle(int key) const { return m_angle[key]; }

private:
    KeyGrid();

    std::array<float, kKeys> m_centreDistance{};
    std::array<uint16_t, kKeys> m_angle{};
};

} // namespace lumtar::lightfx

#endif
