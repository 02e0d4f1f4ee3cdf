// One keyboard event as the global input hook reports it: the Windows
// virtual-key code, the hardware (set 1) scan code and the low-level flags
// word. The values keep their Windows meaning because the soft-keyboard
// layout, the macro store and the onboard encoders all speak in them.
#ifndef LOWLEVELKEYRECORD_H
#define LOWLEVELKEYRECORD_H

#include <cstdint>

struct LowLevelKeyRecord
{
    // Bits of the flags word.
    static constexpr int ExtendedFlag = 0x01;
    static constexpr int InjectedFlag = 0x10;
    static constexpr int AltDownFlag = 0x20;
    static constexpr int ReleaseFlag = 0x80;

    int vkCode = 0;
    int scanCode = 0;
    int flags = 0;
    uint32_t time = 0; // server time in milliseconds
};

#endif
