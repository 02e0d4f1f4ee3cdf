// What a simulated keyboard does with one output report.
#ifndef LUMTAR_SIM_OUTCOME_H
#define LUMTAR_SIM_OUTCOME_H

#include "sdk/sim/SimReply.h"

#include <vector>

namespace lumtar {
namespace sim {

// A key the keyboard presses by itself after a delay, fully, while the
// calibration run that asked for it is still the current one.
struct SimPress {
    int delayMs = 0;
    int row = 0;
    int column = 0;
    int calibrationRun = 0;
};

struct SimOutcome {
    std::vector<SimReply> replies;
    std::vector<SimPress> presses;
    // >= 0: restart in this gamepad mode (drop off, come back re-enumerated).
    int restartInGamepadMode = -1;
    // Drop off and come back as the bootloader.
    bool enterBootloader = false;
};

} // namespace sim
} // namespace lumtar

#endif
