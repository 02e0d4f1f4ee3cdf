#include "sdk/hid/HidManager.h"

#include "sdk/hid/DevicePathText.h"
#include "sdk/hid/HidapiTransport.h"
#include "sdk/hid/HighPrecisionTimer.h"
#include "sdk/hid/SimTransport.h"
#include "sdk/sim/SimBus.h"
#include "sdk/sim/SimStateFile.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <sstream>
#include <unistd.h>

namespace lumtar {

namespace {
// Longest single wait of a blocking read before it looks at the handle again.
constexpr int kBlockingSliceMs = 100;
} // namespace

HidManager& HidManager::instance()
{
    static HidManager manager;
    return manager;
}

HidManager::HidManager()
{
    m_transports.push_back(std::make_unique<HidapiTransport>());
    m_transports.push_back(std::make_unique<SimTransport>());
}

bool HidManager::loadTable()
{
    // m_mutex held.
    if (!m_tableLoaded) {
        m_tableLoaded = true;
        std::string error, source;
        m_tableOk = m_table.loadDefault(&error, &source);
        if (!m_tableOk)
            std::fprintf(stderr, "lumtarSdk: device table (%s) not usable: %s\n", source.c_str(), error.c_str());
    }
    return m_tableOk;
}

const DeviceTable& HidManager::table()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    loadTable();
    return m_table;
}

int HidManager::init()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_initResult >= 0)
            return m_initResult;
        m_initResult = loadTable() ? 0 : 1;
        if (m_initResult != 0)
            return m_initResult;
    }
    plugSimulatedFromEnvironment();
    return 0;
}

bool HidManager::isReady()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_initResult == 0;
}

void HidManager::plugSimulatedFromEnvironment()
{
    const char* value = std::getenv(kSimulatedDevicesVariable);
    if (!value)
        return;
    std::stringstream list(value);
    std::string item;
    // Each listed keyboard keeps its state in a file of its own: the n-th of
    // the same name takes the n-th file.
    std::map<std::string, int> seen;
    while (std::getline(list, item, ',')) {
        while (!item.empty() && item.front() == ' ')
            item.erase(item.begin());
        while (!item.empty() && item.back() == ' ')
            item.pop_back();
        if (item.empty())
            continue;
        // "@receiver" behind its receiver, "@gamepad1" / "@gamepad2" by
        // cable in that gamepad mode.
        const std::string stateFile = sim::SimStateFile::pathFor(item, seen[item]++);
        int connectType = 0;
        int gamepadMode = 0;
        const size_t at = item.find('@');
        if (at != std::string::npos) {
            const std::string how = item.substr(at + 1);
            if (how == "receiver")
                connectType = 1;
            else if (how == "gamepad0" || how == "gamepad1" || how == "gamepad2")
                gamepadMode = how.back() - '0';
            else
                connectType = -1;
            item.resize(at);
        }
        const DeviceModel* model = m_table.findModel(item);
        if (!model || connectType < 0
            || sim::SimBus::instance().plug(*model, connectType, false, gamepadMode, stateFile).empty())
            std::fprintf(stderr, "lumtarSdk: %s: no simulated keyboard \"%s\"\n", kSimulatedDevicesVariable,
                         item.c_str());
    }
}

HidTransport* HidManager::transportFor(const std::string& osPath)
{
    for (auto& t : m_transports)
        if (t->owns(osPath))
            return t.get();
    return nullptr;
}

std::vector<AttachedDevice> HidManager::attached()
{
    std::vector<AttachedDevice> out;
    if (!isReady())
        return out;
    for (auto& t : m_transports) {
        for (HidEndpoint& e : t->enumerate()) {
            const DeviceIds* ids = nullptr;
            const DeviceModel* model = m_table.findByIds(e.vendorId, e.productId, &ids);
            if (!model)
                continue;
            if (model->reportInterface >= 0 && e.interfaceNumber >= 0 && e.interfaceNumber != model->reportInterface)
                continue;
            if (model->usagePage != 0 && e.usagePage != 0 && e.usagePage != model->usagePage)
                continue;
            DevicePathText p;
            p.vendorId = e.vendorId;
            p.productId = e.productId;
            p.interfaceNumber = e.interfaceNumber;
            p.osPath = e.osPath;
            AttachedDevice a;
            a.pathText = p.format();
            a.endpoint = std::move(e);
            a.model = model;
            a.ids = *ids;
            out.push_back(std::move(a));
        }
    }
    return out;
}

std::vector<HidEndpoint> HidManager::endpoints()
{
    std::vector<HidEndpoint> out;
    if (!isReady())
        return out;
    for (auto& t : m_transports)
        for (HidEndpoint& e : t->enumerate())
            out.push_back(std::move(e));
    return out;
}

std::vector<std::string> HidManager::inaccessible()
{
    std::vector<std::string> out;
    for (const AttachedDevice& a : attached())
        if (a.endpoint.osPath.compare(0, 5, "/dev/") == 0 && access(a.endpoint.osPath.c_str(), R_OK | W_OK) != 0)
            out.push_back(a.pathText);
    return out;
}

int HidManager::open(const std::string& pathText)
{
    DevicePathText p;
    if (!isReady() || !DevicePathText::parse(pathText, &p))
        return 0;
    HidTransport* transport = transportFor(p.osPath);
    if (!transport)
        return 0;
    // The path must still name the same device.
    bool present = false;
    for (const HidEndpoint& e : transport->enumerate())
        if (e.osPath == p.osPath && e.vendorId == p.vendorId && e.productId == p.productId)
            present = true;
    if (!present)
        return 0;
    int error = 0;
    auto h = std::make_shared<OpenHandle>();
    h->pathText = pathText;
    h->connection = transport->open(p.osPath, &error);
    if (!h->connection) {
        if (error == EACCES || error == EPERM)
            std::fprintf(stderr,
                         "lumtarSdk: no permission to open %s; install 70-lumtar.rules into /etc/udev/rules.d "
                         "and plug the keyboard in again\n",
                         p.osPath.c_str());
        return 0;
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    int handle = m_nextHandle;
    while (handle <= 0 || m_handles.count(handle))
        handle = handle <= 0 ? 1 : handle + 1;
    m_nextHandle = handle + 1;
    m_handles[handle] = std::move(h);
    return handle;
}

std::shared_ptr<HidManager::OpenHandle> HidManager::find(int handle)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const auto it = m_handles.find(handle);
    return it == m_handles.end() ? nullptr : it->second;
}

int HidManager::setNonblocking(int handle, bool nonblocking)
{
    auto h = find(handle);
    if (!h)
        return -1;
    h->nonblocking = nonblocking;
    return 0;
}

std::shared_ptr<HidManager::OpenHandle> HidManager::startRead(int handle, uint8_t* buffer)
{
    if (!buffer)
        return nullptr;
    std::memset(buffer, 0, kReportSize);
    return find(handle);
}

int HidManager::copyReport(const uint8_t* report, int count, uint8_t* buffer)
{
    if (count <= 0)
        return count < 0 ? -1 : 0;
    count = std::min(count, static_cast<int>(kReportSize));
    std::memcpy(buffer, report, static_cast<size_t>(count));
    return count;
}

int HidManager::read(int handle, uint8_t* buffer)
{
    const auto h = startRead(handle, buffer);
    if (!h)
        return -1;
    uint8_t report[kReportSize] = {};
    int n;
    do {
        n = h->connection->read(report, sizeof report, h->nonblocking ? 0 : kBlockingSliceMs);
    } while (n == 0 && !h->nonblocking && !h->closed);
    return copyReport(report, n, buffer);
}

int HidManager::readWithin(int handle, uint8_t* buffer, int timeoutMs)
{
    const auto h = startRead(handle, buffer);
    if (!h)
        return -1;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(std::max(0, timeoutMs));
    uint8_t report[kReportSize] = {};
    int n = 0;
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now()).count();
        n = h->connection->read(report, sizeof report,
                                static_cast<int>(std::clamp<long long>(left, 0, kBlockingSliceMs)));
        if (n != 0 || h->closed || left <= 0)
            break;
    }
    return h->closed ? -1 : copyReport(report, n, buffer);
}

int HidManager::waitInput(int handle, int interval, uint64_t timer)
{
    const auto h = find(handle);
    if (!h || h->closed)
        return -1;
    // The handle's reference keeps the connection, and so its descriptor,
    // for the whole wait.
    const int readyFd = h->connection->readyFd();
    // Without a descriptor an arriving report cannot end the wait: look
    // again after a short while.
    if (readyFd < 0 && (interval < 0 || interval > HighPrecisionTimer::kUnwakeableUnits))
        interval = HighPrecisionTimer::kUnwakeableUnits;
    const HighPrecisionTimer::Outcome outcome = HighPrecisionTimer::instance().waitFor(readyFd, interval, timer);
    return outcome == HighPrecisionTimer::Outcome::Ready ? 1 : 0;
}

int HidManager::write(int handle, const uint8_t* report)
{
    if (!report)
        return -1;
    auto h = find(handle);
    if (!h)
        return -1;
    // Byte 0 of a report is data (0x01, or 0x00 for the serial-number
    // inquiry and the shake-hands report), so the report id goes before it.
    // Without it the kernel would take byte 0 for the id and drop a 0x00.
    uint8_t out[kReportSize + 1];
    out[0] = kReportId;
    std::memcpy(out + 1, report, kReportSize);
    return h->connection->write(out, sizeof out) == static_cast<int>(sizeof out) ? static_cast<int>(kReportSize) : -1;
}

int HidManager::close(int handle)
{
    std::shared_ptr<OpenHandle> h;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        const auto it = m_handles.find(handle);
        if (it == m_handles.end())
            return -1;
        h = std::move(it->second);
        m_handles.erase(it);
    }
    // A transfer under way keeps its own reference; the device is released
    // when the last one goes.
    h->closed = true;
    return 0;
}

} // namespace lumtar
