// A hidraw node opened by the SDK itself: one descriptor for reading,
// writing and for the I/O thread to wait on (hidapi's hidraw backend keeps
// its descriptor to itself). Reads behave as hidapi's did: a node that hung
// up reads -1 at once, also while reports are still queued.
#ifndef LUMTAR_HIDRAW_CONNECTION_H
#define LUMTAR_HIDRAW_CONNECTION_H

#include "sdk/hid/HidConnection.h"

#include <memory>
#include <string>

namespace lumtar {

class HidrawConnection : public HidConnection {
public:
    // Null when the node cannot be opened or is no hidraw node; errorNumber
    // receives the reason (errno).
    static std::unique_ptr<HidrawConnection> open(const std::string& osPath, int* errorNumber);
    ~HidrawConnection() override;
    HidrawConnection(const HidrawConnection&) = delete;
    HidrawConnection& operator=(const HidrawConnection&) = delete;

    int read(uint8_t* buffer, size_t capacity, int timeoutMs) override;
    int write(const uint8_t* report, size_t length) override;
    int readyFd() const override { return m_fd; }

private:
    explicit HidrawConnection(int fd) : m_fd(fd) {}
    int m_fd;
};

} // namespace lumtar

#endif
