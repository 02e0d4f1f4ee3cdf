#include "platform/x11/X11RecordSession.h"

#include "platform/x11/X11ErrorTrap.h"

#include <X11/Xlib.h>
#include <X11/Xproto.h>
#include <X11/extensions/record.h>

#include <chrono>

namespace {
// How long the server may take to start recording.
constexpr auto kStartTimeout = std::chrono::seconds(5);
} // namespace

struct X11RecordIntercept {
    static void callback(XPointer closure, XRecordInterceptData *data)
    {
        auto *session = reinterpret_cast<X11RecordSession *>(closure);
        if (data->category == XRecordStartOfData) {
            session->setState(X11RecordSession::State::Running);
        } else if (data->category == XRecordFromServer && data->data && data->data_len * 4 >= sizeof(xEvent)) {
            const auto *event = reinterpret_cast<const xEvent *>(data->data);
            const int type = event->u.u.type & 0x7F;
            if (type >= session->m_firstEventType && type <= session->m_lastEventType) {
                session->m_handler(type, event->u.u.detail, event->u.keyButtonPointer.time,
                                   event->u.keyButtonPointer.rootX, event->u.keyButtonPointer.rootY);
            }
        }
        XRecordFreeData(data);
    }
};

X11RecordSession::X11RecordSession(Display *control, int firstEventType, int lastEventType, Handler handler)
    : m_control(control), m_firstEventType(firstEventType), m_lastEventType(lastEventType),
      m_handler(std::move(handler))
{
}

X11RecordSession::~X11RecordSession()
{
    end();
}

bool X11RecordSession::begin(QString *error)
{
    auto failed = [&](const QString &text) {
        if (error)
            *error = text;
        release();
        return false;
    };
    if (m_context)
        return true;

    XRecordRange *range = XRecordAllocRange();
    if (!range)
        return failed(QStringLiteral("out of memory for a record range"));
    range->device_events.first = static_cast<unsigned char>(m_firstEventType);
    range->device_events.last = static_cast<unsigned char>(m_lastEventType);
    XRecordClientSpec clients = XRecordAllClients;
    X11ErrorTrap::takeError(m_control);
    m_context = XRecordCreateContext(m_control, 0, &clients, 1, &range, 1);
    XFree(range);
    XSync(m_control, False);
    if (const int code = X11ErrorTrap::takeError(m_control)) {
        m_context = 0; // the server refused it: there is nothing to free
        return failed(QStringLiteral("the X server refused a record context (X error %1)").arg(code));
    }
    if (!m_context)
        return failed(QStringLiteral("no record context"));

    m_data = XOpenDisplay(DisplayString(m_control));
    if (!m_data)
        return failed(QStringLiteral("cannot open a second connection to the X display"));
    X11ErrorTrap::watch(m_data);

    setState(State::Starting);
    start();
    std::unique_lock<std::mutex> lock(m_mutex);
    const bool settled = m_stateChanged.wait_for(lock, kStartTimeout, [this] { return m_state != State::Starting; });
    const State state = m_state;
    lock.unlock();
    if (!settled)
        return failed(QStringLiteral("the X server did not start recording"));
    if (state != State::Running)
        return failed(QStringLiteral("the X server refused to record input"));
    return true;
}

void X11RecordSession::end()
{
    release();
}

void X11RecordSession::release()
{
    if (m_context) {
        if (isRunning()) {
            // Ends the blocking enable call in the thread once the server has
            // sent everything recorded so far.
            XRecordDisableContext(m_control, m_context);
            XSync(m_control, False);
            wait();
        }
        XRecordFreeContext(m_control, m_context);
        XSync(m_control, False);
        X11ErrorTrap::takeError(m_control);
        m_context = 0;
    }
    if (m_data) {
        X11ErrorTrap::unwatch(m_data);
        XCloseDisplay(m_data);
        m_data = nullptr;
    }
    setState(State::Idle);
}

void X11RecordSession::run()
{
    // Blocks until recording is disabled, or returns at once when the server
    // refuses to start it; either way nothing is recorded any more.
    XRecordEnableContext(m_data, m_context, &X11RecordIntercept::callback, reinterpret_cast<XPointer>(this));
    setState(State::Failed);
}

void X11RecordSession::setState(State state)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_state = state;
    }
    m_stateChanged.notify_all();
}
