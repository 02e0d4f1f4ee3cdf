// An open simulated device.
#ifndef LUMTAR_SIM_CONNECTION_H
#define LUMTAR_SIM_CONNECTION_H

#include "sdk/hid/HidConnection.h"

#include <memory>

namespace lumtar {
namespace sim {
struct SimDevice;
class SimReadySignal;
}

class SimConnection : public HidConnection {
public:
    SimConnection(std::shared_ptr<sim::SimDevice> device, uint64_t generation);

    int read(uint8_t* buffer, size_t capacity, int timeoutMs) override;
    int write(const uint8_t* report, size_t length) override;
    int readyFd() const override;

private:
    std::shared_ptr<sim::SimDevice> m_device;
    uint64_t m_generation;
    std::shared_ptr<sim::SimReadySignal> m_ready;
};

} // namespace lumtar

#endif
