// The input hook on an X display. Key and button events of every client are
// observed with RECORD, each kind in a thread of its own (X11RecordSession),
// translated there and handed to the thread that installed the hook through
// queued calls. Keys are withheld from the other applications by an active
// grab of the keyboard, taken on a control connection of our own; the server
// releases it on request, and in any case when the connection closes.
#ifndef X11INPUTHOOK_H
#define X11INPUTHOOK_H

#include <QObject>

#include <memory>

#include "platform/InputHookBackend.h"
#include "platform/x11/X11KeyTranslator.h"

struct _XDisplay;
class QSocketNotifier;
class X11GrabFocusFilter;
class X11RecordSession;

class X11InputHook : public QObject, public InputHookBackend
{
    Q_OBJECT

public:
    explicit X11InputHook(QObject *parent = nullptr);
    ~X11InputHook() override;

    bool installKeyboard(const KeySink &sink) override;
    bool installMouse(const MouseSink &sink) override;
    void uninstallKeyboard() override;
    void uninstallMouse() override;
    // While the grab is held, every key goes to this connection alone. Lock
    // keys and modifiers still take effect in the server, so Caps Lock, Num
    // Lock and Scroll Lock still toggle and Ctrl still modifies pointer clicks.
    bool setKeyboardGrab(bool grab) override;

    bool keyboardInstalled() const override { return m_keyboard != nullptr; }
    bool mouseInstalled() const override { return m_mouse != nullptr; }
    bool keyboardGrabbed() const override { return m_grabbed; }

private:
    bool openControl();
    void closeControlIfIdle();
    void drainControl();
    void deliverKey(int session, const LowLevelKeyRecord &record);
    void deliverMouse(int session, int message, const LowLevelMouseRecord &record);

    _XDisplay *m_control = nullptr;
    QSocketNotifier *m_controlNotifier = nullptr;
    std::unique_ptr<X11RecordSession> m_keyboard;
    std::unique_ptr<X11RecordSession> m_mouse;
    X11KeyTranslator m_keyTranslator; // used by the keyboard's record thread only
    KeySink m_keySink;
    MouseSink m_mouseSink;
    // Numbers of the current installations: events still queued from an
    // earlier one are dropped.
    int m_keyboardSession = 0;
    int m_mouseSession = 0;
    bool m_grabbed = false;
    std::unique_ptr<X11GrabFocusFilter> m_focusFilter;
};

#endif
