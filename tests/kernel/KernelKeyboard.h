// A keyboard of the device table presented to the kernel through /dev/uhid:
// its boot-keyboard interface and the interface of the 64-byte reports, the
// latter answered by the simulated keyboard's firmware model. The serial
// number tells its nodes apart from those of other keyboards.
#ifndef KERNELKEYBOARD_H
#define KERNELKEYBOARD_H

#include "kernel/FirmwareRunner.h"
#include "kernel/UhidDevice.h"
#include "sdk/hid/DeviceModel.h"

#include <memory>
#include <string>

class KernelKeyboard
{
public:
    // answering false: the keyboard keeps what it receives and says nothing.
    KernelKeyboard(const lumtar::DeviceModel &model, const std::string &serial, bool answering = true);
    ~KernelKeyboard();

    // Creates both interfaces and waits for the report interface's node.
    bool plug(std::string *error);
    void unplug();

    const std::string &node() const { return m_node; }       // "/dev/hidraw1"
    const std::string &sysPath() const { return m_sysPath; } // "/sys/class/hidraw/hidraw1"
    FirmwareRunner &firmware() { return *m_firmware; }
    bool sendInput(const std::vector<uint8_t> &report) { return m_reports.sendInput(report); }

private:
    const lumtar::DeviceModel m_model;
    const std::string m_serial;
    std::unique_ptr<FirmwareRunner> m_firmware;
    UhidDevice m_keys;
    UhidDevice m_reports;
    std::string m_node;
    std::string m_sysPath;
};

#endif
