#include "sdk/sim/SimDevice.h"

#include "sdk/hid/DevicePathText.h"

namespace lumtar {
namespace sim {

std::string SimDevice::pathText() const
{
    if (mode == Mode::UpdateVolume)
        return volume ? volume->folder() : std::string();
    DevicePathText p;
    p.vendorId = endpoint.vendorId;
    p.productId = endpoint.productId;
    p.interfaceNumber = endpoint.interfaceNumber;
    p.osPath = endpoint.osPath;
    return p.format();
}

} // namespace sim
} // namespace lumtar
