#include "sdk/lightfx/ModelKeys.h"

namespace lumtar::lightfx {

ModelKeys::ModelKeys(const uint8_t* columns)
{
    bool any = false;
    for (int key = 0; key < KeyGrid::kKeys && columns; ++key) {
        const uint8_t bits = columns[KeyGrid::columnOf(key)];
        m_has[key] = (bits >> KeyGrid::rowOf(key)) & 1u;
        any = any || m_has[key];
    }
    if (!any)
        m_has.fill(true);

    m_firstColumn = KeyGrid::kColumns;
    m_lastColumn = -1;
    // Each row's first and last key; -1 for a row without keys.
    std::array<int, KeyGrid::kRows> first{};
    std::array<int, KeyGrid::kRows> last{};
    first.fill(-1);
    last.fill(-1);
    for (int key = 0; key < KeyGrid::kKeys; ++key) {
        if (!m_has[key])
            continue;
        m_keys[m_count++] = key;
        const int row = KeyGrid::rowOf(key);
        const int column = KeyGrid::columnOf(key);
        if (first[row] < 0)
            first[row] = column;
        last[row] = column;
        if (column < m_firstColumn)
            m_firstColumn = column;
        if (column > m_lastColumn)
            m_lastColumn = column;
    }

    int top = 0;
    while (first[top] < 0)
        ++top;
    int bottom = KeyGrid::kRows - 1;
    while (first[bottom] < 0)
        --bottom;
    auto rowForwards = [&](int row, bool skipEnds) {
        for (int column = first[row]; column <= last[row]; ++column) {
            const bool end = column == first[row] || column == last[row];
            if (m_has[KeyGrid::index(row, column)] && !(skipEnds && end))
                addToRing(row, column);
        }
    };
    auto rowBackwards = [&](int row, bool skipEnds) {
        for (int column = last[row]; column >= first[row]; --column) {
            const bool end = column == first[row] || column == last[row];
            if (m_has[KeyGrid::index(row, column)] && !(skipEnds && end))
                addToRing(row, column);
        }
    };
    if (top == bottom) {
        rowForwards(top, false);
        rowBackwards(top, true);
        return;
    }
    rowForwards(top, false);
    for (int row = top + 1; row < bottom; ++row) {
        if (last[row] >= 0)
            addToRing(row, last[row]);
    }
    rowBackwards(bottom, false);
    for (int row = bottom - 1; row > top; --row) {
        if (first[row] >= 0)
            addToRing(row, first[row]);
    }
}

} // namespace lumtar::lightfx
