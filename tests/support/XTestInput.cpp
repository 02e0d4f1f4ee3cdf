#include "support/XTestInput.h"

#include <QTest>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

XTestInput::~XTestInput()
{
    close();
}

bool XTestInput::open()
{
    close();
    m_x = XOpenDisplay(nullptr);
    if (!m_x)
        return false;
    int eventBase = 0, errorBase = 0, major = 0, minor = 0;
    if (!XTestQueryExtension(m_x, &eventBase, &errorBase, &major, &minor)) {
        close();
        return false;
    }
    return true;
}

void XTestInput::close()
{
    if (m_x)
        XCloseDisplay(m_x);
    m_x = nullptr;
}

void XTestInput::key(int keyCode, bool press)
{
    XTestFakeKeyEvent(m_x, unsigned(keyCode), press ? True : False, CurrentTime);
    XSync(m_x, False);
}

void XTestInput::tap(int keyCode, unsigned long releaseDelayMs)
{
    XTestFakeKeyEvent(m_x, unsigned(keyCode), True, CurrentTime);
    XTestFakeKeyEvent(m_x, unsigned(keyCode), False, releaseDelayMs);
    XSync(m_x, False);
}

void XTestInput::button(int button, bool press)
{
    XTestFakeButtonEvent(m_x, unsigned(button), press ? True : False, CurrentTime);
    XSync(m_x, False);
}

void XTestInput::moveTo(QPoint global)
{
    XTestFakeMotionEvent(m_x, -1, global.x(), global.y(), CurrentTime);
    XSync(m_x, False);
}

void XTestInput::clickAt(QPoint global, int button)
{
    moveTo(global);
    QTest::qWait(400);
    XTestFakeButtonEvent(m_x, unsigned(button), True, CurrentTime);
    XTestFakeButtonEvent(m_x, unsigned(button), False, 20);
    XSync(m_x, False);
}

bool XTestInput::othersCanGrab()
{
    const int status = XGrabKeyboard(m_x, DefaultRootWindow(m_x), False, GrabModeAsync, GrabModeAsync, CurrentTime);
    if (status == GrabSuccess) {
        XUngrabKeyboard(m_x, CurrentTime);
        XSync(m_x, False);
    }
    return status == GrabSuccess;
}
