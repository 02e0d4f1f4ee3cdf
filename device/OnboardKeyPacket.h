// Key records of the onboard memory and the reports that carry them
// (command 0x17). Every key position of a layer has a four-byte record:
// A is the function code, B, C and D depend on it. Fourteen positions go in
// one report; the last report of a layer carries what is left.
#ifndef ONBOARDKEYPACKET_H
#define ONBOARDKEYPACKET_H

#include "device/HidReportBuff.h"
#include "sdk/include/LumtarRecords.h"

#include <QString>
#include <QVector>

#include <array>
#include <cstdint>

class OnboardKeyPacket
{
public:
    static constexpr uint8_t Command = 0x17;
    static constexpr int KeysPerReport = 14;
    static constexpr int RecordSize = 4;
    // Layer byte of the reports.
    static constexpr uint8_t DefaultLayer = 0;
    static constexpr uint8_t FnLayer = 2;

    using KeyRecord = std::array<uint8_t, RecordSize>;

    // Two modifiers and a key as the keyboard takes them (HID usage ids).
    struct ModifierKeys
    {
        int m1 = 0;
        int m2 = 0;
        int key = 0;
        bool operator==(const ModifierKeys &o) const { return m1 == o.m1 && m2 == o.m2 && key == o.key; }
    };

    // One key report: `records` are the bytes of at most 14 key records.
    static HidReportBuff build(uint8_t layer, int reportNumber, const QVector<uint8_t> &records);

    // The record of a key without a stored function, by its own code.
    static KeyRecord defaultRecord(int keyCode);
    // The record of a key with the item read for it. A type of -1 means no
    // function is stored. `macroSlot` is the slot given to a macro key,
    // `seniorIndex` the store index given to an advanced key (-1 when the
    // key has no advanced-key record: it then stays the key itself).
    static KeyRecord keyRecord(int keyCode, const KeyOperateInfoStu &item, int macroSlot, int seniorIndex);

    // The table look-ups of the key record, each by the item's value.
    static int onboardMultimediaCode(const KeyOperateInfoStu &item);
    static bool isOnboardMouseWheel(const KeyOperateInfoStu &item);
    static int onboardMouseCode(const KeyOperateInfoStu &item);
    static ModifierKeys onboardKeyCombination(const KeyOperateInfoStu &item);
    // (modifier, 0, key) of a system shortcut; (0, 0, 0) outside the table.
    static ModifierKeys onboardShortcutKeys(int shortcutIndex);

    // "mask,key": the lowest set bit of the mask becomes m1, the highest
    // further one m2; missing or non-numeric parts read as 0.
    static ModifierKeys modifierRule(const QString &text);

    // A stored decimal text read as the C library's atoi does (leading
    // blanks, a sign, the leading digits; 0 without digits), kept within
    // the range of int instead of overflowing. `capacity` bounds the read
    // for fixed-size fields that may lack their terminating zero.
    static int textNumber(const char *text, int capacity = -1);
    static int textNumber(const QString &text);
    // textNumber of a fixed-size record field.
    template <size_t N>
    static int fieldNumber(const char (&field)[N])
    {
        return textNumber(field, static_cast<int>(N));
    }
    // The key code as it fits one byte: 255 for codes of 255 and above.
    static uint8_t limitedKeyCode(int keyCode);
};

#endif
