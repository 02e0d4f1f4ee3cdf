// The application's only view of keyboard and mouse input that is not
// addressed to its own widgets. Runs in one mode at a time: 1 macro
// recording (keys and mouse buttons go to the shared state's relays), 2 and
// 3 key capture for the remap and key-combination pages, 5 light interaction
// (keys go to sigKeyboardRecviveStreamEX_Key; our own keyboards' presses
// are also read from their kernel input nodes, so they reach the light
// effects whichever program has the focus, and a press both report counts
// once). In modes 1 to 3 keys are withheld from the other applications,
// except Caps Lock, Num Lock, Scroll Lock and both Ctrl keys. A held key is
// reported once; its auto-repeats are not reported.
//
// The hooks, the held keys and the platform's hook are process-wide; the
// mode belongs to the instance. Events go to the instance constructed last.
// Destroying the instance whose start installed the running hooks releases
// them, whichever instance receives the events.
// Everything runs in the GUI thread, and the receivers run synchronously.
#ifndef WINDOWSHOOKINTERFACE_H
#define WINDOWSHOOKINTERFACE_H

#include <QObject>

#include "core/LumtarWinTypes.h"

class InputHookBackend;
struct LowLevelKeyRecord;
struct LowLevelMouseRecord;

class WindowsHookInterface : public QObject
{
    Q_OBJECT

public:
    explicit WindowsHookInterface(QObject *parent = nullptr);
    ~WindowsHookInterface() override;

    // 1 when the hooks run in the mode, 0 when they could not be installed
    // (logged; nothing is left installed then).
    int startHook(int mode);
    // Always 1.
    int stopHook();

    int hookMode() const { return mode; }

    // The platform's hook to install from now on; null goes back to the
    // system's own. The caller keeps ownership. Only while nothing is installed.
    static void setBackend(InputHookBackend *backend);

signals:
    // keyCode the virtual-key code, scCode the scan code, flag 1 for a press
    // and 0 for a release, hookFlag the low-level flags word (bit 0 extended
    // key, bit 5 Alt down, bit 7 release).
    void sigKeyboardRecviveStreamEX_Key(int keyCode, int scCode, int flag, int hookFlag);

private:
    int installHooks();
    static int uninstallHooks();
    static bool keyboardHookProc(const LowLevelKeyRecord &record);
    // A key event read from one of our keyboards' own input nodes.
    static void ownKeyboardProc(int vkCode, int scanCode, int flags);
    static void mouseHookProc(int message, const LowLevelMouseRecord &record);
    void dispatchKeyEvent(int keyCode, int scCode, int flag, int hookFlag);
    void dispatchMouseEvent(int nCode, WPARAM wParam, LPARAM lParam);

    int mode = 999;
};

#endif
