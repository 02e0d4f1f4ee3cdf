// One HID interface as a transport lists it.
#ifndef LUMTAR_HID_ENDPOINT_H
#define LUMTAR_HID_ENDPOINT_H

#include <string>

namespace lumtar {

struct HidEndpoint {
    std::string osPath;        // "/dev/hidraw3", "sim/2"
    int vendorId = 0;
    int productId = 0;
    int interfaceNumber = -1;
    int usagePage = 0;         // 0 when unknown
    std::string manufacturer;
    std::string product;
    std::string serialNumber;
    std::string firmwareVersion; // "V1.02" from the release number, or the simulator's
    std::string firmwareDate;    // the simulator's build date text; empty for real devices
};

} // namespace lumtar

#endif
