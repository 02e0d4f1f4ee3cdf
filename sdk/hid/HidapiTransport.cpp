#include "sdk/hid/HidapiTransport.h"

#include "sdk/hid/HidrawConnection.h"

#include <hidapi/hidapi.h>

#include <cstdio>
#include <cwchar>

namespace lumtar {

namespace {

std::string narrow(const wchar_t* w)
{
    std::string out;
    if (!w)
        return out;
    for (; *w; ++w)
        out.push_back(*w < 0x80 ? static_cast<char>(*w) : '?');
    return out;
}

} // namespace

HidapiTransport::HidapiTransport() : m_ready(hid_init() == 0) {}

HidapiTransport::~HidapiTransport()
{
    if (m_ready)
        hid_exit();
}

bool HidapiTransport::owns(const std::string& osPath) const
{
    return osPath.compare(0, 5, "/dev/") == 0;
}

std::string HidapiTransport::versionText(unsigned short releaseNumber)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "V%x.%02x", (releaseNumber >> 8) & 0xff, releaseNumber & 0xff);
    return buf;
}

std::vector<HidEndpoint> HidapiTransport::enumerate()
{
    std::vector<HidEndpoint> out;
    if (!m_ready)
        return out;
    hid_device_info* list = hid_enumerate(0, 0);
    for (hid_device_info* d = list; d; d = d->next) {
        if (!d->path)
            continue;
        HidEndpoint e;
        e.osPath = d->path;
        e.vendorId = d->vendor_id;
        e.productId = d->product_id;
        e.interfaceNumber = d->interface_number;
        e.usagePage = d->usage_page;
        e.manufacturer = narrow(d->manufacturer_string);
        e.product = narrow(d->product_string);
        e.serialNumber = narrow(d->serial_number);
        e.firmwareVersion = versionText(d->release_number);
        out.push_back(std::move(e));
    }
    hid_free_enumeration(list);
    return out;
}

std::unique_ptr<HidConnection> HidapiTransport::open(const std::string& osPath, int* errorNumber)
{
    if (errorNumber)
        *errorNumber = 0;
    if (!m_ready)
        return nullptr;
    // hidapi finds the nodes; the SDK opens them itself, so that the I/O
    // thread can wait on the node (HidrawConnection).
    return HidrawConnection::open(osPath, errorNumber);
}

} // namespace lumtar
