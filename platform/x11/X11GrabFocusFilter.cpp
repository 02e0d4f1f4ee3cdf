#include "platform/x11/X11GrabFocusFilter.h"

#include <QCoreApplication>

#include <xcb/xcb.h>

X11GrabFocusFilter::X11GrabFocusFilter()
{
    if (QCoreApplication *app = QCoreApplication::instance()) {
        app->installNativeEventFilter(this);
        m_installed = true;
    }
}

X11GrabFocusFilter::~X11GrabFocusFilter()
{
    if (m_installed && QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool X11GrabFocusFilter::isGrabFocusOut(const void *xcbEvent)
{
    const auto *event = static_cast<const xcb_generic_event_t *>(xcbEvent);
    if ((event->response_type & ~0x80) != XCB_FOCUS_OUT)
        return false;
    return static_cast<const xcb_focus_out_event_t *>(xcbEvent)->mode == XCB_NOTIFY_MODE_GRAB;
}

bool X11GrabFocusFilter::nativeEventFilter(const QByteArray &eventType, void *message, long *result)
{
    Q_UNUSED(result);
    return m_grabHeld && eventType == "xcb_generic_event_t" && isGrabFocusOut(message);
}
