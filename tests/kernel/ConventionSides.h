// The device sides of the transport conventions table: one keyboard of a
// model of the device table that keeps what it receives and answers
// nothing, on the simulated bus, through /dev/uhid or over USB/IP.
#ifndef CONVENTIONSIDES_H
#define CONVENTIONSIDES_H

#include "kernel/KernelKeyboard.h"
#include "sdk/hid/DeviceTable.h"
#include "sdk/hid/HidapiTransport.h"
#include "sdk/hid/SimTransport.h"

#include <cstdint>
#include <list>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

// The built-in device table.
const lumtar::DeviceTable &deviceTable();
// The path texts the SDK lists, and the one it lists for an os path (empty
// when none).
std::list<std::string> listedPaths();
std::string listedPathOf(const std::string &osPath);

class DeviceSide
{
public:
    virtual ~DeviceSide() = default;
    // Plugs the keyboard; returns the path text the SDK lists for it.
    virtual std::string plug() = 0;
    virtual void unplug() = 0;
    virtual bool sendInput(const Bytes &report) = 0;
    // The output reports as the keyboard got them, lengths kept.
    virtual std::vector<Bytes> received() = 0;
    // A transport of this side, for writes below the SDK.
    virtual lumtar::HidTransport &transport() = 0;
};

class SimSide : public DeviceSide
{
public:
    explicit SimSide(const std::string &model) : m_model(model) {}
    ~SimSide() override;
    std::string plug() override;
    void unplug() override;
    bool sendInput(const Bytes &report) override;
    std::vector<Bytes> received() override;
    lumtar::HidTransport &transport() override { return m_transport; }

private:
    const std::string m_model;
    std::string m_path;
    lumtar::SimTransport m_transport;
};

class KernelSide : public DeviceSide
{
public:
    KernelSide(const std::string &model, KernelKeyboard::Bus bus);
    std::string plug() override;
    void unplug() override { m_keyboard.unplug(); }
    bool sendInput(const Bytes &report) override { return m_keyboard.sendInput(report); }
    std::vector<Bytes> received() override { return m_keyboard.firmware().received(); }
    lumtar::HidTransport &transport() override { return m_transport; }

private:
    KernelKeyboard m_keyboard;
    lumtar::HidapiTransport m_transport;
};

#endif
