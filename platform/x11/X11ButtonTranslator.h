// Turns X pointer button events into the mouse messages of the input hook:
// buttons 1 to 3 to the press and release messages of the left, middle and
// right buttons, 4 to 7 to one wheel notch (vertical, horizontal), 8 and 9 to
// the extra buttons. A wheel notch is one message, sent on the press.
#ifndef X11BUTTONTRANSLATOR_H
#define X11BUTTONTRANSLATOR_H

#include <cstdint>

#include "platform/LowLevelMouseRecord.h"

class X11ButtonTranslator
{
public:
    // False when the event gives no message (a wheel release, an unknown button).
    static bool translate(bool press, int button, int rootX, int rootY, uint32_t time,
                          int *message, LowLevelMouseRecord *record);
};

#endif
