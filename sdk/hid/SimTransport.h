// The simulated keyboards as a transport beside hidapi.
#ifndef LUMTAR_SIM_TRANSPORT_H
#define LUMTAR_SIM_TRANSPORT_H

#include "sdk/hid/HidTransport.h"

namespace lumtar {

class SimTransport : public HidTransport {
public:
    bool owns(const std::string& osPath) const override;
    std::vector<HidEndpoint> enumerate() override;
    std::unique_ptr<HidConnection> open(const std::string& osPath, int* errorNumber) override;
};

} // namespace lumtar

#endif
