#include "sdk/hid/SimConnection.h"

#include "sdk/sim/SimBus.h"
#include "sdk/sim/SimReadySignal.h"

namespace lumtar {

SimConnection::SimConnection(std::shared_ptr<sim::SimDevice> device, uint64_t generation)
    : m_device(std::move(device)), m_generation(generation), m_ready(std::make_shared<sim::SimReadySignal>())
{
    sim::SimBus::instance().addReader(m_device, m_generation, m_ready);
}

int SimConnection::read(uint8_t* buffer, size_t capacity, int timeoutMs)
{
    return sim::SimBus::instance().read(m_device, m_generation, buffer, capacity, timeoutMs, m_ready.get());
}

int SimConnection::readyFd() const
{
    return m_ready->fd();
}

int SimConnection::write(const uint8_t* report, size_t length)
{
    // As the kernel does (hidraw, then usbhid on the wire): fewer than two
    // bytes are refused, and a leading report id 0 is not sent, so the
    // device gets the bytes after it; any other first byte goes out with
    // the report.
    if (!report || length < 2)
        return -1;
    const size_t skip = report[0] == 0 ? 1 : 0;
    const int sent = sim::SimBus::instance().write(m_device, m_generation, report + skip, length - skip);
    return sent < 0 ? -1 : static_cast<int>(length);
}

} // namespace lumtar
