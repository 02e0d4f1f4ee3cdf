#include "sdk/sim/SimController.h"

namespace lumtar {
namespace sim {

SimController& SimController::instance()
{
    static SimController controller;
    return controller;
}

std::string SimController::plug(const std::string&, int) { return {}; }
bool SimController::unplug(const std::string&) { return false; }
void SimController::unplugAll() {}
std::vector<std::string> SimController::paths() const { return {}; }
bool SimController::isPlugged(const std::string&) const { return false; }
bool SimController::setReceiverLink(const std::string&, bool) { return false; }
bool SimController::setBattery(const std::string&, int, int) { return false; }
bool SimController::sendKeyReport(const std::string&, const std::array<uint8_t, 8>&) { return false; }
bool SimController::sendFullKeyReport(const std::string&, const std::vector<uint8_t>&) { return false; }
bool SimController::sendFunctionKey(const std::string&, int, int, bool) { return false; }
bool SimController::sendInputReport(const std::string&, const std::array<uint8_t, 64>&) { return false; }
bool SimController::setFaults(const std::string&, const SimFaults&) { return false; }
bool SimController::setSerialNumber(const std::string&, const std::string&) { return false; }
bool SimController::setFirmwareVersion(const std::string&, const std::string&) { return false; }
SimKeyboardState SimController::state(const std::string&) const { return {}; }
std::vector<std::array<uint8_t, 64>> SimController::receivedReports(const std::string&) const { return {}; }
void SimController::clearReceivedReports(const std::string&) {}
std::vector<uint8_t> SimController::onboardKeys(const std::string&, int) const { return {}; }
std::vector<uint8_t> SimController::onboardMacro(const std::string&, int) const { return {}; }
std::vector<uint8_t> SimController::onboardSeniorKey(const std::string&, int) const { return {}; }
std::vector<std::string> SimController::bootloaderPaths() const { return {}; }

} // namespace sim
} // namespace lumtar
