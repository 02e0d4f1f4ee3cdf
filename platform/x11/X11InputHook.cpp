#include "platform/x11/X11InputHook.h"

#include "platform/x11/X11ButtonTranslator.h"
#include "platform/x11/X11ErrorTrap.h"
#include "platform/x11/X11GrabFocusFilter.h"
#include "platform/x11/X11RecordSession.h"

#include <QDebug>
#include <QSocketNotifier>
#include <QThread>

#include <X11/Xlib.h>
#include <X11/extensions/record.h>

namespace {

// Event types of the X protocol (the Xlib names collide with Qt's).
constexpr int kKeyPress = 2;
constexpr int kKeyRelease = 3;
constexpr int kButtonPress = 4;
constexpr int kButtonRelease = 5;

// A keyboard held by another client is asked for this often, this far apart.
constexpr int kGrabAttempts = 5;
constexpr unsigned long kGrabRetryMs = 20;

} // namespace

X11InputHook::X11InputHook(QObject *parent) : QObject(parent)
{
}

X11InputHook::~X11InputHook()
{
    setKeyboardGrab(false);
    uninstallKeyboard();
    uninstallMouse();
    closeControlIfIdle();
}

bool X11InputHook::openControl()
{
    if (m_control)
        return true;
    const QByteArray display = qgetenv("DISPLAY");
    if (display.isEmpty()) {
        if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
            return fail(NoDisplay, QStringLiteral("Wayland session without an X server: global input cannot be observed"));
        return fail(NoDisplay, QStringLiteral("no X display (DISPLAY is not set)"));
    }
    XInitThreads();
    m_control = XOpenDisplay(display.constData());
    if (!m_control)
        return fail(DisplayUnreachable, QStringLiteral("cannot open the X display \"%1\"").arg(QString::fromLocal8Bit(display)));
    X11ErrorTrap::watch(m_control);
    int major = 0;
    int minor = 0;
    if (!XRecordQueryVersion(m_control, &major, &minor)) {
        X11ErrorTrap::unwatch(m_control);
        XCloseDisplay(m_control);
        m_control = nullptr;
        return fail(NoRecordExtension, QStringLiteral("the X server has no RECORD extension"));
    }
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qDebug() << "Input hook on XWayland: only input to X applications is seen";
    // Events sent to this connection (the keys of a grab) are read and dropped.
    m_controlNotifier = new QSocketNotifier(ConnectionNumber(m_control), QSocketNotifier::Read, this);
    connect(m_controlNotifier, &QSocketNotifier::activated, this, &X11InputHook::drainControl);
    return true;
}

void X11InputHook::closeControlIfIdle()
{
    if (!m_control || m_keyboard || m_mouse || m_grabbed)
        return;
    delete m_controlNotifier;
    m_controlNotifier = nullptr;
    X11ErrorTrap::unwatch(m_control);
    XCloseDisplay(m_control);
    m_control = nullptr;
}

void X11InputHook::drainControl()
{
    if (!m_control)
        return;
    while (XPending(m_control) > 0) {
        XEvent event;
        XNextEvent(m_control, &event);
    }
}

bool X11InputHook::installKeyboard(const KeySink &sink)
{
    if (m_keyboard)
        return true;
    clearError();
    if (!openControl())
        return false;
    m_keyTranslator.reset();
    const int session = ++m_keyboardSession;
    auto handler = [this, session](int type, int detail, uint32_t time, int, int) {
        LowLevelKeyRecord record;
        if (!m_keyTranslator.translate(type == kKeyPress, detail, time, &record))
            return;
        QMetaObject::invokeMethod(this, [this, session, record] { deliverKey(session, record); },
                                  Qt::QueuedConnection);
    };
    auto recording = std::make_unique<X11RecordSession>(m_control, kKeyPress, kKeyRelease, handler);
    QString error;
    if (!recording->begin(&error)) {
        recording.reset();
        closeControlIfIdle();
        return fail(RecordSetupFailed, QStringLiteral("keyboard: %1").arg(error));
    }
    m_keySink = sink;
    m_keyboard = std::move(recording);
    return true;
}

bool X11InputHook::installMouse(const MouseSink &sink)
{
    if (m_mouse)
        return true;
    clearError();
    if (!openControl())
        return false;
    const int session = ++m_mouseSession;
    auto handler = [this, session](int type, int detail, uint32_t time, int rootX, int rootY) {
        int message = 0;
        LowLevelMouseRecord record;
        if (!X11ButtonTranslator::translate(type == kButtonPress, detail, rootX, rootY, time, &message, &record))
            return;
        QMetaObject::invokeMethod(this, [this, session, message, record] { deliverMouse(session, message, record); },
                                  Qt::QueuedConnection);
    };
    auto recording = std::make_unique<X11RecordSession>(m_control, kButtonPress, kButtonRelease, handler);
    QString error;
    if (!recording->begin(&error)) {
        recording.reset();
        closeControlIfIdle();
        return fail(RecordSetupFailed, QStringLiteral("mouse: %1").arg(error));
    }
    m_mouseSink = sink;
    m_mouse = std::move(recording);
    return true;
}

void X11InputHook::uninstallKeyboard()
{
    if (!m_keyboard)
        return;
    m_keyboard.reset();
    m_keySink = nullptr;
    ++m_keyboardSession;
    closeControlIfIdle();
}

void X11InputHook::uninstallMouse()
{
    if (!m_mouse)
        return;
    m_mouse.reset();
    m_mouseSink = nullptr;
    ++m_mouseSession;
    closeControlIfIdle();
}

bool X11InputHook::setKeyboardGrab(bool grab)
{
    if (grab == m_grabbed)
        return true;
    if (!grab) {
        XUngrabKeyboard(m_control, CurrentTime);
        XSync(m_control, False);
        m_grabbed = false;
        if (m_focusFilter)
            m_focusFilter->setGrabHeld(false);
        drainControl();
        closeControlIfIdle();
        return true;
    }
    clearError();
    if (!openControl())
        return false;
    // Window managers and menus of other applications hold the keyboard for
    // moments (while a window is activated, say): try again a few times.
    // The grab takes the focus from our own windows too; they must not take
    // that for a deactivation.
    if (!m_focusFilter)
        m_focusFilter = std::make_unique<X11GrabFocusFilter>();
    m_focusFilter->setGrabHeld(true);
    int status = GrabSuccess;
    for (int attempt = 0; attempt < kGrabAttempts; ++attempt) {
        if (attempt > 0)
            QThread::msleep(kGrabRetryMs);
        status = XGrabKeyboard(m_control, DefaultRootWindow(m_control), False, GrabModeAsync, GrabModeAsync,
                               CurrentTime);
        if (status != AlreadyGrabbed && status != GrabFrozen)
            break;
    }
    if (status != GrabSuccess) {
        m_focusFilter->setGrabHeld(false);
        closeControlIfIdle();
        static const char *const reasons[] = {"", "another application holds it", "invalid time",
                                              "not viewable", "frozen by another grab"};
        const char *reason = status > 0 && status < 5 ? reasons[status] : "unknown status";
        return fail(GrabFailed + status, QStringLiteral("cannot grab the keyboard: %1").arg(QLatin1String(reason)));
    }
    m_grabbed = true;
    return true;
}

void X11InputHook::deliverKey(int session, const LowLevelKeyRecord &record)
{
    if (session != m_keyboardSession || !m_keySink)
        return;
    // The sink may uninstall this hook; it runs on a copy. Its answer needs
    // no action here: while keys are to be withheld the keyboard is grabbed.
    KeySink sink = m_keySink;
    sink(record);
}

void X11InputHook::deliverMouse(int session, int message, const LowLevelMouseRecord &record)
{
    if (session != m_mouseSession || !m_mouseSink)
        return;
    MouseSink sink = m_mouseSink;
    sink(message, record);
}
