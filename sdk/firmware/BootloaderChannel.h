// The reports between the host and one opened HID bootloader.
#ifndef LUMTAR_BOOTLOADER_CHANNEL_H
#define LUMTAR_BOOTLOADER_CHANNEL_H

#include "sdk/firmware/BootloaderProtocol.h"

namespace lumtar {
namespace firmware {

class BootloaderChannel {
public:
    virtual ~BootloaderChannel() = default;
    // False when the report could not be sent (the device is gone).
    virtual bool send(const boot::Report& report) = 0;
    // 1: a report was read into out; 0: none came within timeoutMs (0: do
    // not wait); -1: the device is gone.
    virtual int receive(boot::Report* out, int timeoutMs) = 0;
};

} // namespace firmware
} // namespace lumtar

#endif
