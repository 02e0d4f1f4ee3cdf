// Records what the computer plays: a record stream from the monitor of the
// sound server's default output, as interleaved signed 16-bit little-endian
// frames (44100 Hz, two channels asked for; the server converts), handed on
// in packets of about 10 ms from the capture thread.
#ifndef PULSELOOPBACKCAPTURE_H
#define PULSELOOPBACKCAPTURE_H

#include <atomic>
#include <functional>
#include <memory>

#include <QString>

class PulseConnection;
struct pa_stream;

class PulseLoopbackCapture
{
public:
    static constexpr int RequestedSampleRate = 44100;
    static constexpr int RequestedChannelCount = 2;
    static constexpr int FragmentMs = 10;

    // Both run on the capture thread. A packet holds whole frames of the
    // stream's real format; its bytes are valid during the call only.
    using PacketHandler = std::function<void(const char *data, int size, int sampleRate, int channelCount)>;
    // The stream ended on its own (server gone, stream killed); called once
    // per start, never after stop() has begun.
    using EndHandler = std::function<void(const QString &reason)>;

    PulseLoopbackCapture(PacketHandler onPacket, EndHandler onEnd);
    ~PulseLoopbackCapture();

    PulseLoopbackCapture(const PulseLoopbackCapture &) = delete;
    PulseLoopbackCapture &operator=(const PulseLoopbackCapture &) = delete;

    // Starts connecting and returns without waiting for the stream. False,
    // with the reason, when no server can be reached at once. After the
    // stream ended it starts afresh.
    bool start(QString *error = nullptr);
    // Returns at once, whether or not audio flows; no packet is handed on
    // after it returns.
    void stop();
    // Started and not ended since.
    bool isRunning() const;

private:
    void onContextState(int state);
    void openStream();
    void streamState();
    void readPackets();
    void endStream(const QString &reason);
    void releaseStream();

    PacketHandler m_onPacket;
    EndHandler m_onEnd;
    std::unique_ptr<PulseConnection> m_connection;
    pa_stream *m_stream = nullptr;
    int m_sampleRate = 0;
    int m_channelCount = 0;
    std::atomic<bool> m_ended{false};
};

#endif
