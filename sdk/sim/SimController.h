// In-process control of the simulated keyboards, for tests and for trying
// the application without hardware. Every call is thread-safe. Devices are
// named by their path text (see sdk/include/LumtarHid.h); a path changes
// when a keyboard re-enumerates (gamepad-mode switch), so look it up again
// with paths() afterwards.
//
// Arrival and removal reach the callbacks registered with
// CLumtarHid_RegisterHotplugCallback, exactly as the application sees them.
#ifndef LUMTAR_SIM_CONTROLLER_H
#define LUMTAR_SIM_CONTROLLER_H

#include "sdk/sim/SimFaults.h"
#include "sdk/sim/SimKeyboardState.h"
#include "sdk/sim/SimLightStream.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace lumtar {
namespace sim {

class SimController {
public:
    static SimController& instance();

    // Attaches a keyboard of a model of the device table, by cable
    // (connectType 0) or behind its 2.4 GHz receiver (1). Returns the path
    // text, or "" for an unknown model or a connection the model lacks. A
    // receiver starts with its keyboard reachable. A keyboard by cable
    // starts in gamepadMode (0 off, 1 Xbox360, 2 Classical) and shows that
    // mode's product id; "" for a model without that mode.
    std::string plug(const std::string& model, int connectType = 0, int gamepadMode = 0);
    // Attaches a keyboard without valid firmware: it comes up in its update
    // mode. Returns the path text of its HID bootloader, or for a model of
    // the .ufw family the folder of its update volume; "" as for plug().
    std::string plugInUpdateMode(const std::string& model, int connectType = 0);
    // Detaches a device (keyboard, bootloader or update volume, by its path
    // text or folder); false when no such device is attached.
    bool unplug(const std::string& path);
    // Plugs in again a device that was detached under this path, by
    // unplug() or by a fault: as its keyboard when its firmware is valid,
    // else in its update mode. Returns its path now; "" when there is none.
    std::string replug(const std::string& path);
    // Detaches every simulated device, bootloaders included, and forgets
    // the detached ones.
    void unplugAll();
    // Paths of the attached simulated keyboards, in plug order.
    std::vector<std::string> paths() const;
    bool isPlugged(const std::string& path) const;

    // Receiver: whether its keyboard is reachable; sends a status report.
    bool setReceiverLink(const std::string& path, bool keyboardReachable);
    // Battery level and charging state (0 not, 1 charging, 2 full); sends a
    // status report.
    bool setBattery(const std::string& path, int percent, int charging);

    // Input reports as the keyboard sends them when keys move.
    bool sendKeyReport(const std::string& path, const std::array<uint8_t, 8>& report);  // 0x04
    bool sendFullKeyReport(const std::string& path, const std::vector<uint8_t>& bytes); // 0x05, bytes 6..
    bool sendFunctionKey(const std::string& path, int layer, int keyId, bool pressed);  // 0x20
    // Any other input report, delivered as given.
    bool sendInputReport(const std::string& path, const std::array<uint8_t, 64>& report);
    // An input report of any length, as the wire allows; like the kernel,
    // the bus drops one shorter than 64 bytes.
    bool sendInputBytes(const std::string& path, const std::vector<uint8_t>& bytes);

    // Magnetic keys: a key pressed to a depth in 0.1 mm (the live travel
    // report; a full press also moves a running calibration on), the
    // stored travel of a key position (mode, press, release, rapid press,
    // rapid release; any byte value), the maximum travel the keyboard
    // reports, and whether it presses the keys a calibration waits for by
    // itself (on by default; tests turn it off and press keys themselves).
    bool pressKey(const std::string& path, int row, int column, int depth);
    bool setKeyTravel(const std::string& path, int row, int column, const std::array<int, 5>& travel);
    bool setMaxTravel(const std::string& path, int travel);
    bool setSelfPressing(const std::string& path, bool on);

    bool setFaults(const std::string& path, const SimFaults& faults);
    bool setSerialNumber(const std::string& path, const std::string& serial);
    bool setFirmwareVersion(const std::string& path, const std::string& version);

    // What the keyboard holds (also of a keyboard in its update mode: its
    // firmware version and whether the firmware is valid), and the reports
    // it received, in order.
    SimKeyboardState state(const std::string& path) const;
    std::vector<std::array<uint8_t, 64>> receivedReports(const std::string& path) const;
    // The length of each of them as the keyboard got it (64 for a report
    // the SDK sent).
    std::vector<size_t> receivedLengths(const std::string& path) const;
    void clearReceivedReports(const std::string& path);
    // The streamed light as the keyboard put it together (see SimLightStream).
    SimLightStreamView lightStream(const std::string& path) const;
    void clearLightStream(const std::string& path);
    // Onboard memory: the key records of a layer (payloads of the 0x17
    // reports in report-number order), a macro slot (256 bytes; empty when
    // never written) and an advanced-key record (the whole 64-byte 0x2A
    // report; empty when never written).
    std::vector<uint8_t> onboardKeys(const std::string& path, int layer) const;
    std::vector<uint8_t> onboardMacro(const std::string& path, int slot) const;
    std::vector<uint8_t> onboardSeniorKey(const std::string& path, int index) const;

    // Keyboards in their update mode (entered by 0x0A, or plugged in without
    // valid firmware): HID bootloaders by path text, and the update volumes
    // of the .ufw family by folder. They stay so, also across an unplug,
    // until an image was written and verified; then they restart as their
    // keyboard with its serial number and the image's version.
    std::vector<std::string> bootloaderPaths() const;
    std::vector<std::string> updateVolumes() const;

private:
    SimController() = default;
};

} // namespace sim
} // namespace lumtar

#endif
