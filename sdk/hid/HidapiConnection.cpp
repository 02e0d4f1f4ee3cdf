#include "sdk/hid/HidapiConnection.h"

#include <hidapi/hidapi.h>

namespace lumtar {

HidapiConnection::HidapiConnection(hid_device_* device) : m_device(device) {}

HidapiConnection::~HidapiConnection()
{
    if (m_device)
        hid_close(m_device);
}

int HidapiConnection::read(uint8_t* buffer, size_t capacity, int timeoutMs)
{
    const int n = hid_read_timeout(m_device, buffer, capacity, timeoutMs);
    return n < 0 ? -1 : n;
}

int HidapiConnection::write(const uint8_t* report, size_t length)
{
    const int n = hid_write(m_device, report, length);
    return n < 0 ? -1 : n;
}

} // namespace lumtar
