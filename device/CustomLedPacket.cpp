#include "device/CustomLedPacket.h"

#include "device/LightStreamPacket.h"

HidReportBuff CustomLedPacket::report(uint8_t first, int packet, const QByteArray &rgb)
{
    // The same layout as a streamed report, under its own command.
    HidReportBuff r = LightStreamPacket::report(first, packet, rgb);
    r[1] = Command;
    return r;
}
