// The record of one supported vendor/product pair as the C surface hands it
// out: the ids as four lower-case hex digits.
#ifndef LUMTAR_SUPPORT_RECORD_H
#define LUMTAR_SUPPORT_RECORD_H

#include "sdk/include/LumtarHid.h"

#include <cstdio>
#include <string>

namespace lumtar {

// Gamepad mode none, any interface and usage page; the caller sets the rest.
inline SupportInfoStu supportRecord(const std::string& model, int vendorId, int productId, int connectType)
{
    SupportInfoStu s = {};
    char hex[8];
    lumtarCopyField(s.hidModel, model.c_str());
    std::snprintf(hex, sizeof hex, "%04x", vendorId & 0xffff);
    lumtarCopyField(s.vendorId, hex);
    std::snprintf(hex, sizeof hex, "%04x", productId & 0xffff);
    lumtarCopyField(s.productId, hex);
    s.connectType = connectType;
    s.gamepadMode = LUMTAR_GAMEPAD_NONE;
    s.interfaceNumber = -1;
    return s;
}

} // namespace lumtar

#endif
