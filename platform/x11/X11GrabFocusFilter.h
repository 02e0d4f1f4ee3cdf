// Keeps the application's windows from seeing the focus loss that the input
// hook's own keyboard grab causes. The grab is taken on a connection of its
// own, so the server tells the window that has the focus that it lost it
// (a FocusOut in grab mode); Qt would take that as a deactivation and a
// pop-up that hides itself when deactivated would close at once. While the
// grab is held such FocusOut events are dropped; every other focus change,
// and any deactivation after the grab, reaches Qt as before.
#ifndef X11GRABFOCUSFILTER_H
#define X11GRABFOCUSFILTER_H

#include <QAbstractNativeEventFilter>

class X11GrabFocusFilter : public QAbstractNativeEventFilter
{
public:
    X11GrabFocusFilter();
    ~X11GrabFocusFilter() override;

    // While true, focus losses caused by a keyboard grab are dropped.
    void setGrabHeld(bool held) { m_grabHeld = held; }
    bool isGrabHeld() const { return m_grabHeld; }

    // Whether an xcb event is such a focus loss.
    static bool isGrabFocusOut(const void *xcbEvent);

    bool nativeEventFilter(const QByteArray &eventType, void *message, long *result) override;

private:
    bool m_grabHeld = false;
    bool m_installed = false;
};

#endif
