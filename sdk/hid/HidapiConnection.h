// An interface opened through hidapi.
#ifndef LUMTAR_HIDAPI_CONNECTION_H
#define LUMTAR_HIDAPI_CONNECTION_H

#include "sdk/hid/HidConnection.h"

struct hid_device_;

namespace lumtar {

class HidapiConnection : public HidConnection {
public:
    explicit HidapiConnection(hid_device_* device);
    ~HidapiConnection() override;
    HidapiConnection(const HidapiConnection&) = delete;
    HidapiConnection& operator=(const HidapiConnection&) = delete;

    int read(uint8_t* buffer, size_t capacity, int timeoutMs) override;
    int write(const uint8_t* report, size_t length) override;

private:
    hid_device_* m_device;
};

} // namespace lumtar

#endif
