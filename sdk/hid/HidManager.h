// The HID side of the SDK: the device table, the transports (hidapi and the
// simulated keyboards) and the open handles.
#ifndef LUMTAR_HID_MANAGER_H
#define LUMTAR_HID_MANAGER_H

#include "sdk/hid/AttachedDevice.h"
#include "sdk/hid/DeviceTable.h"
#include "sdk/hid/HidConnection.h"
#include "sdk/hid/HidTransport.h"

#include <atomic>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace lumtar {

class HidManager {
public:
    // Names simulated keyboards to attach at start: "model[@receiver|@gamepad1|@gamepad2],...".
    static constexpr const char* kSimulatedDevicesVariable = "LUMTAR_SIMULATED_DEVICES";
    static constexpr size_t kReportSize = 64;
    // Our keyboards number no reports: every write is led by report id 0.
    static constexpr uint8_t kReportId = 0x00;

    static HidManager& instance();

    // 0 when ready, 1 when the device table cannot be read. Runs once.
    int init();
    bool isReady();
    // The device table (read on first use, also before init()).
    const DeviceTable& table();

    std::vector<AttachedDevice> attached();
    // Every interface the transports list, supported or not.
    std::vector<HidEndpoint> endpoints();
    // Attached supported interfaces whose node the user may not open.
    std::vector<std::string> inaccessible();

    int open(const std::string& pathText);
    int setNonblocking(int handle, bool nonblocking);
    // Fills all 64 bytes of buffer: the report's count, zeros after it.
    int read(int handle, uint8_t* buffer);
    // Waits up to timeoutMs (0: not at all) for one report, whatever the
    // handle's blocking mode; a close of the handle ends the wait within
    // 100 ms. Fills all 64 bytes; returns the count, 0 when none came, -1
    // when the handle is unknown or the device gone.
    int readWithin(int handle, uint8_t* buffer, int timeoutMs);
    // Sleeps until an input report is pending on the handle (or its device
    // is gone), the timer is woken, or interval timer units passed
    // (HighPrecisionTimer::kNoLimit: no limit). 1 when a read will not
    // wait, 0 when woken or the time passed, -1 for an unknown or closed
    // handle (then it does not wait).
    int waitInput(int handle, int interval, uint64_t timer);
    // Sends the 64 bytes of report, byte 0 included; returns 64 or -1.
    int write(int handle, const uint8_t* report);
    int close(int handle);

private:
    struct OpenHandle {
        std::string pathText;
        std::unique_ptr<HidConnection> connection;
        std::atomic<bool> nonblocking{ false };
        std::atomic<bool> closed{ false };
    };

    HidManager();
    bool loadTable();
    HidTransport* transportFor(const std::string& osPath);
    std::shared_ptr<OpenHandle> find(int handle);
    // The handle of a read into buffer, which is zeroed first; null when
    // there is no buffer or no such handle.
    std::shared_ptr<OpenHandle> startRead(int handle, uint8_t* buffer);
    // The count a read returns for what the connection gave (count bytes of
    // report), copied into the caller's buffer.
    static int copyReport(const uint8_t* report, int count, uint8_t* buffer);
    void plugSimulatedFromEnvironment();

    std::mutex m_mutex;
    bool m_tableLoaded = false;
    bool m_tableOk = false;
    int m_initResult = -1; // not run yet
    DeviceTable m_table;
    std::vector<std::unique_ptr<HidTransport>> m_transports;
    std::map<int, std::shared_ptr<OpenHandle>> m_handles;
    int m_nextHandle = 1;
};

} // namespace lumtar

#endif
