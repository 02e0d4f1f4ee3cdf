// Gathers captured packets into chunks for the spectrum analyser. Once the
// audio held passes one chunk, every tenth such packet (counted across the
// whole process) hands over the oldest chunk and the buffer starts again;
// the packets between only add to the buffer. The chunk's size follows the
// format the packets really arrive in.
#ifndef MUSICAUDIOBUFFER_H
#define MUSICAUDIOBUFFER_H

#include <QAudioFormat>
#include <QByteArray>

class MusicAudioBuffer
{
public:
    // Over-threshold packets per analysed chunk.
    static constexpr int AnalysisEvery = 10;

    // Adds a packet. True when a chunk is ready: chunk then holds the oldest
    // chunk of audio, in the packet's format. A packet in another format than
    // the audio held replaces that audio; one in a format the analyser
    // refuses is dropped.
    bool append(const QByteArray &packet, const QAudioFormat &format, QByteArray *chunk);
    void clear();

    int size() const { return m_buffer.size(); }
    QAudioFormat format() const { return m_format; }

    // The process-wide count of over-threshold packets, 0 .. AnalysisEvery - 1.
    static int callCounter();

private:
    QByteArray m_buffer;
    QAudioFormat m_format;
};

#endif
