#include "sdk/hid/SimConnection.h"

#include "sdk/sim/SimBus.h"

namespace lumtar {

SimConnection::SimConnection(std::shared_ptr<sim::SimDevice> device, uint64_t generation)
    : m_device(std::move(device)), m_generation(generation)
{
}

int SimConnection::read(uint8_t* buffer, size_t capacity, int timeoutMs)
{
    return sim::SimBus::instance().read(m_device, m_generation, buffer, capacity, timeoutMs);
}

int SimConnection::write(const uint8_t* report, size_t length)
{
    return sim::SimBus::instance().write(m_device, m_generation, report, length);
}

} // namespace lumtar
