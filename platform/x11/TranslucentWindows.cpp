#include "platform/x11/TranslucentWindows.h"

#include <QByteArray>
#include <QGuiApplication>

#include <X11/Xlib.h>

bool TranslucentWindows::available()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return true;
    const QByteArray displayName = qgetenv("DISPLAY");
    Display *display = XOpenDisplay(displayName.isEmpty() ? nullptr : displayName.constData());
    if (!display)
        return false;
    const QByteArray selection = "_NET_WM_CM_S" + QByteArray::number(DefaultScreen(display));
    const Atom atom = XInternAtom(display, selection.constData(), False);
    const bool composited = XGetSelectionOwner(display, atom) != None;
    XCloseDisplay(display);
    return composited;
}
