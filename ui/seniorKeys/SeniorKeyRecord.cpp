#include "ui/seniorKeys/SeniorKeyRecord.h"

#include "device/RecordFieldText.h"
#include "sdk/include/LumtarHid.h"
#include "widgets/UnitText.h"

#include <cstring>

SeniorKeyInfoStu SeniorKeyRecord::newRecord(int id, int kind)
{
    SeniorKeyInfoStu record;
    std::memset(&record, 0, sizeof record);
    record.id = id;
    record.kind = kind;
    const QByteArray name = (kindLabel(kind) + QString::number(id)).toLocal8Bit();
    lumtarCopyField(record.name, name.constData());
    for (int point = 0; point < SlotCount; ++point)
        record.triggerPoint[point] = DefaultTriggerPoints[point];
    record.holdDuration = DefaultHoldDuration;
    record.toggleAssigned = 0;
    return record;
}

QString SeniorKeyRecord::kindLabel(int kind)
{
    switch (kind) {
    case LUMTAR_SENIOR_DKS: return QStringLiteral("DKS");
    case LUMTAR_SENIOR_MT: return QStringLiteral("MT");
    case LUMTAR_SENIOR_TGL: return QStringLiteral("TGL");
    default: return QString();
    }
}

SeniorKeyInfoStu SeniorKeyRecord::copied(const SeniorKeyInfoStu &record)
{
    SeniorKeyInfoStu copy;
    std::memset(&copy, 0, sizeof copy);
    copy.id = record.id;
    lumtarCopyField(copy.name, recordFieldText(record.name).constData());
    copy.kind = record.kind;
    for (int slot = 0; slot < SlotCount; ++slot)
        lumtarCopyField(copy.keySlot[slot], recordFieldText(record.keySlot[slot]).constData());
    std::memcpy(copy.dksAction, record.dksAction, sizeof copy.dksAction);
    std::memcpy(copy.triggerPoint, record.triggerPoint, sizeof copy.triggerPoint);
    copy.holdDuration = record.holdDuration;
    copy.toggleAssigned = record.toggleAssigned;
    return copy;
}

QString SeniorKeyRecord::name(const SeniorKeyInfoStu &record)
{
    return QString::fromUtf8(recordFieldText(record.name));
}

QByteArray SeniorKeyRecord::slotText(const SeniorKeyInfoStu &record, int slot)
{
    if (slot < 1 || slot > SlotCount)
        return QByteArray();
    return recordFieldText(record.keySlot[slot - 1]);
}

bool SeniorKeyRecord::setSlotText(SeniorKeyInfoStu *record, int slot, const QByteArray &text)
{
    if (slot < 1 || slot > SlotCount)
        return false;
    lumtarCopyField(record->keySlot[slot - 1], text.constData());
    return true;
}

QString SeniorKeyRecord::travelText(int tenths)
{
    return UnitText::travel(tenths);
}
