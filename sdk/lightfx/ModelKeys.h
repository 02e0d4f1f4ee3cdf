// The matrix positions that carry a key on the keyboard shown, and the path
// round their edge. Effects that walk a path or pick keys at random keep to
// these keys, so a compact keyboard is not lit on positions it does not have.
// Without positions from the caller (or with none marked) every position of
// the matrix counts as a key.
#ifndef LUMTAR_LIGHTFX_MODEL_KEYS_H
#define LUMTAR_LIGHTFX_MODEL_KEYS_H

#include "sdk/lightfx/KeyGrid.h"

#include <array>
#include <cstdint>

namespace lumtar::lightfx {

class ModelKeys {
public:
    // Bytes of a key set: byte c for column c, bit r for row r.
    static constexpr int kColumnBytes = KeyGrid::kColumns;
    // The longest edge path: the top and bottom rows whole and the two ends
    // of every row between them.
    static constexpr int kMaxRing = 2 * KeyGrid::kColumns + 2 * (KeyGrid::kRows - 2);

    // Every position of the matrix.
    ModelKeys() : ModelKeys(nullptr) {}
    // The positions `columns` marks (kColumnBytes bytes; bits 6 and 7 are
    // not rows); null, or bytes marking nothing, give every position.
    explicit ModelKeys(const uint8_t* columns);

    bool has(int key) const { return key >= 0 && key < KeyGrid::kKeys && m_has[key]; }
    int count() const { return m_count; }
    // The n-th key (0 <= n < count()), row by row.
    int key(int n) const { return m_keys[n]; }
    // The leftmost and rightmost column holding a key.
    int firstColumn() const { return m_firstColumn; }
    int lastColumn() const { return m_lastColumn; }

    // The edge keys clockwise as seen from above, from the first key of the
    // top row: the top row left to right, the last key of each row between
    // downwards, the bottom row right to left, the first key of each row
    // between upwards. Every entry is a key. With a single row the path runs
    // along it and back.
    int ringLength() const { return m_ringLength; }
    int ringKey(int position) const { return m_ring[position]; }

private:
    void addToRing(int row, int column) { m_ring[m_ringLength++] = KeyGrid::index(row, column); }

    std::array<bool, KeyGrid::kKeys> m_has{};
    std::array<int, KeyGrid::kKeys> m_keys{};
    int m_count = 0;
    int m_firstColumn = 0;
    int m_lastColumn = KeyGrid::kColumns - 1;
    std::array<int, kMaxRing> m_ring{};
    int m_ringLength = 0;
};

} // namespace lumtar::lightfx

#endif
