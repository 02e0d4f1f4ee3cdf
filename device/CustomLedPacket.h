// Per-key custom colours written to a keyboard behind its receiver (command
// 0x08, byte 2 = 0x02): the 132 keys of the matrix row by row, 18 keys a
// report (packets 0..6 carry 54 bytes, packet 7 the last 6 keys).
#ifndef CUSTOMLEDPACKET_H
#define CUSTOMLEDPACKET_H

#include "device/HidReportBuff.h"

#include <QByteArray>

#include <cstdint>

class CustomLedPacket
{
public:
    static constexpr uint8_t Command = 0x08;
    static constexpr uint8_t HostColours = 0x02;

    // One report: `first` in byte 2, the packet number in byte 4, at most 54
    // colour bytes (the keys' colours are cut as LightStreamPacket::payloads
    // cuts them).
    static HidReportBuff report(uint8_t first, int packet, const QByteArray &rgb);
};

#endif
