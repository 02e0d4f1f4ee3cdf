// The device SDK as one include: shared records, the HID surface, the
// light-effect engine and the XML stores.
#ifndef LUMTAR_SDK_H
#define LUMTAR_SDK_H

#include "sdk/include/LumtarRecords.h"
#include "sdk/include/LumtarHid.h"
#include "sdk/include/LumtarLight.h"
#if __has_include("sdk/include/LumtarXml.h")
#include "sdk/include/LumtarXml.h"
#endif

#endif
