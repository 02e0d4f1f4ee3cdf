// A USB device of HID interfaces served over USB/IP and attached to the
// kernel with `usbip attach` (vhci-hcd), so it goes through the kernel's own
// USB HID driver as a keyboard on a cable does: enumeration, descriptors,
// interface numbers and the release number, interrupt transfers.
//
// Interface i has the interrupt IN endpoint 0x81 + i and, when it takes
// output reports, the interrupt OUT endpoint 0x01 + i. Closing the
// connection is the unplug.
#ifndef USBIPDEVICE_H
#define USBIPDEVICE_H

#include "kernel/HidrawNodes.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class UsbipDevice
{
public:
    struct Interface {
        std::vector<uint8_t> reportDescriptor;
        uint8_t subclass = 0;  // 1: boot interface
        uint8_t protocol = 0;  // 1: keyboard
        bool hasOut = false;
        uint16_t packetSize = 64;
    };
    struct Config {
        uint16_t vendorId = 0;
        uint16_t productId = 0;
        uint16_t release = 0; // bcdDevice
        std::string manufacturer;
        std::string product;
        std::string serial;   // also the HID devices' uniq: finds the nodes
        std::vector<Interface> interfaces;
    };
    using OutputHandler = std::function<void(int interface, const uint8_t *data, size_t length)>;

    UsbipDevice() = default;
    ~UsbipDevice();
    UsbipDevice(const UsbipDevice &) = delete;
    UsbipDevice &operator=(const UsbipDevice &) = delete;

    // Serves the device on a loopback port and runs `usbip attach` on it.
    bool attach(const Config &config, OutputHandler onOutput, std::string *error);
    // One input report on the interface's IN endpoint.
    bool sendInput(int interface, const std::vector<uint8_t> &report);
    // Ends the connection: the kernel sees the device unplugged.
    void detach();

    // The hidraw node of an interface and its sysfs folder, once the kernel
    // made them; empty when it did not within timeoutMs.
    std::string waitForNode(int interface, int timeoutMs, std::string *sysPath = nullptr) const;

private:
    struct Header;
    HidrawNodes::Match nodeOf(int interface) const;
    void serve(int listenFd);
    bool handshake();
    void handleSubmit(const Header &h, const std::vector<uint8_t> &out);
    void handleControl(const Header &h, const std::vector<uint8_t> &out);
    static constexpr size_t kNoOut = static_cast<size_t>(-1);
    // Sends one RET_SUBMIT: of an IN transfer with its data (outLength
    // kNoOut), of an OUT transfer with the count taken. Caller holds m_mutex.
    void reply(uint32_t seqnum, int status, const std::vector<uint8_t> &in, size_t outLength);
    std::vector<uint8_t> configurationDescriptor() const;
    std::vector<uint8_t> hidDescriptor(int interface) const;
    std::vector<uint8_t> stringDescriptor(int index) const;

    Config m_config;
    OutputHandler m_onOutput;
    std::mutex m_mutex; // the socket's writes, the queues below
    int m_fd = -1;
    bool m_stop = false;
    struct PendingIn {
        uint32_t seqnum;
        uint32_t length;
    };
    std::map<int, std::deque<PendingIn>> m_pendingIn;               // by endpoint number
    std::map<int, std::deque<std::vector<uint8_t>>> m_queuedInput;  // by endpoint number
    std::thread m_thread;
};

#endif
