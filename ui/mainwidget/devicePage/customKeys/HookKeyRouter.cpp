#include "ui/mainwidget/devicePage/customKeys/HookKeyRouter.h"

namespace {

constexpr int kReleaseFlag = 128;
constexpr int kExtendedReleaseFlag = 129;
constexpr int kAltDownFlag = 32;
constexpr int kEnter = 13;

// Navigation codes that a keypad key reports with Num Lock off, and the
// keypad codes they stand for.
int keypadCodeOf(int keyCode)
{
    switch (keyCode) {
    case 12: return 101; // clear: keypad 5
    case 33: return 105; // page up: keypad 9
    case 34: return 99;  // page down: keypad 3
    case 35: return 97;  // end: keypad 1
    case 36: return 103; // home: keypad 7
    case 37: return 100; // left: keypad 4
    case 38: return 104; // up: keypad 8
    case 39: return 102; // right: keypad 6
    case 40: return 98;  // down: keypad 2
    case 45: return 96;  // insert: keypad 0
    case 46: return 110; // delete: keypad decimal point
    default: return keyCode;
    }
}

} // namespace

std::optional<int> HookKeyRouter::lookupCode(int keyCode, int flag, int hookFlag)
{
    if (flag == 0 || hookFlag == kReleaseFlag || hookFlag == kExtendedReleaseFlag)
        return std::nullopt;
    if (keyCode == kEnter) {
        if (hookFlag == 0)
            return MainEnterCode;
        if (hookFlag == 1)
            return KeypadEnterCode;
    }
    if (hookFlag == 0 || hookFlag == kAltDownFlag)
        return keypadCodeOf(keyCode);
    return keyCode;
}

HookKeyRouter::Outcome HookKeyRouter::route(int keyCode, int flag, int hookFlag, int hookMode, int operateCode,
                                            const QMap<int, int> &vkToKeyCode, const PlaceOf &placeOf)
{
    Outcome outcome;
    if (hookMode == 1)
        return outcome;
    const std::optional<int> code = lookupCode(keyCode, flag, hookFlag);
    if (!code)
        return outcome;
    const auto found = vkToKeyCode.constFind(*code);
    if (found == vkToKeyCode.constEnd())
        return outcome;
    const int layoutCode = found.value();

    if (hookMode == 5) {
        const std::optional<QPoint> place = placeOf ? placeOf(layoutCode) : std::nullopt;
        if (!place)
            return outcome;
        outcome.route = Route::LightPoint;
        outcome.keyCode = layoutCode;
        outcome.row = place->x();
        outcome.column = place->y();
        return outcome;
    }
    if (operateCode == RemapOperateCode)
        outcome.route = Route::RemapTarget;
    else if (operateCode == CombinationOperateCode)
        outcome.route = Route::CombinationKey;
    else
        return outcome;
    outcome.keyCode = layoutCode;
    return outcome;
}
