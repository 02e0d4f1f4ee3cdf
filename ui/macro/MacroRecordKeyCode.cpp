#include "ui/macro/MacroRecordKeyCode.h"

namespace {

// Hook flag bits: 0x01 extended key, 0x20 Alt held, 0x80 release.
int pressOrRelease(int hookFlag, int flag)
{
    if (hookFlag == 0)
        return 1;
    if (hookFlag == 128)
        return 0;
    return flag;
}

int keypadCode(int code)
{
    switch (code) {
    case 45: return 96;   // Insert -> keypad 0
    case 35: return 97;   // End -> keypad 1
    case 40: return 98;   // Down -> keypad 2
    case 34: return 99;   // Page Down -> keypad 3
    case 37: return 100;  // Left -> keypad 4
    case 12: return 101;  // Clear -> keypad 5
    case 39: return 102;  // Right -> keypad 6
    case 36: return 103;  // Home -> keypad 7
    case 38: return 104;  // Up -> keypad 8
    case 33: return 105;  // Page Up -> keypad 9
    case 46: return 110;  // Delete -> keypad decimal point
    default: return code;
    }
}

} // namespace

MacroRecordKeyCode MacroRecordKeyCode::resolve(int keyCode, int scCode, int flag, int hookFlag)
{
    MacroRecordKeyCode out;
    out.code = keyCode;
    out.flag = flag;
    switch (keyCode) {
    case 13:
        if (hookFlag == 0 || hookFlag == 128)
            out.code = 999; // main Enter
        else if (hookFlag == 1 || hookFlag == 129)
            out.code = 998; // keypad Enter
        if (hookFlag == 0 || hookFlag == 1)
            out.flag = 1;
        else if (hookFlag == 128 || hookFlag == 129)
            out.flag = 0;
        break;
    case 255:
        if (scCode == 125)
            out.code = 981;
        else if (scCode == 121)
            out.code = 987;
        else if (scCode == 112)
            out.code = 988;
        out.flag = pressOrRelease(hookFlag, flag);
        break;
    case 193:
        out.code = 984;
        out.flag = pressOrRelease(hookFlag, flag);
        break;
    case 235:
        out.code = 986;
        out.flag = pressOrRelease(hookFlag, flag);
        break;
    default:
        break;
    }
    if (hookFlag == 0 || hookFlag == 128 || hookFlag == 32 || hookFlag == 160)
        out.code = keypadCode(out.code);
    return out;
}
