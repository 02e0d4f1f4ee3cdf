#include "kernel/UsbipDevice.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

extern char **environ;

namespace {

// USB/IP wire format (all numbers big-endian).
constexpr uint16_t kUsbipVersion = 0x0111;
constexpr uint16_t kOpReqImport = 0x8003;
constexpr uint16_t kOpRepImport = 0x0003;
constexpr uint32_t kCmdSubmit = 1;
constexpr uint32_t kCmdUnlink = 2;
constexpr uint32_t kRetSubmit = 3;
constexpr uint32_t kRetUnlink = 4;
constexpr size_t kHeaderSize = 48;
constexpr uint32_t kSpeedFull = 2;
constexpr char kBusId[] = "1-1";

constexpr int kStall = -EPIPE;

void put16(std::vector<uint8_t> &b, uint16_t v)
{
    b.push_back(static_cast<uint8_t>(v >> 8));
    b.push_back(static_cast<uint8_t>(v));
}

void put32(std::vector<uint8_t> &b, uint32_t v)
{
    put16(b, static_cast<uint16_t>(v >> 16));
    put16(b, static_cast<uint16_t>(v));
}

uint32_t get32(const uint8_t *p)
{
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
}

// Little-endian, as USB descriptors are.
void le16(std::vector<uint8_t> &b, uint16_t v)
{
    b.push_back(static_cast<uint8_t>(v));
    b.push_back(static_cast<uint8_t>(v >> 8));
}

bool sendAll(int fd, const std::vector<uint8_t> &b)
{
    size_t done = 0;
    while (done < b.size()) {
        const ssize_t n = ::send(fd, b.data() + done, b.size() - done, MSG_NOSIGNAL);
        if (n <= 0)
            return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

bool recvAll(int fd, uint8_t *b, size_t length)
{
    size_t done = 0;
    while (done < length) {
        const ssize_t n = ::recv(fd, b + done, length - done, 0);
        if (n <= 0)
            return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

} // namespace

struct UsbipDevice::Header {
    uint32_t command = 0;
    uint32_t seqnum = 0;
    uint32_t direction = 0; // 1: IN
    uint32_t ep = 0;
    uint32_t length = 0;
    uint8_t setup[8] = {};
    uint32_t unlinkSeqnum = 0;
};

UsbipDevice::~UsbipDevice()
{
    detach();
}

bool UsbipDevice::attach(const Config &config, OutputHandler onOutput, std::string *error)
{
    detach();
    m_config = config;
    m_onOutput = std::move(onOutput);
    m_stop = false;
    auto fail = [&](const std::string &what) {
        if (error)
            *error = what + ": " + std::strerror(errno);
        return false;
    };
    const int listenFd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (listenFd < 0)
        return fail("socket");
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof addr;
    if (::bind(listenFd, reinterpret_cast<sockaddr *>(&addr), sizeof addr) != 0 || ::listen(listenFd, 1) != 0
        || ::getsockname(listenFd, reinterpret_cast<sockaddr *>(&addr), &len) != 0) {
        ::close(listenFd);
        return fail("listening on the loopback interface");
    }
    m_thread = std::thread([this, listenFd] { serve(listenFd); });

    const std::string port = std::to_string(ntohs(addr.sin_port));
    const char *argv[] = { "usbip", "--tcp-port", port.c_str(), "attach", "-r", "127.0.0.1", "-b", kBusId, nullptr };
    pid_t pid = 0;
    if (posix_spawnp(&pid, "usbip", nullptr, nullptr, const_cast<char **>(argv), environ) != 0) {
        detach();
        if (error)
            *error = "usbip (package usbip) cannot be run";
        return false;
    }
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        detach();
        if (error)
            *error = "usbip attach failed";
        return false;
    }
    return true;
}

void UsbipDevice::detach()
{
    bool wasAttached = false;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = true;
        wasAttached = m_fd >= 0;
        if (m_fd >= 0)
            ::shutdown(m_fd, SHUT_RDWR);
    }
    if (m_thread.joinable())
        m_thread.join();
    m_pendingIn.clear();
    m_queuedInput.clear();
    // The kernel takes the device down on its own threads after the
    // connection ends; an unplug is over when the nodes are gone.
    for (size_t i = 0; wasAttached && i < m_config.interfaces.size(); ++i)
        HidrawNodes::waitUntilGone(nodeOf(static_cast<int>(i)), 5000);
}

void UsbipDevice::serve(int listenFd)
{
    pollfd p{ listenFd, POLLIN, 0 };
    int fd = -1;
    while (fd < 0) {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (m_stop)
                break;
        }
        if (::poll(&p, 1, 20) > 0)
            fd = ::accept4(listenFd, nullptr, nullptr, SOCK_CLOEXEC);
    }
    ::close(listenFd);
    if (fd < 0)
        return;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_fd = fd;
        if (m_stop)
            ::shutdown(m_fd, SHUT_RDWR);
    }
    if (handshake()) {
        uint8_t raw[kHeaderSize];
        while (recvAll(fd, raw, sizeof raw)) {
            Header h;
            h.command = get32(raw);
            h.seqnum = get32(raw + 4);
            h.direction = get32(raw + 12);
            h.ep = get32(raw + 16);
            if (h.command == kCmdSubmit) {
                h.length = get32(raw + 24);
                std::memcpy(h.setup, raw + 40, sizeof h.setup);
                std::vector<uint8_t> out;
                if (h.direction == 0 && h.length > 0) {
                    out.resize(h.length);
                    if (!recvAll(fd, out.data(), out.size()))
                        break;
                }
                handleSubmit(h, out);
            } else if (h.command == kCmdUnlink) {
                h.unlinkSeqnum = get32(raw + 20);
                std::lock_guard<std::mutex> lock(m_mutex);
                int status = 0;
                for (auto &queue : m_pendingIn) {
                    const auto it = std::find_if(queue.second.begin(), queue.second.end(),
                                                 [&](const PendingIn &q) { return q.seqnum == h.unlinkSeqnum; });
                    if (it != queue.second.end()) {
                        queue.second.erase(it);
                        status = -ECONNRESET;
                    }
                }
                std::vector<uint8_t> r;
                put32(r, kRetUnlink);
                put32(r, h.seqnum);
                put32(r, 0);
                put32(r, 0);
                put32(r, 0);
                put32(r, static_cast<uint32_t>(status));
                r.resize(kHeaderSize, 0);
                sendAll(m_fd, r);
            } else {
                break;
            }
        }
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    ::close(m_fd);
    m_fd = -1;
}

bool UsbipDevice::handshake()
{
    uint8_t request[8 + 32];
    if (!recvAll(m_fd, request, sizeof request))
        return false;
    if ((request[2] << 8 | request[3]) != kOpReqImport)
        return false;
    std::vector<uint8_t> r;
    put16(r, kUsbipVersion);
    put16(r, kOpRepImport);
    put32(r, 0);
    std::vector<uint8_t> device(256, 0);
    const std::string path = "/sys/devices/lumtar/" + std::string(kBusId);
    std::copy(path.begin(), path.end(), device.begin());
    r.insert(r.end(), device.begin(), device.end());
    std::vector<uint8_t> busid(32, 0);
    std::copy_n(kBusId, std::strlen(kBusId), busid.begin());
    r.insert(r.end(), busid.begin(), busid.end());
    put32(r, 1); // bus number
    put32(r, 2); // device number
    put32(r, kSpeedFull);
    put16(r, m_config.vendorId);
    put16(r, m_config.productId);
    put16(r, m_config.release);
    r.push_back(0); // class: per interface
    r.push_back(0);
    r.push_back(0);
    r.push_back(1); // configuration value
    r.push_back(1); // configurations
    r.push_back(static_cast<uint8_t>(m_config.interfaces.size()));
    std::lock_guard<std::mutex> lock(m_mutex);
    return sendAll(m_fd, r);
}

void UsbipDevice::reply(uint32_t seqnum, int status, const std::vector<uint8_t> &in, size_t outLength)
{
    // An IN transfer carries its data; an OUT transfer tells the count taken.
    const bool isIn = outLength == kNoOut;
    std::vector<uint8_t> r;
    put32(r, kRetSubmit);
    put32(r, seqnum);
    put32(r, 0);
    put32(r, 0);
    put32(r, 0);
    put32(r, static_cast<uint32_t>(status));
    put32(r, static_cast<uint32_t>(isIn ? in.size() : outLength));
    r.resize(kHeaderSize, 0);
    if (isIn)
        r.insert(r.end(), in.begin(), in.end());
    if (m_fd >= 0)
        sendAll(m_fd, r);
}

void UsbipDevice::handleSubmit(const Header &h, const std::vector<uint8_t> &out)
{
    if (h.ep == 0) {
        handleControl(h, out);
        return;
    }
    const int interface = static_cast<int>(h.ep) - 1;
    if (interface < 0 || interface >= static_cast<int>(m_config.interfaces.size())) {
        std::lock_guard<std::mutex> lock(m_mutex);
        reply(h.seqnum, kStall, {}, h.direction == 1 ? kNoOut : 0);
        return;
    }
    if (h.direction == 0) {
        if (m_onOutput)
            m_onOutput(interface, out.data(), out.size());
        std::lock_guard<std::mutex> lock(m_mutex);
        reply(h.seqnum, 0, {}, out.size());
        return;
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    auto &queued = m_queuedInput[static_cast<int>(h.ep)];
    if (!queued.empty()) {
        std::vector<uint8_t> data = std::move(queued.front());
        queued.pop_front();
        data.resize(std::min<size_t>(data.size(), h.length));
        reply(h.seqnum, 0, data, kNoOut);
        return;
    }
    m_pendingIn[static_cast<int>(h.ep)].push_back({ h.seqnum, h.length });
}

bool UsbipDevice::sendInput(int interface, const std::vector<uint8_t> &report)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_fd < 0 || interface < 0 || interface >= static_cast<int>(m_config.interfaces.size()))
        return false;
    const int ep = interface + 1;
    // A packet is at most the endpoint's size.
    std::vector<uint8_t> data(report.begin(),
                              report.begin() + static_cast<long>(std::min<size_t>(
                                  report.size(), m_config.interfaces[static_cast<size_t>(interface)].packetSize)));
    auto &pending = m_pendingIn[ep];
    if (pending.empty()) {
        m_queuedInput[ep].push_back(std::move(data));
        return true;
    }
    const PendingIn in = pending.front();
    pending.pop_front();
    data.resize(std::min<size_t>(data.size(), in.length));
    reply(in.seqnum, 0, data, kNoOut);
    return true;
}

void UsbipDevice::handleControl(const Header &h, const std::vector<uint8_t> &out)
{
    const uint8_t type = h.setup[0];
    const uint8_t request = h.setup[1];
    const uint16_t value = static_cast<uint16_t>(h.setup[2] | h.setup[3] << 8);
    const uint16_t index = static_cast<uint16_t>(h.setup[4] | h.setup[5] << 8);
    const uint16_t length = static_cast<uint16_t>(h.setup[6] | h.setup[7] << 8);
    std::vector<uint8_t> data;
    int status = 0;
    if (type == 0x80 && request == 6) { // GET_DESCRIPTOR of the device
        switch (value >> 8) {
        case 1:
            data = { 18, 1 };
            le16(data, 0x0200);
            data.insert(data.end(), { 0, 0, 0, 64 });
            le16(data, m_config.vendorId);
            le16(data, m_config.productId);
            le16(data, m_config.release);
            data.insert(data.end(), { 1, 2, 3, 1 });
            break;
        case 2:
            data = configurationDescriptor();
            break;
        case 3:
            data = stringDescriptor(value & 0xff);
            if (data.empty())
                status = kStall;
            break;
        default: // no device qualifier: a full-speed device
            status = kStall;
        }
    } else if (type == 0x81 && request == 6 && index < m_config.interfaces.size()) { // of an interface
        if (value >> 8 == 0x22)
            data = m_config.interfaces[index].reportDescriptor;
        else if (value >> 8 == 0x21)
            data = hidDescriptor(index);
        else
            status = kStall;
    } else if (type == 0x80 && request == 0) { // GET_STATUS
        data = { 0, 0 };
    } else if ((type == 0x00 && (request == 9 || request == 1)) || (type == 0x01 && request == 11)
               || (type == 0x02 && request == 1)) {
        // SET_CONFIGURATION, CLEAR_FEATURE, SET_INTERFACE, endpoint CLEAR_FEATURE
    } else if (type == 0x21 && (request == 0x0A || request == 0x09 || request == 0x0B)) {
        // SET_IDLE, SET_REPORT (the boot keyboard's LEDs), SET_PROTOCOL
    } else {
        status = kStall; // GET_REPORT and anything else
    }
    if (data.size() > length)
        data.resize(length);
    std::lock_guard<std::mutex> lock(m_mutex);
    reply(h.seqnum, status, data, h.direction == 1 ? kNoOut : (status == 0 ? out.size() : 0));
}

std::vector<uint8_t> UsbipDevice::hidDescriptor(int interface) const
{
    std::vector<uint8_t> d = { 9, 0x21 };
    le16(d, 0x0111);
    d.insert(d.end(), { 0, 1, 0x22 });
    le16(d, static_cast<uint16_t>(m_config.interfaces[static_cast<size_t>(interface)].reportDescriptor.size()));
    return d;
}

std::vector<uint8_t> UsbipDevice::configurationDescriptor() const
{
    std::vector<uint8_t> body;
    for (size_t i = 0; i < m_config.interfaces.size(); ++i) {
        const Interface &f = m_config.interfaces[i];
        body.insert(body.end(), { 9, 4, static_cast<uint8_t>(i), 0, static_cast<uint8_t>(f.hasOut ? 2 : 1), 3,
                                  f.subclass, f.protocol, 0 });
        const std::vector<uint8_t> hid = hidDescriptor(static_cast<int>(i));
        body.insert(body.end(), hid.begin(), hid.end());
        body.insert(body.end(), { 7, 5, static_cast<uint8_t>(0x81 + i), 3 });
        le16(body, f.packetSize);
        body.push_back(1);
        if (f.hasOut) {
            body.insert(body.end(), { 7, 5, static_cast<uint8_t>(0x01 + i), 3 });
            le16(body, f.packetSize);
            body.push_back(1);
        }
    }
    std::vector<uint8_t> d = { 9, 2 };
    le16(d, static_cast<uint16_t>(9 + body.size()));
    d.insert(d.end(), { static_cast<uint8_t>(m_config.interfaces.size()), 1, 0, 0xA0, 50 });
    d.insert(d.end(), body.begin(), body.end());
    return d;
}

std::vector<uint8_t> UsbipDevice::stringDescriptor(int index) const
{
    if (index == 0)
        return { 4, 3, 0x09, 0x04 };
    const std::string *text = index == 1 ? &m_config.manufacturer
                              : index == 2 ? &m_config.product
                              : index == 3 ? &m_config.serial
                                           : nullptr;
    if (!text)
        return {};
    std::vector<uint8_t> d = { static_cast<uint8_t>(2 + 2 * text->size()), 3 };
    for (char c : *text)
        le16(d, static_cast<uint8_t>(c));
    return d;
}

HidrawNodes::Match UsbipDevice::nodeOf(int interface) const
{
    const std::string uniq = "HID_UNIQ=" + m_config.serial + "\n";
    // .../usb1/1-1/1-1:1.<interface>/0003:1209:7472.0002
    const std::string ofInterface = ":1." + std::to_string(interface) + "/";
    return [uniq, ofInterface](const std::string &uevent, const std::string &devicePath) {
        return uevent.find(uniq) != std::string::npos && devicePath.find(ofInterface) != std::string::npos;
    };
}

std::string UsbipDevice::waitForNode(int interface, int timeoutMs, std::string *sysPath) const
{
    return HidrawNodes::waitFor(nodeOf(interface), timeoutMs, sysPath);
}
