#include "sdk/sim/SimBus.h"

#include "sdk/sim/SimStateFile.h"

#include "sdk/firmware/FirmwareTable.h"
#include "sdk/firmware/UpdateVolume.h"
#include "sdk/hid/HotplugNotifier.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace lumtar {
namespace sim {

namespace {

// What the firmware table says of a model's update mode; null when nothing.
const firmware::FirmwareModel* firmwareOf(const SimDevice& device)
{
    return firmware::FirmwareTable::builtin().findModel(device.keyboard->model().model);
}

} // namespace

bool SimBus::eventLater(const Event& a, const Event& b)
{
    return a.due != b.due ? a.due > b.due : a.seq > b.seq;
}

SimBus& SimBus::instance()
{
    static SimBus bus;
    return bus;
}

SimBus::SimBus()
{
    // The notifier must outlive the bus's thread.
    HotplugNotifier::instance();
    m_thread = std::thread([this] { loop(); });
}

SimBus::~SimBus()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stopping = true;
    }
    m_eventCv.notify_all();
    m_inputCv.notify_all();
    if (m_thread.joinable())
        m_thread.join();
    m_devices.clear();
    m_shelf.clear();
    std::error_code ec;
    std::filesystem::remove_all(firmware::volume::simulatedVolumeRoot(), ec);
}

void SimBus::loop()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    while (!m_stopping) {
        if (m_events.empty()) {
            m_eventCv.wait(lock);
            continue;
        }
        const auto due = m_events.front().due;
        if (std::chrono::steady_clock::now() < due) {
            m_eventCv.wait_until(lock, due);
            continue;
        }
        std::pop_heap(m_events.begin(), m_events.end(), eventLater);
        Event e = std::move(m_events.back());
        m_events.pop_back();
        e.run();
        if (!m_notes.empty()) {
            lock.unlock();
            flushNotifications();
            lock.lock();
        }
    }
}

void SimBus::schedule(int delayMs, std::function<void()> run)
{
    m_events.push_back({ std::chrono::steady_clock::now() + std::chrono::milliseconds(delayMs), m_seq++, std::move(run) });
    std::push_heap(m_events.begin(), m_events.end(), eventLater);
    m_eventCv.notify_all();
}

void SimBus::flushNotifications()
{
    // One reporter at a time keeps the order of arrivals and removals.
    std::lock_guard<std::recursive_mutex> order(m_notifyMutex);
    std::vector<std::pair<bool, std::string>> notes;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        notes.swap(m_notes);
    }
    for (const auto& n : notes)
        HotplugNotifier::instance().notify(n.first, n.second);
}

void SimBus::attach(SimDevice& device)
{
    device.presence = SimDevice::Presence::Attached;
    // An update volume is a disk, not a HID interface: no HID arrival.
    if (device.isHid())
        m_notes.emplace_back(true, device.pathText());
}

void SimBus::dropOff(SimDevice& device, SimDevice::Presence presence)
{
    if (device.presence == SimDevice::Presence::Attached && device.isHid())
        m_notes.emplace_back(false, device.pathText());
    if (device.volume)
        device.volume->withdraw();
    device.presence = presence;
    ++device.generation;
    device.inputs.clear();
    signalReaders(device, true);
    m_inputCv.notify_all();
}

void SimBus::signalReaders(SimDevice& device, bool hangUp)
{
    auto& readers = device.readers;
    for (auto it = readers.begin(); it != readers.end();) {
        const std::shared_ptr<SimReadySignal> signal = it->lock();
        if (!signal) {
            it = readers.erase(it);
            continue;
        }
        if (hangUp)
            signal->hangUp();
        else
            signal->raise();
        ++it;
    }
    if (hangUp)
        readers.clear();
}

void SimBus::addReader(const DevicePtr& device, uint64_t generation, const std::shared_ptr<SimReadySignal>& signal)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!alive(device, generation)) {
        signal->hangUp();
        return;
    }
    device->readers.push_back(signal);
    if (!device->inputs.empty())
        signal->raise();
}

void SimBus::shelve(const DevicePtr& device)
{
    const std::string path = device->pathText();
    dropOff(*device, SimDevice::Presence::Gone);
    m_devices.erase(std::remove(m_devices.begin(), m_devices.end(), device), m_devices.end());
    m_shelf.emplace_back(path, device);
    if (m_shelf.size() > kShelfLimit)
        m_shelf.erase(m_shelf.begin());
}

void SimBus::becomeKeyboard(SimDevice& d)
{
    const DeviceModel& model = d.keyboard->model();
    SimKeyboardState& s = d.keyboard->state();
    const DeviceIds* ids = model.idsFor(s.connectType, s.connectType == 0 ? s.gamepadMode : -1);
    if (!ids)
        ids = model.idsFor(s.connectType, -2); // any gamepad mode
    d.mode = SimDevice::Mode::Keyboard;
    d.bootloader.reset();
    d.volume.reset();
    d.endpoint.vendorId = ids ? ids->vendorId : 0;
    d.endpoint.productId = ids ? ids->productId : 0;
    d.endpoint.interfaceNumber = model.reportInterface < 0 ? 0 : model.reportInterface;
    d.endpoint.usagePage = model.usagePage;
    d.endpoint.manufacturer = "Lumtar";
    d.endpoint.product = model.productName;
    d.endpoint.serialNumber = s.serialNumber;
    d.endpoint.firmwareVersion = s.firmwareVersion;
    d.endpoint.firmwareDate = s.firmwareDate;
    attach(d);
}

void SimBus::becomeUpdateMode(const DevicePtr& device)
{
    SimDevice& d = *device;
    SimKeyboardState& s = d.keyboard->state();
    const firmware::FirmwareModel* fw = firmwareOf(d);
    if (fw && fw->family->format == firmware::ImageFormat::Ufw) {
        d.mode = SimDevice::Mode::UpdateVolume;
        d.bootloader.reset();
        d.volume = std::make_unique<SimUpdateVolume>(
            firmware::volume::simulatedVolumeRoot() + "/" + std::to_string(d.id), s);
        d.volume->present();
        attach(d);
        const uint64_t gen = d.generation;
        schedule(SimUpdateVolume::kPollMs, [this, device, gen] { pollVolume(device, gen); });
        return;
    }
    const firmware::BootloaderIds* ids = fw ? fw->bootloaderFor(s.connectType) : nullptr;
    const size_t maxImage = fw && fw->family->format == firmware::ImageFormat::Bin
        ? static_cast<size_t>(fw->family->imageSize)
        : 0;
    d.mode = SimDevice::Mode::Bootloader;
    d.volume.reset();
    d.bootloader = std::make_unique<SimBootloader>(s.model, s.connectType, maxImage, s);
    d.endpoint.vendorId = ids ? ids->vendorId : kBootloaderVendorId;
    d.endpoint.productId = ids ? ids->productId : kBootloaderProductId;
    d.endpoint.interfaceNumber = 0;
    d.endpoint.usagePage = 0;
    d.endpoint.product = "Bootloader";
    d.endpoint.serialNumber.clear();
    d.endpoint.firmwareVersion.clear();
    d.endpoint.firmwareDate.clear();
    attach(d);
}

void SimBus::restartInto(const DevicePtr& device, SimDevice::Mode mode, int delayMs)
{
    dropOff(*device, SimDevice::Presence::Restarting);
    const uint64_t gen = device->generation;
    schedule(delayMs, [this, device, gen, mode] {
        if (device->presence != SimDevice::Presence::Restarting || device->generation != gen)
            return;
        if (mode == SimDevice::Mode::Keyboard)
            becomeKeyboard(*device);
        else
            becomeUpdateMode(device);
    });
}

std::string SimBus::plug(const DeviceModel& model, int connectType, bool inUpdateMode, int gamepadMode,
                         const std::string& stateFile)
{
    const DeviceIds* ids = model.idsFor(connectType, connectType == 0 ? gamepadMode : -1);
    if (!ids && gamepadMode == 0)
        ids = model.idsFor(connectType, -2); // any gamepad mode
    if (!ids)
        return {};
    std::string path;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        auto d = std::make_shared<SimDevice>();
        d->id = m_nextId++;
        d->endpoint.osPath = kOsPathPrefix + std::to_string(d->id);
        d->keyboard = std::make_unique<SimKeyboard>(model, connectType, ids->gamepadMode);
        d->lightStream = SimLightStream(model.sideLedCount);
        if (!stateFile.empty()) {
            d->stateFile = stateFile;
            if (!SimStateFile::load(stateFile, d->keyboard->state()))
                SimStateFile::save(stateFile, d->keyboard->state()); // the serial number from now on
        }
        m_devices.push_back(d);
        if (inUpdateMode) {
            d->keyboard->state().validImage = false;
            becomeUpdateMode(d);
        } else {
            becomeKeyboard(*d);
        }
        path = d->pathText();
    }
    flushNotifications();
    return path;
}

bool SimBus::unplug(const std::string& pathText)
{
    bool found = false;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (const DevicePtr& d : m_devices) {
            if (d->presence == SimDevice::Presence::Attached && d->pathText() == pathText) {
                shelve(DevicePtr(d));
                found = true;
                break;
            }
        }
    }
    flushNotifications();
    return found;
}

std::string SimBus::replug(const std::string& pathText)
{
    std::string path;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (auto it = m_shelf.rbegin(); it != m_shelf.rend(); ++it) {
            if (it->first != pathText)
                continue;
            DevicePtr d = it->second;
            m_shelf.erase(std::next(it).base());
            m_devices.push_back(d);
            // Without valid firmware the keyboard starts in its update mode.
            if (d->keyboard->state().validImage)
                becomeKeyboard(*d);
            else
                becomeUpdateMode(d);
            path = d->pathText();
            break;
        }
    }
    flushNotifications();
    return path;
}

void SimBus::unplugAll()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (auto& d : m_devices)
            dropOff(*d, SimDevice::Presence::Gone);
        m_devices.clear();
        m_shelf.clear();
    }
    flushNotifications();
}

std::vector<std::string> SimBus::keyboardPaths() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::vector<std::string> out;
    for (const auto& d : m_devices)
        if (d->presence == SimDevice::Presence::Attached && d->mode == SimDevice::Mode::Keyboard)
            out.push_back(d->pathText());
    return out;
}

std::vector<std::string> SimBus::bootloaderPaths() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::vector<std::string> out;
    for (const auto& d : m_devices)
        if (d->presence == SimDevice::Presence::Attached && d->mode == SimDevice::Mode::Bootloader)
            out.push_back(d->pathText());
    return out;
}

std::vector<std::string> SimBus::updateVolumes() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::vector<std::string> out;
    for (const auto& d : m_devices)
        if (d->presence == SimDevice::Presence::Attached && d->mode == SimDevice::Mode::UpdateVolume)
            out.push_back(d->pathText());
    return out;
}

std::vector<HidEndpoint> SimBus::endpoints() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::vector<HidEndpoint> out;
    for (const auto& d : m_devices)
        if (d->presence == SimDevice::Presence::Attached && d->isHid())
            out.push_back(d->endpoint);
    return out;
}

bool SimBus::withDevice(const std::string& pathText, const std::function<void(SimDevice&)>& f)
{
    bool found = false;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (auto& d : m_devices) {
            if (d->presence == SimDevice::Presence::Attached && d->pathText() == pathText) {
                f(*d);
                found = true;
                break;
            }
        }
    }
    flushNotifications();
    return found;
}

void SimBus::deliver(SimDevice& device, const std::vector<uint8_t>& report)
{
    if (device.presence != SimDevice::Presence::Attached)
        return;
    // The kernel drops an input report shorter than the one its report
    // descriptor declares ("Event data for report 0 was too short").
    if (report.size() < kReportSize)
        return;
    device.inputs.push_back(report);
    if (device.inputs.size() > kInputLimit)
        device.inputs.pop_front();
    signalReaders(device, false);
    m_inputCv.notify_all();
}

std::shared_ptr<SimDevice> SimBus::findAttached(const std::string& osPath, uint64_t* generation) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (const auto& d : m_devices)
        if (d->presence == SimDevice::Presence::Attached && d->isHid() && d->endpoint.osPath == osPath) {
            if (d->faults.openRefused)
                return nullptr; // as the system refuses a device this user may not open
            if (generation)
                *generation = d->generation;
            return d;
        }
    return nullptr;
}

bool SimBus::alive(const DevicePtr& device, uint64_t generation) const
{
    return device->presence == SimDevice::Presence::Attached && device->generation == generation;
}

int SimBus::read(const DevicePtr& device, uint64_t generation, uint8_t* buffer, size_t capacity, int timeoutMs,
                 SimReadySignal* signal)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(std::max(0, timeoutMs));
    while (alive(device, generation) && device->inputs.empty() && !m_stopping) {
        if (timeoutMs <= 0 || m_inputCv.wait_until(lock, deadline) == std::cv_status::timeout)
            break;
    }
    if (!alive(device, generation))
        return -1;
    if (device->inputs.empty()) {
        if (signal)
            signal->lower();
        return 0;
    }
    std::vector<uint8_t> report = std::move(device->inputs.front());
    device->inputs.pop_front();
    if (signal && device->inputs.empty())
        signal->lower();
    size_t n = std::min(report.size(), capacity);
    if (device->faults.shortReadBytes > 0)
        n = std::min(n, static_cast<size_t>(device->faults.shortReadBytes));
    std::memcpy(buffer, report.data(), n);
    return static_cast<int>(n);
}

int SimBus::write(const DevicePtr& device, uint64_t generation, const uint8_t* report, size_t length)
{
    int result = -1;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!alive(device, generation))
            return -1;
        if (device->faults.vanishAfterWrites == 0) {
            device->faults.vanishAfterWrites = -1;
            shelve(device);
        } else {
            if (device->faults.vanishAfterWrites > 0)
                --device->faults.vanishAfterWrites;
            std::array<uint8_t, 64> r{};
            std::memcpy(r.data(), report, std::min(length, r.size()));
            device->received.push_back({ r, length });
            if (device->received.size() > kReceivedLimit)
                device->received.pop_front();
            const auto now = std::chrono::steady_clock::now().time_since_epoch();
            device->lightStream.take(r, std::chrono::duration_cast<std::chrono::microseconds>(now).count());
            // The streamed colours (0x0E, 0x28) are taken above and answered
            // by nothing: they need no turn of the bus's thread.
            const bool streamedColours = device->mode == SimDevice::Mode::Keyboard && (r[1] == 0x0E || r[1] == 0x28);
            if (!streamedColours)
                schedule(0, [this, device, generation, r] { process(device, generation, r); });
            result = static_cast<int>(length);
        }
    }
    flushNotifications();
    return result;
}

void SimBus::sendLater(const DevicePtr& device, uint64_t generation, const std::array<uint8_t, 64>& report,
                       int delayMs, int calibrationRun)
{
    const std::vector<uint8_t> bytes(report.begin(), report.end());
    auto send = [this, device, generation, bytes, calibrationRun] {
        if (!alive(device, generation))
            return;
        if (calibrationRun >= 0) {
            if (device->keyboard->calibrationRun() != calibrationRun || !device->keyboard->state().calibrating)
                return;
            device->keyboard->state().calibrating = false;
        }
        deliver(*device, bytes);
    };
    if (delayMs <= 0)
        send();
    else
        schedule(delayMs, send);
}

void SimBus::process(const DevicePtr& device, uint64_t generation, std::array<uint8_t, 64> report)
{
    // Bus lock held (event of the bus thread).
    if (!alive(device, generation))
        return;
    if (device->mode == SimDevice::Mode::Keyboard)
        processKeyboard(device, generation, report);
    else if (device->mode == SimDevice::Mode::Bootloader)
        processBootloader(device, generation, report);
}

void SimBus::processKeyboard(const DevicePtr& device, uint64_t generation, const std::array<uint8_t, 64>& report)
{
    SimOutcome out = device->keyboard->handle(report.data(), report.size(), device->faults);
    if (!device->stateFile.empty() && SimStateFile::changesKeptState(report.data()))
        SimStateFile::save(device->stateFile, device->keyboard->state());
    for (const SimReply& reply : out.replies)
        sendLater(device, generation, reply.report, reply.delayMs, reply.calibrationRun);
    for (const SimPress& press : out.presses) {
        schedule(press.delayMs, [this, device, generation, press] {
            SimKeyboard& keyboard = *device->keyboard;
            if (!alive(device, generation) || keyboard.calibrationRun() != press.calibrationRun
                || !keyboard.state().selfPressing)
                return;
            for (const SimReply& reply : keyboard.press(press.row, press.column, keyboard.fullDepth()).replies)
                sendLater(device, generation, reply.report, reply.delayMs, -1);
        });
    }
    if (out.restartInGamepadMode >= 0) {
        device->keyboard->state().gamepadMode = out.restartInGamepadMode;
        restartInto(device, SimDevice::Mode::Keyboard, kRestartMs);
    }
    if (out.enterBootloader) {
        // Until a new image is written and verified the keyboard starts in
        // its update mode, however often it is unplugged.
        device->keyboard->state().validImage = false;
        restartInto(device, SimDevice::Mode::Bootloader, kRestartMs);
    }
}

void SimBus::processBootloader(const DevicePtr& device, uint64_t generation, const std::array<uint8_t, 64>& report)
{
    SimBootloaderOutcome out = device->bootloader->handle(report.data(), report.size(), device->faults);
    for (const SimReply& reply : out.replies)
        sendLater(device, generation, reply.report, reply.delayMs, -1);
    if (out.vanish)
        shelve(device);
    else if (out.restart)
        restartInto(device, SimDevice::Mode::Keyboard, kRestartMs);
}

void SimBus::pollVolume(const DevicePtr& device, uint64_t generation)
{
    // Bus lock held.
    if (!alive(device, generation) || device->mode != SimDevice::Mode::UpdateVolume)
        return;
    const int verdict = device->volume->takeImage(device->faults);
    if (verdict < 0) {
        schedule(SimUpdateVolume::kPollMs, [this, device, generation] { pollVolume(device, generation); });
        return;
    }
    schedule(std::max(0, device->faults.replyDelayMs), [this, device, generation, verdict] {
        if (!alive(device, generation))
            return;
        firmware::volume::writeVerdict(device->volume->folder(), verdict);
        if (verdict == firmware::volume::kVerdictOk) {
            schedule(kVolumeRestartMs, [this, device, generation] {
                if (alive(device, generation))
                    restartInto(device, SimDevice::Mode::Keyboard, kRestartMs);
            });
        } else {
            schedule(SimUpdateVolume::kPollMs, [this, device, generation] { pollVolume(device, generation); });
        }
    });
}

} // namespace sim
} // namespace lumtar
