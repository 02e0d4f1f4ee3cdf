#include "ui/mainwidget/devicePage/lightDeal/LightTickRule.h"

int LightTickRule::clockDigits(qint64 epochMs, int digits)
{
    qint64 modulus = 1;
    for (int i = 0; i < digits && i < 9; ++i)
        modulus *= 10;
    const qint64 v = epochMs % modulus;
    return static_cast<int>(v < 0 ? v + modulus : v);
}

bool LightTickRule::advance(int now, int &last, int interval)
{
    if (now < last)
        last = now;
    if (last == NoTick || now - last >= interval) {
        last = now;
        return true;
    }
    return false;
}

int LightTickRule::msUntilDue(int now, int last, int interval)
{
    if (last == NoTick || now < last)
        return 1;
    const int left = interval - (now - last);
    return left < 1 ? 1 : left;
}

int LightTickRule::dueTicks(int now, int &last, int interval, int most)
{
    if (last == NoTick) {
        last = now;
        return 1;
    }
    if (now < last) {
        last = now;
        return 0;
    }
    const int due = (now - last) / (interval < 1 ? 1 : interval);
    if (due > most) {
        last = now;
        return most;
    }
    last += due * (interval < 1 ? 1 : interval);
    return due;
}
