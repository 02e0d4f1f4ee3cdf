// The "Using" choice of the custom-scheme list, widget-free: which scheme in
// use gives up its custom slot when another scheme is checked.
#ifndef CUSTOMSCHEMESWAP_H
#define CUSTOMSCHEMESWAP_H

#include <QString>
#include <QVector>

class CustomSchemeSwap
{
public:
    struct Scheme
    {
        QString isUsing; // "Using" or "UnUsing"
        int usingFlagIndex = -1;
    };

    // The slot a choice fills: the slot in use, slot 0 when none is.
    static int slotFor(int currentFlagIndex) { return currentFlagIndex == -1 ? 0 : currentFlagIndex; }

    // The position in `schemes` of the scheme that `chosen` replaces in slot
    // `slot` (slot 1 for any slot but 0), or -1 when the choice changes
    // nothing: the store does not show exactly two schemes in use, those two
    // do not hold slots 0 and 1, or the chosen one is already in use.
    static int replaced(const QVector<Scheme> &schemes, int chosen, int slot);
};

#endif
