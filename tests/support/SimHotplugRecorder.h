// Records the hot-plug events of the simulated devices, as the
// application's notifier would receive them.
#ifndef LUMTAR_TESTS_SIM_HOTPLUG_RECORDER_H
#define LUMTAR_TESTS_SIM_HOTPLUG_RECORDER_H

#include <mutex>
#include <string>
#include <utility>
#include <vector>

class SimHotplugRecorder {
public:
    SimHotplugRecorder();
    ~SimHotplugRecorder();
    SimHotplugRecorder(const SimHotplugRecorder&) = delete;
    SimHotplugRecorder& operator=(const SimHotplugRecorder&) = delete;

    // (arrived, path) in the order they came.
    std::vector<std::pair<bool, std::string>> events() const;
    void clear();
    // Waits (up to timeoutMs) until at least count events were recorded.
    bool waitForCount(size_t count, int timeoutMs = 3000) const;

private:
    static void callback(int arrived, const char* path, void* user);
    int m_id = 0;
    mutable std::mutex m_mutex;
    std::vector<std::pair<bool, std::string>> m_events;
};

#endif
