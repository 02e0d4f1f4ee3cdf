// Turns the bytes of one input report into what it says (InputReport::Event).
// A pure function of the bytes: no state, no I/O, nothing read past `length`
// or past the 64 bytes of a report, whatever the bytes hold.
#ifndef INPUTREPORTDECODER_H
#define INPUTREPORTDECODER_H

#include "device/InputReport.h"

class InputReportDecoder
{
public:
    // `length` is the count of bytes the keyboard delivered (the rest of a
    // report buffer is zero); a length past 64 is taken as 64.
    static InputReport::Event decode(const unsigned char *report, int length);

    // The count of bytes a report must hold before its fields are read
    // (2 for an id this program does not read).
    static int requiredLength(const unsigned char *report, int length);
};

#endif
