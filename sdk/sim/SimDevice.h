// One simulated device on the bus: a keyboard (with its firmware model) or
// a keyboard's bootloader.
#ifndef LUMTAR_SIM_DEVICE_H
#define LUMTAR_SIM_DEVICE_H

#include "sdk/hid/HidEndpoint.h"
#include "sdk/sim/SimFaults.h"
#include "sdk/sim/SimKeyboard.h"

#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace lumtar {
namespace sim {

struct SimDevice {
    enum class Presence { Attached, Restarting, Gone };

    int id = 0;
    Presence presence = Presence::Attached;
    // Bumped whenever the device drops off: connections opened before are dead.
    uint64_t generation = 0;
    HidEndpoint endpoint;
    std::unique_ptr<SimKeyboard> keyboard; // null for a bootloader
    SimFaults faults;
    std::deque<std::vector<uint8_t>> inputs;          // reports waiting to be read
    struct Received {
        std::array<uint8_t, 64> bytes{}; // zero-padded
        size_t length = 0;               // as the device got it
    };
    std::deque<Received> received;                    // output reports, oldest first

    std::string pathText() const;
};

} // namespace sim
} // namespace lumtar

#endif
