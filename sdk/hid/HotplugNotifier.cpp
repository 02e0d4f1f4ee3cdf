#include "sdk/hid/HotplugNotifier.h"

#include <vector>

namespace lumtar {

HotplugNotifier& HotplugNotifier::instance()
{
    static HotplugNotifier notifier;
    return notifier;
}

int HotplugNotifier::add(LumtarHotplugCallback callback, void* user)
{
    if (!callback)
        return 0;
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    const int id = m_nextId++;
    m_callbacks[id] = { callback, user };
    return id;
}

void HotplugNotifier::remove(int id)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    m_callbacks.erase(id);
}

void HotplugNotifier::notify(bool arrived, const std::string& path)
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    // A callback may remove itself or others: walk by id, re-finding each.
    std::vector<int> ids;
    for (const auto& c : m_callbacks)
        ids.push_back(c.first);
    for (int id : ids) {
        const auto it = m_callbacks.find(id);
        if (it != m_callbacks.end())
            it->second.first(arrived ? 1 : 0, path.c_str(), it->second.second);
    }
}

} // namespace lumtar
