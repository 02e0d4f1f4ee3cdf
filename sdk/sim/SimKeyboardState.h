// A snapshot of what a simulated keyboard holds, for tests to read back.
#ifndef LUMTAR_SIM_KEYBOARD_STATE_H
#define LUMTAR_SIM_KEYBOARD_STATE_H

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace lumtar {
namespace sim {

struct SimKeyboardState {
    std::string model;
    std::string path;
    int connectType = 0;          // 0 USB cable, 1 2.4 GHz receiver
    int gamepadMode = -1;         // -1 none, 0 off, 1 Xbox360, 2 Classical
    bool receiverLinkUp = true;   // a keyboard is reachable behind the receiver
    std::string serialNumber;     // up to 32 characters
    std::string firmwareVersion;
    std::string firmwareDate;     // "Mar 26 2024,20:50:50"
    // The firmware in flash: false from the entry into the update mode until
    // a whole image was written and verified; the keyboard starts in its
    // update mode (bootloader or volume) while it is false.
    bool validImage = true;
    uint32_t imageCrc = 0;        // CRC-32 of the last image written; 0: as shipped
    int imagesWritten = 0;
    int batteryPercent = 100;
    int charging = 0;             // 0 not charging, 1 charging, 2 full
    int lightSleepSeconds = 0;
    int keyboardSleepSeconds = 0;
    int prohibitSleep = 0;
    std::array<int, 4> lockFlags{};                  // report bytes 13..16 of 0x13 sub 0
    std::array<uint8_t, 12> keyboardLight{};         // bytes 6..17 of the last 0x06 write
    std::array<uint8_t, 12> sideLight{};             // bytes 6..17 of the last 0x07 write
    // The keyboard's two custom-colour slots (0x08 with byte 2 = 0 or 1):
    // R, G, B of the 132 matrix positions, row by row.
    std::array<std::array<uint8_t, 396>, 2> customSlots{};
    int lightSync = 0;                               // last 0x16 state
    int resetCount = 0;                              // 0x13 sub 0 with byte 6 = 1
    int reportRate = 1;                              // 0x29 sub 9
    int antiShake = 0;                               // 0x29 sub 10
    bool calibrating = false;                        // all-keys calibration running
    std::array<uint8_t, 22> toCalibrate{};           // keys the all-keys calibration still waits for
    int calibratingKey = -1;                         // row * 22 + column of a one-key calibration; -1 none
    int maxTravel = 0;                               // what 0x29 sub 4 reports
    // The keyboard presses the keys a calibration waits for by itself, over
    // a few seconds, so the calibration ends without hands on the keys.
    bool selfPressing = true;
    std::array<uint8_t, 22> selectedKeys{};          // last 0x29 sub 2 bitmap
    // Travel settings per key position (row * 22 + column): mode, press,
    // release, rapid press, rapid release.
    std::map<int, std::array<int, 5>> travel;
};

} // namespace sim
} // namespace lumtar

#endif
