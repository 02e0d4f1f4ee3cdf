// One vendor/product pair of a supported model.
#ifndef LUMTAR_DEVICE_IDS_H
#define LUMTAR_DEVICE_IDS_H

namespace lumtar {

struct DeviceIds {
    int vendorId = 0;
    int productId = 0;
    int connectType = 0;   // 0 USB cable, 1 2.4 GHz receiver
    int gamepadMode = -1;  // -1 none, 0 off, 1 Xbox360, 2 Classical
};

} // namespace lumtar

#endif
