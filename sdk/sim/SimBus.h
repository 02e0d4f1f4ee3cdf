// The bus of the simulated devices: it owns them, runs their firmware on its
// own thread (replies never arrive inside a write) and reports arrivals and
// removals through the hot-plug callbacks.
#ifndef LUMTAR_SIM_BUS_H
#define LUMTAR_SIM_BUS_H

#include "sdk/hid/DeviceModel.h"
#include "sdk/hid/HidEndpoint.h"
#include "sdk/sim/SimDevice.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace lumtar {
namespace sim {

class SimBus {
public:
    static constexpr const char* kOsPathPrefix = "sim/";
    // The ids of a bootloader of a model the firmware table does not name.
    static constexpr int kBootloaderVendorId = 0x0416;
    static constexpr int kBootloaderProductId = 0x3f00;
    // Time a keyboard stays away while it restarts.
    static constexpr int kRestartMs = 300;
    // Time an update volume stays after its verdict, for the host to read it.
    static constexpr int kVolumeRestartMs = 1000;
    static constexpr size_t kReceivedLimit = 4096;
    // Input reports a device keeps for its reader at most; when nobody reads,
    // the oldest goes first.
    static constexpr size_t kInputLimit = 4096;
    // The size of every input and output report of a simulated device.
    static constexpr size_t kReportSize = 64;
    // Unplugged devices kept for a replug, the latest first to go last.
    static constexpr size_t kShelfLimit = 16;

    static SimBus& instance();
    ~SimBus();

    // Attaches a keyboard; returns its path text, "" when the model has no
    // ids for that connection. inUpdateMode: the keyboard has no valid
    // firmware and comes up in its update mode (then the path text of its
    // bootloader, or the folder of its update volume). A cable keyboard
    // starts in gamepadMode (0 off, 1 Xbox360, 2 Classical). With a stateFile
    // the keyboard takes what the file kept and keeps what changes there
    // (SimStateFile).
    std::string plug(const DeviceModel& model, int connectType, bool inUpdateMode = false, int gamepadMode = 0,
                     const std::string& stateFile = std::string());
    // Detaches a device; it is kept for replug().
    bool unplug(const std::string& pathText);
    // Attaches again a device detached under this path (by unplug or by a
    // fault): a keyboard without valid firmware in its update mode, else as
    // the keyboard. Returns its path now, "" when there is none.
    std::string replug(const std::string& pathText);
    void unplugAll();
    std::vector<std::string> keyboardPaths() const;
    std::vector<std::string> bootloaderPaths() const;
    std::vector<std::string> updateVolumes() const;
    std::vector<HidEndpoint> endpoints() const;

    // Runs f on the attached device with this path text (keyboards,
    // bootloaders and update volumes), under the bus lock; false when there
    // is none. f may call deliver() and drop().
    bool withDevice(const std::string& pathText, const std::function<void(SimDevice&)>& f);
    // Queues an input report on a device (bus lock held).
    void deliver(SimDevice& device, const std::vector<uint8_t>& report);

    // Transport side. A device whose opening is refused (fault) is not found.
    std::shared_ptr<SimDevice> findAttached(const std::string& osPath, uint64_t* generation) const;
    // The signal of a new connection: raised while the device holds input,
    // hung up for good when the device drops off.
    void addReader(const std::shared_ptr<SimDevice>& device, uint64_t generation,
                   const std::shared_ptr<SimReadySignal>& signal);
    // Lowers the reader's signal (when given) once it has taken the last report.
    int read(const std::shared_ptr<SimDevice>& device, uint64_t generation, uint8_t* buffer, size_t capacity,
             int timeoutMs, SimReadySignal* signal = nullptr);
    int write(const std::shared_ptr<SimDevice>& device, uint64_t generation, const uint8_t* report,
              size_t length);

private:
    SimBus();
    struct Event {
        std::chrono::steady_clock::time_point due;
        uint64_t seq;
        std::function<void()> run;
    };
    using DevicePtr = std::shared_ptr<SimDevice>;

    static bool eventLater(const Event& a, const Event& b);
    void loop();
    void schedule(int delayMs, std::function<void()> run);
    void process(const DevicePtr& device, uint64_t generation, std::array<uint8_t, 64> report);
    void processKeyboard(const DevicePtr& device, uint64_t generation, const std::array<uint8_t, 64>& report);
    void processBootloader(const DevicePtr& device, uint64_t generation, const std::array<uint8_t, 64>& report);
    void sendLater(const DevicePtr& device, uint64_t generation, const std::array<uint8_t, 64>& report, int delayMs,
                   int calibrationRun);
    // Mode changes (bus lock held): drop off, then come back after a while.
    void restartInto(const DevicePtr& device, SimDevice::Mode mode, int delayMs);
    void becomeKeyboard(SimDevice& device);
    void becomeUpdateMode(const DevicePtr& device);
    void pollVolume(const DevicePtr& device, uint64_t generation);
    void dropOff(SimDevice& device, SimDevice::Presence presence);
    void attach(SimDevice& device);
    // Takes a device off the bus and keeps it for a replug (bus lock held).
    void shelve(const DevicePtr& device);
    void flushNotifications();
    bool alive(const DevicePtr& device, uint64_t generation) const;
    // Raises (or, when hangUp, hangs up and forgets) the device's readers.
    static void signalReaders(SimDevice& device, bool hangUp);

    mutable std::mutex m_mutex;
    std::condition_variable m_eventCv;
    std::condition_variable m_inputCv;
    std::vector<DevicePtr> m_devices;                   // plug order
    std::vector<std::pair<std::string, DevicePtr>> m_shelf; // unplugged, by their last path
    std::vector<Event> m_events;                        // heap by due time
    uint64_t m_seq = 0;
    int m_nextId = 1;
    bool m_stopping = false;
    std::vector<std::pair<bool, std::string>> m_notes; // arrivals/removals to report
    std::recursive_mutex m_notifyMutex;
    std::thread m_thread;
};

} // namespace sim
} // namespace lumtar

#endif
