#include "core/hook/PressDeduplicator.h"

bool PressDeduplicator::takeEcho(Source source, int vkCode, int64_t nowMs)
{
    while (!m_unmatched.empty() && nowMs - m_unmatched.front().atMs > WindowMs)
        m_unmatched.pop_front();
    for (auto it = m_unmatched.begin(); it != m_unmatched.end(); ++it) {
        if (it->source != source && it->vkCode == vkCode) {
            m_unmatched.erase(it);
            return true;
        }
    }
    return false;
}

bool PressDeduplicator::admit(Source source, int vkCode, int64_t nowMs)
{
    if (takeEcho(source, vkCode, nowMs))
        return false;
    // A source that reports the same key again before the other one spoke
    // (a quick double press) waits for two echoes.
    m_unmatched.push_back({source, vkCode, nowMs});
    // Only presses within the window are kept, so the list stays short; a
    // bound all the same against a clock that stands still.
    if (m_unmatched.size() > 256)
        m_unmatched.pop_front();
    return true;
}
