// The light modes as the lighting page offers them: names, the page's mode
// buttons and their ids, each mode's default direction and the settings it
// shows, the record a profile gets for a mode it has none of, and which
// modes of a keyboard's mode list get a button. Pure look-ups.
#ifndef LIGHTMODETABLE_H
#define LIGHTMODETABLE_H

#include <QString>
#include <QVector>

#include <vector>

#include "sdk/include/LumtarRecords.h"

class LightModeTable
{
public:
    // The settings a mode shows besides brightness and colour 1. A code
    // without a row hides nothing.
    struct Controls
    {
        bool brightness = true;
        bool speed = true;
        QVector<int> directions; // LightDirectionCode, in the form's order; empty: no direction block
        bool colourChoices = true; // the full-colour and the colour 2 choosers
        bool operator==(const Controls &o) const
        {
            return brightness == o.brightness && speed == o.speed && directions == o.directions
                   && colourChoices == o.colourChoices;
        }
    };

    struct Mode
    {
        int code;
        const char *name;       // source text, translated in the context "QObject"
        const char *buttonName; // object name of the page's button
        int buttonId;           // id in the page's keyboard or side mode group
        int defaultDirection;
        Controls controls;
    };

    // Ids of the page's mode groups that stand for no mode or a fallback.
    static constexpr int DpiButtonId = 13;   // never shown; leaves the mode as it is
    static constexpr int DpiCode = 13;       // not a light mode; captioned "DPI"
    static constexpr int FallbackCode = LightMode_Wave;

    static const QVector<Mode> &keyboardModes();
    static const QVector<Mode> &sideModes();
    // The row of a code; null for a code without one.
    static const Mode *keyboardMode(int code);
    static const Mode *sideMode(int code);

    // Button id to code: keyboard id 13 keeps `currentCode`; an id outside
    // the table (keyboard 0..17, side 50..55) selects Wave.
    static int keyboardCodeForButton(int buttonId, int currentCode);
    static int sideCodeForButton(int buttonId);
    // Code to button id, -1 (no button) for a code without a row.
    static int keyboardButtonForCode(int code);
    static int sideButtonForCode(int code);
    // The mode name shown for a code, translated: "DPI" for keyboard 13,
    // "Wave" for any other code without a row.
    static QString keyboardCaption(int code);
    static QString sideCaption(int code);

    // What the page shows for a mode.
    static Controls keyboardControls(int code);
    static Controls sideControls(int code);

    // The record a profile gets for a (kind, mode) it holds none of:
    // brightness and speed 3, colour 1 red (black for side Close), colour 2
    // black, the mode's default direction, full colour on.
    static colorInfoData defaultRecord(int kind, int code);

    // The codes whose buttons the page shows for a keyboard's mode lists:
    // keyboard codes 0..12 and 14..16 of the list in its order, then Custom
    // and Musical Rhythm always; side codes 0..5 of the list.
    static QVector<int> offeredKeyboardModes(const std::vector<int> &modeList);
    static QVector<int> offeredSideModes(const std::vector<int> &modeList);

    // Keyboard modes that light up the keys the user presses (Reactive,
    // Aurora, Ripple, Cross, Speed Respond, Fireworks): pressed keys must
    // reach the engine through the key hook.
    static bool isKeyPressReactive(int code);
};

#endif
