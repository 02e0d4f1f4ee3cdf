// The rules of one advanced key (SeniorKeyInfoStu) that every part of the
// editor shares: the values of a new record, its kind label, its slot texts
// and the text of a trigger point.
#ifndef SENIORKEYRECORD_H
#define SENIORKEYRECORD_H

#include <QByteArray>
#include <QString>

#include "sdk/include/LumtarRecords.h"

class SeniorKeyRecord
{
public:
    static constexpr int MaxRecords = 40;
    static constexpr int SlotCount = 4;
    static constexpr int DefaultHoldDuration = 150;
    static constexpr int DefaultTriggerPoints[SlotCount] = {15, 36, 36, 15};

    // A new record of kind: four empty slots, no DKS action, the default
    // trigger points and hold duration, named by its kind and id ("DKS3").
    static SeniorKeyInfoStu newRecord(int id, int kind);

    // "DKS", "MT" or "TGL"; empty for any other kind.
    static QString kindLabel(int kind);

    // A record as read from the store, copied field by field into a zeroed
    // one: every text ends at its first NUL and is terminated.
    static SeniorKeyInfoStu copied(const SeniorKeyInfoStu &record);

    // The record's name as UTF-8 text up to its NUL.
    static QString name(const SeniorKeyInfoStu &record);

    // The text of key slot 1..4 ("" for a slot outside that range).
    static QByteArray slotText(const SeniorKeyInfoStu &record, int slot);
    // Sets slot 1..4 to text, cut to fit; false (nothing changed) for a slot
    // outside that range.
    static bool setSlotText(SeniorKeyInfoStu *record, int slot, const QByteArray &text);

    // A travel in units of 0.1 mm as the editor shows it: "1.5mm".
    static QString travelText(int tenths);
};

#endif
