// What some device behaviour needs to know of a keyboard model, read from
// the SDK's device table (the one place these facts are kept). A model the
// table does not hold has none of the capabilities.
#ifndef DEVICEMODELLISTS_H
#define DEVICEMODELLISTS_H

#include <QString>

class DeviceModelLists
{
public:
    // Magnetic (Hall-effect) switches: after the serial number the link asks
    // these for their travel range, anti-shake and report rate.
    static bool isMagneticModel(const QString &model);
    // Streamed light frames held back until a batch is complete; a full
    // batch holds one more (9 unless the table says otherwise).
    static int lightBatchLimit(const QString &model);
    // Side LEDs a streamed light frame carries after its 132 keys (33 unless
    // the table says otherwise).
    static int sideLedCount(const QString &model);
    // The status report carries the keyboard mode in byte 14.
    static bool tracksKeyboardMode(const QString &model);
    // The performance page offers "Prohibit Sleep".
    static bool offersProhibitSleep(const QString &model);
};

#endif
