#include "kernel/KernelKeyboard.h"

#include "kernel/KeyboardDescriptors.h"

#include <QElapsedTimer>
#include <QThread>

#include <unistd.h>

KernelKeyboard::KernelKeyboard(const lumtar::DeviceModel &model, const std::string &serial, Bus bus, bool answering)
    : m_model(model)
    , m_serial(serial)
    , m_bus(bus)
{
    m_firmware = std::make_unique<FirmwareRunner>(m_model, answering,
                                                  [this](const FirmwareRunner::Bytes &report) { sendInput(report); });
}

bool KernelKeyboard::sendInput(const std::vector<uint8_t> &report)
{
    return m_bus == Bus::Uhid ? m_reports.sendInput(report) : m_usb.sendInput(1, report);
}

bool KernelKeyboard::sendKeys(uint8_t modifiers, std::initializer_list<uint8_t> usages)
{
    std::vector<uint8_t> report(8, 0);
    report[0] = modifiers;
    size_t slot = 2;
    for (uint8_t usage : usages)
        if (slot < report.size())
            report[slot++] = usage;
    return m_bus == Bus::Uhid ? m_keys.sendInput(report) : m_usb.sendInput(0, report);
}

KernelKeyboard::~KernelKeyboard()
{
    // No answer may reach a device that is being taken down.
    m_firmware->stop();
    unplug();
}

bool KernelKeyboard::plug(std::string *error)
{
    const lumtar::DeviceIds *ids = m_model.idsFor(0, -2);
    if (!ids) {
        if (error)
            *error = m_model.model + " has no USB ids";
        return false;
    }
    if (m_bus == Bus::Usb)
        return plugUsb(*ids, error);
    UhidDevice::Config c;
    c.name = m_model.productName;
    c.vendorId = static_cast<uint16_t>(ids->vendorId);
    c.productId = static_cast<uint16_t>(ids->productId);
    c.uniq = m_serial + "-keys";
    // As usbhid names the interfaces of one USB device.
    c.phys = "uhid-" + m_serial + "/input0";
    c.descriptor = KeyboardDescriptors::bootKeyboard();
    if (!m_keys.create(c, nullptr, error))
        return false;
    c.uniq = m_serial;
    c.phys = "uhid-" + m_serial + "/input1";
    c.descriptor = KeyboardDescriptors::vendorInterface(m_model.usagePage);
    FirmwareRunner *firmware = m_firmware.get();
    if (!m_reports.create(c, [firmware](const uint8_t *data, size_t length) { firmware->onOutput(data, length); },
                          error))
        return false;
    m_node = m_reports.waitForNode(10000, &m_sysPath);
    if (m_node.empty() && error)
        *error = "no hidraw node for " + m_serial;
    return !m_node.empty();
}

bool KernelKeyboard::plugUsb(const lumtar::DeviceIds &ids, std::string *error)
{
    UsbipDevice::Config c;
    c.vendorId = static_cast<uint16_t>(ids.vendorId);
    c.productId = static_cast<uint16_t>(ids.productId);
    c.release = kRelease;
    c.manufacturer = "Lumtar";
    c.product = m_model.productName;
    c.serial = m_serial;
    UsbipDevice::Interface keys;
    keys.reportDescriptor = KeyboardDescriptors::bootKeyboard();
    keys.subclass = 1;
    keys.protocol = 1;
    keys.packetSize = 8;
    UsbipDevice::Interface reports;
    reports.reportDescriptor = KeyboardDescriptors::vendorInterface(m_model.usagePage);
    reports.hasOut = true;
    c.interfaces = { keys, reports };
    FirmwareRunner *firmware = m_firmware.get();
    auto onOutput = [firmware](int interface, const uint8_t *data, size_t length) {
        if (interface == 1)
            firmware->onOutput(data, length);
    };
    if (!m_usb.attach(c, onOutput, error))
        return false;
    m_node = m_usb.waitForNode(1, 10000, &m_sysPath);
    if (m_node.empty() && error)
        *error = "no hidraw node for interface 1 of " + m_serial;
    return !m_node.empty();
}

void KernelKeyboard::unplug()
{
    m_reports.destroy();
    m_keys.destroy();
    m_usb.detach();
    // A USB/IP detach is carried out by the kernel a little later; until then
    // the node still hands out what was queued. Unplugged means gone.
    if (m_bus == Bus::Usb && !m_node.empty()) {
        QElapsedTimer clock;
        clock.start();
        while (::access(m_node.c_str(), F_OK) == 0 && clock.elapsed() < 10000)
            QThread::msleep(10);
    }
}
