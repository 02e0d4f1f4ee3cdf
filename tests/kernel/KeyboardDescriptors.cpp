#include "kernel/KeyboardDescriptors.h"

namespace KeyboardDescriptors {

std::vector<uint8_t> vendorInterface(int usagePage)
{
    const auto lo = static_cast<uint8_t>(usagePage & 0xff);
    const auto hi = static_cast<uint8_t>((usagePage >> 8) & 0xff);
    return {
        0x06, lo,   hi,         // Usage Page (vendor)
        0x09, 0x61,             // Usage (0x61)
        0xA1, 0x01,             // Collection (Application)
        0x09, 0x62,             //   Usage (0x62)
        0x15, 0x00,             //   Logical Minimum (0)
        0x26, 0xFF, 0x00,       //   Logical Maximum (255)
        0x95, 0x40,             //   Report Count (64)
        0x75, 0x08,             //   Report Size (8)
        0x81, 0x02,             //   Input (Data, Var, Abs)
        0x09, 0x63,             //   Usage (0x63)
        0x15, 0x00,             //   Logical Minimum (0)
        0x26, 0xFF, 0x00,       //   Logical Maximum (255)
        0x95, 0x40,             //   Report Count (64)
        0x75, 0x08,             //   Report Size (8)
        0x91, 0x02,             //   Output (Data, Var, Abs)
        0xC0,                   // End Collection
    };
}

std::vector<uint8_t> bootKeyboard()
{
    return {
        0x05, 0x01,             // Usage Page (Generic Desktop)
        0x09, 0x06,             // Usage (Keyboard)
        0xA1, 0x01,             // Collection (Application)
        0x05, 0x07,             //   Usage Page (Keyboard)
        0x19, 0xE0, 0x29, 0xE7, //   Usage Minimum (224), Maximum (231)
        0x15, 0x00, 0x25, 0x01, //   Logical Minimum (0), Maximum (1)
        0x75, 0x01, 0x95, 0x08, //   Report Size (1), Count (8)
        0x81, 0x02,             //   Input (Data, Var, Abs): modifiers
        0x95, 0x01, 0x75, 0x08, //   Report Count (1), Size (8)
        0x81, 0x01,             //   Input (Const): reserved
        0x95, 0x05, 0x75, 0x01, //   Report Count (5), Size (1)
        0x05, 0x08,             //   Usage Page (LEDs)
        0x19, 0x01, 0x29, 0x05, //   Usage Minimum (1), Maximum (5)
        0x91, 0x02,             //   Output (Data, Var, Abs): LEDs
        0x95, 0x01, 0x75, 0x03, //   Report Count (1), Size (3)
        0x91, 0x01,             //   Output (Const): padding
        0x95, 0x06, 0x75, 0x08, //   Report Count (6), Size (8)
        0x15, 0x00, 0x25, 0x65, //   Logical Minimum (0), Maximum (101)
        0x05, 0x07,             //   Usage Page (Keyboard)
        0x19, 0x00, 0x29, 0x65, //   Usage Minimum (0), Maximum (101)
        0x81, 0x00,             //   Input (Data, Array): key slots
        0xC0,                   // End Collection
    };
}

} // namespace KeyboardDescriptors
