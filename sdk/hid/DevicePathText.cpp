#include "sdk/hid/DevicePathText.h"

#include <cstdio>

namespace lumtar {

std::string DevicePathText::format() const
{
    char head[48];
    const int mi = interfaceNumber < 0 ? 0 : interfaceNumber % 100;
    std::snprintf(head, sizeof head, "hid#vid_%04x&pid_%04x&mi_%02d#", vendorId & 0xffff, productId & 0xffff, mi);
    return head + osPath;
}

bool DevicePathText::parse(const std::string& text, DevicePathText* out)
{
    // Fixed head of 28 characters, then the os path.
    static const char kPattern[] = "hid#vid_....&pid_....&mi_..#";
    const size_t headLen = sizeof kPattern - 1;
    if (text.size() <= headLen)
        return false;
    auto hex = [](char c) -> int {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        return -1;
    };
    int vid = 0, pid = 0, mi = 0;
    for (size_t i = 0; i < headLen; ++i) {
        const char p = kPattern[i];
        const char c = text[i];
        if (p != '.') {
            if (c != p)
                return false;
            continue;
        }
        if (i < 12 || (i >= 17 && i < 21)) {
            const int d = hex(c);
            if (d < 0)
                return false;
            (i < 12 ? vid : pid) = (i < 12 ? vid : pid) * 16 + d;
        } else {
            if (c < '0' || c > '9')
                return false;
            mi = mi * 10 + (c - '0');
        }
    }
    if (out) {
        out->vendorId = vid;
        out->productId = pid;
        out->interfaceNumber = mi;
        out->osPath = text.substr(headLen);
    }
    return true;
}

} // namespace lumtar
