// The gamepad modes a keyboard can be in (named by the product id it shows)
// and how the program names them: the device page's label and the level of
// the profile folder that keeps each mode's profiles apart.
#ifndef GAMEPADMODE_H
#define GAMEPADMODE_H

#include <QString>

class GamePadMode
{
public:
    // Modes are the SDK's LUMTAR_GAMEPAD_* values.
    // "GamePad Disable", "GamePad Xbox360", "GamePad Classical", translated;
    // empty for a keyboard without gamepad modes.
    static QString label(int mode);
    // "GamePadDisable", "GamePadXbox360", "GamePadClassical"; empty for a
    // keyboard without gamepad modes (its profiles need no such level).
    static QString folderName(int mode);
};

#endif
