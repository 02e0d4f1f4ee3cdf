// What the global input hook does with one event in a given mode: whether it
// is reported and to whom, as a press or a release, and whether the key is
// withheld from the other applications.
//
// Modes: 1 macro recording (keys and mouse to the shared state's relays),
// 2 and 3 key capture (keys to the hook's own signal), 5 light interaction
// (keys to the signal, nothing withheld). In modes 1 to 3 every key is
// withheld except Caps Lock, Num Lock, Scroll Lock and both Ctrl keys.
#ifndef HOOKEVENTPOLICY_H
#define HOOKEVENTPOLICY_H

class HeldKeyTable;

class HookEventPolicy
{
public:
    enum class Route {
        None,       // not reported
        MacroRelay, // the shared state's macro relays
        KeySignal,  // the hook's key signal
    };

    struct KeyOutcome {
        Route route;
        int flag; // 1 a new press, 0 a release
        bool swallow;
    };

    static constexpr int MacroRecordMode = 1;
    static constexpr int RemapCaptureMode = 2;
    static constexpr int CombinationCaptureMode = 3;
    static constexpr int LightInteractionMode = 5;

    // Decides one key event and updates the held keys. A press of a key
    // already held is an auto-repeat: it is not reported, and it is withheld
    // exactly when its first press was, so no application sees repeats of a
    // key whose press and release it never gets.
    static KeyOutcome decideKey(int mode, HeldKeyTable &heldKeys, int vkCode, int flags);
    // Whether a mouse message is reported (mode 1, every message but a move).
    static bool reportsMouse(int mode, int message);

    static bool needsMouseHook(int mode);
    static bool withholdsKeys(int mode);
    static bool isPassThroughKey(int vkCode);
};

#endif
