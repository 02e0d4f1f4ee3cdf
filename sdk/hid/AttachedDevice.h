// One attached interface of a supported model.
#ifndef LUMTAR_ATTACHED_DEVICE_H
#define LUMTAR_ATTACHED_DEVICE_H

#include "sdk/hid/DeviceIds.h"
#include "sdk/hid/DeviceModel.h"
#include "sdk/hid/HidEndpoint.h"

#include <string>

namespace lumtar {

struct AttachedDevice {
    std::string pathText;
    HidEndpoint endpoint;
    const DeviceModel* model = nullptr;
    DeviceIds ids;
};

} // namespace lumtar

#endif
