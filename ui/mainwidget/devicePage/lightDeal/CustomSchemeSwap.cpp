#include "ui/mainwidget/devicePage/lightDeal/CustomSchemeSwap.h"

int CustomSchemeSwap::replaced(const QVector<Scheme> &schemes, int chosen, int slot)
{
    if (chosen < 0 || chosen >= schemes.size() || schemes.at(chosen).isUsing == QLatin1String("Using"))
        return -1;
    int inUse = 0;
    int slot0 = -1;
    int slot1 = -1;
    for (int i = 0; i < schemes.size(); ++i) {
        if (schemes.at(i).isUsing != QLatin1String("Using"))
            continue;
        ++inUse;
        if (schemes.at(i).usingFlagIndex == 0 && slot0 < 0)
            slot0 = i;
        else if (schemes.at(i).usingFlagIndex == 1 && slot1 < 0)
            slot1 = i;
    }
    if (inUse != 2)
        return -1;
    return slot != 0 ? slot1 : slot0;
}
