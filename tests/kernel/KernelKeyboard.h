// A keyboard of the device table presented to the kernel: its boot-keyboard
// interface (0) and the interface of the 64-byte reports (1), the latter
// answered by the simulated keyboard's firmware model. Through /dev/uhid
// each interface is a HID device of its own without a USB parent; over
// USB/IP the keyboard is a USB device with both interfaces, as on a cable.
// The serial number tells its nodes apart from those of other keyboards.
#ifndef KERNELKEYBOARD_H
#define KERNELKEYBOARD_H

#include "kernel/FirmwareRunner.h"
#include "kernel/UhidDevice.h"
#include "kernel/UsbipDevice.h"
#include "sdk/hid/DeviceModel.h"

#include <initializer_list>
#include <memory>
#include <string>

class KernelKeyboard
{
public:
    enum class Bus { Uhid, Usb };
    // The release number the keyboard reports over USB.
    static constexpr uint16_t kRelease = 0x0106;

    // answering false: the keyboard keeps what it receives and says nothing.
    KernelKeyboard(const lumtar::DeviceModel &model, const std::string &serial, Bus bus = Bus::Uhid,
                   bool answering = true);
    ~KernelKeyboard();

    // Creates both interfaces and waits for the report interface's node.
    bool plug(std::string *error);
    void unplug();

    const std::string &node() const { return m_node; }       // "/dev/hidraw1"
    const std::string &sysPath() const { return m_sysPath; } // "/sys/class/hidraw/hidraw1"
    FirmwareRunner &firmware() { return *m_firmware; }
    bool sendInput(const std::vector<uint8_t> &report);
    // One report of the boot-keyboard interface: modifier bits, a reserved
    // byte and up to six key usages held.
    bool sendKeys(uint8_t modifiers, std::initializer_list<uint8_t> usages);

private:
    bool plugUsb(const lumtar::DeviceIds &ids, std::string *error);

    const lumtar::DeviceModel m_model;
    const std::string m_serial;
    const Bus m_bus;
    std::unique_ptr<FirmwareRunner> m_firmware;
    UhidDevice m_keys;
    UhidDevice m_reports;
    UsbipDevice m_usb;
    std::string m_node;
    std::string m_sysPath;
};

#endif
