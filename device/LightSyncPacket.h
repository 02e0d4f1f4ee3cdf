// Light synchronisation (command 0x16): byte 6 is 1 while the keyboard's
// light follows the frames the application streams, 0 when it runs its own
// effect again.
#ifndef LIGHTSYNCPACKET_H
#define LIGHTSYNCPACKET_H

#include "device/HidReportBuff.h"

#include <cstdint>

class LightSyncPacket
{
public:
    static constexpr uint8_t Command = 0x16;

    static HidReportBuff report(bool on)
    {
        HidReportBuff r(Command, 0x00, 0x01);
        r[6] = on ? 1 : 0;
        return r;
    }
};

#endif
