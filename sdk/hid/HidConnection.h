// An open HID interface.
#ifndef LUMTAR_HID_CONNECTION_H
#define LUMTAR_HID_CONNECTION_H

#include <cstddef>
#include <cstdint>

namespace lumtar {

class HidConnection {
public:
    virtual ~HidConnection() = default;
    // Waits up to timeoutMs (0: not at all) for one input report and copies
    // at most capacity bytes of it. Returns the count copied, 0 when none
    // came, -1 when the device is gone.
    virtual int read(uint8_t* buffer, size_t capacity, int timeoutMs) = 0;
    // Sends one output report as hidraw takes it: the report id first (0 on
    // a device without numbered reports, and then it is not sent), the
    // report's bytes after it. Returns length, or -1 when the report was
    // refused (shorter than 2 bytes) or the device is gone.
    virtual int write(const uint8_t* report, size_t length) = 0;
    // A descriptor that polls readable while an input report is pending,
    // and readable or hung up once the device is gone (a read then does not
    // wait); -1 when the connection has none. It stays the connection's.
    virtual int readyFd() const = 0;
};

} // namespace lumtar

#endif
