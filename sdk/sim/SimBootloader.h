// The HID bootloader of a simulated keyboard (or of its receiver): it
// answers our bootloader protocol (sdk/firmware/README.md). It knows its
// model and target, takes an image only of its size and model, gathers the
// blocks, checks the image's CRC before it writes anything, and only then
// replaces the firmware in the keyboard's memory. Plain logic without
// threads or time; the bus delivers its answers after their delays.
#ifndef LUMTAR_SIM_BOOTLOADER_H
#define LUMTAR_SIM_BOOTLOADER_H

#include "sdk/sim/SimFaults.h"
#include "sdk/sim/SimKeyboardState.h"
#include "sdk/sim/SimReply.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace lumtar {
namespace sim {

struct SimBootloaderOutcome {
    std::vector<SimReply> replies;
    // Restart into the firmware (verified and asked to restart).
    bool restart = false;
    // Drop off the bus (fault: unplugged mid-write).
    bool vanish = false;
};

class SimBootloader {
public:
    // Time the simulated flash takes, per 64 KB of image: preparing (before
    // the first block is taken) and writing with reading back (verify).
    static constexpr int kPrepareMsPer64K = 8;
    static constexpr int kVerifyMsPer64K = 4;
    static int prepareMs(size_t imageSize);
    static int verifyMs(size_t imageSize);

    // memory: the keyboard's memory, owned by the device; it outlives this.
    // maxImageSize 0: the model has no image family, nothing is taken.
    SimBootloader(const std::string& model, int target, size_t maxImageSize, SimKeyboardState& memory);

    SimBootloaderOutcome handle(const uint8_t* report, size_t length, SimFaults& faults);

    // Image bytes taken in the running write.
    size_t received() const { return m_staging.size(); }

private:
    void writeImage(SimBootloaderOutcome& out, int delayMs);

    std::string m_model;
    int m_target;
    size_t m_maxImageSize;
    SimKeyboardState& m_memory;
    bool m_begun = false;
    uint32_t m_size = 0;
    uint32_t m_crc = 0;
    uint32_t m_nextBlock = 0;
    std::vector<uint8_t> m_staging;
};

} // namespace sim
} // namespace lumtar

#endif
