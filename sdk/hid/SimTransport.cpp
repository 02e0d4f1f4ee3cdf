#include "sdk/hid/SimTransport.h"

#include "sdk/hid/SimConnection.h"
#include "sdk/sim/SimBus.h"

#include <cerrno>

namespace lumtar {

bool SimTransport::owns(const std::string& osPath) const
{
    return osPath.compare(0, 4, sim::SimBus::kOsPathPrefix) == 0;
}

std::vector<HidEndpoint> SimTransport::enumerate()
{
    return sim::SimBus::instance().endpoints();
}

std::unique_ptr<HidConnection> SimTransport::open(const std::string& osPath, int* errorNumber)
{
    uint64_t generation = 0;
    auto device = sim::SimBus::instance().findAttached(osPath, &generation);
    if (errorNumber)
        *errorNumber = device ? 0 : ENODEV;
    if (!device)
        return nullptr;
    return std::make_unique<SimConnection>(std::move(device), generation);
}

} // namespace lumtar
