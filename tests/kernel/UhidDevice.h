// A HID device made through /dev/uhid: the kernel sees it as a device on the
// given bus, with its own hidraw node. It plays the device together with
// its low-level driver: like usbhid on a device without numbered reports,
// it drops the leading report id 0 of an output report, so the handler gets
// the bytes that would travel on the wire.
#ifndef UHIDDEVICE_H
#define UHIDDEVICE_H

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class UhidDevice
{
public:
    struct Config {
        std::string name;
        std::string uniq; // the serial number hidapi reports; finds the node
        // Where the device sits ("usb-.../input1"); the interfaces of one
        // keyboard differ only in the last part.
        std::string phys;
        uint16_t bus = 0x03; // BUS_USB
        uint16_t vendorId = 0;
        uint16_t productId = 0;
        uint32_t version = 0;
        std::vector<uint8_t> descriptor;
    };
    using OutputHandler = std::function<void(const uint8_t *data, size_t length)>;

    UhidDevice() = default;
    ~UhidDevice();
    UhidDevice(const UhidDevice &) = delete;
    UhidDevice &operator=(const UhidDevice &) = delete;

    bool create(const Config &config, OutputHandler onOutput, std::string *error);
    // One input report, as the device sends it.
    bool sendInput(const std::vector<uint8_t> &report);
    // Removes the device, as an unplug does.
    void destroy();
    bool isCreated() const { return m_fd >= 0; }

    // The device's hidraw node ("/dev/hidraw3") and its sysfs folder, once
    // the kernel made them; empty when it did not within timeoutMs.
    std::string waitForNode(int timeoutMs, std::string *sysPath = nullptr) const;

private:
    void loop();

    int m_fd = -1;
    Config m_config;
    OutputHandler m_onOutput;
    std::mutex m_writeMutex;
    std::atomic<bool> m_stop{ false };
    std::thread m_thread;
};

#endif
