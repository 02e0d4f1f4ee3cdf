// One model of the supported-device table.
#ifndef LUMTAR_DEVICE_MODEL_H
#define LUMTAR_DEVICE_MODEL_H

#include "sdk/hid/DeviceIds.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace lumtar {

struct DeviceModel {
    std::string model;
    std::string kind;
    std::string productName;
    std::string likeName;
    int keyCount = 0;
    std::array<int, 4> modelValues{};
    bool magnetic = false;
    int sideLightSegments = 0;
    int lightBatchFrames = 10;        // streamed light frames sent as one batch
    int sideLedCount = 33;            // side LEDs a streamed light frame carries
    bool reportsKeyboardMode = false; // its status report carries the keyboard mode
    bool prohibitSleep = false;       // the user may keep the keyboard from sleeping

    int reportInterface = -1; // USB interface carrying the 64-byte reports; -1 any
    int usagePage = 0;        // its usage page; 0 any
    std::string chipFamily;
    std::string chipCode;
    std::string deviceClass;
    std::string customerCode;
    std::vector<DeviceIds> ids;

    // What a simulated keyboard of this model reports.
    std::string simFirmwareVersion;
    std::string simFirmwareDate; // "Mar 26 2024,20:50:50"
    std::vector<int> simLightModes;
    int simSpeedLevels = 0;
    int simBrightnessLevels = 0;
    std::vector<int> simSideLightModes;
    int simSideSpeedLevels = 0;
    int simSideBrightnessLevels = 0;
    int simMaxTravel = 0;
    // The matrix positions that carry a key: byte c for column c, bit r for
    // row r (as the magnetic commands' key bitmap).
    std::array<uint8_t, 22> simKeyColumns{};

    bool simHasKey(int row, int column) const
    {
        return row >= 0 && row < 6 && column >= 0 && column < 22
            && (simKeyColumns[static_cast<size_t>(column)] & (1u << row)) != 0;
    }

    // The ids of a connection and gamepad mode; null when the model has none.
    const DeviceIds* idsFor(int connectType, int gamepadMode) const
    {
        for (const DeviceIds& i : ids)
            if (i.connectType == connectType && (gamepadMode < -1 || i.gamepadMode == gamepadMode))
                return &i;
        return nullptr;
    }
};

} // namespace lumtar

#endif
