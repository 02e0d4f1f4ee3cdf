#include "platform/x11/X11KeyTranslator.h"

namespace {

// X servers number keys as the kernel's evdev codes plus 8.
constexpr int EvdevOffset = 8;

struct KeyEntry {
    int evdev;
    int vkCode;
    int scanCode;
    bool extended;
};

// Virtual-key codes of the keys that the soft-keyboard layout knows by a
// private code of its own.
constexpr int VkIntl3Yen = 981;
constexpr int VkIntl1Ro = 984;
constexpr int VkMuhenkan = 986;
constexpr int VkHenkan = 987;
constexpr int VkKatakanaHiragana = 988;
constexpr int VkLang2Hanja = 2350;
constexpr int VkLang1Hangul = 2360;

// Sorted by evdev code.
constexpr KeyEntry kKeys[] = {
    {1, 27, 0x01, false},    // Esc
    {2, 49, 0x02, false},    {3, 50, 0x03, false},  {4, 51, 0x04, false},
    {5, 52, 0x05, false},    {6, 53, 0x06, false},  {7, 54, 0x07, false},
    {8, 55, 0x08, false},    {9, 56, 0x09, false},  {10, 57, 0x0A, false},
    {11, 48, 0x0B, false},   // 0
    {12, 189, 0x0C, false},  // - _
    {13, 187, 0x0D, false},  // = +
    {14, 8, 0x0E, false},    // Backspace
    {15, 9, 0x0F, false},    // Tab
    {16, 'Q', 0x10, false},  {17, 'W', 0x11, false}, {18, 'E', 0x12, false},
    {19, 'R', 0x13, false},  {20, 'T', 0x14, false}, {21, 'Y', 0x15, false},
    {22, 'U', 0x16, false},  {23, 'I', 0x17, false}, {24, 'O', 0x18, false},
    {25, 'P', 0x19, false},
    {26, 219, 0x1A, false},  // [ {
    {27, 221, 0x1B, false},  // ] }
    {28, 13, 0x1C, false},   // Enter
    {29, 162, 0x1D, false},  // left Ctrl
    {30, 'A', 0x1E, false},  {31, 'S', 0x1F, false}, {32, 'D', 0x20, false},
    {33, 'F', 0x21, false},  {34, 'G', 0x22, false}, {35, 'H', 0x23, false},
    {36, 'J', 0x24, false},  {37, 'K', 0x25, false}, {38, 'L', 0x26, false},
    {39, 186, 0x27, false},  // ; :
    {40, 222, 0x28, false},  // ' "
    {41, 192, 0x29, false},  // ` ~
    {42, 160, 0x2A, false},  // left Shift
    {43, 220, 0x2B, false},  // \ |
    {44, 'Z', 0x2C, false},  {45, 'X', 0x2D, false}, {46, 'C', 0x2E, false},
    {47, 'V', 0x2F, false},  {48, 'B', 0x30, false}, {49, 'N', 0x31, false},
    {50, 'M', 0x32, false},
    {51, 188, 0x33, false},  // , <
    {52, 190, 0x34, false},  // . >
    {53, 191, 0x35, false},  // / ?
    {54, 161, 0x36, false},  // right Shift
    {55, 106, 0x37, false},  // keypad *
    {56, 164, 0x38, false},  // left Alt
    {57, 32, 0x39, false},   // Space
    {58, 20, 0x3A, false},   // Caps Lock
    {59, 112, 0x3B, false},  {60, 113, 0x3C, false}, {61, 114, 0x3D, false},
    {62, 115, 0x3E, false},  {63, 116, 0x3F, false}, {64, 117, 0x40, false},
    {65, 118, 0x41, false},  {66, 119, 0x42, false}, {67, 120, 0x43, false},
    {68, 121, 0x44, false},  // F1 - F10
    {69, 144, 0x45, true},   // Num Lock (reported as an extended key)
    {70, 145, 0x46, false},  // Scroll Lock
    {71, 103, 0x47, false},  // keypad 7
    {72, 104, 0x48, false},  // keypad 8
    {73, 105, 0x49, false},  // keypad 9
    {74, 109, 0x4A, false},  // keypad -
    {75, 100, 0x4B, false},  // keypad 4
    {76, 101, 0x4C, false},  // keypad 5
    {77, 102, 0x4D, false},  // keypad 6
    {78, 107, 0x4E, false},  // keypad +
    {79, 97, 0x4F, false},   // keypad 1
    {80, 98, 0x50, false},   // keypad 2
    {81, 99, 0x51, false},   // keypad 3
    {82, 96, 0x52, false},   // keypad 0
    {83, 110, 0x53, false},  // keypad .
    {86, 226, 0x56, false},  // the key beside left Shift on ISO boards
    {87, 122, 0x57, false},  // F11
    {88, 123, 0x58, false},  // F12
    {89, VkIntl1Ro, 0x73, false},
    {92, VkHenkan, 0x79, false},
    {93, VkKatakanaHiragana, 0x70, false},
    {94, VkMuhenkan, 0x7B, false},
    {96, 13, 0x1C, true},    // keypad Enter
    {97, 163, 0x1D, true},   // right Ctrl
    {98, 111, 0x35, true},   // keypad /
    {99, 44, 0x37, true},    // Print Screen
    {100, 165, 0x38, true},  // right Alt
    {102, 36, 0x47, true},   // Home
    {103, 38, 0x48, true},   // Up
    {104, 33, 0x49, true},   // Page Up
    {105, 37, 0x4B, true},   // Left
    {106, 39, 0x4D, true},   // Right
    {107, 35, 0x4F, true},   // End
    {108, 40, 0x50, true},   // Down
    {109, 34, 0x51, true},   // Page Down
    {110, 45, 0x52, true},   // Insert
    {111, 46, 0x53, true},   // Delete
    {113, 173, 0x20, true},  // mute
    {114, 174, 0x2E, true},  // volume down
    {115, 175, 0x30, true},  // volume up
    {119, 19, 0x45, false},  // Pause
    {122, VkLang1Hangul, 0x72, false},
    {123, VkLang2Hanja, 0x71, false},
    {124, VkIntl3Yen, 0x7D, false},
    {125, 91, 0x5B, true},   // left Windows
    {126, 92, 0x5C, true},   // right Windows
    {127, 93, 0x5D, true},   // Menu
    {163, 176, 0x19, true},  // next track
    {164, 179, 0x22, true},  // play / pause
    {165, 177, 0x10, true},  // previous track
    {166, 178, 0x24, true},  // stop
    {183, 124, 0x64, false}, {184, 125, 0x65, false}, {185, 126, 0x66, false},
    {186, 127, 0x67, false}, {187, 128, 0x68, false}, {188, 129, 0x69, false},
    {189, 130, 0x6A, false}, {190, 131, 0x6B, false}, {191, 132, 0x6C, false},
    {192, 133, 0x6D, false}, {193, 134, 0x6E, false}, {194, 135, 0x76, false}, // F13 - F24
};

constexpr int kLeftAltKeyCode = 56 + EvdevOffset;
constexpr int kRightAltKeyCode = 100 + EvdevOffset;

} // namespace

bool X11KeyTranslator::lookup(int xKeyCode, KeyInfo *info)
{
    const int evdev = xKeyCode - EvdevOffset;
    int low = 0;
    int high = int(sizeof(kKeys) / sizeof(kKeys[0])) - 1;
    while (low <= high) {
        const int middle = (low + high) / 2;
        const KeyEntry &entry = kKeys[middle];
        if (entry.evdev == evdev) {
            if (info)
                *info = KeyInfo{entry.vkCode, entry.scanCode, entry.extended};
            return true;
        }
        if (entry.evdev < evdev)
            low = middle + 1;
        else
            high = middle - 1;
    }
    return false;
}

bool X11KeyTranslator::translate(bool press, int xKeyCode, uint32_t time, LowLevelKeyRecord *record)
{
    // The Alt bit tells whether an Alt key is down once this event has taken
    // effect: set on an Alt press and on keys pressed or released while Alt
    // is held, clear on the release of the last Alt key.
    if (xKeyCode == kLeftAltKeyCode)
        m_leftAltDown = press;
    else if (xKeyCode == kRightAltKeyCode)
        m_rightAltDown = press;

    KeyInfo info{};
    if (!lookup(xKeyCode, &info))
        return false;
    int flags = 0;
    if (info.extended)
        flags |= LowLevelKeyRecord::ExtendedFlag;
    if (m_leftAltDown || m_rightAltDown)
        flags |= LowLevelKeyRecord::AltDownFlag;
    if (!press)
        flags |= LowLevelKeyRecord::ReleaseFlag;
    if (record) {
        record->vkCode = info.vkCode;
        record->scanCode = info.scanCode;
        record->flags = flags;
        record->time = time;
    }
    return true;
}

void X11KeyTranslator::reset()
{
    m_leftAltDown = false;
    m_rightAltDown = false;
}
