// Turns X key events into the keyboard records of the input hook: X key code
// (evdev numbering, as every current X server uses) to virtual-key code,
// set-1 scan code and extended bit; adds the Alt bit and the release bit.
// The virtual-key codes are those of the US soft-keyboard layout, including
// its private codes for the international and language keys; keypad keys are
// reported as keypad keys whatever the Num Lock state.
#ifndef X11KEYTRANSLATOR_H
#define X11KEYTRANSLATOR_H

#include <cstdint>

#include "platform/LowLevelKeyRecord.h"

class X11KeyTranslator
{
public:
    struct KeyInfo {
        int vkCode;
        int scanCode;
        bool extended;
    };

    // The fixed part of the translation; false for a key code with no
    // virtual-key code.
    static bool lookup(int xKeyCode, KeyInfo *info);

    // Translates one recorded key event and keeps track of the Alt keys. Every
    // event must pass through here, known or not, in the order it happened.
    bool translate(bool press, int xKeyCode, uint32_t time, LowLevelKeyRecord *record);

    // Forgets the held Alt keys (a new observation starts).
    void reset();

private:
    bool m_leftAltDown = false;
    bool m_rightAltDown = false;
};

#endif
