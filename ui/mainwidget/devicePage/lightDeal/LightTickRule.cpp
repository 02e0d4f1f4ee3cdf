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
