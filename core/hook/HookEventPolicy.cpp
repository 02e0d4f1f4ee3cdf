#include "core/hook/HookEventPolicy.h"

#include "core/hook/HeldKeyTable.h"
#include "platform/LowLevelKeyRecord.h"
#include "platform/LowLevelMouseRecord.h"

HookEventPolicy::KeyOutcome HookEventPolicy::decideKey(int mode, HeldKeyTable &heldKeys, int vkCode, int flags)
{
    const bool swallow = withholdsKeys(mode) && !isPassThroughKey(vkCode);
    const bool press = (flags & LowLevelKeyRecord::ReleaseFlag) == 0;
    if (press && heldKeys.contains(vkCode))
        return {Route::None, 1, swallow};
    if (press)
        heldKeys.add(vkCode); // beyond the table's capacity the press is still reported
    else
        heldKeys.remove(vkCode);
    const Route route = mode == MacroRecordMode ? Route::MacroRelay : Route::KeySignal;
    return {route, press ? 1 : 0, swallow};
}

bool HookEventPolicy::reportsMouse(int mode, int message)
{
    return mode == MacroRecordMode && message != LowLevelMouseRecord::MouseMove;
}

bool HookEventPolicy::needsMouseHook(int mode)
{
    return mode == MacroRecordMode;
}

bool HookEventPolicy::withholdsKeys(int mode)
{
    return mode == MacroRecordMode || mode == RemapCaptureMode || mode == CombinationCaptureMode;
}

bool HookEventPolicy::isPassThroughKey(int vkCode)
{
    switch (vkCode) {
    case 20:  // Caps Lock
    case 144: // Num Lock
    case 145: // Scroll Lock
    case 162: // left Ctrl
    case 163: // right Ctrl
        return true;
    default:
        return false;
    }
}
