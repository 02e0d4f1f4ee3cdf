#include "platform/audio/PulseLoopbackCapture.h"

#include "platform/audio/PulseConnection.h"

#include <pulse/stream.h>
#include <pulse/timeval.h>

namespace {

// The source that always follows the default output's monitor.
constexpr char kDefaultMonitor[] = "@DEFAULT_MONITOR@";

} // namespace

PulseLoopbackCapture::PulseLoopbackCapture(PacketHandler onPacket, EndHandler onEnd)
    : m_onPacket(std::move(onPacket)), m_onEnd(std::move(onEnd))
{
}

PulseLoopbackCapture::~PulseLoopbackCapture()
{
    stop();
}

bool PulseLoopbackCapture::isRunning() const
{
    return m_connection && !m_ended.load();
}

bool PulseLoopbackCapture::start(QString *error)
{
    if (isRunning())
        return true;
    stop(); // what is left of a stream that ended
    m_ended = false;
    // Held before it opens: the loop thread's callbacks reach the context
    // through it as soon as the thread runs.
    m_connection = std::make_unique<PulseConnection>("Lumtar music capture");
    const bool opened = m_connection->open(
        [this](pa_context *, pa_context_state_t state) { onContextState(int(state)); }, error);
    if (!opened)
        m_connection.reset();
    return opened;
}

void PulseLoopbackCapture::stop()
{
    if (!m_connection)
        return;
    // Under the loop lock no callback runs; once the stream is released none
    // can start, so nothing is handed on after this.
    m_connection->close([this] {
        m_ended = true;
        releaseStream();
    });
    m_connection.reset();
}

void PulseLoopbackCapture::onContextState(int state)
{
    switch (pa_context_state_t(state)) {
    case PA_CONTEXT_READY:
        openStream();
        break;
    case PA_CONTEXT_FAILED:
        endStream(QStringLiteral("connection to the sound server lost: %1")
                      .arg(PulseConnection::errorText(pa_context_errno(m_connection->context()))));
        break;
    case PA_CONTEXT_TERMINATED:
        endStream(QStringLiteral("the sound server closed the connection"));
        break;
    default:
        break;
    }
}

void PulseLoopbackCapture::openStream()
{
    pa_context *context = m_connection->context();
    const pa_sample_spec spec{PA_SAMPLE_S16LE, uint32_t(RequestedSampleRate), uint8_t(RequestedChannelCount)};
    m_stream = pa_stream_new(context, "Music rhythm", &spec, nullptr);
    if (!m_stream) {
        endStream(QStringLiteral("cannot create the record stream: %1")
                      .arg(PulseConnection::errorText(pa_context_errno(context))));
        return;
    }
    pa_stream_set_state_callback(
        m_stream, [](pa_stream *, void *self) { static_cast<PulseLoopbackCapture *>(self)->streamState(); }, this);
    pa_stream_set_read_callback(
        m_stream, [](pa_stream *, size_t, void *self) { static_cast<PulseLoopbackCapture *>(self)->readPackets(); },
        this);
    pa_buffer_attr attributes;
    attributes.maxlength = uint32_t(-1);
    attributes.tlength = uint32_t(-1);
    attributes.prebuf = uint32_t(-1);
    attributes.minreq = uint32_t(-1);
    attributes.fragsize = uint32_t(pa_usec_to_bytes(FragmentMs * PA_USEC_PER_MSEC, &spec));
    // Asking for small fragments with ADJUST_LATENCY makes the server hand
    // them over as they fill. Recording does not keep an idle output awake.
    const auto flags = pa_stream_flags_t(PA_STREAM_ADJUST_LATENCY | PA_STREAM_DONT_INHIBIT_AUTO_SUSPEND);
    if (pa_stream_connect_record(m_stream, kDefaultMonitor, &attributes, flags) < 0)
        endStream(QStringLiteral("cannot record from the default output: %1")
                      .arg(PulseConnection::errorText(pa_context_errno(context))));
}

void PulseLoopbackCapture::streamState()
{
    switch (pa_stream_get_state(m_stream)) {
    case PA_STREAM_READY: {
        // The server converts to what was asked for; take what it says it
        // delivers all the same, and refuse anything not 16-bit.
        const pa_sample_spec *spec = pa_stream_get_sample_spec(m_stream);
        if (!spec || spec->format != PA_SAMPLE_S16LE || spec->channels == 0 || spec->rate == 0) {
            endStream(QStringLiteral("the server delivers no signed 16-bit audio"));
            return;
        }
        m_sampleRate = int(spec->rate);
        m_channelCount = int(spec->channels);
        break;
    }
    case PA_STREAM_FAILED:
        endStream(QStringLiteral("the record stream failed: %1")
                      .arg(PulseConnection::errorText(pa_context_errno(m_connection->context()))));
        break;
    case PA_STREAM_TERMINATED:
        endStream(QStringLiteral("the record stream was closed"));
        break;
    default:
        break;
    }
}

void PulseLoopbackCapture::readPackets()
{
    while (m_stream && pa_stream_readable_size(m_stream) > 0) {
        const void *data = nullptr;
        size_t size = 0;
        if (pa_stream_peek(m_stream, &data, &size) < 0) {
            endStream(QStringLiteral("cannot read the record stream"));
            return;
        }
        if (size == 0)
            return;
        // A hole (no data, a size) is audio the server lost: nothing to hand on.
        if (data && m_channelCount > 0 && !m_ended.load())
            m_onPacket(static_cast<const char *>(data), int(size), m_sampleRate, m_channelCount);
        pa_stream_drop(m_stream);
    }
}

void PulseLoopbackCapture::endStream(const QString &reason)
{
    // The stream is left as it is (this may run inside its own callback);
    // stop() takes it down.
    if (!m_ended.exchange(true) && m_onEnd)
        m_onEnd(reason);
}

void PulseLoopbackCapture::releaseStream()
{
    if (!m_stream)
        return;
    pa_stream_set_state_callback(m_stream, nullptr, nullptr);
    pa_stream_set_read_callback(m_stream, nullptr, nullptr);
    if (pa_stream_get_state(m_stream) == PA_STREAM_READY || pa_stream_get_state(m_stream) == PA_STREAM_CREATING)
        pa_stream_disconnect(m_stream);
    pa_stream_unref(m_stream);
    m_stream = nullptr;
}
