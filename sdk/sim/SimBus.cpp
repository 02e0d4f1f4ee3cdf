#include "sdk/sim/SimBus.h"

#include "sdk/hid/HotplugNotifier.h"

#include <algorithm>
#include <cstring>

namespace lumtar {
namespace sim {

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
    m_notes.emplace_back(true, device.pathText());
}

void SimBus::dropOff(SimDevice& device, SimDevice::Presence presence)
{
    if (device.presence == SimDevice::Presence::Attached)
        m_notes.emplace_back(false, device.pathText());
    device.presence = presence;
    ++device.generation;
    device.inputs.clear();
    m_inputCv.notify_all();
}

std::string SimBus::plug(const DeviceModel& model, int connectType)
{
    const DeviceIds* ids = model.idsFor(connectType, connectType == 0 ? 0 : -1);
    if (!ids)
        ids = model.idsFor(connectType, -2); // any gamepad mode
    if (!ids)
        return {};
    std::string path;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        auto d = std::make_shared<SimDevice>();
        d->id = m_nextId++;
        d->endpoint.osPath = kOsPathPrefix + std::to_string(d->id);
        d->endpoint.vendorId = ids->vendorId;
        d->endpoint.productId = ids->productId;
        d->endpoint.interfaceNumber = model.reportInterface < 0 ? 0 : model.reportInterface;
        d->endpoint.usagePage = model.usagePage;
        d->endpoint.manufacturer = "Lumtar";
        d->endpoint.product = model.productName;
        d->keyboard = std::make_unique<SimKeyboard>(model, connectType, ids->gamepadMode);
        d->endpoint.serialNumber = d->keyboard->state().serialNumber;
        d->endpoint.firmwareVersion = d->keyboard->state().firmwareVersion;
        attach(*d);
        path = d->pathText();
        m_devices.push_back(std::move(d));
    }
    flushNotifications();
    return path;
}

bool SimBus::unplug(const std::string& pathText)
{
    bool found = false;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (auto it = m_devices.begin(); it != m_devices.end(); ++it) {
            if ((*it)->presence == SimDevice::Presence::Attached && (*it)->pathText() == pathText) {
                dropOff(**it, SimDevice::Presence::Gone);
                m_devices.erase(it);
                found = true;
                break;
            }
        }
    }
    flushNotifications();
    return found;
}

void SimBus::unplugAll()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (auto& d : m_devices)
            dropOff(*d, SimDevice::Presence::Gone);
        m_devices.clear();
    }
    flushNotifications();
}

std::vector<std::string> SimBus::keyboardPaths() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::vector<std::string> out;
    for (const auto& d : m_devices)
        if (d->presence == SimDevice::Presence::Attached && d->keyboard)
            out.push_back(d->pathText());
    return out;
}

std::vector<std::string> SimBus::bootloaderPaths() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::vector<std::string> out;
    for (const auto& d : m_devices)
        if (d->presence == SimDevice::Presence::Attached && !d->keyboard)
            out.push_back(d->pathText());
    return out;
}

std::vector<HidEndpoint> SimBus::endpoints() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::vector<HidEndpoint> out;
    for (const auto& d : m_devices)
        if (d->presence == SimDevice::Presence::Attached)
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
    m_inputCv.notify_all();
}

std::shared_ptr<SimDevice> SimBus::findAttached(const std::string& osPath, uint64_t* generation) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (const auto& d : m_devices)
        if (d->presence == SimDevice::Presence::Attached && d->endpoint.osPath == osPath) {
            if (d->faults.openRefused)
                return nullptr; // as the system refuses a device this user may not open
            if (generation)
                *generation = d->generation;
            return d;
        }
    return nullptr;
}

bool SimBus::alive(const std::shared_ptr<SimDevice>& device, uint64_t generation) const
{
    return device->presence == SimDevice::Presence::Attached && device->generation == generation;
}

int SimBus::read(const std::shared_ptr<SimDevice>& device, uint64_t generation, uint8_t* buffer, size_t capacity,
                 int timeoutMs)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(std::max(0, timeoutMs));
    while (alive(device, generation) && device->inputs.empty() && !m_stopping) {
        if (timeoutMs <= 0 || m_inputCv.wait_until(lock, deadline) == std::cv_status::timeout)
            break;
    }
    if (!alive(device, generation))
        return -1;
    if (device->inputs.empty())
        return 0;
    std::vector<uint8_t> report = std::move(device->inputs.front());
    device->inputs.pop_front();
    size_t n = std::min(report.size(), capacity);
    if (device->faults.shortReadBytes > 0)
        n = std::min(n, static_cast<size_t>(device->faults.shortReadBytes));
    std::memcpy(buffer, report.data(), n);
    return static_cast<int>(n);
}

int SimBus::write(const std::shared_ptr<SimDevice>& device, uint64_t generation, const uint8_t* report, size_t length)
{
    int result = -1;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!alive(device, generation))
            return -1;
        if (device->faults.vanishAfterWrites == 0) {
            device->faults.vanishAfterWrites = -1;
            dropOff(*device, SimDevice::Presence::Gone);
            m_devices.erase(std::remove(m_devices.begin(), m_devices.end(), device), m_devices.end());
        } else {
            if (device->faults.vanishAfterWrites > 0)
                --device->faults.vanishAfterWrites;
            std::array<uint8_t, 64> r{};
            std::memcpy(r.data(), report, std::min(length, r.size()));
            device->received.push_back({ r, length });
            if (device->received.size() > kReceivedLimit)
                device->received.pop_front();
            schedule(0, [this, device, generation, r] { process(device, generation, r); });
            result = static_cast<int>(length);
        }
    }
    flushNotifications();
    return result;
}

void SimBus::process(const std::shared_ptr<SimDevice>& device, uint64_t generation, std::array<uint8_t, 64> report)
{
    // Bus lock held (event of the bus thread).
    if (!alive(device, generation) || !device->keyboard)
        return;
    SimOutcome out = device->keyboard->handle(report.data(), report.size(), device->faults);
    for (const SimReply& reply : out.replies) {
        const std::vector<uint8_t> bytes(reply.report.begin(), reply.report.end());
        const int run = reply.calibrationRun;
        auto send = [this, device, generation, bytes, run] {
            if (!alive(device, generation))
                return;
            if (run >= 0 && (device->keyboard->calibrationRun() != run || !device->keyboard->state().calibrating))
                return;
            if (run >= 0)
                device->keyboard->state().calibrating = false;
            deliver(*device, bytes);
        };
        if (reply.delayMs <= 0)
            send();
        else
            schedule(reply.delayMs, send);
    }
    if (out.restartInGamepadMode >= 0) {
        const int mode = out.restartInGamepadMode;
        dropOff(*device, SimDevice::Presence::Restarting);
        const uint64_t gen = device->generation;
        schedule(kRestartMs, [this, device, gen, mode] {
            if (device->presence != SimDevice::Presence::Restarting || device->generation != gen)
                return;
            device->keyboard->state().gamepadMode = mode;
            device->endpoint.productId = device->keyboard->gamepadProductId(mode, device->endpoint.productId);
            attach(*device);
        });
    }
    if (out.enterBootloader) {
        dropOff(*device, SimDevice::Presence::Gone);
        m_devices.erase(std::remove(m_devices.begin(), m_devices.end(), device), m_devices.end());
        schedule(kRestartMs, [this] {
            auto b = std::make_shared<SimDevice>();
            b->id = m_nextId++;
            b->endpoint.osPath = kOsPathPrefix + std::to_string(b->id);
            b->endpoint.vendorId = kBootloaderVendorId;
            b->endpoint.productId = kBootloaderProductId;
            b->endpoint.interfaceNumber = 0;
            b->endpoint.product = "Bootloader";
            attach(*b);
            m_devices.push_back(std::move(b));
        });
    }
}

} // namespace sim
} // namespace lumtar
