// Records the sound the computer plays (the default output's mix) on a
// capture thread and hands every packet on with sigSendCaptureAudioData.
#ifndef DSOUNDCARDAUDIOCAPTURE_H
#define DSOUNDCARDAUDIOCAPTURE_H

#include <QAudioFormat>
#include <QByteArray>
#include <QObject>

#include "platform/audio/PulseLoopbackCapture.h"

class DSoundCardAudioCapture : public QObject
{
    Q_OBJECT

public:
    explicit DSoundCardAudioCapture(QObject *parent = nullptr);
    ~DSoundCardAudioCapture() override;

    // 0 when capture started (the stream opens on the capture thread), -1
    // when no sound server could be reached; the first of a run of failed
    // starts is logged. Starting while capturing changes nothing; starting
    // after the stream ended opens a fresh one.
    int startCapture();
    // Returns at once, always 0. No packet is emitted after it returns;
    // packets already queued may still arrive.
    int stopCapture();
    // Started, and the stream has not ended since.
    bool isCapturing() const;

    // The packet format: interleaved signed 16-bit little-endian samples.
    static QAudioFormat packetFormat(int sampleRate, int channelCount);

signals:
    // Emitted on the capture thread: whole frames in the given format.
    void sigSendCaptureAudioData(const QByteArray &packet, const QAudioFormat &format);

private:
    PulseLoopbackCapture m_capture;
    bool m_startFailureLogged = false;
};

#endif
