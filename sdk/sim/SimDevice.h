// One simulated device on the bus: a keyboard (with its firmware model), or
// the same keyboard in its update mode, as a HID bootloader or as an update
// volume. The keyboard's memory goes with it through every mode.
#ifndef LUMTAR_SIM_DEVICE_H
#define LUMTAR_SIM_DEVICE_H

#include "sdk/hid/HidEndpoint.h"
#include "sdk/sim/SimBootloader.h"
#include "sdk/sim/SimFaults.h"
#include "sdk/sim/SimKeyboard.h"
#include "sdk/sim/SimUpdateVolume.h"
#include "sdk/sim/SimLightStream.h"
#include "sdk/sim/SimReadySignal.h"

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
    enum class Mode { Keyboard, Bootloader, UpdateVolume };

    int id = 0;
    Presence presence = Presence::Attached;
    Mode mode = Mode::Keyboard;
    // Bumped whenever the device drops off: connections opened before are dead.
    uint64_t generation = 0;
    HidEndpoint endpoint;
    std::unique_ptr<SimKeyboard> keyboard;       // the keyboard and its memory
    std::unique_ptr<SimBootloader> bootloader;   // in Mode::Bootloader
    std::unique_ptr<SimUpdateVolume> volume;     // in Mode::UpdateVolume
    SimFaults faults;
    std::deque<std::vector<uint8_t>> inputs;          // reports waiting to be read
    // The signals of the connections that read it (their own; gone with them).
    std::vector<std::weak_ptr<SimReadySignal>> readers;
    struct Received {
        std::array<uint8_t, 64> bytes{}; // zero-padded
        size_t length = 0;               // as the device got it
    };
    std::deque<Received> received;                    // output reports, oldest first
    SimLightStream lightStream;                       // the streamed light as the keyboard shows it
    // Where the keyboard keeps its serial number, lights and custom slots
    // across runs; "" for a keyboard that starts fresh.
    std::string stateFile;

    // The path text of its HID interface; the folder of an update volume.
    std::string pathText() const;
    bool isHid() const { return mode != Mode::UpdateVolume; }
};

} // namespace sim
} // namespace lumtar

#endif
