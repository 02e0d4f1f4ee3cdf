#include "support/PulseTonePlayer.h"

#include <cmath>
#include <vector>

#include <pulse/error.h>
#include <pulse/simple.h>
#include <pulse/timeval.h>

#include <time.h>

namespace {

constexpr int kRate = 44100;
constexpr int kChannels = 2;
constexpr int kBlockFrames = kRate / 200; // 5 ms

} // namespace

PulseTonePlayer::PulseTonePlayer(const QString &sink) : m_sink(sink)
{
}

PulseTonePlayer::~PulseTonePlayer()
{
    stop();
}

qint64 PulseTonePlayer::nowNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

void PulseTonePlayer::setTone(double frequency, double amplitude)
{
    m_amplitude = amplitude;
    m_frequency = frequency;
}

bool PulseTonePlayer::start(QString *error)
{
    if (m_thread.joinable())
        return true;
    const pa_sample_spec spec{PA_SAMPLE_S16LE, kRate, kChannels};
    pa_buffer_attr attributes;
    attributes.maxlength = uint32_t(-1);
    attributes.tlength = uint32_t(pa_usec_to_bytes(60 * PA_USEC_PER_MSEC, &spec));
    attributes.prebuf = uint32_t(-1);
    attributes.minreq = uint32_t(-1);
    attributes.fragsize = uint32_t(-1);
    int code = 0;
    const QByteArray sink = m_sink.toUtf8();
    pa_simple *stream = pa_simple_new(nullptr, "Lumtar test tone", PA_STREAM_PLAYBACK,
                                      sink.isEmpty() ? nullptr : sink.constData(), "tone", &spec, nullptr,
                                      &attributes, &code);
    if (!stream) {
        if (error)
            *error = QString::fromUtf8(pa_strerror(code));
        return false;
    }
    m_quit = false;
    m_thread = std::thread([this, stream] { run(stream); });
    return true;
}

void PulseTonePlayer::stop()
{
    if (!m_thread.joinable())
        return;
    m_quit = true;
    m_thread.join();
}

void PulseTonePlayer::run(void *handle)
{
    auto *stream = static_cast<pa_simple *>(handle);
    std::vector<qint16> block(kBlockFrames * kChannels);
    double phase = 0.0;
    bool sounding = false;
    while (!m_quit.load()) {
        const double frequency = m_frequency.load();
        const double amplitude = m_amplitude.load();
        for (int frame = 0; frame < kBlockFrames; ++frame) {
            const double value = frequency > 0.0 ? amplitude * std::sin(phase) : 0.0;
            phase += 2.0 * M_PI * frequency / kRate;
            const auto sample = qint16(std::lround(value * 32767.0));
            for (int channel = 0; channel < kChannels; ++channel)
                block[frame * kChannels + channel] = sample;
        }
        if (phase > 2.0 * M_PI)
            phase = std::fmod(phase, 2.0 * M_PI);
        if (frequency > 0.0 && !sounding)
            m_toneWrittenAtNs = nowNs();
        sounding = frequency > 0.0;
        int code = 0;
        if (pa_simple_write(stream, block.data(), block.size() * sizeof(qint16), &code) < 0)
            break; // the server went away
    }
    pa_simple_free(stream);
}
