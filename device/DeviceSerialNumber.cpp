#include "device/DeviceSerialNumber.h"

#include <QUuid>

bool DeviceSerialNumber::isUsable(const QString &serial)
{
    if (serial.size() != Length)
        return false;
    for (const QChar c : serial) {
        const ushort u = c.unicode();
        const bool alnum = (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z');
        if (!alnum)
            return false;
    }
    return true;
}

QString DeviceSerialNumber::generate()
{
    return QUuid::createUuid().toString(QUuid::Id128);
}
