// The rule for a keyboard's serial number. It names the keyboard's profile
// folder, so only exactly 32 letters and digits are taken; a keyboard that
// reports anything else is given a new number of that form.
#ifndef DEVICESERIALNUMBER_H
#define DEVICESERIALNUMBER_H

#include <QString>

class DeviceSerialNumber
{
public:
    static constexpr int Length = 32;

    // Exactly Length ASCII letters and digits.
    static bool isUsable(const QString &serial);
    // A new usable number: the 32 hexadecimal digits of a random UUID.
    static QString generate();
};

#endif
