#include "device/LightStreamPacket.h"

#include <cstring>

HidReportBuff LightStreamPacket::report(int zone, int packet, const QByteArray &rgb)
{
    const int count = rgb.size() < BytesPerReport ? rgb.size() : BytesPerReport;
    HidReportBuff r(Command, static_cast<uint8_t>(zone), static_cast<uint8_t>(count));
    r[4] = static_cast<uint8_t>(packet);
    if (count > 0)
        std::memcpy(r.data() + HidReportBuff::PayloadStart, rgb.constData(), static_cast<size_t>(count));
    return r;
}

QVector<QByteArray> LightStreamPacket::payloads(const QByteArray &rgb)
{
    QVector<QByteArray> out;
    const int usable = rgb.size() - rgb.size() % 3;
    for (int at = 0; at < usable; at += BytesPerReport)
        out.append(rgb.mid(at, qMin(BytesPerReport, usable - at)));
    return out;
}
