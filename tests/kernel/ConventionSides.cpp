#include "kernel/ConventionSides.h"

#include "sdk/hid/DevicePathText.h"
#include "sdk/include/LumtarHid.h"
#include "sdk/sim/SimController.h"

#include <algorithm>
#include <cstdio>

using lumtar::sim::SimController;

const lumtar::DeviceTable &deviceTable()
{
    static lumtar::DeviceTable table;
    static const bool parsed = table.parse(lumtar::DeviceTable::builtinJson());
    (void)parsed;
    return table;
}

std::list<std::string> listedPaths()
{
    std::list<std::string> paths;
    CLumtarHid_GetHidInfoList(&paths);
    return paths;
}

std::string listedPathOf(const std::string &osPath)
{
    for (const std::string &p : listedPaths()) {
        lumtar::DevicePathText t;
        if (lumtar::DevicePathText::parse(p, &t) && t.osPath == osPath)
            return p;
    }
    return {};
}

SimSide::~SimSide()
{
    unplug();
}

std::string SimSide::plug()
{
    m_path = SimController::instance().plug(m_model);
    return m_path;
}

void SimSide::unplug()
{
    SimController::instance().unplug(m_path);
}

bool SimSide::sendInput(const Bytes &report)
{
    return SimController::instance().sendInputBytes(m_path, report);
}

std::vector<Bytes> SimSide::received()
{
    const auto reports = SimController::instance().receivedReports(m_path);
    const auto lengths = SimController::instance().receivedLengths(m_path);
    std::vector<Bytes> out;
    for (size_t i = 0; i < reports.size() && i < lengths.size(); ++i)
        out.emplace_back(reports[i].begin(), reports[i].begin() + static_cast<long>(std::min<size_t>(lengths[i], 64)));
    return out;
}

KernelSide::KernelSide(const std::string &model, KernelKeyboard::Bus bus)
    : m_keyboard(*deviceTable().findModel(model),
                 bus == KernelKeyboard::Bus::Usb ? "conventions-usb" : "conventions", bus, false)
{
}

std::string KernelSide::plug()
{
    std::string error;
    if (!m_keyboard.plug(&error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return {};
    }
    return listedPathOf(m_keyboard.node());
}
