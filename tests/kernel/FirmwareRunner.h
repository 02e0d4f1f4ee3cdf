// The simulated keyboard's firmware model behind a device that the kernel
// sees: it takes every output report as the device got it, answers through
// a callback after the delays the model gives, and keeps what it received.
// Its own thread sends the delayed answers.
#ifndef FIRMWARERUNNER_H
#define FIRMWARERUNNER_H

#include "sdk/hid/DeviceModel.h"
#include "sdk/sim/SimFaults.h"
#include "sdk/sim/SimKeyboard.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

class FirmwareRunner
{
public:
    using Bytes = std::vector<uint8_t>;
    using Send = std::function<void(const Bytes &)>;

    // answering false: the device only keeps what it received.
    FirmwareRunner(const lumtar::DeviceModel &model, bool answering, Send send);
    ~FirmwareRunner();
    FirmwareRunner(const FirmwareRunner &) = delete;
    FirmwareRunner &operator=(const FirmwareRunner &) = delete;

    void onOutput(const uint8_t *data, size_t length);
    // Drops the answers not sent yet; nothing is sent afterwards.
    void stop();

    std::vector<Bytes> received() const;
    void clearReceived();
    // Runs f on the firmware model under the runner's lock.
    void withKeyboard(const std::function<void(lumtar::sim::SimKeyboard &)> &f);

private:
    struct Pending {
        std::chrono::steady_clock::time_point due;
        Bytes report;
        int calibrationRun;
    };
    void loop();

    mutable std::mutex m_mutex;
    std::condition_variable m_cv;
    lumtar::sim::SimKeyboard m_keyboard;
    lumtar::sim::SimFaults m_faults;
    const bool m_answering;
    Send m_send;
    std::vector<Bytes> m_received;
    std::vector<Pending> m_pending; // in due order
    bool m_stopped = false;
    std::thread m_thread;
};

#endif
