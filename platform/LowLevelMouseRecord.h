// One mouse event as the global input hook reports it, laid out like the
// low-level mouse record its receivers expect: the pointer position on the
// screen, the message data word (wheel delta or extra button in the high
// 16 bits), flags, time and extra information.
#ifndef LOWLEVELMOUSERECORD_H
#define LOWLEVELMOUSERECORD_H

#include <cstdint>

struct LowLevelMouseRecord
{
    // Mouse message numbers.
    static constexpr int MouseMove = 0x200;
    static constexpr int LeftButtonDown = 0x201;
    static constexpr int LeftButtonUp = 0x202;
    static constexpr int RightButtonDown = 0x204;
    static constexpr int RightButtonUp = 0x205;
    static constexpr int MiddleButtonDown = 0x207;
    static constexpr int MiddleButtonUp = 0x208;
    static constexpr int Wheel = 0x20A;
    static constexpr int ExtraButtonDown = 0x20B;
    static constexpr int ExtraButtonUp = 0x20C;
    static constexpr int HorizontalWheel = 0x20E;
    // One notch of a wheel.
    static constexpr int WheelDelta = 120;

    int32_t x = 0;
    int32_t y = 0;
    uint32_t mouseData = 0;
    uint32_t flags = 0;
    uint32_t time = 0;
    uintptr_t extraInfo = 0;
};

#endif
