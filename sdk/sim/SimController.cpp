#include "sdk/sim/SimController.h"

#include "sdk/hid/HidManager.h"
#include "sdk/sim/SimBus.h"

#include <algorithm>

namespace lumtar {
namespace sim {

namespace {

std::vector<uint8_t> inputReport(uint8_t command)
{
    std::vector<uint8_t> r(64, 0);
    r[0] = 0x01;
    r[1] = command;
    return r;
}

// The keyboard reports its state after every change.
void sendStatus(SimBus& bus, SimDevice& d)
{
    const auto s = d.keyboard->statusReport();
    bus.deliver(d, std::vector<uint8_t>(s.begin(), s.end()));
}

template <typename F>
bool onKeyboard(const std::string& path, F f)
{
    SimBus& bus = SimBus::instance();
    bool ok = false;
    bus.withDevice(path, [&](SimDevice& d) {
        if (d.mode == SimDevice::Mode::Keyboard) {
            f(bus, d);
            ok = true;
        }
    });
    return ok;
}

} // namespace

SimController& SimController::instance()
{
    static SimController controller;
    return controller;
}

std::string SimController::plug(const std::string& model, int connectType, int gamepadMode)
{
    const DeviceModel* m = HidManager::instance().table().findModel(model);
    if (!m || (connectType != 0 && connectType != 1) || gamepadMode < 0 || gamepadMode > 2
        || (connectType != 0 && gamepadMode != 0))
        return {};
    return SimBus::instance().plug(*m, connectType, false, gamepadMode);
}

std::string SimController::plugInUpdateMode(const std::string& model, int connectType)
{
    const DeviceModel* m = HidManager::instance().table().findModel(model);
    if (!m || (connectType != 0 && connectType != 1))
        return {};
    return SimBus::instance().plug(*m, connectType, true);
}

bool SimController::unplug(const std::string& path)
{
    return SimBus::instance().unplug(path);
}

std::string SimController::replug(const std::string& path)
{
    return SimBus::instance().replug(path);
}

void SimController::unplugAll()
{
    SimBus::instance().unplugAll();
}

std::vector<std::string> SimController::paths() const
{
    return SimBus::instance().keyboardPaths();
}

bool SimController::isPlugged(const std::string& path) const
{
    return SimBus::instance().withDevice(path, [](SimDevice&) {});
}

bool SimController::setReceiverLink(const std::string& path, bool keyboardReachable)
{
    bool isReceiver = false;
    onKeyboard(path, [&](SimBus& bus, SimDevice& d) {
        if (d.keyboard->state().connectType != 1)
            return;
        isReceiver = true;
        d.keyboard->state().receiverLinkUp = keyboardReachable;
        sendStatus(bus, d);
    });
    return isReceiver;
}

bool SimController::setBattery(const std::string& path, int percent, int charging)
{
    return onKeyboard(path, [&](SimBus& bus, SimDevice& d) {
        d.keyboard->state().batteryPercent = std::clamp(percent, 0, 100);
        d.keyboard->state().charging = std::clamp(charging, 0, 2);
        sendStatus(bus, d);
    });
}

bool SimController::sendKeyReport(const std::string& path, const std::array<uint8_t, 8>& report)
{
    return onKeyboard(path, [&](SimBus& bus, SimDevice& d) {
        auto r = inputReport(0x04);
        r[5] = 8;
        std::copy(report.begin(), report.end(), r.begin() + 6);
        bus.deliver(d, r);
    });
}

bool SimController::sendFullKeyReport(const std::string& path, const std::vector<uint8_t>& bytes)
{
    return onKeyboard(path, [&](SimBus& bus, SimDevice& d) {
        auto r = inputReport(0x05);
        r[5] = 21;
        std::copy_n(bytes.begin(), std::min<size_t>(bytes.size(), 58), r.begin() + 6);
        bus.deliver(d, r);
    });
}

bool SimController::sendFunctionKey(const std::string& path, int layer, int keyId, bool pressed)
{
    return onKeyboard(path, [&](SimBus& bus, SimDevice& d) {
        auto r = inputReport(0x20);
        r[6] = static_cast<uint8_t>(layer);
        r[9] = static_cast<uint8_t>(keyId);
        r[10] = pressed ? 1 : 0;
        bus.deliver(d, r);
    });
}

bool SimController::sendInputReport(const std::string& path, const std::array<uint8_t, 64>& report)
{
    return sendInputBytes(path, std::vector<uint8_t>(report.begin(), report.end()));
}

bool SimController::sendInputBytes(const std::string& path, const std::vector<uint8_t>& bytes)
{
    return onKeyboard(path, [&](SimBus& bus, SimDevice& d) { bus.deliver(d, bytes); });
}

bool SimController::pressKey(const std::string& path, int row, int column, int depth)
{
    return onKeyboard(path, [&](SimBus& bus, SimDevice& d) {
        for (const SimReply& reply : d.keyboard->press(row, column, depth).replies)
            bus.deliver(d, std::vector<uint8_t>(reply.report.begin(), reply.report.end()));
    });
}

bool SimController::setKeyTravel(const std::string& path, int row, int column, const std::array<int, 5>& travel)
{
    if (row < 0 || row >= 6 || column < 0 || column >= 22)
        return false;
    return onKeyboard(path, [&](SimBus&, SimDevice& d) { d.keyboard->state().travel[row * 22 + column] = travel; });
}

bool SimController::setMaxTravel(const std::string& path, int travel)
{
    return onKeyboard(path, [&](SimBus&, SimDevice& d) { d.keyboard->state().maxTravel = travel; });
}

bool SimController::setSelfPressing(const std::string& path, bool on)
{
    return onKeyboard(path, [&](SimBus&, SimDevice& d) { d.keyboard->state().selfPressing = on; });
}

bool SimController::setFaults(const std::string& path, const SimFaults& faults)
{
    return SimBus::instance().withDevice(path, [&](SimDevice& d) { d.faults = faults; });
}

bool SimController::setSerialNumber(const std::string& path, const std::string& serial)
{
    return onKeyboard(path, [&](SimBus&, SimDevice& d) { d.keyboard->state().serialNumber = serial.substr(0, 32); });
}

bool SimController::setFirmwareVersion(const std::string& path, const std::string& version)
{
    return onKeyboard(path, [&](SimBus&, SimDevice& d) {
        d.keyboard->state().firmwareVersion = version;
        d.endpoint.firmwareVersion = version;
    });
}

SimKeyboardState SimController::state(const std::string& path) const
{
    SimKeyboardState s;
    SimBus::instance().withDevice(path, [&](SimDevice& d) {
        s = d.keyboard->state();
        s.path = d.pathText();
    });
    return s;
}

std::vector<std::array<uint8_t, 64>> SimController::receivedReports(const std::string& path) const
{
    std::vector<std::array<uint8_t, 64>> out;
    SimBus::instance().withDevice(path, [&](SimDevice& d) {
        for (const SimDevice::Received& r : d.received)
            out.push_back(r.bytes);
    });
    return out;
}

std::vector<size_t> SimController::receivedLengths(const std::string& path) const
{
    std::vector<size_t> out;
    SimBus::instance().withDevice(path, [&](SimDevice& d) {
        for (const SimDevice::Received& r : d.received)
            out.push_back(r.length);
    });
    return out;
}

void SimController::clearReceivedReports(const std::string& path)
{
    SimBus::instance().withDevice(path, [](SimDevice& d) { d.received.clear(); });
}

SimLightStreamView SimController::lightStream(const std::string& path) const
{
    SimLightStreamView out;
    SimBus::instance().withDevice(path, [&](SimDevice& d) { out = d.lightStream.view(); });
    return out;
}

void SimController::clearLightStream(const std::string& path)
{
    SimBus::instance().withDevice(path, [](SimDevice& d) { d.lightStream.clear(); });
}

std::vector<uint8_t> SimController::onboardKeys(const std::string& path, int layer) const
{
    std::vector<uint8_t> out;
    onKeyboard(path, [&](SimBus&, SimDevice& d) { out = d.keyboard->onboardKeys(layer); });
    return out;
}

std::vector<uint8_t> SimController::onboardMacro(const std::string& path, int slot) const
{
    std::vector<uint8_t> out;
    onKeyboard(path, [&](SimBus&, SimDevice& d) { out = d.keyboard->onboardMacro(slot); });
    return out;
}

std::vector<uint8_t> SimController::onboardSeniorKey(const std::string& path, int index) const
{
    std::vector<uint8_t> out;
    onKeyboard(path, [&](SimBus&, SimDevice& d) { out = d.keyboard->onboardSeniorKey(index); });
    return out;
}

std::vector<std::string> SimController::bootloaderPaths() const
{
    return SimBus::instance().bootloaderPaths();
}

std::vector<std::string> SimController::updateVolumes() const
{
    return SimBus::instance().updateVolumes();
}

} // namespace sim
} // namespace lumtar
