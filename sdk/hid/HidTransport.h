// A source of HID interfaces: the system's hidraw nodes, or the simulated
// keyboards.
#ifndef LUMTAR_HID_TRANSPORT_H
#define LUMTAR_HID_TRANSPORT_H

#include "sdk/hid/HidConnection.h"
#include "sdk/hid/HidEndpoint.h"

#include <memory>
#include <string>
#include <vector>

namespace lumtar {

class HidTransport {
public:
    virtual ~HidTransport() = default;
    // True when the transport serves this os path.
    virtual bool owns(const std::string& osPath) const = 0;
    virtual std::vector<HidEndpoint> enumerate() = 0;
    // Null when the interface cannot be opened; errorNumber receives the
    // system's reason (EACCES for a lack of permission) when known.
    virtual std::unique_ptr<HidConnection> open(const std::string& osPath, int* errorNumber) = 0;
};

} // namespace lumtar

#endif
