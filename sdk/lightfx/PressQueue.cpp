#include "sdk/lightfx/PressQueue.h"

#include "sdk/lightfx/KeyGrid.h"

namespace lumtar::lightfx {

bool PressQueue::push(int row, int column)
{
    if (!KeyGrid::contains(row, column))
        return false;
    std::lock_guard<std::mutex> lock(m_mutex);
    for (int i = 0; i < m_waiting.count; ++i) {
        if (m_waiting.presses[i].row == row && m_waiting.presses[i].column == column)
            return true;
    }
    if (m_waiting.count == kCapacity) {
        for (int i = 1; i < kCapacity; ++i)
            m_waiting.presses[i - 1] = m_waiting.presses[i];
        --m_waiting.count;
    }
    m_waiting.presses[m_waiting.count++] = { row, column };
    return true;
}

PressQueue::Batch PressQueue::take()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    Batch taken = m_waiting;
    m_waiting.count = 0;
    return taken;
}

void PressQueue::clear()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_waiting.count = 0;
}

int PressQueue::size() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_waiting.count;
}

} // namespace lumtar::lightfx
