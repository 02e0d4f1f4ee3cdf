#include "SimHotplugRecorder.h"

#include "sdk/include/LumtarHid.h"

#include <chrono>
#include <thread>

SimHotplugRecorder::SimHotplugRecorder()
{
    m_id = CLumtarHid_RegisterHotplugCallback(&SimHotplugRecorder::callback, this);
}

SimHotplugRecorder::~SimHotplugRecorder()
{
    CLumtarHid_UnregisterHotplugCallback(m_id);
}

void SimHotplugRecorder::callback(int arrived, const char* path, void* user)
{
    auto* self = static_cast<SimHotplugRecorder*>(user);
    std::lock_guard<std::mutex> lock(self->m_mutex);
    self->m_events.emplace_back(arrived != 0, path ? path : "");
}

std::vector<std::pair<bool, std::string>> SimHotplugRecorder::events() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_events;
}

void SimHotplugRecorder::clear()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_events.clear();
}

bool SimHotplugRecorder::waitForCount(size_t count, int timeoutMs) const
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (m_events.size() >= count)
                return true;
        }
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}
