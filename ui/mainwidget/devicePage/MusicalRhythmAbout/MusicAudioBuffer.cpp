#include "ui/mainwidget/devicePage/MusicalRhythmAbout/MusicAudioBuffer.h"

#include "ui/mainwidget/devicePage/MusicalRhythmAbout/spectrumanalyser.h"

namespace {

int s_callCounter = 0;

} // namespace

int MusicAudioBuffer::callCounter()
{
    return s_callCounter;
}

void MusicAudioBuffer::clear()
{
    m_buffer.clear();
}

bool MusicAudioBuffer::append(const QByteArray &packet, const QAudioFormat &format, QByteArray *chunk)
{
    const int chunkBytes = SpectrumAnalyser::chunkBytes(format);
    if (chunkBytes == 0)
        return false;
    if (format != m_format) {
        m_buffer.clear();
        m_format = format;
    }
    m_buffer.append(packet);
    if (m_buffer.size() <= chunkBytes)
        return false;
    const bool analyse = s_callCounter == 0;
    if (analyse) {
        *chunk = m_buffer.left(chunkBytes);
        m_buffer.clear();
    }
    s_callCounter = (s_callCounter + 1) % AnalysisEvery;
    return analyse;
}
