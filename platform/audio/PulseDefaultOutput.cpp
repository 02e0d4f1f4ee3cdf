#include "platform/audio/PulseDefaultOutput.h"

#include "platform/audio/PulseConnection.h"

#include <pulse/introspect.h>
#include <pulse/subscribe.h>

PulseDefaultOutput::PulseDefaultOutput() = default;

PulseDefaultOutput::~PulseDefaultOutput()
{
    stop();
}

bool PulseDefaultOutput::isConnected() const
{
    return m_connection && !m_failed.load();
}

QString PulseDefaultOutput::name() const
{
    std::lock_guard<std::mutex> lock(m_nameMutex);
    return m_name;
}

void PulseDefaultOutput::setName(const QString &name)
{
    std::lock_guard<std::mutex> lock(m_nameMutex);
    m_name = name;
}

bool PulseDefaultOutput::start(QString *error)
{
    if (isConnected())
        return true;
    stop(); // what is left of a connection that failed
    m_failed = false;
    // Held before it opens: the loop thread's callbacks reach the context
    // through it as soon as the thread runs.
    m_connection = std::make_unique<PulseConnection>("Lumtar output watch");
    const bool opened = m_connection->open(
        [this](pa_context *, pa_context_state_t state) { onContextState(int(state)); }, error);
    if (!opened)
        m_connection.reset();
    return opened;
}

void PulseDefaultOutput::stop()
{
    if (m_connection) {
        m_connection->close([this] {
            pa_context_set_subscribe_callback(m_connection->context(), nullptr, nullptr);
        });
        m_connection.reset();
    }
    setName(QString());
}

void PulseDefaultOutput::onContextState(int state)
{
    pa_context *context = m_connection->context();
    switch (pa_context_state_t(state)) {
    case PA_CONTEXT_READY: {
        pa_context_set_subscribe_callback(
            context,
            [](pa_context *, pa_subscription_event_type_t type, uint32_t, void *self) {
                if ((type & PA_SUBSCRIPTION_EVENT_FACILITY_MASK) == PA_SUBSCRIPTION_EVENT_SERVER)
                    static_cast<PulseDefaultOutput *>(self)->askServer();
            },
            this);
        if (pa_operation *operation = pa_context_subscribe(context, PA_SUBSCRIPTION_MASK_SERVER, nullptr, nullptr))
            pa_operation_unref(operation);
        askServer();
        break;
    }
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED:
        m_failed = true;
        setName(QString());
        break;
    default:
        break;
    }
}

void PulseDefaultOutput::askServer()
{
    pa_operation *operation = pa_context_get_server_info(
        m_connection->context(),
        [](pa_context *, const pa_server_info *info, void *self) {
            if (info)
                static_cast<PulseDefaultOutput *>(self)->setName(
                    QString::fromUtf8(info->default_sink_name ? info->default_sink_name : ""));
        },
        this);
    if (operation)
        pa_operation_unref(operation);
}
