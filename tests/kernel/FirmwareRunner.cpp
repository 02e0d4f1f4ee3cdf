#include "kernel/FirmwareRunner.h"

#include <algorithm>

FirmwareRunner::FirmwareRunner(const lumtar::DeviceModel &model, bool answering, Send send)
    : m_keyboard(model, 0, model.idsFor(0, 0) ? 0 : -1)
    , m_answering(answering)
    , m_send(std::move(send))
{
    m_thread = std::thread([this] { loop(); });
}

FirmwareRunner::~FirmwareRunner()
{
    stop();
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_send = nullptr;
    }
    m_cv.notify_all();
    m_thread.join();
}

void FirmwareRunner::onOutput(const uint8_t *data, size_t length)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_stopped)
        return;
    m_received.emplace_back(data, data + length);
    if (!m_answering)
        return;
    const lumtar::sim::SimOutcome out = m_keyboard.handle(data, length, m_faults);
    const auto now = std::chrono::steady_clock::now();
    for (const lumtar::sim::SimReply &reply : out.replies) {
        Pending p{ now + std::chrono::milliseconds(reply.delayMs), Bytes(reply.report.begin(), reply.report.end()),
                   reply.calibrationRun };
        // Equal delays keep their order.
        const auto at = std::upper_bound(m_pending.begin(), m_pending.end(), p.due,
                                         [](auto due, const Pending &q) { return due < q.due; });
        m_pending.insert(at, std::move(p));
    }
    m_cv.notify_all();
}

void FirmwareRunner::stop()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_stopped = true;
    m_pending.clear();
    m_cv.notify_all();
}

std::vector<FirmwareRunner::Bytes> FirmwareRunner::received() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_received;
}

void FirmwareRunner::clearReceived()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_received.clear();
}

void FirmwareRunner::withKeyboard(const std::function<void(lumtar::sim::SimKeyboard &)> &f)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    f(m_keyboard);
}

void FirmwareRunner::loop()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    while (m_send) {
        if (m_pending.empty()) {
            m_cv.wait(lock);
            continue;
        }
        if (std::chrono::steady_clock::now() < m_pending.front().due) {
            m_cv.wait_until(lock, m_pending.front().due);
            continue;
        }
        Pending p = std::move(m_pending.front());
        m_pending.erase(m_pending.begin());
        // A calibration's completion goes out only while that run is the
        // current one, as on the simulated bus.
        if (p.calibrationRun >= 0) {
            if (m_keyboard.calibrationRun() != p.calibrationRun || !m_keyboard.state().calibrating)
                continue;
            m_keyboard.state().calibrating = false;
        }
        m_send(p.report);
    }
}
