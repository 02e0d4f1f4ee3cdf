// What a simulated keyboard keeps across runs, like a real one: its serial
// number, its two light settings and its two custom-colour slots. One small
// text file per keyboard; a keyboard without a file starts fresh and the
// file is written whenever one of these changes.
#ifndef LUMTAR_SIM_STATE_FILE_H
#define LUMTAR_SIM_STATE_FILE_H

#include "sdk/sim/SimKeyboardState.h"

#include <cstdint>
#include <string>

namespace lumtar {
namespace sim {

class SimStateFile {
public:
    // The file of the n-th (0-based) keyboard named `name` in the list of
    // simulated keyboards ("LT108HE", "LT108HE@receiver"), in the user's
    // data folder ($XDG_DATA_HOME or ~/.local/share, then "lumtar/simulated").
    // "" when neither folder is known.
    static std::string pathFor(const std::string& name, int n);

    // Takes the kept values into state; false (state untouched) when the
    // file is missing or unreadable. A line that does not read keeps that
    // value as it was.
    static bool load(const std::string& path, SimKeyboardState& state);
    // Writes the kept values of state, the folder made when missing;
    // replaces the file in one rename.
    static bool save(const std::string& path, const SimKeyboardState& state);

    // Whether a report the keyboard took changes what the file keeps.
    static bool changesKeptState(const uint8_t* report);
};

} // namespace sim
} // namespace lumtar

#endif
