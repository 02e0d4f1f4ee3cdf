// The streamed light of a keyboard on a cable (command 0x0E): a frame goes
// out as the keys' colours, 18 LEDs a report, then the side LEDs' colours
// the same way. Byte 2 zone (0 keys, 1 side), 4 packet number, 5 the count
// of colour bytes, then R, G, B of each LED in order.
#ifndef LIGHTSTREAMPACKET_H
#define LIGHTSTREAMPACKET_H

#include "device/HidReportBuff.h"

#include <QByteArray>
#include <QVector>

#include <cstdint>

class LightStreamPacket
{
public:
    static constexpr uint8_t Command = 0x0E;
    enum Zone { KeyZone = 0, SideZone = 1 };
    static constexpr int LedsPerReport = 18;
    static constexpr int BytesPerReport = LedsPerReport * 3;

    // One report; bytes past BytesPerReport are left out.
    static HidReportBuff report(int zone, int packet, const QByteArray &rgb);
    // The colours of a zone (R, G, B per LED) cut into the payloads of its
    // reports: 54 bytes each, the last one shorter; a count of LEDs that is a
    // multiple of 18 ends with a full payload. A trailing partial LED is
    // dropped.
    static QVector<QByteArray> payloads(const QByteArray &rgb);
    // Reports a zone of `leds` LEDs takes.
    static int reportCount(int leds) { return leds <= 0 ? 0 : (leds + LedsPerReport - 1) / LedsPerReport; }
};

#endif
