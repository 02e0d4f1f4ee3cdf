// What a reader of a simulated device waits on, as a hidraw node is polled:
// an eventfd that polls readable while the device holds an input report,
// and for good once the reader's connection is dead (the device dropped
// off). The bus raises and lowers it under its lock.
#ifndef LUMTAR_SIM_READY_SIGNAL_H
#define LUMTAR_SIM_READY_SIGNAL_H

namespace lumtar {
namespace sim {

class SimReadySignal {
public:
    SimReadySignal();
    ~SimReadySignal();
    SimReadySignal(const SimReadySignal&) = delete;
    SimReadySignal& operator=(const SimReadySignal&) = delete;

    // -1 when no eventfd could be made.
    int fd() const { return m_fd; }
    void raise();
    // Not once hung up.
    void lower();
    void hangUp();

private:
    int m_fd;
    bool m_raised = false;
    bool m_hungUp = false;
};

} // namespace sim
} // namespace lumtar

#endif
