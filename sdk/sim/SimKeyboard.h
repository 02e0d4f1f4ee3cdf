// The firmware model of one simulated keyboard: it answers the 64-byte
// output reports of the device protocol and keeps what they wrote. Plain
// logic without threads or time; the bus (SimBus) delivers its replies.
#ifndef LUMTAR_SIM_KEYBOARD_H
#define LUMTAR_SIM_KEYBOARD_H

#include "sdk/hid/DeviceModel.h"
#include "sdk/sim/SimFaults.h"
#include "sdk/sim/SimKeyboardState.h"
#include "sdk/sim/SimOutcome.h"

#include <array>
#include <cstdint>
#include <map>
#include <vector>

namespace lumtar {
namespace sim {

class SimKeyboard {
public:
    static constexpr int kMacroSlots = 10;
    static constexpr int kMacroSlotSize = 256;
    static constexpr int kSeniorKeys = 40;

    SimKeyboard(const DeviceModel& model, int connectType, int gamepadMode);

    // One output report (64 bytes; a shorter one is read as zero-padded).
    // faults may be changed (acknowledgements left out are counted down).
    SimOutcome handle(const uint8_t* report, size_t length, SimFaults& faults);

    // A key pressed to a depth (0.1 mm): the live travel report (0x21 sub 1)
    // and, when the key is fully pressed, the progress of a calibration that
    // waits for it.
    SimOutcome press(int row, int column, int depth);
    // The depth of a fully pressed key.
    int fullDepth() const { return m_model.simMaxTravel > 0 ? m_model.simMaxTravel : 40; }

    // The status report (input 0x01) of the present state.
    std::array<uint8_t, 64> statusReport() const;

    const DeviceModel& model() const { return m_model; }
    SimKeyboardState& state() { return m_state; }
    const SimKeyboardState& state() const { return m_state; }
    int calibrationRun() const { return m_calibrationRun; }
    // The product id the keyboard presents by cable in a gamepad mode.
    int gamepadProductId(int mode, int fallback) const
    {
        const DeviceIds* ids = m_model.idsFor(0, mode);
        return ids ? ids->productId : fallback;
    }

    std::vector<uint8_t> onboardKeys(int layer) const;
    std::vector<uint8_t> onboardMacro(int slot) const;
    std::vector<uint8_t> onboardSeniorKey(int index) const;

private:
    using Report = std::array<uint8_t, 64>;
    static Report reply(uint8_t command);
    Report modeList(uint8_t command, const std::vector<int>& modes, int speed, int brightness) const;
    void handleMagnetic(const Report& r, SimOutcome& out, int delayMs, const SimFaults& faults);
    static Report calibrationReply(uint8_t sub, uint8_t status);

    const DeviceModel m_model;
    SimKeyboardState m_state;
    int m_calibrationRun = 0;
    std::map<int, std::map<int, std::vector<uint8_t>>> m_keyPackets; // layer -> report number -> payload
    std::map<int, std::array<uint8_t, kMacroSlotSize>> m_macros;
    std::map<int, Report> m_seniorKeys;
};

} // namespace sim
} // namespace lumtar

#endif
