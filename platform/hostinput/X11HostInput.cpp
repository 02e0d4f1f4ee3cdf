#include "platform/hostinput/X11HostInput.h"

#include <QClipboard>
#include <QDebug>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMutexLocker>
#include <QProcess>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

X11HostInput::X11HostInput() = default;

X11HostInput::~X11HostInput()
{
    if (m_display)
        XCloseDisplay(m_display);
}

unsigned long X11HostInput::keysymForVirtualKey(int virtualKey)
{
    if (virtualKey >= 'A' && virtualKey <= 'Z')
        return XK_a + static_cast<unsigned long>(virtualKey - 'A');
    if (virtualKey >= '0' && virtualKey <= '9')
        return XK_0 + static_cast<unsigned long>(virtualKey - '0');
    switch (virtualKey) {
    case 0x10: return XK_Shift_L;
    case 0x11: return XK_Control_L;
    case 0x12: return XK_Alt_L;
    case 0x0D: return XK_Return;
    case 0x09: return XK_Tab;
    default: return 0;
    }
}

_XDisplay *X11HostInput::display()
{
    if (m_display)
        return m_display;
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        qDebug() << "Host input: no X display (DISPLAY is not set)";
        return nullptr;
    }
    Display *dpy = XOpenDisplay(nullptr);
    if (!dpy) {
        qDebug().noquote() << "Host input: cannot open the X display" << qgetenv("DISPLAY");
        return nullptr;
    }
    int eventBase = 0, errorBase = 0, major = 0, minor = 0;
    m_hasXTest = XTestQueryExtension(dpy, &eventBase, &errorBase, &major, &minor);
    if (!m_hasXTest)
        qDebug() << "Host input: the X server has no XTest extension";
    m_display = dpy;
    return m_display;
}

bool X11HostInput::setClipboardText(const QString &text)
{
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        qDebug() << "Host input: no GUI application, no clipboard";
        return false;
    }
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return false;
    clipboard->setText(text, QClipboard::Clipboard);
    return true;
}

bool X11HostInput::sendKeyEvent(int virtualKey, bool down)
{
    QMutexLocker lock(&m_mutex);
    Display *dpy = display();
    if (!dpy || !m_hasXTest)
        return false;
    const unsigned long keysym = keysymForVirtualKey(virtualKey);
    const KeyCode keycode = keysym ? XKeysymToKeycode(dpy, keysym) : 0;
    if (keycode == 0) {
        qDebug() << "Host input: no key for virtual-key code" << virtualKey;
        return false;
    }
    const bool ok = XTestFakeKeyEvent(dpy, keycode, down ? True : False, CurrentTime);
    XFlush(dpy);
    return ok;
}

bool X11HostInput::startProgram(const QString &program, const QStringList &arguments)
{
    return QProcess::startDetached(program, arguments);
}

bool X11HostInput::openUrl(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}
