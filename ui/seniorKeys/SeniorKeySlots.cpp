#include "ui/seniorKeys/SeniorKeySlots.h"

#include "ui/seniorKeys/SeniorKeyRecord.h"

#include <QStringList>

namespace {

const char *const kModifierNames[8] = {"L_CTRL", "L_SHIFT", "L_ALT", "L_WIN", "R_CTRL", "R_SHIFT", "R_ALT", "R_WIN"};

} // namespace

QString SeniorKeySlots::caption(const QByteArray &slotText, const QMap<int, QString> &keyNames)
{
    const int comma = slotText.indexOf(',');
    if (comma < 0)
        return keyNames.value(slotText.toInt());

    // A part that is not a number counts as 0.
    const int mask = slotText.left(comma).toInt();
    const int key = slotText.mid(comma + 1).toInt();
    QStringList parts;
    for (int bit = 0; bit < 8; ++bit) {
        if (mask & (1 << bit))
            parts << modifierName(bit);
    }
    if (keyNames.contains(key))
        parts << keyNames.value(key);
    return parts.join(QLatin1Char('+'));
}

int SeniorKeySlots::modifierBit(int keyCode)
{
    if (keyCode < FirstModifierCode || keyCode > LastModifierCode)
        return 0;
    return 1 << (keyCode - FirstModifierCode);
}

QString SeniorKeySlots::modifierName(int bit)
{
    if (bit < 0 || bit > 7)
        return QString();
    return QLatin1String(kModifierNames[bit]);
}

bool SeniorKeySlots::assign(SeniorKeyInfoStu *record, int currentSlot, const QByteArray &text)
{
    switch (record->kind) {
    case LUMTAR_SENIOR_DKS:
        return SeniorKeyRecord::setSlotText(record, currentSlot, text);
    case LUMTAR_SENIOR_MT:
        if (currentSlot != 1 && currentSlot != 2)
            return false;
        return SeniorKeyRecord::setSlotText(record, currentSlot, text);
    case LUMTAR_SENIOR_TGL:
        record->toggleAssigned = 1;
        return SeniorKeyRecord::setSlotText(record, 1, text);
    default:
        return false;
    }
}

int SeniorKeySlots::slotOfButton(int hoverNumber)
{
    switch (hoverNumber) {
    case 1:
    case 2:
    case 3:
    case 4: return hoverNumber;
    case HoldButton: return 1;
    case ClickButton: return 2;
    case TglButton: return 1;
    default: return 0;
    }
}

bool SeniorKeySlots::clear(SeniorKeyInfoStu *record, int hoverNumber)
{
    const int slot = slotOfButton(hoverNumber);
    if (slot == 0)
        return false;
    SeniorKeyRecord::setSlotText(record, slot, QByteArray());
    if (hoverNumber == TglButton)
        record->toggleAssigned = 0;
    return true;
}
