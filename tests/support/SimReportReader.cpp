#include "SimReportReader.h"

#include "sdk/include/LumtarHid.h"

#include <chrono>
#include <thread>

std::vector<SimReadReport> SimReportReader::collect(int handle, int timeoutMs, size_t expected)
{
    std::vector<SimReadReport> out;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (std::chrono::steady_clock::now() < deadline && (expected == 0 || out.size() < expected)) {
        SimReadReport r;
        r.count = CLumtarHid_HidReadBuff(handle, r.bytes.data());
        if (r.count > 0)
            out.push_back(r);
        else if (r.count < 0)
            break;
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return out;
}

SimReadReport SimReportReader::waitFor(int handle, uint8_t command, int timeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (std::chrono::steady_clock::now() < deadline) {
        SimReadReport r;
        r.count = CLumtarHid_HidReadBuff(handle, r.bytes.data());
        if (r.count > 0 && r.bytes[1] == command)
            return r;
        if (r.count < 0)
            break;
        if (r.count == 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return {};
}

std::array<uint8_t, 64> SimReportReader::report(std::initializer_list<std::pair<int, int>> bytes)
{
    std::array<uint8_t, 64> r{};
    for (const auto& b : bytes)
        if (b.first >= 0 && b.first < 64)
            r[static_cast<size_t>(b.first)] = static_cast<uint8_t>(b.second);
    return r;
}
