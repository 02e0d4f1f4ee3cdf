// How a keyboard of the device table presents itself to the host's HID
// stack: the report descriptors of its two interfaces. Interface 0 is the
// boot keyboard, interface 1 (the one the device table names) carries the
// 64-byte command reports on the vendor usage page, without report ids.
#ifndef KEYBOARDDESCRIPTORS_H
#define KEYBOARDDESCRIPTORS_H

#include <cstdint>
#include <vector>

namespace KeyboardDescriptors {

// 64-byte input and output reports on usage page usagePage, no report id.
std::vector<uint8_t> vendorInterface(int usagePage);
// The boot keyboard: modifier byte, reserved byte, six key slots; LEDs out.
std::vector<uint8_t> bootKeyboard();

} // namespace KeyboardDescriptors

#endif
