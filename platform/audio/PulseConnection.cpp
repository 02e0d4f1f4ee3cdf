#include "platform/audio/PulseConnection.h"

#include <pulse/error.h>

PulseConnection::PulseConnection(const char *clientName) : m_clientName(clientName)
{
}

PulseConnection::~PulseConnection()
{
    close();
}

QString PulseConnection::errorText(int error)
{
    return QString::fromUtf8(pa_strerror(error));
}

bool PulseConnection::open(StateHandler onState, QString *error)
{
    if (isOpen())
        return true;
    auto failed = [this, error](const QString &text) {
        if (error)
            *error = text;
        if (m_context)
            pa_context_unref(m_context);
        if (m_loop)
            pa_threaded_mainloop_free(m_loop);
        m_context = nullptr;
        m_loop = nullptr;
        m_onState = nullptr;
        return false;
    };
    m_loop = pa_threaded_mainloop_new();
    if (!m_loop)
        return failed(QStringLiteral("no main loop"));
    m_context = pa_context_new(pa_threaded_mainloop_get_api(m_loop), m_clientName.constData());
    if (!m_context)
        return failed(QStringLiteral("no context"));
    // The loop thread is not running yet, so nothing here needs the lock.
    // A synchronous failure below does call the state callback: it is set
    // only once the connection attempt is under way.
    if (pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
        return failed(errorText(pa_context_errno(m_context)));
    m_onState = std::move(onState);
    pa_context_set_state_callback(m_context, &PulseConnection::stateCallback, this);
    if (pa_threaded_mainloop_start(m_loop) < 0) {
        pa_context_set_state_callback(m_context, nullptr, nullptr);
        pa_context_disconnect(m_context);
        return failed(QStringLiteral("cannot start the main loop thread"));
    }
    return true;
}

void PulseConnection::close(const std::function<void()> &beforeDisconnect)
{
    if (!m_loop)
        return;
    pa_threaded_mainloop_lock(m_loop);
    if (beforeDisconnect)
        beforeDisconnect();
    pa_context_set_state_callback(m_context, nullptr, nullptr);
    pa_context_disconnect(m_context);
    pa_context_unref(m_context);
    m_context = nullptr;
    pa_threaded_mainloop_unlock(m_loop);
    // Wakes the loop out of its poll and joins it: no waiting on the server.
    pa_threaded_mainloop_stop(m_loop);
    pa_threaded_mainloop_free(m_loop);
    m_loop = nullptr;
    m_onState = nullptr;
}

void PulseConnection::stateCallback(pa_context *context, void *self)
{
    auto *connection = static_cast<PulseConnection *>(self);
    if (connection->m_onState)
        connection->m_onState(context, pa_context_get_state(context));
}
