#include "kernel/UhidDevice.h"

#include "kernel/HidrawNodes.h"

#include <linux/uhid.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace {

bool writeEvent(int fd, const uhid_event &ev)
{
    const ssize_t n = ::write(fd, &ev, sizeof ev);
    return n == static_cast<ssize_t>(sizeof ev);
}

} // namespace

UhidDevice::~UhidDevice()
{
    destroy();
}

bool UhidDevice::create(const Config &config, OutputHandler onOutput, std::string *error)
{
    destroy();
    m_fd = ::open("/dev/uhid", O_RDWR | O_CLOEXEC);
    if (m_fd < 0) {
        if (error)
            *error = std::string("/dev/uhid: ") + std::strerror(errno);
        return false;
    }
    m_config = config;
    m_onOutput = std::move(onOutput);
    uhid_event ev;
    std::memset(&ev, 0, sizeof ev);
    ev.type = UHID_CREATE2;
    std::strncpy(reinterpret_cast<char *>(ev.u.create2.name), config.name.c_str(), sizeof ev.u.create2.name - 1);
    std::strncpy(reinterpret_cast<char *>(ev.u.create2.uniq), config.uniq.c_str(), sizeof ev.u.create2.uniq - 1);
    std::strncpy(reinterpret_cast<char *>(ev.u.create2.phys), config.phys.c_str(), sizeof ev.u.create2.phys - 1);
    ev.u.create2.rd_size = static_cast<uint16_t>(config.descriptor.size());
    std::memcpy(ev.u.create2.rd_data, config.descriptor.data(), config.descriptor.size());
    ev.u.create2.bus = config.bus;
    ev.u.create2.vendor = config.vendorId;
    ev.u.create2.product = config.productId;
    ev.u.create2.version = config.version;
    if (!writeEvent(m_fd, ev)) {
        if (error)
            *error = std::string("UHID_CREATE2: ") + std::strerror(errno);
        ::close(m_fd);
        m_fd = -1;
        return false;
    }
    m_stop = false;
    m_thread = std::thread([this] { loop(); });
    return true;
}

bool UhidDevice::sendInput(const std::vector<uint8_t> &report)
{
    std::lock_guard<std::mutex> lock(m_writeMutex);
    if (m_fd < 0 || report.size() > UHID_DATA_MAX)
        return false;
    uhid_event ev;
    std::memset(&ev, 0, sizeof ev);
    ev.type = UHID_INPUT2;
    ev.u.input2.size = static_cast<uint16_t>(report.size());
    std::memcpy(ev.u.input2.data, report.data(), report.size());
    return writeEvent(m_fd, ev);
}

void UhidDevice::destroy()
{
    if (m_fd < 0)
        return;
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
    std::lock_guard<std::mutex> lock(m_writeMutex);
    uhid_event ev;
    std::memset(&ev, 0, sizeof ev);
    ev.type = UHID_DESTROY;
    writeEvent(m_fd, ev);
    ::close(m_fd);
    m_fd = -1;
}

void UhidDevice::loop()
{
    pollfd p{ m_fd, POLLIN, 0 };
    while (!m_stop) {
        if (::poll(&p, 1, 20) <= 0)
            continue;
        uhid_event ev;
        if (::read(m_fd, &ev, sizeof ev) <= 0)
            continue;
        if (ev.type == UHID_OUTPUT && ev.u.output.rtype == UHID_OUTPUT_REPORT && ev.u.output.size > 0) {
            const uint8_t *data = ev.u.output.data;
            size_t size = ev.u.output.size;
            if (data[0] == 0) { // the report id of a device without numbered reports
                ++data;
                --size;
            }
            if (m_onOutput)
                m_onOutput(data, size);
        } else if (ev.type == UHID_GET_REPORT || ev.type == UHID_SET_REPORT) {
            // No feature reports: refuse at once rather than let the kernel
            // wait for its timeout.
            std::lock_guard<std::mutex> lock(m_writeMutex);
            uhid_event reply;
            std::memset(&reply, 0, sizeof reply);
            if (ev.type == UHID_GET_REPORT) {
                reply.type = UHID_GET_REPORT_REPLY;
                reply.u.get_report_reply.id = ev.u.get_report.id;
                reply.u.get_report_reply.err = EIO;
            } else {
                reply.type = UHID_SET_REPORT_REPLY;
                reply.u.set_report_reply.id = ev.u.set_report.id;
                reply.u.set_report_reply.err = EIO;
            }
            writeEvent(m_fd, reply);
        }
    }
}

std::string UhidDevice::waitForNode(int timeoutMs, std::string *sysPath) const
{
    const std::string uniq = "HID_UNIQ=" + m_config.uniq + "\n";
    return HidrawNodes::waitFor(
        [&](const std::string &uevent, const std::string &) { return uevent.find(uniq) != std::string::npos; },
        timeoutMs, sysPath);
}
