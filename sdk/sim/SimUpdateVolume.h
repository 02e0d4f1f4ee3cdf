// A simulated keyboard of the .ufw family in its update mode: it presents a
// folder below the process's runtime folder as its removable volume, with
// its identity file, and takes a complete image put there (see
// sdk/firmware/README.md). Plain logic; the bus polls it and delivers the
// verdict after its delay.
#ifndef LUMTAR_SIM_UPDATE_VOLUME_H
#define LUMTAR_SIM_UPDATE_VOLUME_H

#include "sdk/sim/SimFaults.h"
#include "sdk/sim/SimKeyboardState.h"

#include <string>

namespace lumtar {
namespace sim {

class SimUpdateVolume {
public:
    // How often the keyboard looks for an image.
    static constexpr int kPollMs = 50;

    // memory: the keyboard's memory, owned by the device; it outlives this.
    SimUpdateVolume(std::string folder, SimKeyboardState& memory);
    ~SimUpdateVolume();

    const std::string& folder() const { return m_folder; }
    // Makes the folder with the identity file (plugged in) or removes it
    // with whatever lies there (unplugged).
    bool present();
    void withdraw();

    // Takes a complete image when one is there: -1 none (or the keyboard
    // does not answer), else the verdict code to write (0: the image was
    // written into the memory).
    int takeImage(SimFaults& faults);

private:
    std::string m_folder;
    SimKeyboardState& m_memory;
};

} // namespace sim
} // namespace lumtar

#endif
