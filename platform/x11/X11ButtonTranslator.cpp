#include "platform/x11/X11ButtonTranslator.h"

namespace {

uint32_t highWord(int value)
{
    return uint32_t(uint16_t(int16_t(value))) << 16;
}

} // namespace

bool X11ButtonTranslator::translate(bool press, int button, int rootX, int rootY, uint32_t time,
                                    int *message, LowLevelMouseRecord *record)
{
    using R = LowLevelMouseRecord;
    int msg = 0;
    uint32_t data = 0;
    switch (button) {
    case 1:
        msg = press ? R::LeftButtonDown : R::LeftButtonUp;
        break;
    case 2:
        msg = press ? R::MiddleButtonDown : R::MiddleButtonUp;
        break;
    case 3:
        msg = press ? R::RightButtonDown : R::RightButtonUp;
        break;
    case 4: // wheel away from the user
    case 5: // wheel towards the user
        if (!press)
            return false;
        msg = R::Wheel;
        data = highWord(button == 4 ? R::WheelDelta : -R::WheelDelta);
        break;
    case 6: // tilt left
    case 7: // tilt right
        if (!press)
            return false;
        msg = R::HorizontalWheel;
        data = highWord(button == 7 ? R::WheelDelta : -R::WheelDelta);
        break;
    case 8:
    case 9:
        msg = press ? R::ExtraButtonDown : R::ExtraButtonUp;
        data = highWord(button - 7);
        break;
    default:
        return false;
    }
    if (message)
        *message = msg;
    if (record) {
        *record = LowLevelMouseRecord{};
        record->x = rootX;
        record->y = rootY;
        record->mouseData = data;
        record->time = time;
    }
    return true;
}
