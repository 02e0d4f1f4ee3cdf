// Key slots of an advanced key: the caption of a slot text, the modifier
// bits of a combination, where a picked key goes for each kind and which
// slot a right click on a key button empties.
//
// A slot text is "" (no key), a decimal key code ("4") or a combination
// "mask,key" whose mask bits 0..7 stand for L_CTRL, L_SHIFT, L_ALT, L_WIN,
// R_CTRL, R_SHIFT, R_ALT, R_WIN (the key codes 224..231 in that order).
#ifndef SENIORKEYSLOTS_H
#define SENIORKEYSLOTS_H

#include <QByteArray>
#include <QMap>
#include <QString>

#include "sdk/include/LumtarRecords.h"

class SeniorKeySlots
{
public:
    // Hover numbers of the editor's seven key buttons: the four DKS
    // buttons 1..4, then Hold, Click and the TGL button.
    enum HoverNumber { NoButton = -1, HoldButton = 5, ClickButton = 6, TglButton = 7 };

    static constexpr int FirstModifierCode = 224;
    static constexpr int LastModifierCode = 231;

    // The caption of a slot text: the modifier names of a combination in bit
    // order, then the key's caption when keyNames has one, joined with "+";
    // the caption of a single key code, or "" when keyNames lacks it.
    static QString caption(const QByteArray &slotText, const QMap<int, QString> &keyNames);

    // The bit of a modifier key code (224 → 1 … 231 → 128); 0 for any other key.
    static int modifierBit(int keyCode);
    // "L_CTRL" … "R_WIN" for the bits 0..7; "" otherwise.
    static QString modifierName(int bit);

    // Puts a picked key's text into the slot that currentSlot chooses for the
    // record's kind: DKS slot 1..4; MT slot 1 (hold) or 2 (click); TGL
    // slot 1, marking the toggle key assigned. False, the record unchanged,
    // for any other kind or slot.
    static bool assign(SeniorKeyInfoStu *record, int currentSlot, const QByteArray &text);

    // Empties the slot of the key button with that hover number (a TGL key
    // is marked unassigned); false, the record unchanged, for any other number.
    static bool clear(SeniorKeyInfoStu *record, int hoverNumber);
    // The slot 1..4 a hover number stands for; 0 for none.
    static int slotOfButton(int hoverNumber);
};

#endif
