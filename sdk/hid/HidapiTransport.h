// The system's hidraw nodes: found through hidapi, opened as HidrawConnection.
#ifndef LUMTAR_HIDAPI_TRANSPORT_H
#define LUMTAR_HIDAPI_TRANSPORT_H

#include "sdk/hid/HidTransport.h"

namespace lumtar {

class HidapiTransport : public HidTransport {
public:
    HidapiTransport();
    ~HidapiTransport() override;

    bool owns(const std::string& osPath) const override;
    std::vector<HidEndpoint> enumerate() override;
    std::unique_ptr<HidConnection> open(const std::string& osPath, int* errorNumber) override;

    // "V1.02" from a USB release number 0x0102.
    static std::string versionText(unsigned short releaseNumber);

private:
    bool m_ready = false;
};

} // namespace lumtar

#endif
