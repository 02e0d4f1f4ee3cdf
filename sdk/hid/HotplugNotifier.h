// The registered hot-plug callbacks of the simulated devices.
#ifndef LUMTAR_HOTPLUG_NOTIFIER_H
#define LUMTAR_HOTPLUG_NOTIFIER_H

#include "sdk/include/LumtarHid.h"

#include <map>
#include <mutex>
#include <string>
#include <utility>

namespace lumtar {

class HotplugNotifier {
public:
    static HotplugNotifier& instance();

    int add(LumtarHotplugCallback callback, void* user);
    // When it returns the callback is neither running (on another thread)
    // nor called again.
    void remove(int id);
    void notify(bool arrived, const std::string& path);

private:
    HotplugNotifier() = default;
    // Held while callbacks run, so that remove() waits for a running one;
    // recursive so a callback may register, remove or plug devices itself.
    std::recursive_mutex m_mutex;
    std::map<int, std::pair<LumtarHotplugCallback, void*>> m_callbacks;
    int m_nextId = 1;
};

} // namespace lumtar

#endif
