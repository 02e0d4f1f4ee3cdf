#include "core/hook/HeldKeyTable.h"

int HeldKeyTable::indexOf(int vkCode) const
{
    for (int i = 0; i < m_count; ++i) {
        if (m_keys[i] == vkCode)
            return i;
    }
    return -1;
}

bool HeldKeyTable::contains(int vkCode) const
{
    return indexOf(vkCode) >= 0;
}

bool HeldKeyTable::add(int vkCode)
{
    if (m_count >= Capacity || contains(vkCode))
        return false;
    m_keys[m_count++] = vkCode;
    return true;
}

void HeldKeyTable::remove(int vkCode)
{
    const int index = indexOf(vkCode);
    if (index < 0)
        return;
    for (int i = index; i + 1 < m_count; ++i)
        m_keys[i] = m_keys[i + 1];
    --m_count;
}
