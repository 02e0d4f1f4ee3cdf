#include "kernel/KernelKeyboard.h"

#include "kernel/KeyboardDescriptors.h"

KernelKeyboard::KernelKeyboard(const lumtar::DeviceModel &model, const std::string &serial, bool answering)
    : m_model(model)
    , m_serial(serial)
{
    m_firmware = std::make_unique<FirmwareRunner>(m_model, answering, [this](const FirmwareRunner::Bytes &report) {
        m_reports.sendInput(report);
    });
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
    UhidDevice::Config c;
    c.name = m_model.productName;
    c.vendorId = static_cast<uint16_t>(ids->vendorId);
    c.productId = static_cast<uint16_t>(ids->productId);
    c.uniq = m_serial + "-keys";
    c.descriptor = KeyboardDescriptors::bootKeyboard();
    if (!m_keys.create(c, nullptr, error))
        return false;
    c.uniq = m_serial;
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

void KernelKeyboard::unplug()
{
    m_reports.destroy();
    m_keys.destroy();
}
