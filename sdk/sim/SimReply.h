// One input report a simulated keyboard sends in answer, after a delay.
#ifndef LUMTAR_SIM_REPLY_H
#define LUMTAR_SIM_REPLY_H

#include <array>
#include <cstdint>

namespace lumtar {
namespace sim {

struct SimReply {
    std::array<uint8_t, 64> report{};
    int delayMs = 0;
    // >= 0: sent only while the keyboard's calibration run of this number
    // is still the current one (a stopped run sends no completion).
    int calibrationRun = -1;
};

} // namespace sim
} // namespace lumtar

#endif
