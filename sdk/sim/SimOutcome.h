// What a simulated keyboard does with one output report.
#ifndef LUMTAR_SIM_OUTCOME_H
#define LUMTAR_SIM_OUTCOME_H

#include "sdk/sim/SimReply.h"

#include <vector>

namespace lumtar {
namespace sim {

struct SimOutcome {
    std::vector<SimReply> replies;
    // >= 0: restart in this gamepad mode (drop off, come back re-enumerated).
    int restartInGamepadMode = -1;
    // Drop off and come back as the bootloader.
    bool enterBootloader = false;
};

} // namespace sim
} // namespace lumtar

#endif
